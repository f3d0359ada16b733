#pragma once
// The supplementary butterfly data of Motfakul.dat (25000 bytes): bytes
// 0..14999 hold spot-group latitudes, bytes 15000..19999 the lower and bytes
// 20000..24999 the upper latitudes of faculae (byte i + 5000 pairs with byte
// i). A latitude byte is latitude + 128 in whole degrees; 255 ends one
// rotation and starts the next; each part starts at rotation 1266.
#include <cstdint>
#include <span>
#include <vector>

namespace hk {

inline constexpr int SupplementaryFirstRotation = 1266;

struct SupplementarySpotMark {
    int rotation;
    int width; // latitude, degrees
};
struct SupplementaryFaculaeMark {
    int rotation;
    int lower; // byte of the first latitude (latitude + 128)
    int upper; // byte of the paired latitude
};

struct SupplementaryRotations {
    bool present = false; // the block's first byte is not zero
    std::vector<SupplementarySpotMark> spots;
    std::vector<SupplementaryFaculaeMark> faculae;
};

// Decodes the block; marks the picture never draws (spot latitudes of 95
// degrees and more, faculae bytes outside 31..219 / 11..239) are left out,
// and so are the zero bytes of an unused part (no latitude of -128).
SupplementaryRotations DecodeSupplementaryData(std::span<const std::uint8_t> block);

} // namespace hk
