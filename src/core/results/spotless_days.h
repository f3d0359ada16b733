#pragma once
// Days without activity: the dates of the drawings without any sunspot, and
// the calendar of one year in which each such day is a red cell.
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "geometry/calendar.h"
#include "records/record_layout.h"

namespace hk {

inline constexpr std::string_view SpotlessCaption = "Výsledky    bez aktivity";
inline constexpr int SpotlessYearFrom = 1900;
inline constexpr int SpotlessYearTo = 2100;
inline constexpr int SpotlessYearStart = 2000;

// SpotlessDaysOf: the Datum of every record whose stored summary has
// RSev = 0 and RJih = 0, in store order (special records and records
// without groups count like any other).
std::vector<std::string> SpotlessDaysOf(std::span<const TZaznam> records);

// The year the calendar opens on: the latest year of a spotless day, else
// the latest year of any record, else SpotlessYearStart.
int LatestSpotlessYear(const std::vector<std::string>& spotlessDates,
                       std::span<const TZaznam> records);

// The marked days of `year`, in calendar order, each day once.
std::vector<Date> SpotlessDaysOfYear(const std::vector<std::string>& spotlessDates, int year);

// The calendar as the window draws it, in pixels of a client area of the
// given width and height. S(v) = v * percent / 100; w = width / 15; month m
// fills the column from (m + 1) * w to (m + 2) * w, the day numbers stand in
// the column from w to 2 * w.
struct SpotlessCalendar {
    struct Line {
        int x1, y1, x2, y2;
    };
    struct Text {
        int x, y; // top left
        std::string text;
        int width = 0; // the room the text has (0: up to the right edge)
    };
    struct Cell {
        int left, top, right, bottom; // the rectangle's bounds, right and bottom exclusive
    };
    int width = 0;
    int height = 0;
    int fontHeight = 0; // S(11)
    std::vector<Line> lines;
    std::vector<Text> texts;
    std::vector<Cell> red; // red cells with a black border
};

SpotlessCalendar BuildSpotlessCalendar(const std::vector<std::string>& spotlessDates, int year,
                                       int width, int height, int percent);

} // namespace hk
