#include "results/group_latitudes.h"

#include <algorithm>
#include <cmath>

#include "records/record.h"
#include "records/record_prefetch.h"
#include "results/month_sums.h"

namespace hk {

namespace {

constexpr std::int16_t NoNorthMin = 1000;
constexpr std::int16_t NoSouthMax = -1000;
constexpr float NoYearNorthMin = 100.0f;
constexpr float NoYearSouthMax = -100.0f;

} // namespace

int CentralMeridianRotation(int r, double lon, double L0) {
    if (lon > 270 && L0 < 90) return r + 1;
    if (lon < 90 && L0 > 270) return r - 1;
    return r;
}

GroupLatitudes ComputeGroupLatitudes(std::span<const TZaznam> records, const GeometryCache& g) {
    GroupLatitudes v;
    if (records.empty() || g.size() != records.size()) {
        v.rotationTable.resize(1);
        v.yearTable.resize(1);
        v.smoothedLatitude.resize(1);
        return v;
    }
    const int firstRotation = records.front().Rotace;
    const int firstYear = g.record(1).date ? g.record(1).date->year : 0;
    const int n = static_cast<int>(records.size());

    // The tables grow in the one pass over the records: the rotations to one
    // above the largest record's index, the years to the latest year. A
    // group's rotation index is at most one above its record's, so the table
    // already holds it when the group is counted.
    RotationLatitudes emptyRotation;
    emptyRotation.northMin = NoNorthMin;
    emptyRotation.southMax = NoSouthMax;
    YearLatitudes emptyYear;
    emptyYear.northMin = NoYearNorthMin;
    emptyYear.southMax = NoYearSouthMax;
    v.rotationTable.resize(1);
    v.yearTable.resize(1);
    int maxR = 0, maxY = 0;

    for (int k = 1; k <= n; ++k) {
        PrefetchAhead(records, std::size_t(k - 1), 4);
        const TZaznam& z = records[std::size_t(k - 1)];
        const int r = z.Rotace - firstRotation + 1;
        v.rotationCount = r;
        if (r + 1 > maxR) {
            maxR = r + 1;
            if (v.rotationTable.size() < std::size_t(maxR) + 1)
                v.rotationTable.resize(std::size_t(maxR) + 1, emptyRotation);
        }
        const RecordGeometry& rg = g.record(k);
        if (rg.date && firstYear > 0 && rg.date->year - firstYear + 1 > maxY) {
            maxY = rg.date->year - firstYear + 1;
            v.yearTable.resize(std::size_t(maxY) + 1, emptyYear);
        }
        if (IsSpecialRecord(z)) continue;
        if (!rg.date || !rg.ephemeris) continue;
        const int y = rg.date->year - firstYear + 1;
        YearLatitudes* year = y >= 1 && y < static_cast<int>(v.yearTable.size())
                                  ? &v.yearTable[std::size_t(y)]
                                  : nullptr;
        const double L0 = rg.ephemeris->L0;
        const std::span<const Heliographic> groups = g.groups(k);
        for (std::size_t j = 0; j < groups.size(); ++j) {
            if (IsHemisphereMarker(z.Skupiny[j])) continue;
            const Heliographic& h = groups[j];
            const int rc = CentralMeridianRotation(r, h.Lon, L0);
            if (rc < 1 || rc >= static_cast<int>(v.rotationTable.size())) continue;
            RotationLatitudes& t = v.rotationTable[std::size_t(rc)];
            const float b = static_cast<float>(h.Lat);
            const auto tenths = static_cast<std::int16_t>(std::nearbyint(10.0 * h.Lat));
            if (b > 0) {
                if (year) {
                    year->northMax = std::max(year->northMax, b);
                    if (b < year->northMin && year->northMin > 0) year->northMin = b;
                }
                if (tenths > t.northMax) t.northMax = tenths;
                if (tenths < t.northMin && t.northMin >= 1) t.northMin = tenths;
                t.North += b;
                ++t.northCount;
            } else {
                if (year) {
                    if (b < year->southMin) year->southMin = b;
                    if (b > year->southMax && year->southMax < 0) year->southMax = b;
                }
                if (tenths < t.southMin) t.southMin = tenths;
                if (tenths > t.southMax && t.southMax < 0) t.southMax = tenths;
                t.South += b;
                ++t.southCount;
            }
        }
    }

    const int count = std::max(0, v.rotationCount);
    for (int r = 1; r <= count && r < static_cast<int>(v.rotationTable.size()); ++r) {
        RotationLatitudes& t = v.rotationTable[std::size_t(r)];
        if (t.northCount > 0) t.North /= t.northCount;
        if (t.southCount > 0) t.South /= t.southCount;
    }

    v.smoothedLatitude.assign(std::size_t(count) + 1, {0.0f, 0.0f});
    for (int r = 3; r <= count - 3; ++r) {
        auto mean = [&v](int i, int h) {
            const RotationLatitudes& t = v.rotationTable[std::size_t(i)];
            return h == 0 ? t.North : t.South;
        };
        for (int h = 0; h < 2; ++h)
            v.smoothedLatitude[std::size_t(r)][std::size_t(h)] =
                (0.5f * mean(r - 2, h) + mean(r - 1, h) + mean(r, h) + mean(r + 1, h) +
                 0.5f * mean(r + 2, h)) *
                0.25f;
    }

    for (std::size_t r = 1; r < v.rotationTable.size(); ++r) {
        RotationLatitudes& t = v.rotationTable[r];
        for (std::int16_t* e : {&t.northMax, &t.northMin, &t.southMin, &t.southMax})
            if (*e == NoNorthMin || *e == NoSouthMax) *e = 0;
    }
    for (std::size_t y = 1; y < v.yearTable.size(); ++y) {
        YearLatitudes& t = v.yearTable[y];
        for (float* e : {&t.northMax, &t.northMin, &t.southMin, &t.southMax})
            if (*e == NoYearNorthMin || *e == NoYearSouthMax) *e = 0;
    }
    return v;
}

} // namespace hk
