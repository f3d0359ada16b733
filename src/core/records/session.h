#pragma once
// Everything that lives for a whole run of the program: the record store
// (all drawings of datax.dat in memory, sorted by RecordKey), the start-up
// settings and the tables read at start. Windows receive a reference to it.
#include <array>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "geometry/calendar.h"
#include "records/geometry_cache.h"
#include "records/observers.h"
#include "records/program_dir.h"
#include "records/record.h"
#include "records/record_layout.h"
#include "records/startup_series.h"
#include "records/store.h"

namespace hk {

// The three ways the entry window stores its record.
enum class EntryMode { New, Special, Correction };

// When a load computes the geometry of every record: when first asked (a
// job that shows a few records computes only theirs), or on a second thread
// while the file is read, for a job that walks every record anyway.
enum class LoadGeometry { WhenAsked, WhileReading };

struct LoadResult {
    bool fileExisted = false;      // datax.dat was there
    int skippedEmpty = 0;          // records with an empty Datum, left out
    int unreadableDates = 0;       // records kept although their Datum is no date
    std::size_t trailingBytes = 0; // partial record at the end of the file, ignored
    bool noRecords = false;        // the file held no record: started as a new archive
};

// Starts reading datax.dat of the program directory `programDir` on a
// thread of its own, for Session::load of that directory to take.
std::unique_ptr<RecordFileReadAhead> ReadRecordsAhead(const std::filesystem::path& programDir);

// One row of the split panel: "Od kdy" and "Do kdy" as typed.
struct SplitRow {
    std::string from;
    std::string to;
};
struct SplitRowResult {
    int row = 0;          // 1..5
    bool written = false; // datax<row>.dat was written
    int count = 0;        // records written
    std::string note;     // why the row was skipped (empty when written or empty row)
};
struct SplitResult {
    std::optional<std::string> error; // a check failed: nothing was written
    std::vector<SplitRowResult> rows; // the rows that were not empty
};

// The start-up settings and the tables read at start (side files, outside
// series, observer table). Read by everyone, replaced only by the start-up.
struct StartupTables {
    double enlargementFactor = 1.2;
    int sizePercent = 100;
    std::array<std::string, 6> instrument; // station and instrument lines, UTF-8
    std::vector<std::uint8_t> supplementaryData = std::vector<std::uint8_t>(25000, 0);
    DailySeries sidcDaily;
    OutsideTable areasTable;
    OutsideTable fluxTable;
    std::vector<std::string> observerLines; // raw observer lines, UTF-8
    ObserverTable observerTable;
    // The observer file was there but could not be read (why): the table
    // is not written back over it.
    std::optional<std::string> observerFileRefused;
};

// The record store and the settings of a run. What the analyses derive
// from it and keep (the corona, the asymmetry tables) lives beside it, in
// AnalysisTables. Its data are private: windows
// and commands read them through the const accessors and change them only
// through the named operations below, each of which checks first, changes
// second and bumps revision().
class Session {
  public:
    explicit Session(std::filesystem::path programDir);

    ProgramDir dir; // AdresarProgramu

    // ---- Record store. Records are 1-based: record(1) .. record(recordCount()).
    int recordCount() const { return static_cast<int>(records_.size()); }
    const TZaznam& record(int index1) const {
        return records_[static_cast<std::size_t>(index1 - 1)];
    }
    std::span<const TZaznam> records() const { return records_; }

    // Changes whenever a record is added, changed or moved: caches of derived
    // per-record values compare it.
    std::uint64_t revision() const { return revision_; }
    // Per-record ephemeris, group positions and live summaries, brought up
    // to date with the store on every call.
    const GeometryCache& geometry() const;
    // The cache with the entries of records first1..last1 (1-based, clamped
    // to the store) up to date and no others computed for it: for a job that
    // reads only those records (one drawing, one month).
    const GeometryCache& geometry(int first1, int last1) const;
    // The same with the positions of the auxiliary spots and faculae
    // vertices too, for the pictures that draw them (butterfly, maps).
    const GeometryCache& geometryWithPoints() const;
    const GeometryCache& geometryWithPoints(int first1, int last1) const;

    // Orientation of the disk for the working record: from the geometry
    // cache when it is the current record's date and time, else computed.
    std::optional<Ephemeris> workingEphemeris() const;

