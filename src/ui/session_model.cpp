#include "ui/session_model.h"

#include <algorithm>

namespace hk {

SessionModel::SessionModel(Session& session, QObject* parent)
    : QObject(parent), session_(session) {}

void SessionModel::setCurrent(int index1) {
    const int n = session_.PocetZaznamu();
    if (n == 0) return;
    const int k = std::clamp(index1, 1, n);
    session_.AktualniIndex = k;
    session_.AktualniZaznam = session_.record(k);
    emit currentChanged();
}

void SessionModel::setWorkingRecord(const TZaznam& z) {
    session_.AktualniZaznam = z;
    emit currentChanged();
}

void SessionModel::replaceCurrentRecord(const TZaznam& z) {
    session_.AktualniZaznam = z;
    if (session_.AktualniIndex >= 1 && session_.AktualniIndex <= session_.PocetZaznamu())
        session_.mutableRecord(session_.AktualniIndex) = z;
    session_.ZmenaDat = true;
    emit recordsChanged();
    emit currentChanged();
}

} // namespace hk
