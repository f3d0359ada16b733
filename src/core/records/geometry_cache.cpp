#include "records/geometry_cache.h"

#include <algorithm>
#include <numeric>

#include "records/record.h"

namespace hk {

namespace {

HelioPoint point(const Ephemeris& e, std::uint16_t packed) {
    const PackedPosition p = UnpackPosition(packed);
    const Heliographic h = PolarToHeliographic(e, p.angle * 10.0, p.dist * 10.0);
    return {static_cast<float>(h.CMD), static_cast<float>(h.Lat), static_cast<float>(h.Lon)};
}

// Points of a record: two auxiliary spots per group, then six vertices per
// faculae field.
constexpr int AuxPerGroup = 2;

} // namespace

void GeometryCache::rebuild(std::span<const TZaznam> records) {
    reset(records.size());
    refresh(records);
}

void GeometryCache::reset(std::size_t count) {
    entries_.assign(count, RecordGeometry{});
    groupPool_.clear();
    pointPool_.clear();
    liveGroups_ = livePoints_ = 0;
    dirty_.resize(entries_.size());
    std::iota(dirty_.begin(), dirty_.end(), std::size_t{0});
}

void GeometryCache::refreshRange(std::span<const TZaznam> records, std::size_t from0,
                                 std::size_t to0) {
    if (records.size() != entries_.size()) reset(records.size());
    if (dirty_.empty()) return;
    compactIfWasteful();
    bool computed = false;
    for (std::size_t i = from0; i < std::min(to0, entries_.size()); ++i)
        if (entries_[i].dirty) {
            compute(i, records[i]);
            computed = true;
        }
    if (computed) std::erase_if(dirty_, [this](std::size_t i) { return !entries_[i].dirty; });
}

void GeometryCache::refresh(std::span<const TZaznam> records) {
    if (records.size() != entries_.size()) {
        rebuild(records);
        return;
    }
    if (dirty_.empty()) return;
    compactIfWasteful();
    // In store order, so that the pools follow the records.
    std::sort(dirty_.begin(), dirty_.end());
    for (std::size_t i : dirty_)
        compute(i, records[i]);
    dirty_.clear();
}

void GeometryCache::compute(std::size_t index0, const TZaznam& z) {
    RecordGeometry& g = entries_[index0];
    g = RecordGeometry{};
    g.dirty = false;
    g.date = RecordDate(z);
    if (!g.date) {
        g.live = z.Souhrn;
        return;
    }
    g.key = RecordKey(*g.date, z.Cas);
    const Ephemeris e = SolarEphemeris(*g.date, z.Cas);
    g.ephemeris = e;

    g.groups = static_cast<std::uint8_t>(z.groupCount());
    g.groupsAt = static_cast<std::uint32_t>(groupPool_.size());
    for (int k = 0; k < g.groups; ++k)
        groupPool_.push_back(PolarToHeliographic(e, z.Skupiny[k].Uhel, z.Skupiny[k].Vzd));
    liveGroups_ += g.groups;
    g.live = StoredSummaryFromPositions(z, groups(static_cast<int>(index0) + 1));

    g.faculaeFields = static_cast<std::uint8_t>(z.faculaeCount());
    g.pointsAt = static_cast<std::uint32_t>(pointPool_.size());
    for (int k = 0; k < g.groups; ++k) {
        pointPool_.push_back(point(e, z.Skupiny[k].Pomocna1));
        pointPool_.push_back(point(e, z.Skupiny[k].Pomocna2));
    }
    for (int k = 0; k < g.faculaeFields; ++k)
        for (int j = 0; j < FaculaeVertexCount; ++j)
            pointPool_.push_back(point(e, z.Skupiny[k].Fakule[j]));
    livePoints_ +=
        std::size_t(g.groups) * AuxPerGroup + std::size_t(g.faculaeFields) * FaculaeVertexCount;
}

void GeometryCache::compactIfWasteful() {
    // Changed records leave their old positions behind in the pools; when
    // more than half of a pool is such waste, the pools are rebuilt from the
    // clean entries.
    if (groupPool_.size() <= 2 * liveGroups_ + 1024 && pointPool_.size() <= 2 * livePoints_ + 4096)
        return;
    std::vector<Heliographic> groups;
    std::vector<HelioPoint> points;
    groups.reserve(liveGroups_);
    points.reserve(livePoints_);
    liveGroups_ = livePoints_ = 0;
    for (RecordGeometry& g : entries_) {
        if (g.dirty) continue;
        const std::size_t nPoints =
            std::size_t(g.groups) * AuxPerGroup + std::size_t(g.faculaeFields) * FaculaeVertexCount;
        const auto gFrom = groupPool_.begin() + g.groupsAt;
        const auto pFrom = pointPool_.begin() + g.pointsAt;
        g.groupsAt = static_cast<std::uint32_t>(groups.size());
        g.pointsAt = static_cast<std::uint32_t>(points.size());
        groups.insert(groups.end(), gFrom, gFrom + g.groups);
        points.insert(points.end(), pFrom, pFrom + static_cast<std::ptrdiff_t>(nPoints));
        liveGroups_ += g.groups;
        livePoints_ += nPoints;
    }
    groupPool_ = std::move(groups);
    pointPool_ = std::move(points);
}

void GeometryCache::markChanged(std::size_t index0) {
    if (index0 >= entries_.size()) return;
    RecordGeometry& g = entries_[index0];
    if (g.dirty) return;
    liveGroups_ -= g.groups;
    livePoints_ -=
        std::size_t(g.groups) * AuxPerGroup + std::size_t(g.faculaeFields) * FaculaeVertexCount;
    g.groups = g.faculaeFields = 0;
    g.dirty = true;
    dirty_.push_back(index0);
}

void GeometryCache::markAppended(std::size_t count) {
    const std::size_t from = entries_.size();
    entries_.resize(from + count);
    for (std::size_t i = from; i < entries_.size(); ++i)
        dirty_.push_back(i);
}

void GeometryCache::permute(const std::vector<std::size_t>& order) {
    std::vector<RecordGeometry> moved;
    moved.reserve(order.size());
    std::vector<std::size_t> where(order.size());
    for (std::size_t to = 0; to < order.size(); ++to) {
        moved.push_back(entries_[order[to]]);
        where[order[to]] = to;
    }
    entries_ = std::move(moved);
    for (std::size_t& d : dirty_)
        d = where[d];
}

void GeometryCache::erase(const std::vector<std::size_t>& indices0) {
    // The erased entries' positions become waste in the pools.
    for (std::size_t i : indices0)
        if (i < entries_.size() && !entries_[i].dirty) {
            const RecordGeometry& g = entries_[i];
            liveGroups_ -= g.groups;
            livePoints_ -= std::size_t(g.groups) * AuxPerGroup +
                           std::size_t(g.faculaeFields) * FaculaeVertexCount;
        }
    for (auto it = indices0.rbegin(); it != indices0.rend(); ++it)
        if (*it < entries_.size())
            entries_.erase(entries_.begin() + static_cast<std::ptrdiff_t>(*it));
    // Dirty entries after an erased one move down by the number erased before them.
    std::vector<std::size_t> kept;
    kept.reserve(dirty_.size());
    for (std::size_t d : dirty_) {
        const auto before = std::lower_bound(indices0.begin(), indices0.end(), d);
        if (before != indices0.end() && *before == d) continue;
        kept.push_back(d - static_cast<std::size_t>(before - indices0.begin()));
    }
    dirty_ = std::move(kept);
}

std::span<const Heliographic> GeometryCache::groups(int index1) const {
    const RecordGeometry& g = record(index1);
    return std::span<const Heliographic>(groupPool_).subspan(g.groupsAt, g.groups);
}

HelioPoint GeometryCache::auxiliary(int index1, int k, int spot) const {
    const RecordGeometry& g = record(index1);
    return pointPool_[g.pointsAt + std::size_t(k) * AuxPerGroup + std::size_t(spot - 1)];
}

HelioPoint GeometryCache::faculaeVertex(int index1, int k, int j) const {
    const RecordGeometry& g = record(index1);
    return pointPool_[g.pointsAt + std::size_t(g.groups) * AuxPerGroup +
                      std::size_t(k) * FaculaeVertexCount + std::size_t(j)];
}

} // namespace hk
