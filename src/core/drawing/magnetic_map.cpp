#include "drawing/magnetic_map.h"

#include <cmath>
#include <cstdio>
#include <numbers>

#include "drawing/drawing_scale.h"
#include "geometry/transforms.h"
#include "io/atomic_file.h"

namespace hk {

namespace {
constexpr std::uint16_t RowMarker = 64;
constexpr int OverlayRightLimit = 529;

int mapCoordinate(int index, double f) {
    return static_cast<int>(std::nearbyint((213 - index * f) * 1.173709));
}
} // namespace

std::string MagneticMapFileName(const Date& d) {
    char name[16];
    std::snprintf(name, sizeof name, "%02d%02d%02d", d.year % 100, d.month, d.day);
    return name;
}

MagneticMap ReadMagneticMap(const std::filesystem::path& path) {
    // One byte more than the buffer holds tells that the file was longer.
    const std::string bytes = ReadFileStart(path, 2 * MagneticMapMaxWords + 2);
    MagneticMap map;
    std::size_t count = bytes.size() / 2;
    if (count > MagneticMapMaxWords) {
        count = MagneticMapMaxWords;
        map.truncated = true;
    }
    map.words.resize(count);
    for (std::size_t i = 0; i < count; ++i)
        map.words[i] =
            static_cast<std::uint16_t>(static_cast<unsigned char>(bytes[2 * i]) |
                                       static_cast<unsigned char>(bytes[2 * i + 1]) << 8);
    return map;
}

std::vector<MagneticPixel> MagneticOverlay(const std::vector<std::uint16_t>& words,
                                           const Date& date, const Ephemeris& e, int orientEW,
                                           int orientNS) {
    std::vector<MagneticPixel> pixels;
    const double days = DaySerial(date) - DaySerial(Date{2000, 1, 1});
    // The yearly change of the apparent size of the Sun.
    const double f = std::fabs((std::cos(days * 2 * std::numbers::pi / 365.25) - 1) * 0.017) + 1;
    int rowCounter = 1;
    int rowValue = 0;
    std::size_t i = 2;
    while (i < words.size()) {
        if (words[i] == RowMarker) {
            rowValue = mapCoordinate(rowCounter, f);
            ++rowCounter;
        }
        ++i;
        if (i >= words.size()) break;
        const std::uint16_t v = words[i];
        const auto c = static_cast<std::uint8_t>(((v & 63) * 8 + 80) & 0xFF);
        const int columnValue = mapCoordinate(v >> 7, f);
        const auto h = PixelToHeliographic(e, float(columnValue), float(rowValue));
        if (h) {
            const DiskPolar p = HeliographicToPolar(e, float(h->Lon), float(h->Lat));
            const double pi = std::numbers::pi;
            const int x = static_cast<int>(std::nearbyint(
                std::sin((p.Angle + e.P) * pi * 0.005555555555) * p.Dist + DiskCentre));
            const int y = static_cast<int>(std::nearbyint(
                DiskCentre - std::cos((p.Angle + e.P) * pi * 0.0055555555) * p.Dist));
            if (x < OverlayRightLimit)
                pixels.push_back({orientEW * (x - DiskCentre) + DiskCentre,
                                  orientNS * (y - DiskCentre) + DiskCentre, c});
        }
        if (v == 0) break;
    }
    return pixels;
}

} // namespace hk
