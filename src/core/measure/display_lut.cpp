#include "measure/display_lut.h"

#include <algorithm>

namespace hk {

DisplayLut MakeDisplayLut(int brightness, int contrast) {
    DisplayLut lut{};
    for (int v = 0; v < 256; ++v)
        lut[v] = static_cast<std::uint8_t>(
            std::clamp((v + brightness) * contrast / ContrastNeutral, 0, 255));
    return lut;
}

void ApplyDisplayLut(const DisplayLut& lut, const std::uint8_t* src, int srcStride,
                     std::uint8_t* dst, int dstStride, int width, int height) {
    for (int y = 0; y < height; ++y) {
        const std::uint8_t* s = src + static_cast<long>(y) * srcStride;
        std::uint8_t* d = dst + static_cast<long>(y) * dstStride;
        for (int x = 0; x < width; ++x, s += 4, d += 4) {
            d[0] = lut[s[0]];
            d[1] = lut[s[1]];
            d[2] = lut[s[2]];
            d[3] = 255;
        }
    }
}

} // namespace hk
