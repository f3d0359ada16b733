#include "maps/magnetosphere.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <numbers>
#include <stdexcept>
#include <system_error>

#include "drawing/magnetic_map.h"
#include "io/atomic_file.h"
#include "records/program_dir.h"

namespace hk {

namespace {

constexpr std::uint16_t RowMarker = 64;
constexpr double PixelUnits = 1.173709; // units of the 250-unit disk per pixel
constexpr int CentreColumn = 250;
constexpr int CentreRow = 213;
constexpr std::uint16_t MagnetoTime = 1200; // the magnetograms are taken about noon

// The daily files of the folder Magneto by name; empty when there is none.
std::map<std::string, std::filesystem::path> listMagneto(const ProgramDir& dir) {
    std::map<std::string, std::filesystem::path> files;
    const std::filesystem::path folder = dir.resolve(MagnetoFolder);
    std::error_code ec;
    for (std::filesystem::directory_iterator it(folder, ec), end; !ec && it != end;
         it.increment(ec)) {
        if (it->is_regular_file(ec)) files.emplace(it->path().filename().string(), it->path());
    }
    return files;
}

// The words of a daily file; nullopt when it cannot be read.
std::optional<std::vector<std::uint16_t>> readDay(const std::filesystem::path& file) {
    try {
        return ReadMagneticMap(file).words;
    } catch (const std::exception&) {
        return std::nullopt;
    }
}

bool nearCentralMeridian(const Heliographic& h) {
    // CMD is the wrapped distance of the longitude from L0, so the window
    // holds across the 0/360 seam of L0 too.
    return std::fabs(h.CMD) <= MagnetoCmdWindow;
}

// Whole blocks of the existing magn.dat (0 when there is none); a file
// larger than any rotation number could need counts as that size.
int existingBlocks(const ProgramDir& dir) {
    constexpr std::uintmax_t MostBlocks = 9999 - 1717;
    std::error_code ec;
    const std::filesystem::path file = dir.resolve(MagnDatName);
    if (!std::filesystem::is_regular_file(file, ec)) return 0;
    const std::uintmax_t size = std::filesystem::file_size(file, ec);
    if (ec) return 0;
    return static_cast<int>(std::min(size / MagnBlockBytes, MostBlocks));
}

} // namespace

bool HasMagnetoData(const ProgramDir& dir) {
    std::error_code ec;
    return std::filesystem::is_directory(dir.resolve(MagnetoFolder), ec);
}

void ForEachMagnetogramPixel(std::span<const std::uint16_t> words,
                             const std::function<void(int row, int column, int v)>& f) {
    int row = 1;
    for (const std::uint16_t w : words) {
        if (w == 0) break;
        if (w == RowMarker) {
            ++row;
            continue;
        }
        f(row, w >> 7, w & 63);
    }
}

std::optional<Heliographic> MagnetogramPixelToHeliographic(const Ephemeris& e, int row,
                                                           int column) {
    const double x = PixelUnits * (CentreColumn - column); // east, solar frame
    const double y = PixelUnits * (CentreRow - row);       // solar north
    const double r = std::sqrt(x * x + y * y);
    const double angle = std::atan2(x, y) + e.P * std::numbers::pi / 180; // from celestial north
    return PixelToHeliographic(e, static_cast<float>(r * std::sin(angle)),
                               static_cast<float>(r * std::cos(angle)));
}

int CentralMeridianRotation(const Ephemeris& e, const Heliographic& h) {
    return static_cast<int>(std::trunc((360 - e.L0 + h.CMD + e.CarrRotation * 360.0) / 360));
}

std::uint32_t MagnetoColour(int v) {
    const int c = v * 32;
    auto mod = [](int a) { return static_cast<std::uint32_t>(((a % 256) + 256) % 256); };
    if (c < 240) return mod(c) << 16 | mod(c) << 8 | 255u;
    return 255u << 16 | mod(255 - c) << 8 | mod(255 - c);
}

MapPixel MagnetoMapPixel(double lon, double lat, int s, int yOffset) {
    MapPixel p;
    p.x = ((760 * s) >> 4) - (static_cast<int>(std::trunc(2 * lon * s + 20.0 * s)) >> 4);
    p.y = (static_cast<int>(std::trunc(220.0 * s - 2 * lat * s)) >> 4) + yOffset;
    return p;
}

MagnetosphereData LoadMagnetosphere(const ProgramDir& dir, const Date& recordDate, int rotation,
                                    const MagnDatCells& magnCells) {
    MagnetosphereData data;
    data.rotation = rotation;
    const auto files = listMagneto(dir);
    const int first = DaySerial(recordDate) - MagnetoLayerDaysBefore;
    for (int d = 0; d < MagnetoLayerDays; ++d) {
        const Date date = DateFromSerial(first + d);
        const auto found = files.find(MagneticMapFileName(date));
        if (found == files.end()) continue;
        const auto words = readDay(found->second);
        if (!words) continue;
        ++data.files;
        const Ephemeris e = SolarEphemeris(date, MagnetoTime);
        ForEachMagnetogramPixel(*words, [&](int row, int column, int v) {
            const auto h = MagnetogramPixelToHeliographic(e, row, column);
            if (!h || !nearCentralMeridian(*h) || CentralMeridianRotation(e, *h) != rotation)
                return;
            data.points.push_back({static_cast<float>(h->Lon), static_cast<float>(h->Lat),
                                   static_cast<std::uint8_t>(v)});
        });
    }
    if (data.files == 0) {
        for (int r = 0; r < MagnRows; ++r)
            for (int c = 0; c < MagnColumns; ++c)
                if (const std::uint8_t b = magnCells.cell(rotation, r, c))
                    data.cells.push_back({r, c, b});
    }
    return data;
}

MagnetosphereLayer LayoutMagnetosphere(const MagnetosphereData& data, int s, int yOffset) {
    MagnetosphereLayer layer;
    layer.rotation = data.rotation;
    layer.s = s;
    layer.yOffset = yOffset;
    // One pixel per map position; a later magnetogram pixel overwrites an
    // earlier one, as setting the pixel on the canvas would.
    struct Entry {
        std::uint64_t key;
        std::uint32_t order;
        MapPixel p;
        std::uint32_t rgb;
    };
    std::vector<Entry> entries;
    entries.reserve(data.points.size());
    for (std::size_t i = 0; i < data.points.size(); ++i) {
        const MagnetoPoint& pt = data.points[i];
        const MapPixel p = MagnetoMapPixel(pt.lon, pt.lat, s, yOffset);
        const auto key = (static_cast<std::uint64_t>(static_cast<std::uint32_t>(p.y)) << 32) |
                         static_cast<std::uint32_t>(p.x);
        entries.push_back({key, static_cast<std::uint32_t>(i), p, MagnetoColour(pt.v)});
    }
    std::sort(entries.begin(), entries.end(), [](const Entry& a, const Entry& b) {
        return a.key != b.key ? a.key < b.key : a.order < b.order;
    });
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (i + 1 < entries.size() && entries[i + 1].key == entries[i].key) continue;
        layer.pixels.push_back(entries[i].p);
        layer.colours.push_back(entries[i].rgb);
    }
    for (const MagnetoCellValue& c : data.cells) {
        const MapPixel a = MagnetoMapPixel(4.0 * (c.column + 1), c.row - 59.0, s, yOffset);
        const MapPixel b = MagnetoMapPixel(4.0 * c.column, c.row - 60.0, s, yOffset);
        MagnetoRect r;
        r.x1 = a.x;
        r.y1 = a.y;
        r.x2 = std::max(b.x, a.x + 1);
        r.y2 = std::max(b.y, a.y + 1);
        r.rgb = MagnetoColour(c.value >> 4);
        layer.rects.push_back(r);
    }
    return layer;
}

