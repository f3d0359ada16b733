#pragma once
// The corona views of the map window, computed from the corona table: the
// corona graph (the limb intensities of 100 days as two stacks of profiles),
// the corona butterfly (per-rotation averages of every limb position), the
// real corona (the 72 limb values of one day around the disk) and the corona
// under the synoptic map (the limb values of the rotation's days on the map's
// longitude axis).
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "geometry/calendar.h"
#include "graphs/corona.h"

namespace hk {

inline constexpr double CoronaDaysPerRotation = 27.2758; // days per rotation of the corona views

// The date in the header of a day row (byte 1 year - 1900, bytes 2 and 3
// month and day); nullopt when it is no calendar date.
std::optional<Date> CoronaRowDate(const CoronaTable& corona, std::size_t row);

// The row of a date: rows 364 i (i = 0..100) are probed for the date's year,
// then the rows are walked forward from the last probe not after the date.
// nullopt when the table has no row of that date.
std::optional<std::size_t> CoronaFindRow(const CoronaTable& corona, const Date& date);

struct CoronaPoint {
    int x = 0;
    int y = 0;
};

// Corona graph: 100 days from day row Round((position - 1) * 27.2758).
// Polygon k (1..72) runs through (10 i + 10, base - value div 2), i = 1..100,
// base 100 + 5k (east limb, values k = 1..36 of rows first + i) or 200 + 5k
// (west limb, values k = 37..72 of rows first + i + 14), and closes along
// its base line back to x = 20.
struct CoronaGraphModel {
    bool present = false;
    int position = 1;         // scroll position (rotations since 1.1.1940)
    std::size_t firstRow = 0; // day row of the window
    int titleRotation = 0;    // Carrington rotation of the first day drawn (0 without a date)
    std::optional<Date> date; // date of the first day drawn
    std::array<std::vector<CoronaPoint>, CoronaValues> polygons;
    std::array<int, 4> rotationLines{}; // x of the rotation starts
};
// The scroll range of the graph: Round(coronaLength / 27.2758 / 78) + 1.
int CoronaGraphMaximum(const CoronaTable& corona);
// The first day row of a scroll position.
std::size_t CoronaGraphRow(int position);
// The scroll position whose window starts at or just before a date (for the
// map's rotation); 1 when the table has no such date.
int CoronaGraphPositionOf(const CoronaTable& corona, const Date& date);
CoronaGraphModel MakeCoronaGraph(const CoronaTable& corona, int position);
// The graph of the 100 days from the start of a Carrington rotation (the
// map's title date), labelled with that rotation, its lines at the starts of
// it and the next three; not present when the table has no row of the start.
CoronaGraphModel MakeCoronaGraphOfRotation(const CoronaTable& corona, int rotation);

// Corona butterfly: the per-rotation averages a_k of the 72 limb values
// (column j is rotation 1145 + j), drawn as short vertical lines from
// y = 7k + 50 to 7k + 57 in RGB(255, 255 - 2 a_k, 255).
struct CoronaButterflyModel {
    bool present = false;
    std::vector<std::array<std::uint8_t, CoronaValues>> columns;
};
CoronaButterflyModel MakeCoronaButterfly(const CoronaTable& corona);
// The green component of an average: 255 - 2a, at least 0.
int CoronaButterflyGreen(int average);

// Real corona: the 72 limb values of one day row (value k at position
// angle 5k - 2.5 degrees from north through east).
struct CoronaDayModel {
    bool present = false;
    std::size_t row = 0;
    std::optional<Date> date;
    std::array<std::uint8_t, CoronaValues> values{};
};
// Scroll range of the day: rows - 1.
int CoronaDayMaximum(const CoronaTable& corona);
CoronaDayModel MakeCoronaDay(const CoronaTable& corona, std::size_t row);

// Corona under the map of rotation R, laid out for scale s and vertical
// offset: for every day from the rotation's start (MapRotationDates) whose
// noon L0 belongs to R, one column on the map's longitude axis, one day of
// longitude wide, centred on that day's central-meridian longitude; its 36 latitude bands of 5
// degrees hold the mean of the east-limb value seen 7 days before and the west-limb value seen 7
// days after (when the longitude stood at the limbs), coloured RGB(255, 255 - 2a, 255). Drawn only
// when the table reaches more than 27 rows beyond the rotation's first day.
struct CoronaUnderMapRect {
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0; // pixel corners, x1 < x2, y1 < y2
    std::uint8_t green = 255;
};
struct CoronaUnderMapModel {
    bool present = false;
    int rotation = 0;
    std::optional<std::size_t> firstRow; // row of the rotation's first day
    int days = 0;                        // days drawn
    std::vector<CoronaUnderMapRect> rects;
};
CoronaUnderMapModel MakeCoronaUnderMap(const CoronaTable& corona, int rotation, int s, int yOffset);

} // namespace hk
