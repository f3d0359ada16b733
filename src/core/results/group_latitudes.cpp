#include "results/group_latitudes.h"

#include <algorithm>
#include <cmath>

#include "records/record.h"
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

VyskySkupin SpocitejVyskySkupin(std::span<const TZaznam> records, const GeometryCache& g) {
    VyskySkupin v;
    if (records.empty() || g.size() != records.size()) {
        v.TabulkaRotaci.resize(1);
        v.TabulkaRoku.resize(1);
        v.VyhlazenaVyska.resize(1);
        return v;
    }
    const int rotace1 = records.front().Rotace;
    const int rok1 = g.record(1).date ? g.record(1).date->year : 0;
    const int n = static_cast<int>(records.size());

    // Sizes from the data: the last record's rotation and the largest index
    // any group reaches.
    int maxR = 0, maxY = 0;
    for (int k = 1; k <= n; ++k) {
        maxR = std::max(maxR, records[std::size_t(k - 1)].Rotace - rotace1 + 2);
        if (const auto& d = g.record(k).date; d && rok1 > 0)
            maxY = std::max(maxY, d->year - rok1 + 1);
    }
    v.TabulkaRotaci.assign(std::size_t(maxR) + 1, RotaceVyska{});
    for (std::size_t r = 1; r < v.TabulkaRotaci.size(); ++r) {
        v.TabulkaRotaci[r].SeverMin = NoNorthMin;
        v.TabulkaRotaci[r].JihMax = NoSouthMax;
    }
    v.TabulkaRoku.assign(std::size_t(maxY) + 1, RokVyska{});
    for (std::size_t y = 1; y < v.TabulkaRoku.size(); ++y) {
        v.TabulkaRoku[y].SeverMin = NoYearNorthMin;
        v.TabulkaRoku[y].JihMax = NoYearSouthMax;
    }

    for (int k = 1; k <= n; ++k) {
        const TZaznam& z = records[std::size_t(k - 1)];
        const int r = z.Rotace - rotace1 + 1;
        v.PocetRotaci = r;
        if (IsSpecialRecord(z)) continue;
        const RecordGeometry& rg = g.record(k);
        if (!rg.date || !rg.ephemeris) continue;
        const int y = rg.date->year - rok1 + 1;
        RokVyska* rok = y >= 1 && y < static_cast<int>(v.TabulkaRoku.size())
                            ? &v.TabulkaRoku[std::size_t(y)]
                            : nullptr;
        const double L0 = rg.ephemeris->L0;
        const std::span<const Heliographic> groups = g.groups(k);
        for (std::size_t j = 0; j < groups.size(); ++j) {
            if (IsHemisphereMarker(z.Skupiny[j])) continue;
            const Heliographic& h = groups[j];
            const int rc = CentralMeridianRotation(r, h.Lon, L0);
            if (rc < 1 || rc >= static_cast<int>(v.TabulkaRotaci.size())) continue;
            RotaceVyska& t = v.TabulkaRotaci[std::size_t(rc)];
            const float b = static_cast<float>(h.Lat);
            const auto tenths = static_cast<std::int16_t>(std::nearbyint(10.0 * h.Lat));
            if (b > 0) {
                if (rok) {
                    rok->SeverMax = std::max(rok->SeverMax, b);
                    if (b < rok->SeverMin && rok->SeverMin > 0) rok->SeverMin = b;
                }
                if (tenths > t.SeverMax) t.SeverMax = tenths;
                if (tenths < t.SeverMin && t.SeverMin >= 1) t.SeverMin = tenths;
                t.Sever += b;
                ++t.PocetSever;
            } else {
                if (rok) {
                    if (b < rok->JihMin) rok->JihMin = b;
                    if (b > rok->JihMax && rok->JihMax < 0) rok->JihMax = b;
                }
                if (tenths < t.JihMin) t.JihMin = tenths;
                if (tenths > t.JihMax && t.JihMax < 0) t.JihMax = tenths;
                t.Jih += b;
                ++t.PocetJih;
            }
        }
    }

    const int pocet = std::max(0, v.PocetRotaci);
    for (int r = 1; r <= pocet && r < static_cast<int>(v.TabulkaRotaci.size()); ++r) {
        RotaceVyska& t = v.TabulkaRotaci[std::size_t(r)];
        if (t.PocetSever > 0) t.Sever /= t.PocetSever;
        if (t.PocetJih > 0) t.Jih /= t.PocetJih;
    }

    v.VyhlazenaVyska.assign(std::size_t(pocet) + 1, {0.0f, 0.0f});
    for (int r = 3; r <= pocet - 3; ++r) {
        auto mean = [&v](int i, int h) {
            const RotaceVyska& t = v.TabulkaRotaci[std::size_t(i)];
            return h == 0 ? t.Sever : t.Jih;
        };
        for (int h = 0; h < 2; ++h)
            v.VyhlazenaVyska[std::size_t(r)][std::size_t(h)] =
                (0.5f * mean(r - 2, h) + mean(r - 1, h) + mean(r, h) + mean(r + 1, h) +
                 0.5f * mean(r + 2, h)) *
                0.25f;
    }

    for (std::size_t r = 1; r < v.TabulkaRotaci.size(); ++r) {
        RotaceVyska& t = v.TabulkaRotaci[r];
        for (std::int16_t* e : {&t.SeverMax, &t.SeverMin, &t.JihMin, &t.JihMax})
            if (*e == NoNorthMin || *e == NoSouthMax) *e = 0;
    }
    for (std::size_t y = 1; y < v.TabulkaRoku.size(); ++y) {
        RokVyska& t = v.TabulkaRoku[y];
        for (float* e : {&t.SeverMax, &t.SeverMin, &t.JihMin, &t.JihMax})
            if (*e == NoYearNorthMin || *e == NoYearSouthMax) *e = 0;
    }
    return v;
}

} // namespace hk
