#include "records/session.h"

#include <algorithm>
#include <cmath>
#include <condition_variable>
#include <cstring>
#include <mutex>
#include <stdexcept>
#include <system_error>
#include <thread>
#include <unordered_set>

#include "io/atomic_file.h"
#include "records/record_file.h"
#include "records/record_prefetch.h"

namespace hk {

namespace {

constexpr std::size_t SpareRecords = 2000;
constexpr char DataxName[] = "datax.dat";
constexpr char BackupName[] = "datax-zaloha.dat";
constexpr double DefaultRadius = 125;
constexpr char NoRecordsWarning[] =
    "Soubor datax.dat neobsahuje žádný záznam; začíná se jako s novým archivem "
    "(jeden záznam s dnešním datem).";

std::string trimmed(std::string_view s) {
    while (!s.empty() && s.front() == ' ')
        s.remove_prefix(1);
    while (!s.empty() && s.back() == ' ')
        s.remove_suffix(1);
    return std::string(s);
}

} // namespace

Session::Session(std::filesystem::path programDir) : dir(std::move(programDir)) {}

void Session::touch() {
    ++revision_;
}

void Session::keepOriginal(std::size_t index0) {
    if (originalsSaved_ || index0 >= static_cast<std::size_t>(originalCount_)) return;
    // When many records change (drawing numbers off, a batch recount) one
    // copy of the whole start is cheaper than a copy per record.
    if (originals_.size() >= 64 &&
        originals_.size() * 8 >= static_cast<std::size_t>(originalCount_)) {
        takeSnapshot();
        return;
    }
    originals_.try_emplace(index0, records_[index0]);
}

void Session::takeSnapshot() {
    if (!originalsSaved_) originalsSaved_ = startRecords();
    originals_.clear();
}

std::vector<TZaznam> Session::startRecords() const {
    if (originalsSaved_) return *originalsSaved_;
    std::vector<TZaznam> start(records_.begin(), records_.begin() + originalCount_);
    for (const auto& [index, z] : originals_)
        start[index] = z;
    return start;
}

TZaznam& Session::mutableRecord(int index1) {
    if (index1 < 1 || index1 > recordCount()) throw std::out_of_range("record index");
    const auto i = static_cast<std::size_t>(index1 - 1);
    keepOriginal(i);
    touch();
    if (geometry_) geometry_->markChanged(i);
    return records_[i];
}

std::optional<Ephemeris> Session::workingEphemeris() const {
    const TZaznam& z = workingRecord_;
    if (currentIndex_ >= 1 && currentIndex_ <= recordCount()) {
        const TZaznam& stored = record(currentIndex_);
        if (stored.Cas == z.Cas && stored.Datum.raw() == z.Datum.raw())
            return geometry(currentIndex_, currentIndex_).ephemeris(currentIndex_);
    }
    return RecordEphemeris(z);
}

const GeometryCache& Session::geometry() const {
    return wholeGeometry(GeometryDetail::Groups);
}

const GeometryCache& Session::geometry(int first1, int last1) const {
    return geometryOf(first1, last1, GeometryDetail::Groups);
}

const GeometryCache& Session::geometryWithPoints() const {
    return wholeGeometry(GeometryDetail::Points);
}

const GeometryCache& Session::geometryWithPoints(int first1, int last1) const {
    return geometryOf(first1, last1, GeometryDetail::Points);
}

const GeometryCache& Session::wholeGeometry(GeometryDetail detail) const {
    if (!geometry_) {
        geometry_ = std::make_unique<GeometryCache>();
        geometry_->rebuild(records_, 0, detail);
    } else {
        geometry_->refresh(records_, 0, detail);
    }
    return *geometry_;
}

const GeometryCache& Session::geometryOf(int first1, int last1, GeometryDetail detail) const {
    if (!geometry_) {
        geometry_ = std::make_unique<GeometryCache>();
        geometry_->reset(records_.size());
    }
    const int from = std::max(1, first1);
    const int to = std::min(last1, recordCount());
    if (from <= to)
        geometry_->refreshRange(records_, std::size_t(from - 1), std::size_t(to), detail);
    return *geometry_;
}

void Session::addObserverName(std::string_view utf8) {
    for (const std::string& name : observerNames_)
        if (name == utf8) return;
    observerNames_.emplace_back(utf8);
    SortNames(observerNames_);
}

namespace {

// The group geometry of the records a reader hands over, computed on a
// thread of its own while the reader reads on.
class GeometryBesideReading {
  public:
    GeometryBesideReading() = default;
    GeometryBesideReading(const GeometryBesideReading&) = delete;
    GeometryBesideReading& operator=(const GeometryBesideReading&) = delete;
    ~GeometryBesideReading() { finish(); }

