#pragma once
// The record store seen by the windows: a QObject around hk::Session that
// runs the store's named operations and emits the change signals itself, so
// that windows repaint instead of calling each other. Windows read the
// session through session() and never write it.
#include <QObject>

#include "graphs/analysis_tables.h"
#include "records/session.h"

namespace hk {

class Messages;

class SessionModel : public QObject {
    Q_OBJECT
  public:
    explicit SessionModel(Session& session, QObject* parent = nullptr);

    const Session& session() const { return session_; }

    int currentIndex() const { return session_.currentIndex(); }
    const TZaznam& workingRecord() const { return session_.workingRecord(); }

    // Makes record index1 (1-based, clamped to the store) current.
    void setCurrent(int index1);
    // Replaces the working record (the store is not changed).
    void setWorkingRecord(const TZaznam& z);
    // The working record becomes `z` and is stored over the current record
    // (its place in the order stays); the data count as changed.
    void replaceCurrentRecord(const TZaznam& z);
    // The same for groups or faculae measured on a scan: the record replaced
    // can be brought back by undoMeasurement() (see Session).
    void replaceMeasuredRecord(const TZaznam& z);
    bool undoMeasurement();
    // Stores `z` as a new, special or corrected record and saves; throws
    // like Session::storeWorkingRecord (the signals are sent either way,
    // since a failed save keeps the record stored in memory).
    void storeWorkingRecord(const TZaznam& z, EntryMode mode);
    // Removes records whose date cannot be read; returns how many.
    int removeUnreadableDates();
    void setFaculaeArea(int index1, const TZaznam& counted);
    // "Přepočítat": the message when nothing could be recomputed.
    std::optional<std::string> recomputeAll();
    void mergeRecords(std::span<const TZaznam> added);
    void mergeFaculae(std::span<const std::pair<std::size_t, TZaznam>> changed,
                      std::span<const TZaznam> added);
    void switchDrawingNumbersOff();
    void fillMissingClasses();
    // Switches the entry mode and saves (throws when the save fails).
    void switchEntryMode(bool heliographic);
    void setDrawingSetting(const DrawingSetting& s);
    bool addObserver(const ObserverTable::Entry& entry) { return session_.addObserver(entry); }
    void writeObserverTable(const std::filesystem::path& file) {
        session_.writeObserverTable(file);
    }
    // Saves datax.dat (throws when the write fails).
    void save() { session_.save(); }
    std::vector<std::string> takeWarnings() { return session_.takeWarnings(); }

    // What the pictures and tables read beyond the store (the corona, the
    // asymmetry tables), one set for the run.
    AnalysisTables& analysis() { return analysis_; }
    // The corona table, read on its first use; what that read warns about
    // (a damaged KoronaX year) is shown then, once, as the start-up shows
    // its warnings.
    const CoronaTable& corona(Messages& messages);

    // The store itself, for the start-up, the split and the exit sequence,
    // which are the store's own operations.
    Session& store() { return session_; }

  signals:
    void recordsChanged();
    void currentChanged();

  private:
    // Emits both signals when leaving the scope, also on an exception.
    struct Emit;
    void notifyRecordsChanged();
    Session& session_;
    AnalysisTables analysis_;
};

} // namespace hk
