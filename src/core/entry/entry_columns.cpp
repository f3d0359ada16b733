#include "entry/entry_columns.h"

#include <array>

namespace hk {

namespace {
constexpr std::array<std::string_view, GroupColumns> PolarTitles = {
    "",      "Typ",   "poč",   "s pen.", "úhel",  "vzd.",  "plocha.", "mal.s.",
    "č.sk1", "č.sk2", "úhel1", "vzd.1",  "plo.1", "úhel2", "vzd.2",   "plo.2"};
constexpr std::array<std::string_view, FaculaeColumns> FaculaeTitles = {
    "",     "  U1", "  V1", "  U2", "  V2", "  U3", "  V3",
    "  U4", "  V4", "  U5", "  V5", "  U6", "  V6"};
} // namespace

std::string_view GroupColumnTitle(int col, EntryView view) {
    if (col < 0 || col >= GroupColumns) return {};
    if (view == EntryView::Heliographic) {
        if (col == column::Uhel) return "   l";
        if (col == column::Vzd) return "   b";
    }
    return PolarTitles[static_cast<std::size_t>(col)];
}

std::string_view FaculaeColumnTitle(int col) {
    if (col < 0 || col >= FaculaeColumns) return {};
    return FaculaeTitles[static_cast<std::size_t>(col)];
}

} // namespace hk
