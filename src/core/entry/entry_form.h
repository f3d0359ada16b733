#pragma once
// The content of the entry window as plain text: the header fields and the
// cells of the group and faculae grids, exactly as the observer typed them.
// The window copies text in and out; everything else works on this struct.
#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace hk {

// How the group grid shows positions: polar angle and distance on the
// drawing, or heliographic longitude and latitude (area in millionths).
enum class EntryView { Polar, Heliographic };

// Columns of the group grid; column 0 holds the row number.
namespace column {
inline constexpr int Typ = 1;
inline constexpr int Poc = 2;
inline constexpr int SPen = 3;
inline constexpr int Uhel = 4; // l in the heliographic view
inline constexpr int Vzd = 5;  // b in the heliographic view
inline constexpr int Plocha = 6;
inline constexpr int MalS = 7;
inline constexpr int CSk1 = 8;
inline constexpr int CSk2 = 9;
inline constexpr int Angle1 = 10;
inline constexpr int Distance1 = 11;
inline constexpr int Plo1 = 12;
inline constexpr int Angle2 = 13;
inline constexpr int Distance2 = 14;
inline constexpr int Plo2 = 15;
} // namespace column

inline constexpr int GroupColumns = 16;        // polar view, row number included
inline constexpr int HeliographicColumns = 10; // heliographic view
inline constexpr int FaculaeColumns = 13;      // row number + 6 vertices of angle, distance

using GroupRow = std::array<std::string, GroupColumns>;
using FaculaeRow = std::array<std::string, FaculaeColumns>;

// The text of the date field when nothing was typed.
inline constexpr std::string_view EmptyDateText = "  .  .    ";
// The drawing number a new record starts with, and the placeholder held
// while drawing numbers are off.
inline constexpr std::string_view NewDrawingNumberText = "000/00";
inline constexpr std::string_view DrawingNumbersOffText = "001/21";
// The special-record marker.
inline constexpr std::string_view SpecialMarker = "zvlášťní";

struct EntryForm {
    std::string observer;          // ComboBox1
    std::string date;              // MaskEdit1, "dd.mm.yyyy"
    std::string time;              // qualityEdit
    std::string pp;                // Edit4
    std::string image;             // Edit5
    std::string q;                 // Edit6
    std::string qc;                // Edit7
    std::string fc;                // Edit8
    std::string rc;                // Edit9
    std::string faculaeCount;      // Edit10
    std::string groupCount;        // Edit11
    std::string faculaeFieldCount; // Edit12
    std::string station;           // Edit13
    std::string drawingNumber;     // prefixEdit
    std::string special;           // Edit25

    EntryView view = EntryView::Polar;
    // Data rows of the grids (row r of the window is element r - 1); a grid
    // always has at least one row, even when its count is 0.
    std::vector<GroupRow> groups = std::vector<GroupRow>(1);
    std::vector<FaculaeRow> faculae = std::vector<FaculaeRow>(1);

    bool isSpecial() const { return special == SpecialMarker; }
    friend bool operator==(const EntryForm&, const EntryForm&) = default;
};

} // namespace hk
