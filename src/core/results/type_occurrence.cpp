#include "results/type_occurrence.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "records/record.h"
#include "results/record_date.h"
#include "results/report_text.h"

namespace hk {

namespace {

// The record's count and first group entries, asked for a few records ahead.
void prefetch(const TZaznam& z) {
    const char* p = reinterpret_cast<const char*>(&z);
    __builtin_prefetch(p);
    for (std::size_t line = 0; line < 4; ++line)
        __builtin_prefetch(p + offsetof(TZaznam, Skupiny) + 64 * line);
}

constexpr std::size_t prefetchDistance = 8;

} // namespace

TypeOccurrence BuildTypeOccurrence(std::span<const TZaznam> records) {
    TypeOccurrence result;
    result.grid.caption = "Výsledky    výskyt skupin";

    // Counts per year (60 classes each) from the earliest year on, in one pass.
    using YearCounts = std::array<long, 60>;
    std::vector<YearCounts> counts;
    int first = 0;
    for (std::size_t k = 0; k < records.size(); ++k) {
        if (k + prefetchDistance < records.size()) prefetch(records[k + prefetchDistance]);
        const auto d = DrawingDate(records[k]);
        if (!d) continue;
        if (counts.empty()) {
            first = d->year;
        } else if (d->year < first) {
            counts.insert(counts.begin(), static_cast<std::size_t>(first - d->year), YearCounts{});
            first = d->year;
        }
        const auto column = static_cast<std::size_t>(d->year - first);
        if (column >= counts.size()) counts.resize(column + 1, YearCounts{});
        const TZaznam& z = records[k];
        for (int g = 0; g < z.groupCount(); ++g) {
            const int index = GroupClassIndex(z.Skupiny[g].Typ.raw());
            if (index == 0)
                ++result.unknownClasses;
            else
                ++counts[column][static_cast<std::size_t>(index - 1)];
        }
    }
    const std::size_t years = counts.size();

    auto& cells = result.grid.cells;
    cells.assign(GroupClasses.size() + 1, std::vector<std::string>(years + 1));
    for (std::size_t y = 0; y < years; ++y)
        cells[0][y + 1] = std::to_string(first + static_cast<int>(y));
    for (std::size_t t = 0; t < GroupClasses.size(); ++t) {
        cells[t + 1][0] = std::string(GroupClasses[t]);
        for (std::size_t y = 0; y < years; ++y)
            if (const long n = counts[y][t]; n > 0)
                cells[t + 1][y + 1] = PadLeft(std::to_string(n), 5);
    }
    return result;
}

} // namespace hk
