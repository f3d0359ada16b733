#pragma once
// The yearly table of disk-centre coordinates: L0, B0 and P at 0 h UT for
// every day of a year, the days on which new Carrington rotations begin, and
// the texts of one page (four months) with their places in table units. A
// page is 900 units wide; the painter scales the units to its device.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "geometry/calendar.h"
#include "io/picture_data.h"

namespace hk {

inline constexpr std::string_view CoordinateTableTitle = "Heliografické souřadnice pro rok  ";
inline constexpr std::string_view CoordinateTableRotation = "Rotace  ";
inline constexpr std::string_view BadTableYear = "Rok musí být číslo od 1583 do 9999";
inline constexpr std::string_view BadTableScale =
    "Měřítko musí být kladné celé číslo (nejvýše 1000)";
inline constexpr std::string_view LowTableWindow =
    "Okno je nizké - zvětšit jeho výšku+\r   Pokud nelze tisk se neprovede ! ";

inline constexpr int CoordinateTablePages = 3;
inline constexpr int CoordinateTableMonthsPerPage = 4;
// Size of a page in table units, room for the title and every row.
inline constexpr int CoordinateTableWidth = 900;
inline constexpr int CoordinateTableHeight = 1000;
inline constexpr int TableRowHeight = 20;
inline constexpr int TableTop = 200;
// Rows below the days: the caption of the rotation starts and the two rows
// of starts.
inline constexpr int RotationRow = 33;
inline constexpr int FirstStartRow = 34;
inline constexpr int LateStartRow = 35;
// A start on this day or later goes on the second row of starts.
inline constexpr int LateStartDay = 28;
// Font heights in table units: the title and every other text.
inline constexpr int TitleFontHeight = 40;
inline constexpr int TextFontHeight = 20;
// The table scale at which one table unit is one pixel.
inline constexpr int CoordinateTableUnitScale = 16;

struct CoordinateDay {
    Date date;
    std::string L0, B0, P; // degrees at 0 h UT, "0.0"
};

// A new Carrington rotation is seen to begin on `date`: L0 at 0 h UT of that
// day lies above L0 at 0 h UT of the day before.
struct RotationStart {
    Date date;
    std::int32_t CarrRotation = 0; // rotation number computed for that day
};

struct CoordinateYear {
    int year = 0;
    std::vector<CoordinateDay> days;   // 1 January .. 31 December
    std::vector<RotationStart> starts; // in date order
};

CoordinateYear MakeCoordinateYear(int year);

// The year's table as numbers: one row per day ("yyyy-mm-dd") with L0, B0
// and P as the table prints them, and the number of the rotation that begins
// on that day (empty on the other days).
PictureData CoordinateYearPictureData(const CoordinateYear& table);

enum class TableAlign { Left, Right };

struct TableText {
    std::string text;
    int x = 0; // left edge (Left) or right edge (Right), table units
    int y = 0; // top of the text, table units, before scrolling
    TableAlign align = TableAlign::Left;
    int fontHeight = TextFontHeight;
};

struct CoordinateTablePage {
    int year = 0;
    int firstMonth = 0; // months firstMonth + 1 .. firstMonth + 4
    std::vector<TableText> texts;
};

// Page 0 (January-April), 1 (May-August) or 2 (September-December).
CoordinateTablePage MakeCoordinateTablePage(const CoordinateYear& year, int page);

// Logical y of a table row (row d holds day d).
constexpr int TableRowY(int row) {
    return TableTop + TableRowHeight * row;
}
// Right edges of the L0, B0 and P columns and the left edge of the rotation
// starts in block m = 1..4.
constexpr int L0ColumnRight(int m) {
    return 200 * m - 70;
}
constexpr int B0ColumnRight(int m) {
    return 200 * m - 20;
}
constexpr int PColumnRight(int m) {
    return 200 * m + 30;
}
constexpr int StartColumnLeft(int m) {
    return 200 * m - 50;
}
constexpr int FirstDayStartLeft(int m) {
    return 200 * m - 130;
}

// Czech month names, 1 = "leden".
std::string_view MonthName(int month);

// "Souřadnice 2012 1 - 4.bmp": the saved picture of a page.
std::string CoordinateTableImageName(int year, int page, std::string_view extension = ".bmp");

// The year of the year box: 1583..9999, digits only.
std::optional<int> ParseTableYear(std::string_view text);
// The table scale typed for "zve": a whole number 1..1000 (surrounding
// spaces allowed).
std::optional<int> ParseTableScale(std::string_view text);

} // namespace hk
