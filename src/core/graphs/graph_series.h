#pragma once
// The daily graphs ("Grafy"): one statistic of every drawing against time,
// for the north, the south and the whole disk. The series are built once per
// store revision from the stored summaries (and the geometry cache for the
// position graph); the picture model places them for a window height.
#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "io/picture_data.h"
#include "records/geometry_cache.h"
#include "records/record_layout.h"

namespace hk {

enum class GraphQuantity {
    g,
    f,
    R,
    CV,
    SN,
    RB,
    Plocha,
    HemisphereArea,
    Fakule,
    Position,
    InterSol
};
inline constexpr int GraphQuantityCount = 11;

struct QuantityInfo {
    const char* title;   // series title of the caption and the panel heading
    int units;           // units per scale division
    const char* name;    // the CLI's name
    const char* picture; // name of the saved image ("Graf_g_"), empty when not saved
};
const QuantityInfo& QuantityInfoOf(GraphQuantity r);

// The four views (GraphView).
enum class GraphView { All = 1, Disk = 2, North = 3, South = 4 };
const char* ViewTitle(GraphView r);

struct GraphData {
    GraphQuantity quantity = GraphQuantity::g;
    int firstYear = 0;
    // Per drawing, in calendar order (the drawings of one day in store
    // order): whole days since 1 January of the year of the earliest drawing
    // (the previous record's value for a record without a date);
    // non-decreasing.
    std::vector<int> days;
    // Per drawing, in the same order, in the series' own units: A north (or
    // the first series), B south (or the second), C the third class of the
    // position graph.
    std::vector<int> A, B, C;
    int lastDay() const { return days.empty() ? 0 : days.back(); }
};

// The series of the records; the dates are the cache's, and the position
// graph's zone classes come from its group positions.
GraphData BuildGraphData(std::span<const TZaznam> records, const GeometryCache& geometry,
                         GraphQuantity quantity);
// The same without a cache: every series but the position graph needs only
// the records' dates, read from the records; the position graph builds a
// cache of the groups of `records` for itself.
GraphData BuildGraphData(std::span<const TZaznam> records, GraphQuantity quantity);

// Panel height H (a multiple of 11) and pixels per scale division for a
// client height.
struct GraphGeometry {
    int H = 0;
    int step = 0;
};
GraphGeometry ComputeGraphGeometry(int clientHeight);

// One month line of a panel: x from the start of the time axis, the month
// (0..11) and its year.
struct MonthLine {
    int x = 0;
    int month = 0;
    int year = 0;
};
// Month lines for `d` pixels per `dayDivisor` days, up to a little past
// `xLast`; the leap day moves every line from March on by a day.
std::vector<MonthLine> MonthLines(int firstYear, int xLast, int d, int dayDivisor = 1);

// Which values a panel's polyline joins.
enum class GraphCurve { Sum, North, South, Third };
struct GraphPanel {
    int number = 1; // 1 whole disk, 2 north, 3 south: the heading
    int base = 0;   // base line y
    int f = 1;      // height factor
    GraphCurve curve = GraphCurve::Sum;
};

struct GraphModel {
    const GraphData* data = nullptr;
    int d = 2;          // pixels per day
    int dayDivisor = 1; // d pixels per so many days: 1, or more to narrow a long time axis
    GraphGeometry geometry;
    int e = 5; // offset of the year row
    std::vector<GraphPanel> panels;
    std::vector<MonthLine> months;
    int xLast = 0;               // x of the last record
    std::array<int, 10> scale{}; // i x units
    std::string title;           // "Graf   " + view title + series title
    // The value of record k of a panel in pixels above its base (before f).
    int value(const GraphPanel& p, std::size_t k) const;
    // x of a day of the time axis.
    int x(int day) const { return day * d / dayDivisor; }
};

GraphModel BuildGraphModel(const GraphData& data, int clientHeight, GraphView mode, int d,
                           int dayDivisor = 1);

// The smallest day divisor (1 and up) that keeps the whole time axis of
// `lastDay` days at `d` pixels a day, with `margins` pixels beside it,
// within `maxWidth` pixels.
int GraphDayDivisor(int lastDay, int d, int margins, int maxWidth);

const char* MonthName(int month, bool full);

// The heading of panel `number` (1..3): the hemispheres, or the zones of the
// position graph.
const char* GraphPanelHeading(GraphQuantity quantity, int number);

// The numbers the model's polylines join, one row per drawing ("yyyy-mm-dd";
// two drawings of a day are two rows), one column per panel in the series'
// own units (the whole disk as the sum of the hemispheres).
PictureData GraphPictureData(const GraphModel& model);

// The class of a group in the position graph by its central-meridian
// distance (east positive): 0 centre (-30 < CMD < 30), 1 west (CMD < -30),
// 2 east (CMD > 30); -1 for a group exactly at 0, -30 or 30, which counts nowhere.
int ZoneClassOf(double cmd);

} // namespace hk
