#pragma once
// Everything that lives for a whole run of the program: the record store
// (all drawings of datax.dat in memory, sorted by RecordKey), the start-up
// settings and the tables read at start. Windows receive a reference to it.
#include <array>
#include <cstdint>
#include <filesystem>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "geometry/calendar.h"
#include "records/observers.h"
#include "records/program_dir.h"
#include "records/record.h"
#include "records/startup_series.h"
#include "records/store.h"
#include "records/zaznam.h"

namespace hk {

// The three ways the entry window stores its record.
enum class EntryMode { New, Special, Correction };

struct LoadResult {
    bool fileExisted = false;      // datax.dat was there
    int skippedEmpty = 0;          // records with an empty Datum, left out
    int unreadableDates = 0;       // records kept although their Datum is no date
    std::size_t trailingBytes = 0; // partial record at the end of the file, ignored
    bool noRecords = false;        // the file held no record: started as a new archive
};

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

class Session {
  public:
    explicit Session(std::filesystem::path programDir);

    ProgramDir dir; // AdresarProgramu

    // ---- Record store. Records are 1-based: record(1) .. record(PocetZaznamu()).
    int PocetZaznamu() const { return static_cast<int>(zaznamy_.size()); }
    const TZaznam& record(int index1) const {
        return zaznamy_[static_cast<std::size_t>(index1 - 1)];
    }
    std::span<const TZaznam> records() const { return zaznamy_; }

    // A record to change in place (faculae count, drawing numbers off,
    // measurement). Keeps the backup copy of the start and bumps revision();
    // the reference is valid until the next call that adds or sorts records.
    TZaznam& mutableRecord(int index1);
    // Appends records at the end (merging files); the caller sorts and saves.
    void appendRecords(std::span<const TZaznam> records);

    // Changes whenever a record is added, changed or moved: caches of derived
    // per-record values compare it.
    std::uint64_t revision() const { return revision_; }

    int PocetNaStartu = 0;                               // whole records in datax.dat at start
    int PocetPuvodnich() const { return puvodniCount_; } // records of the backup
    int AktualniIndex = 1;                               // current record, 1-based
    TZaznam AktualniZaznam{};                            // working copy of the current record
    bool ZmenaDat = false; // a record was confirmed or changed in this run
    bool CislovaniZakresu = false;
    std::vector<std::string> Pozorovatele; // observer names of the records, UTF-8, sorted

    // Adds a name to Pozorovatele (kept sorted) unless it is there already.
    void addPozorovatel(std::string_view utf8);

    // ---- Start-up settings and tables.
    double FaktorZvetseni = 1.2;
    int ProcentoVelikosti = 100;
    double PolomerKresby = 0;            // drawing radius R, mm; 0 = not chosen yet
    bool HelioZadavani = false;          // heliographic entry mode
    std::array<std::string, 6> Pristroj; // station and instrument lines, UTF-8
    std::vector<std::uint8_t> DoplnkovaData = std::vector<std::uint8_t>(25000, 0);
    DailySeries DenniSIDC;
    OutsideTable PlochyTab;
    OutsideTable Tok10cmTab;
    std::vector<std::string> PozorovateleText; // raw observer lines, UTF-8
    ObserverTable TabulkaPozorovatelu;
    std::vector<std::string> warnings; // what start-up found and the user is told

    // ---- Operations.
    // Loads datax.dat. Without a file the store holds one record: the
    // working record (Datum = today), normalised (time 1200, observer "N").
    // Records with an empty Datum are skipped and counted. Throws
    // std::runtime_error with a Czech message when the file cannot be read;
    // the store is then unchanged.
    LoadResult load(const Date& today);

    // Writes the drawing setting into record 1 and all records to datax.dat
    // atomically. Throws std::runtime_error when the write fails: the old
    // file stays as it was.
    void save();

    // Stable sort by RecordKey (only with more than 2 records; records whose
    // date cannot be read keep their places).
    void sortRecords();
    // AktualniIndex = the first record whose RecordKey equals `key`;
    // unchanged when none does (1 when it was 0).
    void findByKey(double key);
    // Removes every record whose Datum is not a date (the later records move
    // down), keeps AktualniIndex in range and sets ZmenaDat; returns how many
    // were removed. The backup still writes the records as they were at start.
    int removeUnreadableDates();
    // AktualniIndex = the record equal to `stored` (else the first of the
    // same date and time); false when there is none.
    bool findStored(const TZaznam& stored);

    // Stores AktualniZaznam: appended (new, special) or over record
    // AktualniIndex (correction), with Rotace, L0 and the summary computed;
    // then sorts, finds it and saves. Throws std::runtime_error with a Czech
    // message when Datum is no date (nothing changed) or when the save fails
    // (the record stays stored in memory, the file is as before).
    void storeWorkingRecord(EntryMode mode);

    // Drawing setting (record 1's NastaveniKresby) as chosen by the user.
    void setDrawingSetting(const DrawingSetting& s);
    // Loaded from record 1 at start; nullopt when no choice was made yet.
    std::optional<DrawingSetting> drawingSettingOfRecord1() const;

    // At exit: ask for the backup when data changed.
    bool needsBackupQuestion() const { return ZmenaDat; }
    // Writes the records as they were at start to datax-zaloha.dat.
    void writeBackup();
    // At exit: saves when data changed.
    void saveAtExit();

    // Writes datax1.dat .. datax5.dat from the date ranges of the rows.
    // Every row is checked before anything is written.
    SplitResult split(const std::array<SplitRow, 5>& rows);

  private:
    void touch(); // before any change of the records
    // Before record `index0` of the start changes in place: keeps its bytes.
    void keepOriginal(std::size_t index0);
    // Before the records of the start move: keeps them all.
    void takeSnapshot();
    std::vector<TZaznam> startRecords() const;

    RecordBlock zaznamy_;
    // The records of the start (for the backup) are kept lazily: until they
    // would move, the store itself holds them, apart from those changed in
    // place, whose bytes of the start are kept here by index.
    std::map<std::size_t, TZaznam> originals_;
    std::optional<std::vector<TZaznam>> puvodni_;
    int puvodniCount_ = 0;
    std::uint64_t revision_ = 0;
};

} // namespace hk
