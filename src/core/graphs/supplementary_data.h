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

inline constexpr int DoplnkovaPrvniRotace = 1266;

struct DoplnkovaSkvrna {
    int rotace;
    int sirka; // latitude, degrees
};
struct DoplnkovaFakule {
    int rotace;
    int dolni; // byte of the first latitude (latitude + 128)
    int horni; // byte of the paired latitude
};

struct DoplnkovaRotace {
    bool present = false; // the block's first byte is not zero
    std::vector<DoplnkovaSkvrna> skvrny;
    std::vector<DoplnkovaFakule> fakule;
};

// Decodes the block; marks the picture never draws (spot latitudes of 95
// degrees and more, faculae bytes outside 31..219 / 11..239) are left out,
// and so are the zero bytes of an unused part (no latitude of -128).
DoplnkovaRotace DecodeDoplnkovaData(std::span<const std::uint8_t> block);

} // namespace hk
