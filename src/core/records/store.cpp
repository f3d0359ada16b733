#include "records/store.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <limits>

#include "records/record.h"
#include "text/encoding.h"

namespace hk {

namespace {

constexpr char SpecialCp1250[] = "zvl\xE1\x9A\x9Dn\xED"; // "zvlášťní"

// Any marker that sorts after "zvl" is the special marker, however it was
// spelt or encoded.
bool markerToRewrite(const TZaznam& z) {
    return !z.Zvlastni.empty() && z.Zvlastni.raw() > std::string_view("zvl") &&
           z.Zvlastni.raw() != SpecialMarkerCp1250();
}

bool positionsToClear(const TZaznam& z) {
    if (z.PocetSkupin != 0) return false;
    for (const TSkupina& s : z.Skupiny)
        if (s.Uhel != 0 || s.Vzd != 0) return true;
    return false;
}

} // namespace

std::string_view SpecialMarkerCp1250() {
    return {SpecialCp1250, sizeof SpecialCp1250 - 1};
}

bool NeedsNormalising(const TZaznam& z) {
    return markerToRewrite(z) || z.Pozorovatel.empty() || z.Cas == 0 || positionsToClear(z);
}

void NormaliseLoadedRecord(TZaznam& z) {
    if (markerToRewrite(z)) z.Zvlastni.setRaw(SpecialMarkerCp1250());
    if (z.Pozorovatel.empty()) z.Pozorovatel.setRaw("N");
    if (z.PocetSkupin == 0) {
        for (TSkupina& s : z.Skupiny) {
            s.Uhel = 0;
            s.Vzd = 0;
        }
    }
    if (z.Cas == 0) z.Cas = 1200;
}

TZaznam PlaceholderRecord(const Date& today) {
    TZaznam z{};
    z.Datum.setText(FormatDatum(today));
    NormaliseLoadedRecord(z);
    return z;
}

Date TodayUtc() {
    const std::chrono::year_month_day ymd{
        std::chrono::floor<std::chrono::days>(std::chrono::system_clock::now())};
    return {int(ymd.year()), int(unsigned(ymd.month())), int(unsigned(ymd.day()))};
}

double KeyOrNaN(const TZaznam& z) {
    const auto key = RecordKey(z);
    return key ? *key : std::numeric_limits<double>::quiet_NaN();
}

std::vector<std::size_t> KeyOrder(std::span<const TZaznam> records) {
    std::vector<double> keys(records.size());
    std::vector<std::size_t> slots; // positions of the records that have a key
    slots.reserve(records.size());
    bool ordered = true;
    double previous = -std::numeric_limits<double>::infinity();
    for (std::size_t i = 0; i < records.size(); ++i) {
        keys[i] = KeyOrNaN(records[i]);
        if (std::isnan(keys[i])) continue;
        if (keys[i] < previous) ordered = false;
        previous = keys[i];
        slots.push_back(i);
    }
    if (ordered) return {};
    std::vector<std::size_t> sorted = slots;
    std::stable_sort(sorted.begin(), sorted.end(),
                     [&](std::size_t a, std::size_t b) { return keys[a] < keys[b]; });
    std::vector<std::size_t> order(records.size());
    for (std::size_t i = 0; i < records.size(); ++i)
        order[i] = i;
    for (std::size_t i = 0; i < slots.size(); ++i)
        order[slots[i]] = sorted[i];
    return order;
}

void SortNames(std::vector<std::string>& utf8Names) {
    std::vector<std::pair<std::string, std::string>> keyed;
    keyed.reserve(utf8Names.size());
    for (auto& n : utf8Names)
        keyed.emplace_back(Utf8ToCp1250(n), std::move(n));
    std::stable_sort(keyed.begin(), keyed.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    utf8Names.clear();
    for (auto& k : keyed)
        utf8Names.push_back(std::move(k.second));
}

} // namespace hk
