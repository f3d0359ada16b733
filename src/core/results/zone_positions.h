#pragma once
// Where on the visible disk the groups were drawn: counts of groups (g) and
// sums of spots (f) in six zones of 30 degrees of distance from the central
// meridian, per drawing, per month, per year and for all data.
#include <array>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "records/geometry_cache.h"
#include "records/record_layout.h"
#include "results/report_file.h"
#include "results/results_grid.h"
#include "text/text_buffer.h"

namespace hk {

inline constexpr int ZoneCount = 6;
// The class selection that takes every group.
inline constexpr std::string_view AllClasses = "vše";
// The items of the class selection, "vše" last.
inline constexpr std::string_view ZoneClassItems[] = {"A", "B", "C", "D",  "E",
                                                      "F", "H", "J", "vše"};
inline constexpr std::string_view ZonesCaption = "Výsledky    Polohy skupin podle délky slunce  ";
inline constexpr std::string_view ZonesHeading =
    "  počet  skupin  ( g )                     | |                          počet skvrn  ( f )";
inline constexpr std::string_view ZonesTextQuestion =
    "Uložení dat východ-západ do textového souboru ?";

// Which row sections the view shows; they follow in this order.
struct ZoneSections {
    bool drawingSetting = true; // one row per drawing, labelled with its date
    bool months = true;         // one row per month with drawings, "m . yyyy"
    bool years = true;          // one row per year with drawings, "yyyy"
    bool allCurves = true;      // all data, "vše"
};

// The zone (0..5) of a distance from the central meridian strictly inside
// one of the intervals -90..-60, ..., 60..90; -1 on a bound, on the central
// meridian or beyond the limb.
int ZoneOf(double cmd);

// The group counts (g) and spot sums (f) of the six zones.
struct ZoneCounts {
    std::array<long, ZoneCount> g{};
    std::array<long, ZoneCount> f{};
    void add(const ZoneCounts& o);
};

// A row of the table: a drawing's date, a month "m . yyyy", a year "yyyy" or
// all data "vše", and its counts.
struct ZoneRow {
    std::string label;
    ZoneCounts counts;
};

// The group positions as numbers, a row of them for each row of the view
// under its header row. Its cells are text only when asked for: a table of
// a hundred thousand drawings costs its rows, not a string per cell.
struct ZonePositionsTable {
    static constexpr std::size_t Columns = 2 * ZoneCount + 2;
    std::vector<ZoneRow> rows;

    std::size_t rowCount() const { return rows.size() + 1; }
    // Row 0: "Datum", the six zone heads, an empty column, the six zone heads
    // again; below it a row's label in column 0, its group counts in columns
    // 1..6, nothing in column 7, its spot sums in columns 8..13.
    std::string cell(std::size_t row, std::size_t column) const;
};

// Special records are left out; a group takes part when its class begins
// with `zurichClass` or `zurichClass` is "vše". The records are walked in
// runs on `threads` threads (0: the machine's cores); the table is the same
// whatever their number.
ZonePositionsTable BuildZonePositionsTable(std::span<const TZaznam> records,
                                           const GeometryCache& geometry,
                                           std::string_view zurichClass,
                                           const ZoneSections& sections = {}, unsigned threads = 0);

// The table with every cell as text, captioned (for printing).
ResultsGrid ZonePositionsGrid(const ZonePositionsTable& table);

// The same as a grid of text cells.
ResultsGrid BuildZonePositions(std::span<const TZaznam> records, const GeometryCache& geometry,
                               std::string_view zurichClass, const ZoneSections& sections = {},
                               unsigned threads = 0);

// The same table as text, without a cell of its own per value: a line per
// row, its cells joined by ';' (what heliokres-cli prints).
TextBuffer ZonePositionLines(std::span<const TZaznam> records, const GeometryCache& geometry,
                             std::string_view zurichClass, const ZoneSections& sections = {},
                             unsigned threads = 0);

// The three text files under Polohy-skupin: polohydeni.dat (the drawings),
// polohymesicni.dat (the months) and polohyrocni.dat (the years and all
// data), each a head line, a line of zone marks and one line per row.
std::vector<ReportFile> ZoneTextFiles(std::span<const TZaznam> records,
                                      const GeometryCache& geometry, std::string_view zurichClass);

} // namespace hk
