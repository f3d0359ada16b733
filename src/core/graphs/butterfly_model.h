#pragma once
// What the butterfly diagram draws, computed once from the records (and the
// geometry cache), the supplementary data and the corona table: the group
// marks per rotation and group number, the faculae extents, the latitude
// tables of the overlays, the decoded supplementary data and the grey levels
// of the corona underlay. Scales, switches and scroll positions are options
// of the painter, so a repaint computes nothing of this again.
#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "geometry/calendar.h"
#include "graphs/corona.h"
#include "graphs/supplementary_data.h"
#include "records/geometry_cache.h"
#include "records/record_layout.h"
#include "results/group_latitudes.h"

namespace hk {

inline constexpr int LatitudeScaleMin = 1;
inline constexpr int LatitudeScaleMax = 9;
inline constexpr int RotationScaleMin = 1;
inline constexpr int RotationScaleMax = 16;
// Group numbers within a rotation that the diagram draws: 1..70.
inline constexpr int ButterflySlots = 70;

// One mark of the own groups: the mean of Trunc(vs * latitude) over every
// observation of one group number in one rotation, for each latitude scale
// vs = 1..9 (index vs - 1).
struct ButterflyMark {
    int r = 0; // rotation index (Rotace - Rotace of record 1 + 1)
    std::array<int, LatitudeScaleMax> m{};
};

// One faculae field: its rotation column follows from Trunc((a + (Rotace -
// start) * 360) / 360); its extent in half degrees.
struct ButterflyFacula {
    int rotation = 0;
    double a = 0; // 360 - L0 + CMD of the first vertex
    int lmax = 0; // largest Trunc(2 * latitude) of the vertices
    int lmin = 0; // smallest
};

// The faculae of one column key = floor(t), t = (a + Rotace * 360) / 360:
// whenever the start rotation P is at most the key, every field of the
// column is drawn at n = key - P, so the overlapping extents are merged
// (same pixels, far fewer lines); otherwise the painter draws the fields
// faculae[rawFrom, rawTo) one by one.
struct FaculaeColumn {
    int key = 0;
    std::uint32_t rawFrom = 0, rawTo = 0;       // into ButterflyModel::faculae
    std::uint32_t mergedFrom = 0, mergedTo = 0; // into ButterflyModel::faculaeMerged
};
struct FaculaeExtent {
    int lmax = 0, lmin = 0;
};

// Grey levels of one rotation column of the corona underlay: band 1 is
// latitude 85..90 north, band 36 85..90 south.
using CoronaColumn = std::array<std::uint8_t, 36>;

struct ButterflyModel {
    bool empty = true;         // no records: only the frame is drawn
    int firstRotation = 0;     // Rotace of record 1
    int carrRotation1 = 0;     // CarrRotation at record 1's date and time
    std::optional<Date> date1; // date of record 1
    GroupLatitudes latitudes;
    std::vector<ButterflyMark> marks;     // by rotation index, then group number
    std::vector<ButterflyFacula> faculae; // by column key
    std::vector<FaculaeColumn> faculaeColumns;
    std::vector<FaculaeExtent> faculaeMerged;
    SupplementaryRotations supplementary;
    bool corona = false;                     // corona data were loaded
    std::vector<CoronaColumn> coronaColumns; // column j is rotation 1145 + j
};

// The rotations the time axis spans: `start` is drawn at x = 50, the axis
// ends at `end`. The observer's own rotations with ButterflyAxisMargin
// rotations either side (the start rounded down to ten); from rotation 1200
// and at least to the end of the supplementary data while those are shown.
// The corona underlay does not move it: the corona shows under the own data.
inline constexpr int ButterflyAxisMargin = 3;
inline constexpr int SupplementaryAxisStart = 1200;
struct ButterflyAxis {
    int start = 0;
    int end = 0;
    int rotations() const { return end - start; }
};
ButterflyAxis ButterflyAxisOf(const ButterflyModel& model, bool supplementaryShown);
// The largest rotation scale (1, 2, 4, 8, 16 pixels a rotation) at which the
// axis fits a client area of that width beside the latitude labels.
int ButterflyFittedRotationScale(const ButterflyAxis& axis, int clientWidth);

// The per-rotation averages a_1..a_72 of the limb values: column j averages
// the day rows D_j + n_j + 1 .. D_j + 2 n_j, n_0 = 27, n_j = Trunc(j *
// 27.2758) - Trunc((j - 1) * 27.2758), D_j = n_0 + ... + n_(j-1); column j is
// rotation 1145 + j.
using CoronaAverages = std::array<std::uint8_t, CoronaValues>;
std::vector<CoronaAverages> CoronaRotationAverages(const CoronaTable& corona);

// Rotation columns of the corona underlay: averages of the limb values over
// the days of a rotation (the column j averages day rows D_j + n_j + 1 ..
// D_j + 2 n_j) turned into grey levels 255 - (a_i + a_(73-i)), at least 0.
std::vector<CoronaColumn> CoronaColumns(const CoronaTable& corona);

// The model of the records, the supplementary data and the corona; an
// empty corona table gives a model without the corona. The geometry needs
// the groups only (the faculae vertices are taken from its ephemeris). The
// records are walked in contiguous runs on `threads` threads (0: the
// machine's cores, one for a small store); the model is the same whatever
// their number.
ButterflyModel MakeButterflyModel(std::span<const TZaznam> records, const GeometryCache& geometry,
                                  std::span<const std::uint8_t> supplementaryData,
                                  const CoronaTable& corona, unsigned threads = 0);
// Puts the corona columns into a model built without them (the corona is
// read only when the diagram first shows it).
void SetButterflyCorona(ButterflyModel& model, const CoronaTable& corona);

} // namespace hk
