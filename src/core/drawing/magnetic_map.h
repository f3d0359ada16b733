#pragma once
// The magnetic-map overlay of a drawing: a file of 16-bit words under
// "Magneto", named by the record's date "yymmdd", turned into coloured pixels
// on the drawn disk.
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "geometry/calendar.h"
#include "geometry/ephemeris.h"

namespace hk {

// The map buffer holds at most this many words; a longer file is cut.
inline constexpr std::size_t MagneticMapMaxWords = 50002;

struct MagneticMap {
    std::vector<std::uint16_t> words;
    bool truncated = false; // the file held more than MagneticMapMaxWords words
};

// "yymmdd" of the date.
std::string MagneticMapFileName(const Date& d);

// Reads the file as little-endian words, at most MagneticMapMaxWords (an odd
// last byte is ignored). Throws std::runtime_error with a Czech message when
// the file cannot be read.
MagneticMap ReadMagneticMap(const std::filesystem::path& path);

// One pixel of the overlay: logical drawing coordinates and its brightness;
// drawn as RGB(c, c, 255).
struct MagneticPixel {
    int x = 0;
    int y = 0;
    std::uint8_t c = 0;
};

// The overlay's pixels for a record of the given date and ephemeris. Rows
// start at the marker word 64; the walk ends at the first 0 word or at the
// end of the data. Points off the disk are left out. `orientEW`/`orientNS`
// mirror the overlay with the rest of the drawing.
std::vector<MagneticPixel> MagneticOverlay(const std::vector<std::uint16_t>& words,
                                           const Date& date, const Ephemeris& e, int orientEW = 1,
                                           int orientNS = 1);

} // namespace hk
