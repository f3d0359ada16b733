#include "ui/frame/session_model.h"

#include <QStringList>

#include "drawing/drawing_records.h"
#include "ui/frame/messages.h"
#include "ui/frame/ui_helpers.h"

namespace hk {

struct SessionModel::Emit {
    SessionModel& m;
    bool records = true;
    ~Emit() {
        if (records) m.notifyRecordsChanged();
        emit m.currentChanged();
    }
};

SessionModel::SessionModel(Session& session, QObject* parent)
    : QObject(parent), session_(session), analysis_(session) {}

void SessionModel::notifyRecordsChanged() {
    emit recordsChanged();
}

const CoronaTable& SessionModel::corona(Messages& messages) {
    const CoronaTable& table = analysis_.corona();
    if (const std::vector<std::string> warnings = analysis_.takeWarnings(); !warnings.empty()) {
        QStringList lines;
        for (const std::string& w : warnings)
            lines << q(w);
        messages.showMessage(lines.join(QLatin1Char('\r')));
    }
    return table;
}

void SessionModel::setCurrent(int index1) {
    if (session_.recordCount() == 0) return;
    session_.selectRecord(index1);
    emit currentChanged();
}

void SessionModel::setWorkingRecord(const TZaznam& z) {
    session_.setWorkingRecord(z);
    emit currentChanged();
}

void SessionModel::replaceCurrentRecord(const TZaznam& z) {
    session_.setWorkingRecord(z);
    session_.correctRecord(session_.currentIndex(), z);
    Emit e{*this};
}

void SessionModel::replaceMeasuredRecord(const TZaznam& z) {
    session_.setWorkingRecord(z);
    session_.replaceMeasured(session_.currentIndex(), z);
    Emit e{*this};
}

bool SessionModel::undoMeasurement() {
    if (!session_.canUndoMeasurement()) return false;
    session_.undoMeasurement();
    Emit e{*this};
    return true;
}

void SessionModel::storeWorkingRecord(const TZaznam& z, EntryMode mode) {
    session_.setWorkingRecord(z);
    const std::uint64_t revision = session_.revision();
    try {
        session_.storeWorkingRecord(mode);
    } catch (...) {
        Emit e{*this, session_.revision() != revision};
        throw;
    }
    Emit e{*this};
}

int SessionModel::removeUnreadableDates() {
    const int n = session_.removeUnreadableDates();
    if (n > 0) Emit e{*this};
    return n;
}

void SessionModel::setFaculaeArea(int index1, const TZaznam& counted) {
    // Counted while the drawing is shown: the drawing window is the one that
    // shows it, so no signal goes out (it would only count again).
    session_.setFaculaeArea(index1, counted);
}

std::optional<std::string> SessionModel::recomputeAll() {
    auto error = session_.recomputeAll(RecomputeRecords);
    if (!error) Emit e{*this};
    return error;
}

void SessionModel::mergeRecords(std::span<const TZaznam> added) {
    if (added.empty()) return;
    session_.mergeRecords(added);
    Emit e{*this};
}

void SessionModel::mergeFaculae(std::span<const std::pair<std::size_t, TZaznam>> changed,
                                std::span<const TZaznam> added) {
    session_.mergeFaculae(changed, added);
    Emit e{*this};
}

void SessionModel::switchDrawingNumbersOff() {
    session_.switchDrawingNumbersOff();
    Emit e{*this};
}

void SessionModel::fillMissingClasses() {
    if (session_.fillMissingClasses()) notifyRecordsChanged();
}

void SessionModel::switchEntryMode(bool heliographic) {
    Emit e{*this, false};
    session_.switchEntryMode(heliographic);
}

void SessionModel::setDrawingSetting(const DrawingSetting& s) {
    session_.setDrawingSetting(s);
    notifyRecordsChanged();
}

} // namespace hk