int MagnBlocks(int lastRotation) {
    return std::max(0, lastRotation - (MagnFirstRotation - 1));
}

MagnDatCells ReadMagnDat(const ProgramDir& dir, int count) {
    if (count <= 0) return {};
    std::string bytes;
    try {
        bytes = ReadFileStart(dir.resolve(MagnDatName), std::size_t(count) * MagnBlockBytes);
    } catch (const std::exception&) {
        // Missing or unreadable: the blocks stay zero.
    }
    return MagnDatCells::fromBytes(
        std::span(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()), count);
}

std::optional<MagnDatCells> SumMagnetosphereInto(const ProgramDir& dir, const Date& today,
                                                 MagnDatCells buffer,
                                                 const MagnSumProgress& progress,
                                                 MagnetosphereSumResult& result) {
    if (!HasMagnetoData(dir)) throw std::runtime_error(NoMagnetosphereData);
    const auto files = listMagneto(dir);
    const int first = DaySerial(MagnSumStart);
    const int total = std::max(0, DaySerial(today) - first + 1);
    for (int d = 0; d < total; ++d) {
        const Date date = DateFromSerial(first + d);
        const auto found = files.find(MagneticMapFileName(date));
        if (found != files.end()) {
            if (const auto words = readDay(found->second)) {
                ++result.files;
                const Ephemeris e = SolarEphemeris(date, MagnetoTime);
                ForEachMagnetogramPixel(*words, [&](int row, int column, int v) {
                    const auto h = MagnetogramPixelToHeliographic(e, row, column);
                    if (!h || !(std::fabs(h->Lat) < 60) || !nearCentralMeridian(*h)) return;
                    MagnCellIndex cell{};
                    if (!MagnCell(CentralMeridianRotation(e, *h), h->Lat, h->Lon, cell)) return;
                    buffer.store(cell, v);
                    ++result.pixels;
                });
            }
        }
        result.days = d + 1;
        if (progress && !progress(d + 1, total)) {
            result.cancelled = true;
            return std::nullopt;
        }
    }
    return buffer;
}

MagnetosphereSumResult SumMagnetosphere(const ProgramDir& dir, const Date& today, int lastRotation,
                                        const MagnSumProgress& progress) {
    MagnetosphereSumResult result;
    if (!HasMagnetoData(dir)) throw std::runtime_error(NoMagnetosphereData);
    // The file never shrinks: blocks of rotations after the last drawing's
    // (a store emptied or cut back) keep their cells.
    const int blocks = std::max(MagnBlocks(lastRotation), existingBlocks(dir));
    const auto buffer =
        SumMagnetosphereInto(dir, today, ReadMagnDat(dir, blocks), progress, result);
    if (!buffer) return result;
    result.blocks = blocks;
    const MagnDatCells out = MagnDatCells::fromBytes(buffer->bytes(), blocks);
    result.file = dir.resolve(MagnDatName);
    WriteFileAtomic(result.file, std::string_view(reinterpret_cast<const char*>(out.bytes().data()),
                                                  out.bytes().size()));
    return result;
}

std::optional<std::filesystem::path> MagnetoPicturePath(const ProgramDir& dir, int rotation) {
    const std::string relative =
        std::string(MagnetoPictureFolder) + "/On" + std::to_string(rotation) + ".bmp";
    std::error_code ec;
    const std::filesystem::path path = dir.resolve(relative);
    if (!std::filesystem::is_regular_file(path, ec)) return std::nullopt;
    return path;
}

} // namespace hk
