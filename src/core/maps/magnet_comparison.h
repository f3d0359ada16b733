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
    int from = 20;           // "Od  °": one edge of the latitude band
    int to = 10;             // "Do  °": the other edge
    int cycles = 3;          // "Cykly": rotations side by side in a row
    int rotationText = 1958; // "Otočka": the first rotation
    int rowHeight = 6;       // "Větší" / "Menší": pixels per row
};
inline constexpr int MagnetComparisonMaxCycles = 6;
inline constexpr int MagnetComparisonMinRow = 2;
inline constexpr int MagnetComparisonMaxRow = 24;

// The four fields as typed; a Czech message when one is not acceptable
// (latitudes -60..60 as magn.dat holds them, 1..6 cycles, a rotation of
// magn.dat up to `lastRotation`).
std::optional<std::string> ParseMagnetComparison(std::string_view from, std::string_view to,
                                                 std::string_view cycles,
                                                 std::string_view rotationText, int lastRotation,
                                                 MagnetComparisonParams& out);

struct MagnetComparisonGroup {
    float lon = 0;
    float lat = 0;
};
struct MagnetComparisonRotation {
    int rotation = 0;
    // Per 4-degree column of magn.dat (0..89): the strongest cell of the band
    // as its pixel value 0..15 (0 = no data).
    std::array<std::uint8_t, MagnColumns> values{};
    std::vector<MagnetComparisonGroup> groups; // groups of the band, mean positions
};

struct MagnetComparison {
    MagnetComparisonParams params;
    int latLo = 10, latHi = 20;
    int rows = 0; // rows that fit; row i shows rotations rotationText + i .. + cycles - 1
    // Rotations rotationText .. rotationText + rows + cycles - 2, each once.
    std::vector<MagnetComparisonRotation> rotations;
    const MagnetComparisonRotation* rotation(int rotation) const;
};

// The comparison for `rows` rows, stopping after the last record's rotation.
MagnetComparison MakeMagnetComparison(std::span<const TZaznam> records,
                                      const GeometryCache& geometry, const RotationIndex& index,
                                      const MagnDatCells& magnCells,
                                      const MagnetComparisonParams& params, int rows);

// Rows of `vyskaRadku` pixels that fit a height (a title line above them).
int MagnetComparisonRows(int height, int rowHeight);

} // namespace hk
