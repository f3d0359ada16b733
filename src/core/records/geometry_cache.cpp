#include "records/geometry_cache.h"

#include <algorithm>
#include <cstring>
#include <numeric>

#include "io/huge_pages.h"
#include "records/record.h"
#include "text/text_runs.h"

namespace hk {

namespace {

HelioPoint point(const DiskOrientation& o, std::uint16_t packed) {
    const PackedPosition p = UnpackPosition(packed);
    const Heliographic h = PolarToHeliographic(o, p.angle * 10.0, p.dist * 10.0);
    return {static_cast<float>(h.CMD), static_cast<float>(h.Lat), static_cast<float>(h.Lon)};
}

// Points of a record: two auxiliary spots per group, then six vertices per
// faculae field.
constexpr int AuxPerGroup = 2;

std::size_t PointCount(std::size_t groups, std::size_t faculaeFields) {
    return groups * AuxPerGroup + faculaeFields * FaculaeVertexCount;
}

// Completes entry `g` of record `z`, whose date, counts and place in the
// group pool are set already: the ephemeris and the group positions, written
// to `groups` (the entry's own places in the pool).
void ComputeGroups(const TZaznam& z, RecordGeometry& g, Heliographic* groups) {
    g.dirty = false;
    if (!g.date) {
        g.points = true; // a record without a date has none
        return;
    }
    g.key = RecordKey(*g.date, z.Cas);
    const Ephemeris e = SolarEphemeris(*g.date, z.Cas);
    // Field by field over cleared bytes, so that the padding is the same in
    // every build of the cache, whatever ran before on the thread.
    Ephemeris& stored = g.ephemeris.emplace();
    std::memset(static_cast<void*>(&stored), 0, sizeof stored);
    stored.P = e.P;
    stored.B0 = e.B0;
    stored.L0 = e.L0;
    stored.CarrRotation = e.CarrRotation;
    const DiskOrientation o(e);

    for (int k = 0; k < g.groups; ++k)
        groups[k] = PolarToHeliographic(o, z.Skupiny[k].Uhel, z.Skupiny[k].Vzd);
}

// The points of the clean entry `g` of record `z`, written to `points` (its
// places in the point pool), from the ephemeris it holds.
void ComputePoints(const TZaznam& z, RecordGeometry& g, HelioPoint* points) {
    g.points = true;
    const DiskOrientation o(*g.ephemeris);
    // Spots and vertices not drawn are stored as 0 (the disk centre); that
    // one position is computed once for the record.
    std::optional<HelioPoint> centre;
    const auto at = [&](std::uint16_t packed) {
        if (packed != 0) return point(o, packed);
        if (!centre) centre = point(o, 0);
        return *centre;
    };
    for (int k = 0; k < g.groups; ++k) {
        *points++ = at(z.Skupiny[k].Pomocna1);
        *points++ = at(z.Skupiny[k].Pomocna2);
    }
    for (int k = 0; k < g.faculaeFields; ++k)
        for (int j = 0; j < FaculaeVertexCount; ++j)
            *points++ = at(z.Skupiny[k].Fakule[j]);
}

// The packed points of a record lie in its group entries, which take up
// to 1.6 kB of each 1.8 kB record: without a hint the points of every
// record wait for memory. The entries of the record a few ahead are asked
// for while this one is computed.
constexpr std::size_t PrefetchAhead = 4;
void PrefetchPackedPoints(const TZaznam& z, const RecordGeometry& g) {
    const std::size_t used = std::max(g.groups, g.faculaeFields);
    const char* from = reinterpret_cast<const char*>(&z.Skupiny[0]);
    const char* to = reinterpret_cast<const char*>(&z.Skupiny[used]);
    for (const char* at = from; at < to; at += 64)
        __builtin_prefetch(at);
}

// Without the points a record's groups are read from the head (date, time,
// counts) and its groups' entries.
void PrefetchGroups(const TZaznam& z, const RecordGeometry& g) {
    const char* from = reinterpret_cast<const char*>(&z);
    const char* to = reinterpret_cast<const char*>(&z.Skupiny[g.groups]);
    for (const char* at = from; at < to; at += 64)
        __builtin_prefetch(at);
}

// Grows a pool of positions to `end` entries. A whole build fills a fresh
// pool: huge pages spare most of its page faults. Later refreshes grow the
// pool as vectors grow.
template <class T> void growPool(std::vector<T>& pool, std::size_t end) {
    if (pool.empty()) {
        pool.reserve(end);
        AdviseHugePages(pool.data(), pool.capacity() * sizeof(T));
    }
    pool.resize(end);
}

// Runs `work(w, run)` over `workers` contiguous runs of `indices0`, each on
// a thread of its own; the same `workers` always cuts the same runs, and
// each entry has its own places, so the result does not depend on the
// threads.
template <class Work>
void RunInParts(std::span<const std::size_t> indices0, std::size_t workers, const Work& work) {
    ForEachRun(indices0.size(), workers, [&](std::size_t w, std::size_t from, std::size_t to) {
        work(w, indices0.subspan(from, to - from));
    });
}

} // namespace

void GeometryCache::rebuild(std::span<const TZaznam> records, unsigned threads,
                            GeometryDetail detail) {
    reset(records.size());
    refresh(records, threads, detail);
}

void GeometryCache::reset(std::size_t count) {
    if (entries_.capacity() < count) {
        // Fresh memory for a store's entries (some 8 MB at 100,000 records):
        // huge pages spare most of its page faults.
        std::vector<RecordGeometry> fresh;
        fresh.reserve(count);
        AdviseHugePages(fresh.data(), count * sizeof(RecordGeometry));
        entries_ = std::move(fresh);
    }
    entries_.assign(count, RecordGeometry{});
    groupPool_.clear();
    pointPool_.clear();
    liveGroups_ = livePoints_ = withoutPoints_ = 0;
    // Listed from the last, so that a cache filled in steps from its first
    // entry finds the entries of each step at the list's end.
    dirty_.resize(entries_.size());
    std::iota(dirty_.rbegin(), dirty_.rend(), std::size_t{0});
}

void GeometryCache::refreshRange(std::span<const TZaznam> records, std::size_t from0,
                                 std::size_t to0, GeometryDetail detail, unsigned threads) {
    if (records.size() != entries_.size()) reset(records.size());
    to0 = std::min(to0, entries_.size());
    compactIfWasteful();
    if (!dirty_.empty()) {
        std::vector<std::size_t> wanted;
        for (std::size_t i = from0; i < to0; ++i)
            if (entries_[i].dirty) wanted.push_back(i);
        if (!wanted.empty()) {
            computeEntries(records, wanted, threads, detail);
            if (dirty_.size() >= wanted.size() &&
                std::equal(wanted.begin(), wanted.end(), dirty_.rbegin()))
                dirty_.resize(dirty_.size() - wanted.size());
            else
                std::erase_if(dirty_, [this](std::size_t i) { return !entries_[i].dirty; });
        }
    }
    if (detail == GeometryDetail::Points && withoutPoints_ > 0) {
        const std::vector<std::size_t> wanted = entriesWithoutPoints(from0, to0);
        if (!wanted.empty()) computePoints(records, wanted, threads);
    }
}

void GeometryCache::refresh(std::span<const TZaznam> records, unsigned threads,
                            GeometryDetail detail) {
    if (records.size() != entries_.size()) {
        rebuild(records, threads, detail);
        return;
    }
    compactIfWasteful();
    if (!dirty_.empty()) {
        // In store order, so that the pools follow the records.
        if (std::is_sorted(dirty_.rbegin(), dirty_.rend()))
            std::reverse(dirty_.begin(), dirty_.end());
        else
            std::sort(dirty_.begin(), dirty_.end());
        computeEntries(records, dirty_, threads, detail);
        dirty_.clear();
    }
    if (detail == GeometryDetail::Points && withoutPoints_ > 0)
        computePoints(records, entriesWithoutPoints(0, entries_.size()), threads);
}

std::vector<std::size_t> GeometryCache::entriesWithoutPoints(std::size_t from0,
                                                             std::size_t to0) const {
    std::vector<std::size_t> found;
    for (std::size_t i = from0; i < std::min(to0, entries_.size()); ++i)
        if (!entries_[i].dirty && !entries_[i].points) found.push_back(i);
    return found;
}

void GeometryCache::computeEntries(std::span<const TZaznam> records,
                                   std::span<const std::size_t> indices0, unsigned threads,
                                   GeometryDetail detail) {
    const bool withPoints = detail == GeometryDetail::Points;
    const std::size_t groupsBefore = groupPool_.size();
    const std::size_t pointsBefore = pointPool_.size();
    const std::size_t workers = RunCount(indices0.size(), threads);
    // Each run first reads its records' dates and counts; the counts give
    // every run its first places in the pools (the runs in the order of the
    // indices), the pools grow once to hold them all, and each run then
    // writes its positions straight into its places.
    struct RunCounts {
        std::size_t groups = 0, points = 0, dated = 0;
    };
    std::vector<RunCounts> counts(workers);
    try {
        RunInParts(indices0, workers, [&](std::size_t w, std::span<const std::size_t> part) {
            RunCounts c;
            for (std::size_t n = 0; n < part.size(); ++n) {
                if (n + PrefetchAhead < part.size())
                    __builtin_prefetch(&records[part[n + PrefetchAhead]]);
                const std::size_t i = part[n];
                RecordGeometry& g = entries_[i];
                g = RecordGeometry{};
                g.date = RecordDate(records[i]);
                if (!g.date) continue; // an entry without a date has no positions
                ++c.dated;
                g.groups = static_cast<std::uint8_t>(records[i].groupCount());
                g.faculaeFields = static_cast<std::uint8_t>(records[i].faculaeCount());
                c.groups += g.groups;
                if (withPoints) c.points += PointCount(g.groups, g.faculaeFields);
            }
            counts[w] = c;
        });
        std::vector<RunCounts> firsts(workers);
        RunCounts end{groupsBefore, pointsBefore, 0};
        for (std::size_t w = 0; w < workers; ++w) {
            firsts[w] = end;
            end.groups += counts[w].groups;
            end.points += counts[w].points;
            end.dated += counts[w].dated;
        }
        growPool(groupPool_, end.groups);
        if (withPoints) growPool(pointPool_, end.points);
        RunInParts(indices0, workers, [&](std::size_t w, std::span<const std::size_t> part) {
            std::size_t groupsAt = firsts[w].groups, pointsAt = firsts[w].points;
            for (std::size_t n = 0; n < part.size(); ++n) {
                if (n + PrefetchAhead < part.size()) {
                    const std::size_t ahead = part[n + PrefetchAhead];
                    if (withPoints)
                        PrefetchPackedPoints(records[ahead], entries_[ahead]);
                    else
                        PrefetchGroups(records[ahead], entries_[ahead]);
                }
                const std::size_t i = part[n];
                RecordGeometry& g = entries_[i];
                if (g.date) {
                    g.groupsAt = static_cast<std::uint32_t>(groupsAt);
                    groupsAt += g.groups;
                    if (withPoints) {
                        g.pointsAt = static_cast<std::uint32_t>(pointsAt);
                        pointsAt += PointCount(g.groups, g.faculaeFields);
                    }
                }
                ComputeGroups(records[i], g, groupPool_.data() + g.groupsAt);
                // The points while the record is at hand.
                if (withPoints && g.date)
                    ComputePoints(records[i], g, pointPool_.data() + g.pointsAt);
            }
        });
        if (!withPoints) withoutPoints_ += end.dated;
    } catch (...) {
        // The entries stay to be computed.
        for (std::size_t i : indices0)
            entries_[i] = RecordGeometry{};
        groupPool_.resize(groupsBefore);
        pointPool_.resize(pointsBefore);
        throw;
    }
    liveGroups_ += groupPool_.size() - groupsBefore;
    livePoints_ += pointPool_.size() - pointsBefore;
}

void GeometryCache::computePoints(std::span<const TZaznam> records,
                                  std::span<const std::size_t> indices0, unsigned threads) {
    const std::size_t pointsBefore = pointPool_.size();
    std::size_t pointsEnd = pointsBefore;
    for (std::size_t i : indices0) {
        RecordGeometry& g = entries_[i];
        g.pointsAt = static_cast<std::uint32_t>(pointsEnd);
        pointsEnd += PointCount(g.groups, g.faculaeFields);
    }
    try {
        growPool(pointPool_, pointsEnd);
        RunInParts(indices0, RunCount(indices0.size(), threads),
                   [&](std::size_t, std::span<const std::size_t> part) {
                       for (std::size_t n = 0; n < part.size(); ++n) {
                           if (n + PrefetchAhead < part.size()) {
                               const std::size_t ahead = part[n + PrefetchAhead];
                               PrefetchPackedPoints(records[ahead], entries_[ahead]);
                           }
                           const std::size_t i = part[n];
                           ComputePoints(records[i], entries_[i],
                                         pointPool_.data() + entries_[i].pointsAt);
                       }
                   });
    } catch (...) {
        // The entries keep their groups; their points stay to be computed.
        for (std::size_t i : indices0)
            entries_[i].points = false;
        pointPool_.resize(pointsBefore);
        throw;
    }
    livePoints_ += pointPool_.size() - pointsBefore;
    withoutPoints_ -= indices0.size();
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
        const auto gFrom = groupPool_.begin() + g.groupsAt;
        g.groupsAt = static_cast<std::uint32_t>(groups.size());
        groups.insert(groups.end(), gFrom, gFrom + g.groups);
        liveGroups_ += g.groups;
        if (!g.points) continue;
        const std::size_t nPoints = PointCount(g.groups, g.faculaeFields);
        const auto pFrom = pointPool_.begin() + g.pointsAt;
        g.pointsAt = static_cast<std::uint32_t>(points.size());
        points.insert(points.end(), pFrom, pFrom + static_cast<std::ptrdiff_t>(nPoints));
        livePoints_ += nPoints;
    }
    groupPool_ = std::move(groups);
    pointPool_ = std::move(points);
}

void GeometryCache::forget(const RecordGeometry& g) {
    liveGroups_ -= g.groups;
    if (g.points)
        livePoints_ -= PointCount(g.groups, g.faculaeFields);
    else
        --withoutPoints_;
}

void GeometryCache::markChanged(std::size_t index0) {
    if (index0 >= entries_.size()) return;
    RecordGeometry& g = entries_[index0];
    if (g.dirty) return;
    forget(g);
    g.groups = g.faculaeFields = 0;
    g.points = false;
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
        if (i < entries_.size() && !entries_[i].dirty) forget(entries_[i]);
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
    assert(g.points);
    return pointPool_[g.pointsAt + std::size_t(k) * AuxPerGroup + std::size_t(spot - 1)];
}

HelioPoint GeometryCache::faculaeVertex(int index1, int k, int j) const {
    const RecordGeometry& g = record(index1);
    assert(g.points);
    return pointPool_[g.pointsAt + std::size_t(g.groups) * AuxPerGroup +
                      std::size_t(k) * FaculaeVertexCount + std::size_t(j)];
}

} // namespace hk