    // The reader's progress: the first `ready` of `all` are read.
    void read(std::span<const TZaznam> all, std::size_t ready) {
        {
            const std::lock_guard<std::mutex> lock(mutex_);
            all_ = all;
            ready_ = ready;
        }
        changed_.notify_one();
        if (!worker_.joinable()) worker_ = std::jthread([this] { work(); });
    }

    // Waits for the records handed over; the cache of them, or nothing
    // when it could not be computed.
    std::unique_ptr<GeometryCache> finish() {
        {
            const std::lock_guard<std::mutex> lock(mutex_);
            finished_ = true;
        }
        changed_.notify_one();
        if (worker_.joinable()) worker_.join();
        if (failed_) cache_.reset();
        return std::move(cache_);
    }

  private:
    void work() {
        try {
            // Steps of a few megabytes of records on this thread while the
            // reader reads; what is left when the reading ends goes on every
            // core, the reader's too.
            constexpr std::size_t Step = 2048;
            std::size_t done = 0;
            for (;;) {
                std::span<const TZaznam> all;
                std::size_t ready = 0;
                bool finished = false;
                {
                    std::unique_lock<std::mutex> lock(mutex_);
                    changed_.wait(lock, [&] { return ready_ > done || finished_; });
                    if (ready_ <= done) return; // finished and nothing more read
                    all = all_;
                    ready = ready_;
                    finished = finished_;
                }
                if (finished) {
                    cache_->refreshRange(all, done, ready, GeometryDetail::Groups);
                    done = ready;
                    continue;
                }
                // One thread: the other core is the reader's.
                const std::size_t to = std::min(ready, done + Step);
                cache_->refreshRange(all, done, to, GeometryDetail::Groups, 1);
                done = to;
            }
        } catch (...) {
            failed_ = true; // the records' geometry is computed when asked
        }
    }

