#pragma once
// The smoothed graphs ("Vyhlazovací   grafy") and the asymmetry graph
// ("Asymetrie    graf"): monthly means of a daily statistic, the filling of
// months without drawings, the 13-month running mean, the comparison with
// the international relative number and the north-south asymmetry per
// drawing, month and year.
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "graphs/asymmetry.h"
#include "io/picture_data.h"
#include "records/record_layout.h"
#include "records/startup_series.h"

namespace hk {

// Series 1..9 of the window: g, f, R, CV, SN, RB, plo, pol, Inter SOL.
struct SmoothedQuantityInfo {
    int U; // value of one tenth of the plot height
    const char* title;
    const char* name;      // the CLI's name
    const char* smoothed;  // saved image name of the smoothed graph ("Vyhl_g")
    const char* asymmetry; // saved image name of the asymmetry graph ("Asy_g_")
};
inline constexpr int SmoothedQuantityCount = 9;
const SmoothedQuantityInfo& SmoothedQuantityInfoOf(int S); // S = 1..9

// The three curves: 0 whole disk, 1 north, 2 south.
struct MonthlyCurve {
    // Month index t = (year - year of the earliest drawing) x 12 + month of
    // each month with drawings, and its mean x 8.
    std::vector<int> t;
    std::vector<int> value;
    // By month index, 0..tPosledni: the stored months and the linearly
    // filled months between them (0 before the first).
    std::vector<int> filled;
    // By month index, the 13-month mean x 24 (of the x 8 values); valid from
    // smoothFrom to smoothTo, empty range when smoothFrom > smoothTo.
    std::vector<long> smooth;
    int smoothFrom = 1;
    int smoothTo = 0;
};

struct SmoothedData {
    int S = 1;
    int firstYear = 0;
    int tFirst = 0;
    int tLast = 0;
    std::array<MonthlyCurve, 3> curves; // whole disk, north, south
};

SmoothedData BuildSmoothedData(std::span<const TZaznam> records, int S);

// Running mean x 24 with half weights at both ends over `v`, from `od` to
// `po`; entries outside stay 0.
std::vector<long> Smooth13(const std::vector<int>& v, int from, int to);

// A smoothed outside series (the international relative number, the
// Brussels areas, the radio flux): monthly means (unscaled), smoothed,
// placed on the month index of the records.
struct OutsideCurve {
    std::vector<int> t;    // month index on the records' axis
    std::vector<long> M24; // smoothed x 24
};
// `ktera` 0 whole disk, 1 north, 2 south.
OutsideCurve BuildBrusselsCurve(const DailySeries& sidc, int firstYear, int which);

// The monthly outside tables of the start-up: "Brusel plochy" (areasTable:
// whole disk, north, south) and "Rádiový tok" (fluxTable: observed,
// adjusted to 1 AU, absolute flux, times 10). Value `sloupec` (0..2) of each
// line whose label starts with the year and the month ("yyyy mm"); lines of
// the same month are averaged, lines without such a label left out, months
// without a line filled linearly between their neighbours, then smoothed
// over 13 months like the records' curves.
OutsideCurve BuildOutsideCurve(const OutsideTable& table, int column, int firstYear);
// Lines of the table that carry a year and a month.
int DatedRows(const OutsideTable& table);

enum class FluxOption { OBS = 0, ADJ = 1, ABS = 2 };
// Value of one tenth of the plot height: areas like the series "Plocha
// skvrn disk", the flux 30 sfu (in the table's tenths).
inline constexpr int AreaUnit = 400;
inline constexpr int FluxUnit = 300;

// Asymmetry graph.
enum class AsymmetryKind { Difference, Ratio };
enum class AsymmetryPeriod { PerRecord = 1, Monthly = 2, Yearly = 3 };
struct AsymmetryPoint {
    int den = 0; // days since the earliest drawing
    int value = 0;
};
struct AsymmetryBar {
    int fromDay = 0; // days since the earliest drawing, start and end of the period
    int toDay = 0;
    float value = 0;
    bool firstOfYear = false; // a January (or a year)
    int year = 0;
    int month = 1;
};
struct AsymmetryGraph {
    int S = 1;
    AsymmetryKind kind = AsymmetryKind::Difference;
    AsymmetryPeriod period = AsymmetryPeriod::PerRecord;
    int firstYear = 0, firstMonth = 1, firstDay = 1;
    int days = 0;                      // days between the earliest and the latest drawing
    std::vector<AsymmetryPoint> body;  // per record (period 1), in calendar order
    std::vector<AsymmetryBar> columns; // per month / year (periods 2, 3)
    std::vector<AsymmetryBar> months;  // every month of the span, for the marks
    double unit = 1;                   // value of one grid line
};
AsymmetryGraph BuildAsymmetryGraph(std::span<const TZaznam> records, const AsymmetryTables& tables,
                                   int S, AsymmetryKind kind, AsymmetryPeriod period);

// The numbers the asymmetry graph draws: one row per point of the polyline
// ("yyyy-mm-dd", per drawing) or per bar ("yyyy-mm" or "yyyy"), one column.
PictureData AsymmetryPictureData(const AsymmetryGraph& graph);

} // namespace hk
