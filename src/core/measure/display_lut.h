#pragma once
// Brightness and contrast of a scanned drawing on the screen: every colour
// channel v is shown as (v + brightness) * contrast / 80, clamped to 0..255.
// The table is built once per setting and applied only to the pixels that
// are about to be shown.
#include <array>
#include <cstdint>

namespace hk {

inline constexpr int BrightnessMin = -200, BrightnessMax = 127;
inline constexpr int ContrastMin = 10, ContrastMax = 500;
inline constexpr int ContrastNeutral = 80;

using DisplayLut = std::array<std::uint8_t, 256>;

DisplayLut MakeDisplayLut(int brightness, int contrast);

// Applies the table to the three colour bytes of every 4-byte pixel of a
// block (32-bit pixels, alpha byte last) and sets the alpha byte to 255.
void ApplyDisplayLut(const DisplayLut& lut, const std::uint8_t* src, int srcStride,
                     std::uint8_t* dst, int dstStride, int width, int height);

} // namespace hk
