#pragma once
// The width and height a PNG file's header gives (big-endian at bytes 16 and
// 20); zero when the bytes are no PNG.
#include <string>
#include <utility>

namespace hk {

inline std::pair<unsigned, unsigned> PngSize(const std::string& bytes) {
    if (bytes.size() < 24 || bytes.compare(1, 3, "PNG") != 0) return {0, 0};
    auto be = [&](std::size_t at) {
        unsigned v = 0;
        for (std::size_t i = 0; i < 4; ++i)
            v = v << 8 | static_cast<unsigned char>(bytes[at + i]);
        return v;
    };
    return {be(16), be(20)};
}

} // namespace hk
