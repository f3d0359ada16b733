#include "drawing/drawing_records.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <set>
#include <stdexcept>

#include "drawing/faculae.h"
#include "io/file_names.h"
#include "records/record.h"

namespace hk {

namespace {

bool sameDate(const TZaznam& a, const TZaznam& b) {
    const auto da = RecordDate(a), db = RecordDate(b);
    if (da && db) return *da == *db;
    return a.Datum.raw() == b.Datum.raw();
}

std::string isoDate(const Date& d) {
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", d.year, d.month, d.day);
    return text;
}

} // namespace

std::vector<std::size_t> DuplicateDateRecords(std::span<const TZaznam> records) {
    std::vector<std::size_t> out;
    for (std::size_t i = 0; i < records.size(); ++i) {
        const bool before = i > 0 && sameDate(records[i], records[i - 1]);
        const bool after = i + 1 < records.size() && sameDate(records[i], records[i + 1]);
        if (before || after) out.push_back(i);
    }
    return out;
}

std::optional<std::string> RecomputeRecords(std::span<TZaznam> records) {
    for (std::size_t i = 0; i < records.size(); ++i)
        if (!RecordDate(records[i]))
            return "Záznam " + std::to_string(i + 1) + " má neplatné datum \"" +
                   records[i].Datum.text() + "\", nic nebylo přepočteno";
    for (TZaznam& z : records) {
        if (z.Cas == 0) z.Cas = 1200;
        const Ephemeris e = *RecordEphemeris(z);
        z.Rotace = static_cast<std::uint16_t>(e.CarrRotation);
        z.L0 = static_cast<std::uint16_t>(std::trunc(e.L0));
        z.Souhrn = StoredSummary(z, e);
    }
    RecountFaculae(records);
    return std::nullopt;
}

std::optional<PrintRecordRange> PrintRange(int current, int recordCount,
                                           std::string_view countText) {
    while (!countText.empty() && countText.front() == ' ')
        countText.remove_prefix(1);
    while (!countText.empty() && countText.back() == ' ')
        countText.remove_suffix(1);
    int count = 0;
    const auto [end, ec] =
        std::from_chars(countText.data(), countText.data() + countText.size(), count);
    if (ec != std::errc() || end != countText.data() + countText.size() || count < 1)
        return std::nullopt;
    if (recordCount < 1) return std::nullopt;
    PrintRecordRange r;
    r.first = std::clamp(current, 1, recordCount);
    r.last = r.first + std::min(count - 1, recordCount - r.first);
    return r;
}

std::string DrawingImageName(const Date& d) {
    return "Zakres " + isoDate(d) + ".bmp";
}

std::optional<std::string> PictureNamePrefixError(std::string_view prefix) {
    return FileNamePartError(prefix, "Název obrázku");
}

std::string RangeImageName(const std::string& prefix, const Date& d, int time, bool bmp) {
    if (const auto error = PictureNamePrefixError(prefix)) throw std::runtime_error(*error);
    const std::size_t first = prefix.find_first_not_of(' ');
    const std::string trimmed =
        first == std::string::npos ? std::string()
                                   : prefix.substr(first, prefix.find_last_not_of(' ') + 1 - first);
    char hhmm[16];
    std::snprintf(hhmm, sizeof hhmm, "%04d", time);
    return (trimmed.empty() ? std::string() : trimmed + " ") + "Zakres " + isoDate(d) + " " + hhmm +
           (bmp ? ".bmp" : ".jpg");
}

std::vector<std::optional<std::string>>
RangeImageNames(const std::string& prefix, std::span<const TZaznam> records, bool bmp) {
    std::vector<std::optional<std::string>> names;
    names.reserve(records.size());
    std::set<std::string> used;
    for (const TZaznam& z : records) {
        const auto date = RecordDate(z);
        if (!date) {
            names.emplace_back();
            continue;
        }
        std::string name = RangeImageName(prefix, *date, z.Cas, bmp);
        const std::size_t dot = name.size() - 4;
        for (int n = 2; !used.insert(name).second; ++n)
            name = RangeImageName(prefix, *date, z.Cas, bmp).insert(dot, "-" + std::to_string(n));
        names.emplace_back(std::move(name));
    }
    return names;
}

std::optional<std::string> SavedDrawingImageName(std::span<const TZaznam> records, int index) {
    if (index < 1 || static_cast<std::size_t>(index) > records.size()) return std::nullopt;
    return RangeImageNames("", records.first(static_cast<std::size_t>(index)), true).back();
}

} // namespace hk
