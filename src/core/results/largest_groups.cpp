#include "results/largest_groups.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string>

#include "results/month_sums.h"
#include "results/record_date.h"
#include "text/number_format.h"

namespace hk {

namespace {

constexpr double EarthAreas = 0.01193; // millionths of the hemisphere per Earth surface

struct Entry {
    const TZaznam* z = nullptr;
    const TSkupina* s = nullptr;
    long area = 0;
};

} // namespace

int LargestGroupsYear(std::span<const TZaznam> records, int chosen) {
    if (records.empty()) return chosen;
    const auto first = DrawingDate(records.front());
    const auto last = DrawingDate(records.back());
    if (first && chosen < first->year) return first->year;
    if (last && chosen > last->year) return last->year;
    return chosen;
}

ResultsGrid BuildLargestGroups(std::span<const TZaznam> records, int year) {
    std::array<Entry, LargestGroupCount> list{};
    std::size_t used = 0;
    // The store is sorted by date: the year's records follow each other.
    const auto before = [year](const TZaznam& z) {
        const auto d = DrawingDate(z);
        return !d || d->year < year;
    };
    const auto from = std::partition_point(records.begin(), records.end(), before);
    for (auto it = from; it != records.end(); ++it) {
        const TZaznam& z = *it;
        const auto d = DrawingDate(z);
        if (d && d->year > year) break;
        if (IsSpecialRecord(z) || z.PocetSkupin == 0 || !d) continue;
        for (int j = 0; j < z.groupCount(); ++j) {
            const TSkupina& s = z.Skupiny[j];
            const long a = RoundHalfEven(s.Plocha + s.MalS * 15.3);
            if (a <= 0) continue;
            // The first place that is free or holds a smaller area.
            std::size_t p = 0;
            while (p < used && list[p].area >= a)
                ++p;
            if (p == list.size()) continue;
            const std::size_t moved = std::min(used, list.size() - 1);
            for (std::size_t i = moved; i > p; --i)
                list[i] = list[i - 1];
            list[p] = {&z, &s, a};
            if (used < list.size()) ++used;
        }
    }

    ResultsGrid grid;
    grid.caption = std::string(LargestCaption);
    grid.cells.push_back(
        {"", "  Datum", "  Rotace", "Č. skupiny", "    Typ", "Plocha mil.", "    1/Zem"});
    for (std::size_t r = 0; r < used; ++r) {
        const Entry& e = list[r];
        const auto d = DrawingDate(*e.z);
        grid.cells.push_back({"   " + std::to_string(r + 1),
                              d ? FormatDatum(*d) : e.z->Datum.text(), std::to_string(e.z->Rotace),
                              std::to_string(e.s->CSk2), "    " + e.s->Typ.text(),
                              std::to_string(e.area), FormatNumber(e.area * EarthAreas, "###.00")});
    }
    return grid;
}

} // namespace hk
