#pragma once
// Per-record geometry of the record store, computed once and kept: the
// ephemeris of each record's date and time and the heliographic position of
// every group (from which the monthly reports sum the hemispheres of the
// records they show); on request also the positions of the auxiliary
// spots and faculae vertices (the "points"), which only the maps read and
// which are three quarters of the transforms.
// Everything that walks many records reads it instead of recomputing the
// ephemeris and the transforms; the store tells it which records changed, so
// a stored drawing recomputes one entry, not all of them.
#include <cassert>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "geometry/calendar.h"
#include "geometry/ephemeris.h"
#include "geometry/transforms.h"
#include "records/record_layout.h"

namespace hk {

// A position in single precision, for pictures (auxiliary spots, faculae).
struct HelioPoint {
    float CMD = 0;
    float Lat = 0;
    float Lon = 0;
};

struct RecordGeometry {
    std::optional<Date> date;           // nullopt when Datum is no date
    std::optional<Ephemeris> ephemeris; // at the record's date and time
    double key = 0;                     // RecordKey (0 without a date)
    std::uint32_t groupsAt = 0;         // into the group pool
    std::uint32_t pointsAt = 0;         // into the point pool
    std::uint8_t groups = 0;            // positions of the groups in use
    std::uint8_t faculaeFields = 0;     // fields with vertices
    bool dirty = true;
    bool points = false; // the auxiliary spots and faculae vertices computed
};

// What a refresh computes: the groups (ephemeris, group positions), or the
// points too.
enum class GeometryDetail { Groups, Points };

class GeometryCache {
  public:
    // A cache of `records`, built at once with the points.
    static GeometryCache of(std::span<const TZaznam> records, unsigned threads = 0) {
        GeometryCache g;
        g.rebuild(records, threads);
        return g;
    }
    // Builds every entry. Many entries are computed on several threads,
    // each taking a contiguous run of them; `threads` 0 uses the machine's
    // cores (one thread for a small job), another number exactly that many.
    // The entries and pools are the same whatever the number.
    void rebuild(std::span<const TZaznam> records, unsigned threads = 0,
                 GeometryDetail detail = GeometryDetail::Points);
    // Entries for `count` records, every one computed when first refreshed.
    void reset(std::size_t count);
    // Brings the dirty entries up to date with `records` (and computes the
    // points of the clean ones that lack them, when asked for).
    void refresh(std::span<const TZaznam> records, unsigned threads = 0,
                 GeometryDetail detail = GeometryDetail::Points);
    // The same for the entries among 0-based [from0, to0), so that a job
    // that shows a few records does not compute all of them.
    void refreshRange(std::span<const TZaznam> records, std::size_t from0, std::size_t to0,
                      GeometryDetail detail = GeometryDetail::Points, unsigned threads = 0);

    // What the store did since the last refresh.
    void markChanged(std::size_t index0);
    void markAppended(std::size_t count);
    // The store's records were reordered: new position i holds old order[i].
    void permute(const std::vector<std::size_t>& order);
    // Entries at the given ascending indices are gone.
    void erase(const std::vector<std::size_t>& indices0);

    std::size_t size() const { return entries_.size(); }
    bool clean() const { return dirty_.empty(); }
    // Every entry clean and with its points.
    bool complete() const { return dirty_.empty() && withoutPoints_ == 0; }

    // 1-based like the store.
    // An entry is read only once refreshed.
    const RecordGeometry& record(int index1) const {
        const RecordGeometry& g = entries_[static_cast<std::size_t>(index1 - 1)];
        assert(!g.dirty);
        return g;
    }
    const std::optional<Ephemeris>& ephemeris(int index1) const { return record(index1).ephemeris; }
    // Positions of the record's groups 0..PocetSkupin-1 (empty without a date).
    std::span<const Heliographic> groups(int index1) const;
    // Auxiliary spot 1 and 2 of group k (the packed positions as stored).
    // Points are read only from a cache refreshed with them.
    HelioPoint auxiliary(int index1, int k, int spot) const;
    // Vertex j (0..5) of faculae field k.
    HelioPoint faculaeVertex(int index1, int k, int j) const;

  private:
    // Computes the entries at the ascending `indices0` and appends their
    // positions to the pools in that order; with the points too when asked
    // (in the same walk over the records).
    void computeEntries(std::span<const TZaznam> records, std::span<const std::size_t> indices0,
                        unsigned threads, GeometryDetail detail);
    // Computes the points of the clean entries at the ascending `indices0`.
    void computePoints(std::span<const TZaznam> records, std::span<const std::size_t> indices0,
                       unsigned threads);
    // The clean entries among [from0, to0) without their points.
    std::vector<std::size_t> entriesWithoutPoints(std::size_t from0, std::size_t to0) const;
    // Takes a clean entry's positions off the counts of live positions.
    void forget(const RecordGeometry& g);
    void compactIfWasteful();

    std::vector<RecordGeometry> entries_;
    std::vector<Heliographic> groupPool_;
    std::vector<HelioPoint> pointPool_;
    // Indices of the dirty entries (each once), so that a refresh after a
    // few changes visits those entries only.
    std::vector<std::size_t> dirty_;
    std::size_t liveGroups_ = 0;
    std::size_t livePoints_ = 0;
    // Clean entries with a date whose points are not computed.
    std::size_t withoutPoints_ = 0;
};

} // namespace hk
