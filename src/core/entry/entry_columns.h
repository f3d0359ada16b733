#pragma once
// Column titles of the entry grids.
#include <string_view>

#include "entry/entry_form.h"

namespace hk {

// Title of column `col` (0..15) of the group grid in the given view; the
// heliographic view titles columns 4 and 5 "   l" and "   b".
std::string_view GroupColumnTitle(int col, EntryView view);
// Title of column `col` (0..12) of the faculae grid: "  U1", "  V1" .. "  V6".
std::string_view FaculaeColumnTitle(int col);

} // namespace hk
