#include "graphs/supplementary_data.h"

namespace hk {

namespace {
constexpr std::size_t SpotsEnd = 15000;
constexpr std::size_t FaculaeEnd = 20000;
constexpr std::size_t PairOffset = 5000;
constexpr std::uint8_t NextRotation = 255;
} // namespace

SupplementaryRotations DecodeSupplementaryData(std::span<const std::uint8_t> block) {
    SupplementaryRotations d;
    d.present = !block.empty() && block[0] != 0;
    if (!d.present) return d;
    int rotation = SupplementaryFirstRotation;
    for (std::size_t i = 0; i < SpotsEnd && i < block.size(); ++i) {
        const int c = block[i];
        if (c == NextRotation)
            ++rotation;
        else if (c - 128 < 95 && c - 128 > -95)
            d.spots.push_back({rotation, c - 128});
    }
    rotation = SupplementaryFirstRotation;
    for (std::size_t i = SpotsEnd; i < FaculaeEnd && i + PairOffset < block.size(); ++i) {
        const int c = block[i];
        const int p = block[i + PairOffset];
        if (c == NextRotation)
            ++rotation;
        else if (c >= 31 && c < 220 && p > 10 && p < 240)
            d.faculae.push_back({rotation, c, p});
    }
    return d;
}

} // namespace hk