    int recordsAtStart() const { return recordsAtStart_; } // whole records in datax.dat at start
    int originalCount() const { return originalCount_; }   // records of the backup
    int currentIndex() const { return currentIndex_; }     // current record, 1-based
    const TZaznam& workingRecord() const { return workingRecord_; } // working copy
    bool dataChanged() const {
        return dataChanged_;
    } // a record was confirmed or changed in this run
    bool drawingNumbers() const { return drawingNumbers_; }
    // Observer names of the records, UTF-8, sorted.
    const std::vector<std::string>& observers() const { return observerNames_; }
    // Drawing radius R, mm; 0 = not chosen yet.
    double drawingRadius() const { return drawingRadius_; }
    bool heliographicEntry() const { return heliographicEntry_; } // heliographic entry mode

    // ---- Start-up settings and tables.
    const StartupTables& tables() const { return tables_; }
    int sizePercent() const { return tables_.sizePercent; }
    const ObserverTable& observerTable() const { return tables_.observerTable; }
    // What start-up and loading found and the user is told.
    const std::vector<std::string>& warnings() const { return warnings_; }

    // ---- Operations.
    // Loads datax.dat. Without a file the store holds one record: the
    // working record (Datum = today), normalised (time 1200, observer "N").
    // Records with an empty Datum are skipped and counted. Throws
    // std::runtime_error with a Czech message when the file cannot be read;
    // the store is then unchanged. With `readAhead` (ReadRecordsAhead of
    // this directory) the records read ahead are taken when the file is
    // still the one read; the geometry is then computed when asked.
    LoadResult load(const Date& today, LoadGeometry geometry = LoadGeometry::WhenAsked,
                    RecordFileReadAhead* readAhead = nullptr);
    // The start-up's tables (side files, outside series, observers).
    void setTables(StartupTables tables);
    void addWarning(std::string text) { warnings_.push_back(std::move(text)); }
    // The warnings collected so far; the list is empty afterwards.
    std::vector<std::string> takeWarnings() { return std::exchange(warnings_, {}); }

    // Writes the drawing setting into record 1 and all records to datax.dat
    // atomically. Throws std::runtime_error when the write fails: the old
    // file stays as it was.
    void save();

    // Makes record `index1` (clamped to the store) current and copies it into
    // the working record.
    void selectRecord(int index1);
    // Replaces the working record (what the entry window typed, the
    // measurement's groups); the store itself is not changed.
    void setWorkingRecord(const TZaznam& z);
    // currentIndex = the first record whose RecordKey equals `key`;
    // unchanged when none does (1 when it was 0).
    void findByKey(double key);
    // currentIndex = the record equal to `stored` (else the first of the
    // same date and time); false when there is none.
    bool findStored(const TZaznam& stored);

    // Stable sort by RecordKey (only with more than 2 records; records whose
    // date cannot be read keep their places).
    void sortRecords();
    // Removes every record whose Datum is not a date (the later records move
    // down), keeps currentIndex in range and sets dataChanged; returns how many
    // were removed. The backup still writes the records as they were at start.
    int removeUnreadableDates();

    // Stores workingRecord: appended (new, special) or over record
    // currentIndex (correction), with Rotace, L0 and the summary computed;
    // then sorts, finds it and saves. Throws std::runtime_error with a Czech
    // message when Datum is no date (nothing changed) or when the save fails
    // (the record stays stored in memory, the file is as before).
    void storeWorkingRecord(EntryMode mode);

    // Replaces record `index1` (the working record follows when it is the
    // current one) and sets dataChanged; nothing happens when the bytes are equal.
    void correctRecord(int index1, const TZaznam& z);
    // Takes the faculae area (PlochaFakuli) counted on the drawing of record
    // `index1` from `counted`.
    void setFaculaeArea(int index1, const TZaznam& counted);
    // Recomputes every record ("Přepočítat"): `recompute` gets a copy of all
    // records and recomputes them in place (Rotace, L0, the summary, what
    // the drawing counts), or returns the message of the first record it
    // cannot recompute; nothing is changed then. The records that came out
    // different replace the stored ones.
    using Recomputation = std::function<std::optional<std::string>(std::span<TZaznam>)>;
    std::optional<std::string> recomputeAll(const Recomputation& recompute);
    // Appends records (merging a file), adds their observers, sorts and
    // keeps the working record's record current.
    void mergeRecords(std::span<const TZaznam> added);
    // Replaces faculae fields of the records and appends the records of
    // `added` (the faculae merge); sorts like mergeRecords.
    void mergeFaculae(std::span<const std::pair<std::size_t, TZaznam>> changed,
                      std::span<const TZaznam> added);
    // Gives every group without a class the class "***" (after the ASCII
    // export wrote it so); true when a record changed.
    bool fillMissingClasses();
    // Drawing numbers off: clears drawingNumbers and every record's number.
    void switchDrawingNumbersOff();
    // Switches the archive between polar and heliographic entry (record 1's
    // drawing setting) and saves.
    void switchEntryMode(bool heliographic);

