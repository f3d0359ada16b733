#include "drawing/record_merge.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>
#include <unordered_map>
#include <unordered_set>

#include "drawing/faculae.h"
#include "records/record.h"
#include "records/record_file.h"

namespace hk {

namespace {

int dateSerial(const TZaznam& z) {
    const auto d = RecordDate(z);
    return d ? DaySerial(*d) : -1;
}

std::unordered_set<int> dateSet(std::span<const TZaznam> records) {
    std::unordered_set<int> dates;
    for (const TZaznam& z : records)
        dates.insert(dateSerial(z));
    return dates;
}

// Rewrites a readable date as "dd.mm.yyyy"; true when the text changed.
bool normaliseDate(TZaznam& z) {
    const auto d = RecordDate(z);
    if (!d) return false;
    const std::string text = FormatDatum(*d);
    if (z.Datum.raw() == text) return false;
    z.Datum.setRaw(text);
    return true;
}

bool sameField(const TSkupina& a, const TSkupina& b) {
    return std::memcmp(a.Fakule, b.Fakule, sizeof a.Fakule) == 0;
}

} // namespace

std::vector<TZaznam> ReadRecordsForMerge(const std::filesystem::path& path) {
    RecordFileContents contents = ReadRecordFile(path);
    const std::string name = "\"" + path.filename().string() + "\"";
    if (contents.trailingBytes != 0)
        throw std::runtime_error("Soubor " + name +
                                 " není soubor zákresů: jeho délka není násobkem 1774 bajtů");
    RecordBlock& records = contents.records;
    const auto end = std::find_if(records.begin(), records.end(),
                                  [](const TZaznam& z) { return z.Datum.empty(); });
    records.erase(end, records.end());
    if (records.empty()) throw std::runtime_error("Soubor " + name + " neobsahuje žádný zákres");
    for (std::size_t i = 0; i < records.size(); ++i)
        if (!RecordDate(records[i]))
            throw std::runtime_error("Záznam " + std::to_string(i + 1) + " souboru " + name +
                                     " nemá platné datum \"" + records[i].Datum.text() + "\"");
    return {records.begin(), records.end()};
}

std::vector<bool> DuplicateDateMask(std::span<const TZaznam> store,
                                    std::span<const TZaznam> added) {
    const auto dates = dateSet(store);
    std::vector<bool> mask;
    mask.reserve(added.size());
    for (const TZaznam& z : added)
        mask.push_back(dates.count(dateSerial(z)) > 0);
    return mask;
}

std::vector<TZaznam> RecordsToAppend(std::span<const TZaznam> store, std::span<const TZaznam> added,
                                     bool excludeDuplicates) {
    const std::vector<bool> duplicate = DuplicateDateMask(store, added);
    std::vector<TZaznam> out;
    out.reserve(added.size());
    for (std::size_t i = 0; i < added.size(); ++i)
        if (!excludeDuplicates || !duplicate[i]) out.push_back(added[i]);
    return out;
}

FaculaeMergeResult MergeFaculae(std::span<const TZaznam> store, std::span<const TZaznam> other) {
    FaculaeMergeResult result;
    std::vector<TZaznam> theirs(other.begin(), other.end());
    for (TZaznam& z : theirs)
        normaliseDate(z);

    // The other file's records: the first of each date, and of each date and time.
    std::unordered_map<int, std::size_t> byDate;
    std::unordered_map<long long, std::size_t> byDateTime;
    for (std::size_t i = 0; i < theirs.size(); ++i) {
        const int d = dateSerial(theirs[i]);
        byDate.emplace(d, i);
        byDateTime.emplace(static_cast<long long>(d) * 10000 + theirs[i].Cas, i);
    }

    FaculaeBitmap bitmap;
    for (std::size_t i = 0; i < store.size(); ++i) {
        TZaznam here = store[i];
        bool changed = normaliseDate(here);
        if (changed) ++result.datesRewritten;
        const int d = dateSerial(here);
        const TZaznam* there = nullptr;
        if (auto it = byDateTime.find(static_cast<long long>(d) * 10000 + here.Cas);
            d >= 0 && it != byDateTime.end())
            there = &theirs[it->second];
        else if (auto dayIt = byDate.find(d); d >= 0 && dayIt != byDate.end())
            there = &theirs[dayIt->second];
        bool fieldsChanged = false;
        for (int k = 0; there && k < there->faculaeCount(); ++k) {
            const TSkupina& src = there->Skupiny[k];
            if (src.Fakule[0] == 0 || sameField(src, here.Skupiny[k])) continue;
            std::memcpy(here.Skupiny[k].Fakule, src.Fakule, sizeof src.Fakule);
            if (here.PocetFakKresleni < k + 1)
                here.PocetFakKresleni = static_cast<std::uint8_t>(k + 1);
            ++result.fieldsReplaced;
            fieldsChanged = true;
        }
        if (fieldsChanged) StoreFaculaeArea(here, bitmap);
        if (changed || fieldsChanged) result.changed.emplace_back(i, here);
    }

    // Every record of a new date is added, also several of the same date:
    // the set of present dates is taken before the loop on purpose.
    const auto present = dateSet(store);
    for (const TZaznam& z : theirs)
        if (!present.count(dateSerial(z))) result.added.push_back(z);
    return result;
}

} // namespace hk
