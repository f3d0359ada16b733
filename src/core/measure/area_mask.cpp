#include "measure/area_mask.h"

namespace hk {

long CountPainted(const GreyImageView& mask) {
    long n = 0;
    for (int y = 1; y < mask.height; ++y) {
        const std::uint8_t* row = mask.pixels + static_cast<long>(y) * mask.stride;
        for (int x = 1; x < mask.width; ++x)
            n += row[x] < 255;
    }
    return n;
}

double MaskArea(long count, int calRadiusPx) {
    if (calRadiusPx <= 0) return 0;
    const double side = 125.0 / (2.0 * calRadiusPx);
    return side * side * static_cast<double>(count);
}

} // namespace hk
