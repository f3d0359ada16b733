#include "records/geometry_cache.h"

#include <algorithm>
#include <exception>
#include <numeric>
#include <thread>

#include "geometry/vector_state.h"
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

// Below this many entries a thread of its own costs more than it saves.
constexpr std::size_t MinEntriesPerThread = 2048;

// The entry of record `z`; its positions are appended to `groups` and
// `points`, and its groupsAt and pointsAt count from the start of those.
RecordGeometry ComputeEntry(const TZaznam& z, std::vector<Heliographic>& groups,
                            std::vector<HelioPoint>& points) {
    RecordGeometry g;
    g.dirty = false;
    g.date = RecordDate(z);
    if (!g.date) {
        g.live = z.Souhrn;
        return g;
    }
    g.key = RecordKey(*g.date, z.Cas);
    const Ephemeris e = SolarEphemeris(*g.date, z.Cas);
    g.ephemeris = e;

    g.groups = static_cast<std::uint8_t>(z.groupCount());
    g.groupsAt = static_cast<std::uint32_t>(groups.size());
    for (int k = 0; k < g.groups; ++k)
        groups.push_back(PolarToHeliographic(e, z.Skupiny[k].Uhel, z.Skupiny[k].Vzd));
    g.live = StoredSummaryFromPositions(
        z, std::span<const Heliographic>(groups).subspan(g.groupsAt, g.groups));

    g.faculaeFields = static_cast<std::uint8_t>(z.faculaeCount());
    g.pointsAt = static_cast<std::uint32_t>(points.size());
    for (int k = 0; k < g.groups; ++k) {
        points.push_back(point(e, z.Skupiny[k].Pomocna1));
        points.push_back(point(e, z.Skupiny[k].Pomocna2));
    }
    for (int k = 0; k < g.faculaeFields; ++k)
        for (int j = 0; j < FaculaeVertexCount; ++j)
            points.push_back(point(e, z.Skupiny[k].Fakule[j]));
    return g;
}

// Positions computed by one thread, appended to the cache's pools after it.
struct Run {
    std::vector<Heliographic> groups;
    std::vector<HelioPoint> points;
    std::exception_ptr failure;
};

} // namespace

void GeometryCache::rebuild(std::span<const TZaznam> records, unsigned threads) {
    reset(records.size());
    refresh(records, threads);
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
    std::vector<std::size_t> wanted;
    for (std::size_t i = from0; i < std::min(to0, entries_.size()); ++i)
        if (entries_[i].dirty) wanted.push_back(i);
    if (wanted.empty()) return;
    computeEntries(records, wanted, 0);
    std::erase_if(dirty_, [this](std::size_t i) { return !entries_[i].dirty; });
}

void GeometryCache::refresh(std::span<const TZaznam> records, unsigned threads) {
    if (records.size() != entries_.size()) {
        rebuild(records, threads);
        return;
    }
    if (dirty_.empty()) return;
    compactIfWasteful();
    // In store order, so that the pools follow the records.
    std::sort(dirty_.begin(), dirty_.end());
    computeEntries(records, dirty_, threads);
    dirty_.clear();
}

void GeometryCache::computeEntries(std::span<const TZaznam> records,
                                   std::span<const std::size_t> indices0, unsigned threads) {
    const std::size_t n = indices0.size();
    const std::size_t groupsBefore = groupPool_.size();
    const std::size_t pointsBefore = pointPool_.size();
    std::size_t workers = threads;
    if (workers == 0)
        workers = std::min<std::size_t>(std::max(1u, std::thread::hardware_concurrency()),
                                        std::max<std::size_t>(1, n / MinEntriesPerThread));
    workers = std::min(workers, std::max<std::size_t>(n, 1));

    if (workers == 1) {
        ClearUpperVectorState();
        for (std::size_t i : indices0)
            entries_[i] = ComputeEntry(records[i], groupPool_, pointPool_);
    } else {
        // Each thread takes a contiguous run of the entries into pools of its
        // own; the runs are then appended in order, so that every entry and
        // every position is where one thread would have put it.
        auto part = [&](std::size_t w) {
            const std::size_t from = n * w / workers;
            return indices0.subspan(from, n * (w + 1) / workers - from);
        };
        std::vector<Run> runs(workers);
        auto work = [&](std::size_t w) {
            ClearUpperVectorState();
            try {
                for (std::size_t i : part(w))
                    entries_[i] = ComputeEntry(records[i], runs[w].groups, runs[w].points);
            } catch (...) {
                runs[w].failure = std::current_exception();
            }
        };
        {
            std::vector<std::jthread> helpers;
            helpers.reserve(workers - 1);
            for (std::size_t w = 1; w < workers; ++w)
                helpers.emplace_back(work, w);
            work(0);
        }
        std::size_t groups = groupPool_.size(), points = pointPool_.size();
        for (const Run& r : runs) {
            if (r.failure) {
                // Out of memory: the entries stay to be computed.
                for (std::size_t i : indices0)
                    entries_[i] = RecordGeometry{};
                std::rethrow_exception(r.failure);
            }
            groups += r.groups.size();
            points += r.points.size();
        }
        groupPool_.reserve(groups);
        pointPool_.reserve(points);
        for (std::size_t w = 0; w < workers; ++w) {
            const auto groupsAt = static_cast<std::uint32_t>(groupPool_.size());
            const auto pointsAt = static_cast<std::uint32_t>(pointPool_.size());
            for (std::size_t i : part(w))
                if (entries_[i].date) { // an entry without a date has no positions
                    entries_[i].groupsAt += groupsAt;
                    entries_[i].pointsAt += pointsAt;
                }
            groupPool_.insert(groupPool_.end(), runs[w].groups.begin(), runs[w].groups.end());
            pointPool_.insert(pointPool_.end(), runs[w].points.begin(), runs[w].points.end());
            runs[w] = Run{};
        }
    }
    liveGroups_ += groupPool_.size() - groupsBefore;
    livePoints_ += pointPool_.size() - pointsBefore;
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
