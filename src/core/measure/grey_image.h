#pragma once
// A grey picture as plain values: 8-bit pixels, rows `stride` bytes apart.
// The windows and the command-line tool wrap their own images in it; the
// view does not own the pixels.
#include <cstdint>

namespace hk {

struct GreyImageView {
    int width = 0;
    int height = 0;
    int stride = 0;
    const std::uint8_t* pixels = nullptr;

    bool empty() const { return width <= 0 || height <= 0 || pixels == nullptr; }
    std::uint8_t at(int x, int y) const { return pixels[y * stride + x]; }
};

} // namespace hk
