#include "results/observer_periods.h"

#include <unordered_map>

#include "records/record.h"

namespace hk {

std::vector<ObserverPeriod> ObserverPeriods(std::span<const TZaznam> records,
                                            const std::vector<std::string>& names) {
    std::unordered_map<std::string, ObserverPeriod> byName;
    for (const TZaznam& z : records) {
        ObserverPeriod& p = byName[z.Pozorovatel.text()];
        ++p.count;
        const auto d = RecordDate(z);
        if (!d) continue;
        if (p.first.year == 0 || *d < p.first) p.first = *d;
        if (p.last.year == 0 || p.last < *d) p.last = *d;
    }
    std::vector<ObserverPeriod> out;
    for (const std::string& name : names) {
        auto it = byName.find(name);
        if (it == byName.end() || it->second.count == 0) continue;
        ObserverPeriod p = it->second;
        p.name = name;
        out.push_back(p);
    }
    return out;
}

} // namespace hk
