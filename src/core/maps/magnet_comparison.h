#pragma once
// The comparison of the magnetosphere with the maps (the map window's group
// box "Porovnání magnetosféry"): for one latitude band, one row per
// Carrington rotation from a chosen one on, the summed magnetogram cells of
// magn.dat along the Carrington longitude with the groups of the same band
// on top. A row shows `cykly` rotations side by side (360 degrees each,
// longitude decreasing to the right as on the map), the next row starting one
// rotation later, so that a pattern crossing longitude 0 continues in the
// same row.
#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "graphs/magn_dat.h"
#include "maps/rotation_index.h"
#include "records/geometry_cache.h"
#include "records/record_layout.h"

namespace hk {

struct MagnetComparisonParams {
    int od = 20;        // "Od  °": one edge of the latitude band
    int po = 10;        // "Do  °": the other edge
    int cykly = 3;      // "Cykly": rotations side by side in a row
    int otocka = 1958;  // "Otočka": the first rotation
    int vyskaRadku = 6; // "Větší" / "Menší": pixels per row
};
inline constexpr int MagnetComparisonMaxCycles = 6;
inline constexpr int MagnetComparisonMinRow = 2;
inline constexpr int MagnetComparisonMaxRow = 24;

// The four fields as typed; a Czech message when one is not acceptable
// (latitudes -60..60 as magn.dat holds them, 1..6 cycles, a rotation of
// magn.dat up to `lastRotation`).
std::optional<std::string> ParseMagnetComparison(std::string_view od, std::string_view po,
                                                 std::string_view cykly, std::string_view otocka,
                                                 int lastRotation, MagnetComparisonParams& out);

struct MagnetComparisonGroup {
    float lon = 0;
    float lat = 0;
};
struct MagnetComparisonRotation {
    int rotace = 0;
    // Per 4-degree column of magn.dat (0..89): the strongest cell of the band
    // as its pixel value 0..15 (0 = no data).
    std::array<std::uint8_t, MagnSloupce> values{};
    std::vector<MagnetComparisonGroup> groups; // groups of the band, mean positions
};

struct MagnetComparison {
    MagnetComparisonParams params;
    int latLo = 10, latHi = 20;
    int rows = 0; // rows that fit; row i shows rotations otocka + i .. + cykly - 1
    // Rotations otocka .. otocka + rows + cykly - 2, each once.
    std::vector<MagnetComparisonRotation> rotations;
    const MagnetComparisonRotation* rotation(int rotace) const;
};

// The comparison for `rows` rows, stopping after the last record's rotation.
MagnetComparison MakeMagnetComparison(std::span<const TZaznam> records,
                                      const GeometryCache& geometry, const RotationIndex& index,
                                      const MagnData& magn, const MagnetComparisonParams& params,
                                      int rows);

// Rows of `vyskaRadku` pixels that fit a height (a title line above them).
int MagnetComparisonRows(int height, int vyskaRadku);

} // namespace hk
