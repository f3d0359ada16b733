#include "results/largest_groups.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string>
#include <utility>
#include <vector>

#include "records/record_prefetch.h"
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
    // The years of the earliest and the latest drawing: a late drawing of
    // 31.12 can stand after early drawings of 01.01 in the store.
    const auto span = DateSpanOf(records);
    if (!span) return chosen;
    if (chosen < span->earliest.year) return span->earliest.year;
    if (chosen > span->latest.year) return span->latest.year;
    return chosen;
}

ResultsGrid BuildLargestGroups(std::span<const TZaznam> records, int year) {
    std::array<Entry, LargestGroupCount> list{};
    std::size_t used = 0;
    // Every record dated in the year, wherever it stands, in the order the
    // drawings were made: by date, and within a day in store order (which
    // is the order of their times). The store's own order is not the
    // calendar's: a drawing of 14.01 at 23:00 stands after one of 15.01 at
    // 05:00.
    std::vector<std::pair<Date, std::size_t>> drawings;
    for (std::size_t k = 0; k < records.size(); ++k) {
        PrefetchAhead(records, k);
        const TZaznam& z = records[k];
        if (IsSpecialRecord(z) || z.PocetSkupin == 0) continue;
        const auto d = DrawingDate(z);
        if (d && d->year == year) drawings.emplace_back(*d, k);
    }
    std::stable_sort(drawings.begin(), drawings.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    for (const auto& [date, k] : drawings) {
        const TZaznam& z = records[k];
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
