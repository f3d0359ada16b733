#pragma once
// How the numbered groups of one Carrington rotation evolved from drawing to
// drawing: one row per drawing around the rotation, one column per group
// number within the rotation.
#include <span>
#include <string_view>

#include "records/geometry_cache.h"
#include "records/record_layout.h"
#include "results/results_grid.h"

namespace hk {

inline constexpr std::string_view EvolutionCaption = "Výsledky    vývoj skupin";
inline constexpr int EvolutionRotationFrom = 0;
inline constexpr int EvolutionRotationTo = 3000;
inline constexpr int EvolutionRotationStart = 1712;
// Columns 0..70: the dates and the group numbers 1..70 (70 has a column of
// its own; higher numbers are not shown).
inline constexpr int EvolutionColumns = 71;
inline constexpr int EvolutionDays = 41; // days a window spans after its first drawing

// The drawings of the window of rotation R, 0-based [lo, hi], before the
// 41-day cut; nullopt when no record has rotation R.
struct EvolutionWindow {
    std::size_t first = 0; // the rotation's first record
    std::size_t lo = 0;
    std::size_t hi = 0;
};
std::optional<EvolutionWindow> FindEvolutionWindow(std::span<const TZaznam> records, int rotation);

// Row 0: group numbers "   c" over the columns that hold a group; rows
// 1..: the drawings lo.. up to 41 days after lo's date, column 0 the date,
// column c the group numbered c that belongs to the rotation:
// spots + "  " + class + "  " + foreshortening-corrected area. Empty when the
// rotation has no record or its first record is special.
ResultsGrid BuildGroupEvolution(std::span<const TZaznam> records, const GeometryCache& geometry,
                                int rotation);

// The rotation box: a value below 15 becomes the first record's rotation;
// a value within the records' rotations is taken; nullopt otherwise (nothing
// is rebuilt).
std::optional<int> EvolutionRotationInput(std::span<const TZaznam> records, int value);

// The rotation the view opens on: that of the last drawing that is not a
// special record; nullopt without one.
std::optional<int> LatestEvolutionRotation(std::span<const TZaznam> records);

} // namespace hk
