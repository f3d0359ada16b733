#pragma once
// The drawing radius as the observer types it in the coordinate-type dialog.
#include <string>
#include <string_view>
#include <variant>

namespace hk {

// The radius in millimetres, or the message to show: the text must be a
// positive number ("," or "." before decimals) that the record's drawing
// setting can hold (1 to 999 after rounding).
std::variant<double, std::string> ParseDrawingRadius(std::string_view text);

} // namespace hk
