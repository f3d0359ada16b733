#include "graphs/butterfly_model.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <future>
#include <numeric>
#include <thread>

#include "records/record.h"
#include "records/record_prefetch.h"
#include "results/month_sums.h"
#include "text/text_runs.h"

namespace hk {

namespace {

constexpr double DaysPerRotation = 27.2758;
constexpr double BytesPerRotationColumn = 2127.5124; // 78 * 27.2758

// The positions 0..n-1 of `keys` by ascending key, equal keys in their
// order. The keys here are rotations (or columns of rotations), whose span
// is of the order of their number: a counting sort, without comparisons
// or moves of whole structs. Keys spread wider (damaged rotation numbers)
// are sorted by comparison.
std::vector<std::uint32_t> StableOrder(const std::vector<int>& keys) {
    std::vector<std::uint32_t> order(keys.size());
    if (keys.empty()) return order;
    const auto [lo, hi] = std::minmax_element(keys.begin(), keys.end());
    const long long span = static_cast<long long>(*hi) - *lo + 1;
    if (span > static_cast<long long>(keys.size()) + (1 << 20)) {
        std::iota(order.begin(), order.end(), 0u);
        std::stable_sort(order.begin(), order.end(),
                         [&](std::uint32_t a, std::uint32_t b) { return keys[a] < keys[b]; });
        return order;
    }
    const int from = *lo;
    std::vector<std::uint32_t> next(static_cast<std::size_t>(span) + 1, 0);
    for (const int k : keys)
        ++next[static_cast<std::size_t>(k - from) + 1];
    std::partial_sum(next.begin(), next.end(), next.begin());
    for (std::uint32_t i = 0; i < keys.size(); ++i)
        order[next[static_cast<std::size_t>(keys[i] - from)]++] = i;
    return order;
}

// A group observation the marks average.
struct Observation {
    int r;
    int slot;
    float lat;
};

// What one run of records yields, in store order.
struct RecordsWalk {
    std::vector<Observation> seen;
    std::vector<ButterflyFacula> faculae;
};

// The observations and faculae fields of the records [from0, to0). The group
// latitudes come from the cache; the faculae vertices are taken from the
// record's ephemeris there, in single precision as the cache keeps its
// points, so that only the vertices drawn are computed (not the auxiliary
// spots nor the unused vertices).
void WalkRecords(std::span<const TZaznam> records, const GeometryCache& g, int firstRotation,
                 std::size_t from0, std::size_t to0, RecordsWalk& out) {
    // Room for every group and field at once: grown step by step, the
    // vectors would fill fresh memory twice over.
    std::size_t groupCount = 0, fieldCount = 0;
    for (std::size_t i = from0; i < to0; ++i) {
        const RecordGeometry& rg = g.record(static_cast<int>(i) + 1);
        groupCount += rg.groups;
        fieldCount += rg.faculaeFields;
    }
    out.seen.reserve(groupCount);
    out.faculae.reserve(fieldCount);
    for (std::size_t i = from0; i < to0; ++i) {
        const TZaznam& z = records[i];
        PrefetchAhead(records, i, 4);
        if (IsSpecialRecord(z)) continue;
        const int k = static_cast<int>(i) + 1;
        const RecordGeometry& rg = g.record(k);
        if (!rg.ephemeris) continue;
        const int r = z.Rotace - firstRotation + 1;
        const std::span<const Heliographic> groups = g.groups(k);
        for (std::size_t j = 0; j < groups.size(); ++j) {
            const int slot = z.Skupiny[j].CSk2;
            // Groups without a number or with one past the 70 of a rotation
            // are never drawn, nor the hemisphere markers.
            if (slot == 0 || slot > ButterflySlots || r < 1 || IsHemisphereMarker(z.Skupiny[j]))
                continue;
            out.seen.push_back({r, slot, static_cast<float>(groups[j].Lat)});
        }
        if (rg.faculaeFields == 0) continue;
        const DiskOrientation o(*rg.ephemeris);
        for (int f = 0; f < rg.faculaeFields; ++f) {
            ButterflyFacula fac;
            int vertices = 0;
            for (int v = 0; v < FaculaeVertexCount && z.Skupiny[f].Fakule[v] != 0;
                 ++v, ++vertices) {
                const PackedPosition packed = UnpackPosition(z.Skupiny[f].Fakule[v]);
                const double angle = packed.angle * 10.0, dist = packed.dist * 10.0;
                // The first vertex places the field, the others only widen it.
                if (v == 0) {
                    const Heliographic p = PolarToHeliographic(o, angle, dist);
                    fac.lmax = fac.lmin =
                        static_cast<int>(std::trunc(2.0 * static_cast<float>(p.Lat)));
                    fac.a = 360.0 - rg.ephemeris->L0 + static_cast<float>(p.CMD);
                } else {
                    const int l = static_cast<int>(
                        std::trunc(2.0 * static_cast<float>(PolarLatitude(o, angle, dist))));
                    fac.lmax = std::max(fac.lmax, l);
                    fac.lmin = std::min(fac.lmin, l);
                }
            }
            if (vertices == 0) continue;
            fac.rotation = z.Rotace;
            out.faculae.push_back(fac);
        }
    }
}

} // namespace

std::vector<CoronaAverages> CoronaRotationAverages(const CoronaTable& corona) {
    std::vector<CoronaAverages> columns;
    if (!corona.present()) return columns;
    const int count =
        static_cast<int>(std::trunc(double(corona.coronaLength) / BytesPerRotationColumn + 1.0));
    long start = 0; // D_j
    for (int j = 0; j < count; ++j) {
        const long days =
            j == 0 ? 27
                   : static_cast<long>(std::trunc(j * DaysPerRotation)) -
                         static_cast<long>(std::trunc(j * DaysPerRotation - DaysPerRotation));
        CoronaAverages a{};
        for (int k = 1; k <= CoronaValues; ++k) {
            long sum = 0;
            for (long row = start + days + 1; row <= start + 2 * days; ++row)
                sum += corona.value(static_cast<std::size_t>(row), k);
            a[std::size_t(k - 1)] = static_cast<std::uint8_t>(sum / days);
        }
        columns.push_back(a);
        start += days;
    }
    return columns;
}

std::vector<CoronaColumn> CoronaColumns(const CoronaTable& corona) {
    std::vector<CoronaColumn> columns;
    for (const CoronaAverages& a : CoronaRotationAverages(corona)) {
        CoronaColumn c{};
        for (int i = 1; i <= 36; ++i)
            c[std::size_t(i - 1)] = static_cast<std::uint8_t>(
                std::max(0, 255 - (a[std::size_t(i - 1)] + a[std::size_t(72 - i)])));
        columns.push_back(c);
    }
    return columns;
}

void SetButterflyCorona(ButterflyModel& m, const CoronaTable& corona) {
    m.corona = corona.present();
    m.coronaColumns = CoronaColumns(corona);
}

ButterflyModel MakeButterflyModel(std::span<const TZaznam> records, const GeometryCache& g,
                                  std::span<const std::uint8_t> supplementaryData,
                                  const CoronaTable& corona, unsigned threads) {
    ButterflyModel m;
    m.supplementary = DecodeSupplementaryData(supplementaryData);
    SetButterflyCorona(m, corona);
    if (records.empty() || g.size() != records.size()) {
        m.latitudes = ComputeGroupLatitudes(records, g);
        return m;
    }
    m.empty = false;
    m.firstRotation = records.front().Rotace;
    m.date1 = g.record(1).date;
    if (const auto& e = g.ephemeris(1))
        m.carrRotation1 = e->CarrRotation;
    else
        m.carrRotation1 = m.firstRotation;

    // The records in contiguous runs, one per core, joined in store order:
    // the same marks and faculae whatever the number of runs.
    const std::size_t n = records.size();
    const std::size_t runs = RunCount(n, threads);
    // With several threads the latitude tables take one of their own.
    std::future<GroupLatitudes> latitudes;
    if (runs > 1)
        latitudes =
            std::async(std::launch::async, [&] { return ComputeGroupLatitudes(records, g); });
    else
        m.latitudes = ComputeGroupLatitudes(records, g);
    std::vector<RecordsWalk> walks(runs);
    ForEachRun(n, runs, [&](std::size_t w, std::size_t from, std::size_t to) {
        WalkRecords(records, g, m.firstRotation, from, to, walks[w]);
    });
    if (latitudes.valid()) m.latitudes = latitudes.get();
    std::vector<Observation> seen = std::move(walks[0].seen);
    m.faculae = std::move(walks[0].faculae);
    for (std::size_t w = 1; w < runs; ++w) {
        seen.insert(seen.end(), walks[w].seen.begin(), walks[w].seen.end());
        m.faculae.insert(m.faculae.end(), walks[w].faculae.begin(), walks[w].faculae.end());
    }
    // Faculae by column, overlapping extents merged.
    std::vector<int> keys(m.faculae.size());
    for (std::size_t i = 0; i < keys.size(); ++i)
        keys[i] =
            static_cast<int>(std::floor((m.faculae[i].a + m.faculae[i].rotation * 360.0) / 360.0));
    std::vector<std::uint32_t> order = StableOrder(keys);
    {
        std::vector<ButterflyFacula> sorted;
        sorted.reserve(m.faculae.size());
        for (const std::uint32_t i : order)
            sorted.push_back(m.faculae[i]);
        m.faculae = std::move(sorted);
    }
    std::vector<FaculaeExtent> extents;
    for (std::size_t i = 0; i < m.faculae.size();) {
        std::size_t e = i;
        const int k = keys[order[i]];
        while (e < m.faculae.size() && keys[order[e]] == k)
            ++e;
        extents.clear();
        for (std::size_t j = i; j < e; ++j)
            extents.push_back({m.faculae[j].lmax, m.faculae[j].lmin});
        // The union of the extents does not depend on the order of equal starts.
        std::sort(extents.begin(), extents.end(),
                  [](const FaculaeExtent& x, const FaculaeExtent& y) { return x.lmin < y.lmin; });
        FaculaeColumn c;
        c.key = k;
        c.rawFrom = static_cast<std::uint32_t>(i);
        c.rawTo = static_cast<std::uint32_t>(e);
        c.mergedFrom = static_cast<std::uint32_t>(m.faculaeMerged.size());
        for (const FaculaeExtent& x : extents) {
            if (m.faculaeMerged.size() > c.mergedFrom && x.lmin <= m.faculaeMerged.back().lmax)
                m.faculaeMerged.back().lmax = std::max(m.faculaeMerged.back().lmax, x.lmax);
            else
                m.faculaeMerged.push_back(x);
        }
        c.mergedTo = static_cast<std::uint32_t>(m.faculaeMerged.size());
        m.faculaeColumns.push_back(c);
        i = e;
    }

    // The marks by rotation, then group number.
    keys.resize(seen.size());
    for (std::size_t i = 0; i < seen.size(); ++i)
        keys[i] = seen[i].r * (ButterflySlots + 1) + seen[i].slot;
    order = StableOrder(keys);
    for (std::size_t i = 0; i < order.size();) {
        const Observation& first = seen[order[i]];
        std::size_t e = i;
        std::array<long, LatitudeScaleMax> sum{};
        for (; e < order.size() && keys[order[e]] == keys[order[i]]; ++e)
            for (int vs = 1; vs <= LatitudeScaleMax; ++vs)
                sum[std::size_t(vs - 1)] += static_cast<long>(std::trunc(vs * seen[order[e]].lat));
        ButterflyMark mark;
        mark.r = first.r;
        const long count = static_cast<long>(e - i);
        for (std::size_t s = 0; s < sum.size(); ++s)
            mark.m[s] = static_cast<int>(sum[s] / count);
        m.marks.push_back(mark);
        i = e;
    }
    return m;
}

ButterflyAxis ButterflyAxisOf(const ButterflyModel& model, bool supplementaryShown) {
    // From the first rotation of the records to the last rotation index, one
    // more for a central-meridian passage in the next rotation.
    const int first = std::min(model.firstRotation, model.carrRotation1);
    const int last = model.firstRotation + model.latitudes.rotationCount;
    const int from = first - ButterflyAxisMargin;
    ButterflyAxis axis{from - ((from % 10) + 10) % 10, last + ButterflyAxisMargin};
    if (model.empty) axis.end = axis.start;
    if (supplementaryShown && model.supplementary.present) {
        axis.start = SupplementaryAxisStart;
        for (const SupplementarySpotMark& s : model.supplementary.spots)
            axis.end = std::max(axis.end, s.rotation + ButterflyAxisMargin);
        for (const SupplementaryFaculaeMark& f : model.supplementary.faculae)
            axis.end = std::max(axis.end, f.rotation + ButterflyAxisMargin);
    }
    return axis;
}

int ButterflyFittedRotationScale(const ButterflyAxis& axis, int clientWidth) {
    // 50 pixels of latitude labels at the left, a rotation's mark at the right.
    int hs = RotationScaleMax;
    while (hs > RotationScaleMin && 50 + (axis.rotations() + 1) * hs > clientWidth)
        hs /= 2;
    return hs;
}

} // namespace hk