    std::mutex mutex_;
    std::condition_variable changed_;
    std::span<const TZaznam> all_;
    std::size_t ready_ = 0;
    bool finished_ = false;
    bool failed_ = false;
    std::unique_ptr<GeometryCache> cache_ = std::make_unique<GeometryCache>();
    std::jthread worker_;
};

} // namespace

std::unique_ptr<RecordFileReadAhead> ReadRecordsAhead(const std::filesystem::path& programDir) {
    return std::make_unique<RecordFileReadAhead>(ProgramDir(programDir).resolve(DataxName),
                                                 SpareRecords);
}

LoadResult Session::load(const Date& today, LoadGeometry geometry, RecordFileReadAhead* readAhead) {
    LoadResult result;
    workingRecord_.Datum.setText(FormatDatum(today));

    const std::filesystem::path path = dir.resolve(DataxName);
    std::error_code ec;
    RecordBlock records;
    int atStart = 0;
    std::unique_ptr<GeometryCache> cache;
    // Indices (in the file) of the records left out for their empty Datum.
    std::vector<std::size_t> leftOut;
    if (std::filesystem::exists(path, ec)) {
        RecordFileContents file;
        if (geometry == LoadGeometry::WhileReading && !readAhead) {
            GeometryBesideReading beside;
            file = ReadRecordFile(path, SpareRecords,
                                  [&beside](std::span<const TZaznam> all, std::size_t ready) {
                                      beside.read(all, ready);
                                  });
            cache = beside.finish();
        } else {
            file = readAhead ? readAhead->take(path, SpareRecords)
                             : ReadRecordFile(path, SpareRecords);
        }
        result.fileExisted = true;
        result.trailingBytes = file.trailingBytes;
        atStart = static_cast<int>(file.records.size());
        records = std::move(file.records);
        // A record with an empty date is unused: it is left out, and the
        // records after it are kept.
        std::size_t kept = 0;
        for (std::size_t i = 0; i < records.size(); ++i) {
            PrefetchAhead(records, i);
            if (records[i].Datum.empty()) {
                if (cache) leftOut.push_back(i);
                continue;
            }
            if (kept != i) records[kept] = records[i];
            ++kept;
        }
        result.skippedEmpty = static_cast<int>(records.size() - kept);
        records.resize(kept);
        if (cache) cache->erase(leftOut);
        // An empty file, one partial record or only unused records: the run
        // starts as with a new archive.
        if (records.empty()) {
            result.noRecords = true;
            records.push_back(workingRecord_);
            cache.reset();
        }
    } else {
        records.reserve(SpareRecords);
        records.push_back(workingRecord_);
    }

    std::map<std::size_t, TZaznam> originals;
    std::unordered_set<std::string_view> names;
    std::vector<std::string> observerNames;
    bool numbering = records.size() < 2;
    std::string_view lastName;
    for (std::size_t i = 0; i < records.size(); ++i) {
        PrefetchAhead(records, i);
        TZaznam& z = records[i];
        if (NeedsNormalising(z)) {
            originals.emplace(i, z);
            NormaliseLoadedRecord(z);
            // Its geometry was computed as read (a time 0 is now 1200).
            if (cache) cache->markChanged(i);
        }
        const std::string_view name = z.Pozorovatel.raw();
        if (name != lastName && names.insert(name).second)
            observerNames.push_back(Cp1250ToUtf8(name));
        lastName = name;
        if (z.CisloZakresu > 0) numbering = true;
        if (!RecordDate(z)) ++result.unreadableDates;
    }
    SortNames(observerNames);

    // Nothing could fail from here: the store takes the new state.
    records_ = std::move(records);
    originals_ = std::move(originals);
    originalsSaved_.reset();
    geometry_ = std::move(cache);
    dataChanged_ = false;
    originalCount_ = recordCount();
    recordsAtStart_ = atStart;
    drawingNumbers_ = numbering;
    observerNames_ = std::move(observerNames);
    currentIndex_ = recordCount();
    workingRecord_ = records_.back();
    if (const auto setting = DecodeDrawingSetting(records_.front().NastaveniKresby)) {
        drawingRadius_ = setting->radius;
        heliographicEntry_ = setting->heliographic;
    } else {
        drawingRadius_ = 0;
        heliographicEntry_ = false;
    }
    touch();
    datesReadableAt_.reset();
    if (result.unreadableDates == 0) datesReadableAt_ = revision_;

    if (result.noRecords)
        warnings_.push_back(NoRecordsWarning);
    else if (result.skippedEmpty > 0)
        warnings_.push_back(
            "V souboru datax.dat bylo " + std::to_string(result.skippedEmpty) +
            " prázdných záznamů (bez data); byly vynechány, ostatní záznamy se načetly.");
    if (result.unreadableDates > 0)
        warnings_.push_back("V souboru datax.dat má " + std::to_string(result.unreadableDates) +
                            " záznamů nečitelné datum; zůstávají na svém místě.");
    if (result.trailingBytes > 0)
        warnings_.push_back("Soubor datax.dat končí neúplným záznamem (" +
                            std::to_string(result.trailingBytes) +
                            " bajtů); při uložení se vynechá.");
    return result;
}

std::optional<DrawingSetting> Session::drawingSettingOfRecord1() const {
    if (records_.empty()) return std::nullopt;
    return DecodeDrawingSetting(records_.front().NastaveniKresby);
}

void Session::setDrawingSetting(const DrawingSetting& s) {
    drawingRadius_ = s.radius;
    heliographicEntry_ = s.heliographic;
    if (records_.empty()) return;
    const std::uint16_t value = EncodeDrawingSetting(s);
    if (records_.front().NastaveniKresby != value) mutableRecord(1).NastaveniKresby = value;
}

void Session::save() {
    if (drawingRadius_ == 0 && recordCount() > 0) drawingRadius_ = DefaultRadius;
    if (recordCount() > 0) setDrawingSetting({drawingRadius_, heliographicEntry_});
    WriteRecordFile(dir.resolve(DataxName), records());
}

void Session::sortRecords() {
    // Exactly two records are left as they are, as the program always did.
    if (recordCount() <= 2) return;
    const std::vector<std::size_t> order = KeyOrder(records());
    if (order.empty()) return;
    takeSnapshot();
    touch();
    RecordBlock sorted;
    sorted.reserve(records_.capacity());
    for (std::size_t from : order)
        sorted.push_back(records_[from]);
    records_ = std::move(sorted);
    if (geometry_) geometry_->permute(order);
}

int Session::removeUnreadableDates() {
    // Every change bumps the revision: unchanged since the dates were read,
    // the store holds no unreadable one.
    if (datesReadableAt_ == revision_) return 0;
    std::vector<std::size_t> bad;
    for (std::size_t i = 0; i < records_.size(); ++i) {
        PrefetchAhead(records_, i);
        if (!RecordDate(records_[i])) bad.push_back(i);
    }
    if (bad.empty()) {
        datesReadableAt_ = revision_;
        return 0;
    }
    // Records move down: the backup must keep the start as it was.
    takeSnapshot();
    touch();
    for (auto it = bad.rbegin(); it != bad.rend(); ++it)
        records_.erase(records_.begin() + static_cast<std::ptrdiff_t>(*it));
    if (geometry_) geometry_->erase(bad);
    // The store is never empty: without a readable record it starts again
    // as a new archive would.
    if (records_.empty())
        appendRecords(
            std::span<const TZaznam>(std::vector<TZaznam>{PlaceholderRecord(TodayUtc())}));
    if (currentIndex_ > recordCount()) currentIndex_ = recordCount();
    if (currentIndex_ < 1) currentIndex_ = 1;
    dataChanged_ = true;
    datesReadableAt_ = revision_;
    return static_cast<int>(bad.size());
}

void Session::findByKey(double key) {
    for (int k = 1; k <= recordCount(); ++k) {
        const auto kk = RecordKey(record(k));
        if (kk && *kk == key) {
            currentIndex_ = k;
            return;
        }
    }
    if (currentIndex_ == 0) currentIndex_ = 1;
}

void Session::storeWorkingRecord(EntryMode mode) {
    const auto eph = RecordEphemeris(workingRecord_);
    if (!eph) throw std::runtime_error("Bylo špatně zadáno datum, záznam nebude zapsán");
    if (mode == EntryMode::Correction && (currentIndex_ < 1 || currentIndex_ > recordCount()))
        throw std::runtime_error("Není vybrán záznam k opravě");

    workingRecord_.Rotace = static_cast<std::uint16_t>(eph->CarrRotation);
    workingRecord_.L0 = static_cast<std::uint16_t>(std::trunc(eph->L0));
    TZaznam stored = workingRecord_;
    stored.Souhrn = StoredSummary(stored, *eph);

    if (mode == EntryMode::Correction) {
        mutableRecord(currentIndex_) = stored;
    } else {
        appendRecords(std::span<const TZaznam>(&stored, 1));
        currentIndex_ = recordCount();
    }
    dataChanged_ = true;
    if (stored.Pozorovatel.empty()) {
        addObserverName("N");
    } else {
        addObserverName(stored.Pozorovatel.text());
    }
    sortRecords();
    // The key adds hhmm / 1440 to the day, so 19:40 of one day and 5:00 of the
    // next share a key: the stored record is found by its date and time, and
    // among equal ones by its bytes, before falling back to the key.
    if (!findStored(stored)) findByKey(*RecordKey(workingRecord_));
    save();
}

bool Session::findStored(const TZaznam& stored) {
    int sameMoment = 0;
    for (int k = 1; k <= recordCount(); ++k) {
        const TZaznam& z = record(k);
        if (z.Cas != stored.Cas || z.Datum.raw() != stored.Datum.raw()) continue;
        if (std::memcmp(&z, &stored, sizeof stored) == 0) {
            currentIndex_ = k;
            return true;
        }
        if (sameMoment == 0) sameMoment = k;
    }
    if (sameMoment == 0) return false;
    currentIndex_ = sameMoment;
    return true;
}

void Session::writeBackup() {
    const std::vector<TZaznam> start = startRecords();
    WriteRecordFile(dir.resolve(BackupName), start);
}

void Session::saveAtExit() {
    if (dataChanged_) save();
}

SplitResult Session::split(const std::array<SplitRow, 5>& rows) const {
    SplitResult result;
    struct Range {
        int row;
        Date from, to;
    };
    std::vector<Range> ranges;
    for (int r = 1; r <= 5; ++r) {
        const SplitRow& row = rows[static_cast<std::size_t>(r - 1)];
        const std::string fromText = trimmed(row.from);
        if (fromText.empty()) continue;
        const auto from = ParseDatum(fromText);
        const auto to = ParseDatum(trimmed(row.to));
        if (!from || !to) {
            result.error = "Bylo špatně zadáno datum v řádku " + std::to_string(r) +
                           "  (formát  př.  02.08.2011)";
            return result;
        }
        ranges.push_back({r, *from, *to});
    }

    std::vector<std::optional<Date>> dates(static_cast<std::size_t>(recordCount()));
    for (std::size_t i = 0; i < dates.size(); ++i)
        dates[i] = RecordDate(records_[i]);

    struct Job {
        std::size_t row;
        std::size_t first, last; // 0-based, inclusive; first > last writes nothing
    };
    std::vector<Job> jobs;
    for (const Range& range : ranges) {
        SplitRowResult rr;
        rr.row = range.row;
        // The last record of the "from" date up to the first record of the
        // "to" date.
        std::optional<std::size_t> first, last;
        bool fromLater = false;
        for (std::size_t i = 0; i < dates.size(); ++i) {
            if (!dates[i]) continue;
            if (last) {
                if (*dates[i] == range.from) fromLater = true;
                continue;
            }
            if (*dates[i] == range.from) first = i;
            if (*dates[i] == range.to) last = i;
        }
        if (!first || !last) {
            const std::string prefix = "Řádek " + std::to_string(range.row) + " vynechán: ";
            if (!last)
                rr.note = prefix + "žádný záznam s datem " + FormatDatum(range.to);
            else if (fromLater)
                rr.note = prefix + "datum " + FormatDatum(range.from) + " je až po datu " +
                          FormatDatum(range.to);
            else
                rr.note = prefix + "žádný záznam s datem " + FormatDatum(range.from);
            result.rows.push_back(rr);
            continue;
        }
        // Rows after the first leave out the "from" record, so that
        // consecutive rows can share a boundary date.
        const std::size_t begin = range.row == 1 ? *first : *first + 1;
        rr.count = *last >= begin ? static_cast<int>(*last - begin + 1) : 0;
        rr.written = true;
        jobs.push_back({result.rows.size(), begin, *last});
        result.rows.push_back(rr);
    }

    for (const Job& job : jobs) {
        const SplitRowResult& rr = result.rows[job.row];
        std::span<const TZaznam> part;
        if (job.last >= job.first) part = records().subspan(job.first, job.last - job.first + 1);
        WriteRecordFile(dir.resolve("datax" + std::to_string(rr.row) + ".dat"), part);
    }
    return result;
}

void Session::appendRecords(std::span<const TZaznam> records) {
    touch();
    records_.insert(records_.end(), records.begin(), records.end());
    if (geometry_) geometry_->markAppended(records.size());
}

void Session::setTables(StartupTables tables) {
    tables_ = std::move(tables);
}

void Session::selectRecord(int index1) {
    if (records_.empty()) return;
    currentIndex_ = std::clamp(index1, 1, recordCount());
    workingRecord_ = record(currentIndex_);
}

void Session::setWorkingRecord(const TZaznam& z) {
    workingRecord_ = z;
}

void Session::correctRecord(int index1, const TZaznam& z) {
    if (index1 < 1 || index1 > recordCount()) return;
    if (std::memcmp(&record(index1), &z, sizeof z) == 0) return;
    mutableRecord(index1) = z;
    dataChanged_ = true;
    if (index1 == currentIndex_) workingRecord_ = z;
}

void Session::replaceMeasured(int index1, const TZaznam& z) {
    if (index1 < 1 || index1 > recordCount()) return;
    const TZaznam before = record(index1);
    if (std::memcmp(&before, &z, sizeof z) == 0) return;
    mutableRecord(index1) = z;
    dataChanged_ = true;
    if (index1 == currentIndex_) workingRecord_ = z;
    measurementUndo_ = MeasurementUndo{before, z};
}

int Session::measuredIndex() const {
    if (!measurementUndo_) return 0;
    for (int i = 1; i <= recordCount(); ++i)
        if (std::memcmp(&record(i), &measurementUndo_->after, sizeof(TZaznam)) == 0) return i;
    return 0;
}

bool Session::canUndoMeasurement() const {
    return measuredIndex() != 0;
}

bool Session::undoMeasurement() {
    const int index1 = measuredIndex();
    if (index1 == 0) return false;
    mutableRecord(index1) = measurementUndo_->before;
    measurementUndo_.reset();
    dataChanged_ = true;
    if (index1 == currentIndex_) workingRecord_ = record(index1);
    return true;
}

void Session::setFaculaeArea(int index1, const TZaznam& counted) {
    if (index1 < 1 || index1 > recordCount()) return;
    if (record(index1).PlochaFakuli.raw() == counted.PlochaFakuli.raw()) return;
    // The faculae area counted when a measured record is shown is part of
    // that record: the undo still finds it.
    const bool measured = measuredIndex() == index1;
    mutableRecord(index1).PlochaFakuli = counted.PlochaFakuli;
    if (measured) measurementUndo_->after = record(index1);
}

std::optional<std::string> Session::recomputeAll(const Recomputation& recompute) {
    std::vector<TZaznam> recomputed(records_.begin(), records_.end());
    if (auto error = recompute(recomputed)) return error;
    for (std::size_t i = 0; i < recomputed.size(); ++i) {
        if (std::memcmp(&recomputed[i], &records_[i], sizeof(TZaznam)) == 0) continue;
        mutableRecord(static_cast<int>(i) + 1) = recomputed[i];
        dataChanged_ = true;
    }
    if (currentIndex_ >= 1 && currentIndex_ <= recordCount())
        workingRecord_ = record(currentIndex_);
    return std::nullopt;
}

void Session::afterAdding() {
    const auto key = RecordKey(workingRecord_);
    sortRecords();
    if (key) findByKey(*key);
    dataChanged_ = true;
    selectRecord(currentIndex_);
}

void Session::mergeRecords(std::span<const TZaznam> added) {
    if (added.empty()) return;
    appendRecords(added);
    for (const TZaznam& z : added)
        addObserverName(z.Pozorovatel.empty() ? std::string("N") : z.Pozorovatel.text());
    afterAdding();
}

void Session::mergeFaculae(std::span<const std::pair<std::size_t, TZaznam>> changed,
                           std::span<const TZaznam> added) {
    for (const auto& [index0, z] : changed)
        if (index0 < records_.size()) mutableRecord(static_cast<int>(index0) + 1) = z;
    if (!added.empty()) {
        appendRecords(added);
        for (const TZaznam& z : added)
            addObserverName(z.Pozorovatel.empty() ? std::string("N") : z.Pozorovatel.text());
    }
    if (!changed.empty() && currentIndex_ >= 1 && currentIndex_ <= recordCount())
        workingRecord_ = record(currentIndex_);
    afterAdding();
}

bool Session::fillMissingClasses() {
    bool changed = false;
    for (int k = 1; k <= recordCount(); ++k) {
        const TZaznam& z = record(k);
        for (int g = 0; g < z.groupCount(); ++g)
            if (z.Skupiny[g].Typ.empty()) {
                mutableRecord(k).Skupiny[g].Typ.setRaw("***");
                changed = true;
            }
    }
    return changed;
}

void Session::switchDrawingNumbersOff() {
    drawingNumbers_ = false;
    for (int k = 1; k <= recordCount(); ++k)
        if (record(k).CisloZakresu != 0) mutableRecord(k).CisloZakresu = 0;
    workingRecord_.CisloZakresu = 0;
}

void Session::switchEntryMode(bool heliographic) {
    heliographicEntry_ = heliographic;
    save();
}

void Session::checkObserverTableWritable() const {
    if (tables_.observerFileRefused)
        throw std::runtime_error("Tabulka pozorovatelů se neuloží, soubor by přepsala: " +
                                 *tables_.observerFileRefused);
}

bool Session::addObserver(const ObserverTable::Entry& entry) {
    checkObserverTableWritable();
    return tables_.observerTable.add(entry);
}

void Session::writeObserverTable(const std::filesystem::path& file) {
    checkObserverTableWritable();
    tables_.observerTable.write(file);
}

} // namespace hk
