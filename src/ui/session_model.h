#pragma once
// The record store seen by the windows: a QObject around hk::Session that
// tells every window when the records or the current record change, so that
// windows repaint instead of calling each other.
#include <QObject>

#include "records/session.h"

namespace hk {

class SessionModel : public QObject {
    Q_OBJECT
  public:
    explicit SessionModel(Session& session, QObject* parent = nullptr);

    Session& session() { return session_; }
    const Session& session() const { return session_; }

    int aktualniIndex() const { return session_.AktualniIndex; }
    const TZaznam& aktualniZaznam() const { return session_.AktualniZaznam; }

    // Makes record index1 (1-based, clamped to the store) current: sets
    // AktualniIndex, copies the record into AktualniZaznam and emits
    // currentChanged().
    void setCurrent(int index1);

    // Replaces the working record AktualniZaznam and emits currentChanged().
    void setWorkingRecord(const TZaznam& z);
    // The working record becomes `z` and is copied over record AktualniIndex
    // (its place in the order stays); the data count as changed. Emits
    // recordsChanged() and currentChanged().
    void replaceCurrentRecord(const TZaznam& z);

    // Windows that added, changed, moved or removed records call this.
    void notifyRecordsChanged() { emit recordsChanged(); }
    // Windows that changed AktualniIndex or AktualniZaznam directly call this.
    void notifyCurrentChanged() { emit currentChanged(); }

  signals:
    void recordsChanged();
    void currentChanged();

  private:
    Session& session_;
};

} // namespace hk
