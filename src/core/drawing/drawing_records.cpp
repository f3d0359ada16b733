#include "drawing/drawing_records.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
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

std::string RangeImageName(const std::string& prefix, const Date& d, bool bmp) {
    if (const auto error = PictureNamePrefixError(prefix)) throw std::runtime_error(*error);
    return prefix + " Zakres " + isoDate(d) + (bmp ? ".bmp" : ".jpg");
}

} // namespace hk
