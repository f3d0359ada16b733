#include "results/type_occurrence.h"

#include <algorithm>
#include <climits>
#include <cstdint>
#include <vector>

#include "records/record.h"
#include "results/record_date.h"
#include "results/report_text.h"

namespace hk {

namespace {

std::uint32_t classKey(std::string_view typ) {
    return std::uint32_t(static_cast<unsigned char>(typ[0])) << 16 |
           std::uint32_t(static_cast<unsigned char>(typ[1])) << 8 |
           static_cast<unsigned char>(typ[2]);
}

// TypySkupinIndex by binary search over the classes' three bytes: the table
// looks up every group of the store.
int classIndex(std::string_view typ) {
    struct Entry {
        std::uint32_t key;
        int index;
    };
    static const std::vector<Entry> sorted = [] {
        std::vector<Entry> v;
        for (std::size_t i = 0; i < TypySkupin.size(); ++i)
            v.push_back({classKey(TypySkupin[i]), static_cast<int>(i) + 1});
        std::sort(v.begin(), v.end(), [](const Entry& a, const Entry& b) { return a.key < b.key; });
        return v;
    }();
    if (typ.size() != 3) return 0;
    const std::uint32_t key = classKey(typ);
    const auto it = std::lower_bound(sorted.begin(), sorted.end(), key,
                                     [](const Entry& e, std::uint32_t k) { return e.key < k; });
    return it != sorted.end() && it->key == key ? it->index : 0;
}

} // namespace

TypeOccurrence BuildTypeOccurrence(std::span<const TZaznam> records) {
    TypeOccurrence result;
    result.grid.caption = "Výsledky    výskyt skupin";

    std::vector<int> yearOf(records.size(), 0);
    int first = INT_MAX, last = INT_MIN;
    for (std::size_t k = 0; k < records.size(); ++k) {
        const auto d = DrawingDate(records[k]);
        if (!d) continue;
        yearOf[k] = d->year;
        first = std::min(first, d->year);
        last = std::max(last, d->year);
    }
    const std::size_t years = first <= last ? static_cast<std::size_t>(last - first + 1) : 0;

    std::vector<long> counts(TypySkupin.size() * years, 0);
    for (std::size_t k = 0; k < records.size(); ++k) {
        if (yearOf[k] == 0) continue;
        const std::size_t column = static_cast<std::size_t>(yearOf[k] - first);
        const TZaznam& z = records[k];
        for (int g = 0; g < z.groupCount(); ++g) {
            const int index = classIndex(z.Skupiny[g].Typ.raw());
            if (index == 0)
                ++result.unknownClasses;
            else
                ++counts[static_cast<std::size_t>(index - 1) * years + column];
        }
    }

    auto& cells = result.grid.cells;
    cells.assign(TypySkupin.size() + 1, std::vector<std::string>(years + 1));
    for (std::size_t y = 0; y < years; ++y)
        cells[0][y + 1] = std::to_string(first + static_cast<int>(y));
    for (std::size_t t = 0; t < TypySkupin.size(); ++t) {
        cells[t + 1][0] = std::string(TypySkupin[t]);
        for (std::size_t y = 0; y < years; ++y)
            if (const long n = counts[t * years + y]; n > 0)
                cells[t + 1][y + 1] = PadLeft(std::to_string(n), 5);
    }
    return result;
}

} // namespace hk
