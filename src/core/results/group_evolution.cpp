#include "results/group_evolution.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "records/record.h"
#include "results/month_sums.h"
#include "text/number_format.h"

namespace hk {

namespace {

constexpr std::size_t LookBehind = 7; // records looked at before the rotation's first
constexpr double DistanceOffset = 0.001;

// The group pass of the rotation statistics: does a group at Carrington
// longitude `lon` on a drawing of rotation rk with L0 `l0` belong to R?
bool belongs(double lon, int rk, double l0, int r) {
    return (lon > 270 && rk == r - 1 && l0 < 90) || (lon > 180 && rk == r && l0 > 90) ||
           (lon < 180 && rk == r && l0 < 270) || (lon < 90 && rk == r + 1 && l0 > 270);
}

} // namespace

std::optional<EvolutionWindow> FindEvolutionWindow(std::span<const TZaznam> records, int r) {
    const auto it = std::find_if(records.begin(), records.end(),
                                 [r](const TZaznam& z) { return z.Rotace == r; });
    if (it == records.end()) return std::nullopt;
    EvolutionWindow w;
    w.first = static_cast<std::size_t>(it - records.begin());
    const std::size_t from = w.first >= LookBehind ? w.first - LookBehind : 0;
    w.lo = w.first;
    for (std::size_t k = from; k <= w.first; ++k) {
        const TZaznam& z = records[k];
        if (z.Rotace == r || (z.Rotace == r - 1 && z.L0 < 90)) {
            w.lo = k;
            break;
        }
    }
    std::size_t end = records.size() - 1;
    for (std::size_t k = w.lo; k < records.size(); ++k) {
        const TZaznam& z = records[k];
        if ((z.Rotace == r + 1 && z.L0 > 270) || z.Rotace > r + 1) {
            end = k;
            break;
        }
    }
    w.hi = std::min(end + LookBehind, records.size() - 1);
    return w;
}

ResultsGrid BuildGroupEvolution(std::span<const TZaznam> records, const GeometryCache& geometry,
                                int r) {
    ResultsGrid grid;
    grid.caption = std::string(EvolutionCaption);
    grid.cells.assign(1, std::vector<std::string>(EvolutionColumns));
    const auto w = FindEvolutionWindow(records, r);
    if (!w || IsSpecialRecord(records[w->first])) return grid;

    const auto& start = geometry.record(static_cast<int>(w->lo) + 1).date;
    const int startDay = start ? DaySerial(*start) : 0;
    for (std::size_t k = w->lo; k <= w->hi; ++k) {
        const int index = static_cast<int>(k) + 1;
        const RecordGeometry& rg = geometry.record(index);
        if (!rg.date || !start || DaySerial(*rg.date) - startDay > EvolutionDays) break;
        std::vector<std::string> row(EvolutionColumns);
        const TZaznam& z = records[k];
        row[0] = z.Datum.text();
        const auto groups = geometry.groups(index);
        const double l0 = rg.ephemeris ? rg.ephemeris->L0 : 0;
        for (std::size_t j = 0; j < groups.size(); ++j) {
            const TSkupina& s = z.Skupiny[j];
            const int c = s.CSk2;
            if (c <= 0 || c >= EvolutionColumns || IsHemisphereMarker(s) ||
                !belongs(groups[j].Lon, z.Rotace, l0, r))
                continue;
            const long a = RoundHalfEven(s.Plocha + s.MalS * 15.3);
            // A damaged distance beyond the limb is taken as on the limb.
            const double rho = std::min(s.Vzd / 1250.0 - DistanceOffset, 0.999);
            const long corrected = RoundHalfEven(a * 0.5 / std::sqrt(1 - rho * rho));
            grid.cells[0][static_cast<std::size_t>(c)] = "   " + std::to_string(c);
            row[static_cast<std::size_t>(c)] =
                std::to_string(s.Poc) + "  " + s.Typ.text() + "  " + std::to_string(corrected);
        }
        grid.cells.push_back(std::move(row));
    }
    return grid;
}

std::optional<int> EvolutionRotationInput(std::span<const TZaznam> records, int value) {
    if (records.empty()) return std::nullopt;
    if (value < 15) return records.front().Rotace;
    if (value >= records.front().Rotace && value <= records.back().Rotace) return value;
    return std::nullopt;
}

std::optional<int> LatestEvolutionRotation(std::span<const TZaznam> records) {
    for (auto z = records.rbegin(); z != records.rend(); ++z)
        if (!IsSpecialRecord(*z) && z->Rotace > 0) return z->Rotace;
    return std::nullopt;
}

} // namespace hk
