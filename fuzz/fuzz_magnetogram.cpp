// Magnetograms under Magneto: the reader of the word file and the overlay
// walk over its rows, for a date taken from the first bytes.
#include <cstdint>

#include "drawing/magnetic_map.h"
#include "fuzz_support.h"

using namespace hk;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2) return 0;
    const Date date{1990 + data[0] % 50, 1 + data[1] % 12, 1 + data[1] / 12 % 28};
    const auto path = fuzz::PutFile("Magneto/map", fuzz::AsText(data + 2, size - 2));
    const MagneticMap map = ReadMagneticMap(path);
    if (map.words.size() > MagneticMapMaxWords) __builtin_trap();
    MagneticOverlay(map.words, date, SolarEphemeris(date, 1200), data[0] & 1 ? -1 : 1,
                    data[0] & 2 ? -1 : 1);
    return 0;
}