    // Observer table: adds an entry (false when the number or name is there
    // already) / writes pozorovatelep.dat. Both throw std::runtime_error,
    // changing nothing, when the start-up could not read the observer file:
    // the file the table would replace holds lines it never saw.
    bool addObserver(const ObserverTable::Entry& entry);
    void writeObserverTable(const std::filesystem::path& file);
    bool observerTableWritable() const { return !tables_.observerFileRefused; }

    // Drawing setting (record 1's NastaveniKresby) as chosen by the user.
    void setDrawingSetting(const DrawingSetting& s);
    // Loaded from record 1 at start; nullopt when no choice was made yet.
    std::optional<DrawingSetting> drawingSettingOfRecord1() const;

    // At exit: ask for the backup when data changed.
    bool needsBackupQuestion() const { return dataChanged_; }
    // Writes the records as they were at start to datax-zaloha.dat.
    void writeBackup();
    // At exit: saves when data changed.
    void saveAtExit();

    // Writes datax1.dat .. datax5.dat from the date ranges of the rows.
    // Every row is checked before anything is written.
    SplitResult split(const std::array<SplitRow, 5>& rows) const;

    // ---- Measurement of a scanned drawing.
    // Measured groups or faculae replace record index1 by `z` (its place in
    // the order stays); the record as it was is kept until the next
    // replacement or the end of the run, for undoMeasurement().
    void replaceMeasured(int index1, const TZaznam& z);
    // Whether undoMeasurement() can bring a record back: the measured record
    // is in the store as it was written.
    bool canUndoMeasurement() const;
    // Puts back the record that the last replaceMeasured() replaced; false
    // (nothing changed) when there is none or the measured record was
    // changed or removed since. The undo is used up.
    bool undoMeasurement();

  private:
    void checkObserverTableWritable() const;
    // The record before and after the last measurement stored.
    struct MeasurementUndo {
        TZaznam before;
        TZaznam after;
    };
    std::optional<MeasurementUndo> measurementUndo_;
    // The 1-based place of the measured record, 0 when it is not there.
    int measuredIndex() const;

    void touch(); // before any change of the records
    // A record to change in place: keeps the backup copy of the start and
    // bumps revision().
    TZaznam& mutableRecord(int index1);
    // Appends records at the end (the caller sorts).
    void appendRecords(std::span<const TZaznam> records);
    void addObserverName(std::string_view utf8);
    // After records were added: sorts, finds the working record's key again.
    void afterAdding();
    // Before record `index0` of the start changes in place: keeps its bytes.
    void keepOriginal(std::size_t index0);
    // Before the records of the start move: keeps them all.
    void takeSnapshot();
    std::vector<TZaznam> startRecords() const;

    RecordBlock records_;
    int recordsAtStart_ = 0;
    int currentIndex_ = 1;
    TZaznam workingRecord_{};
    bool dataChanged_ = false;
    bool drawingNumbers_ = false;
    std::vector<std::string> observerNames_;
    double drawingRadius_ = 0;
    bool heliographicEntry_ = false;
    StartupTables tables_;
    std::vector<std::string> warnings_;
    // The records of the start (for the backup) are kept lazily: until they
    // would move, the store itself holds them, apart from those changed in
    // place, whose bytes of the start are kept here by index.
    std::map<std::size_t, TZaznam> originals_;
    std::optional<std::vector<TZaznam>> originalsSaved_;
    int originalCount_ = 0;
    std::uint64_t revision_ = 0;
    // The revision at which every record's date was last found readable
    // (the load, the removal of unreadable dates), or none.
    std::optional<std::uint64_t> datesReadableAt_;
    const GeometryCache& wholeGeometry(GeometryDetail detail) const;
    const GeometryCache& geometryOf(int first1, int last1, GeometryDetail detail) const;
    mutable std::unique_ptr<GeometryCache> geometry_;
};

} // namespace hk
