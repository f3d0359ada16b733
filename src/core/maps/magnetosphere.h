#pragma once
// The magnetogram data of the synoptic map: the daily files "Magneto/yymmdd"
// (16-bit words: 64 ends an image row, any other word w is the pixel of
// column w shr 7 with the value w and 63, a 0 word ends the file), the map
// layer drawn from them, the summation of every daily file into magn.dat and
// the reading back of magn.dat for a rotation whose daily files are gone.
#include <array>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "geometry/calendar.h"
#include "geometry/ephemeris.h"
#include "geometry/transforms.h"
#include "graphs/magn_dat.h"
#include "records/record_layout.h"

namespace hk {

class ProgramDir;

inline constexpr std::string_view MagnetoFolder = "Magneto";
inline constexpr std::string_view MagnDatName = "magn.dat";
inline constexpr std::string_view MagnetoPictureFolder = "magnetOBR";
inline constexpr const char* NoMagnetosphereData = "Nejsou data pro magnetosféru";
inline constexpr const char* NoCoronaData = "Nejsou data pro koronu";

// The first day of the summation.
inline constexpr Date MagnSumStart{1982, 1, 1};
// Days of the map layer: 39 days from 6 days before the current record.
inline constexpr int MagnetoLayerDays = 39;
inline constexpr int MagnetoLayerDaysBefore = 6;
// Longitude window around the central meridian, degrees.
inline constexpr double MagnetoCmdWindow = 40;

// True when the folder Magneto exists under the program directory.
bool HasMagnetoData(const ProgramDir& dir);

// Calls f(row, column, v) for every pixel word of a magnetogram: rows count
// from 1 and advance at every word 64; the walk ends at the first 0 word.
void ForEachMagnetogramPixel(std::span<const std::uint16_t> words,
                             const std::function<void(int row, int column, int v)>& f);

// The heliographic position of a magnetogram pixel: the image has solar
// north up, its disk centre at column 250 and row 213, one pixel 1.173709
// units of the 250-unit disk; the image is turned by P into the sky's
// orientation. nullopt off the disk.
std::optional<Heliographic> MagnetogramPixelToHeliographic(const Ephemeris& e, int row, int column);

// Carrington rotation in which a point passes the central meridian:
// Trunc((360 - L0 + CMD + CarrRotation * 360) / 360).
int CentralMeridianRotation(const Ephemeris& e, const Heliographic& h);

// The colour of a pixel value v: RGB(v*32, v*32, 255) when v*32 < 240,
// else RGB(255, 255 - v*32, 255 - v*32), each component modulo 256.
// Returned as 0xRRGGBB.
std::uint32_t MagnetoColour(int v);

// Map pixel of a longitude and latitude at scale s (sixteenths):
// x = (760 s) shr 4 - (Trunc(2 lon s + 20 s) shr 4),
// y = (Trunc(220 s - 2 lat s) shr 4) + yOffset.
struct MapPixel {
    int x = 0;
    int y = 0;
};
MapPixel MagnetoMapPixel(double lon, double lat, int s, int yOffset);

// One magnetogram pixel that belongs to the map's rotation.
struct MagnetoPoint {
    float lon = 0;
    float lat = 0;
    std::uint8_t v = 0; // 0..63
};

// One cell of magn.dat: latitude band row - 60 .. row - 59, longitude
// 4 column .. 4 column + 4, the stored byte ((v and 15) shl 4).
struct MagnetoCellValue {
    int row = 0;
    int column = 0;
    std::uint8_t value = 0;
};

// What the magnetosphere layer of one rotation shows, independent of the
// scale: the points of the daily files of the 39 days around the current
// record, or, when none of those files is there, the rotation's cells of
// magn.dat.
struct MagnetosphereData {
    int rotation = 0;
    int files = 0;                       // daily files read
    std::vector<MagnetoPoint> points;    // in file order (a later one wins)
    std::vector<MagnetoCellValue> cells; // non-zero cells of magn.dat
    bool fromMagnDat() const { return files == 0 && !cells.empty(); }
};

// Reads the daily files of the 39 days from 6 days before `recordDate`.
// A file that cannot be read is skipped. `magn` is the window's magn.dat
// (read once at map creation).
MagnetosphereData LoadMagnetosphere(const ProgramDir& dir, const Date& recordDate, int rotation,
                                    const MagnDatCells& magnCells);

// The layer laid out for a scale s and vertical offset: single pixels of the
// daily files (one per map position, the last one wins) and the rectangles
// of magn.dat cells, colours 0xRRGGBB.
struct MagnetoRect {
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0; // inclusive-exclusive pixel corners
    std::uint32_t rgb = 0;
};
struct MagnetosphereLayer {
    int rotation = 0;
    int s = 0;
    int yOffset = 0;
    std::vector<MapPixel> pixels;
    std::vector<std::uint32_t> colours; // one per pixel
    std::vector<MagnetoRect> rects;
    bool empty() const { return pixels.empty() && rects.empty(); }
};
MagnetosphereLayer LayoutMagnetosphere(const MagnetosphereData& data, int s, int yOffset);

// magn.dat of the program directory, at most `count` rotations from 1718
// (the blocks between rotation 1717 and the last record's rotation), as many
// as the file holds; none when it is missing or cannot be read.
MagnDatCells ReadMagnDat(const ProgramDir& dir, int count);
// The number of blocks for a last rotation: max(0, last - 1717).
int MagnBlocks(int lastRotation);

// The last drawing's rotation as a size of magn.dat: its Rotace when that
// agrees with its date (the rotation of the day, one either side), at most
// today's rotation; 0 and a warning naming the record when it does not (a
// damaged record's 65535 must not make the file hundreds of megabytes).
struct DrawingRotation {
    int rotation = 0;
    std::optional<std::string> warning;
};
DrawingRotation MagnDrawingRotation(std::span<const TZaznam> records, const Date& today);

// The cell of magn.dat a pixel of one day's magnetogram goes into: the
// pixel's point (MagnetogramPixelToHeliographic) with |lat| < 60 and within
// 40 degrees of the central meridian, filed by MagnCell in the rotation of
// its central-meridian passage. Most pixels take a shorter way than the
// transform (the image's turn by P and back cancels), and every one whose
// point lies near a limit or a cell border the transform's own way, so the
// cell is always the transform's.
class MagnetogramSummation {
  public:
    explicit MagnetogramSummation(const Ephemeris& e);
    // False when the pixel is not summed.
    bool cell(int row, int column, MagnCellIndex& out) const;

  private:
    bool exact(double r, double angleFromNorth, MagnCellIndex& out) const;
    bool summed(const Heliographic& h, MagnCellIndex& out) const;

    Ephemeris e_;
    double turn_, b0_, sinB0_, cosB0_, sin60_;
    std::array<double, 121> rowSines_{}; // sin(k - 60 degrees), the rows' borders
};

// The summation: every day from 01.01.1982 to `today`, each pixel of the
// day's file with |lat| < 60 and its longitude within 40 degrees of L0 into
// its magn.dat cell, the files decoded in parallel and their cells stored in
// day order, exactly as one after another; then magn.dat written atomically.
// The cells start as the existing magn.dat holds them, so the cells of daily
// files removed since stay. Its size comes from the data: the blocks up to
// the last one holding a cell, at least MagnBlocks(lastRotation).
// `progress(done, total)` is called after every day; returning false cancels
// the run, which then writes nothing. Throws std::runtime_error with a Czech
// message, writing nothing, when the folder Magneto is missing or holds no
// daily file of those days ("Nejsou data pro magnetosféru"), when the existing
// magn.dat cannot be read (a FIFO, a read error, larger than
// MagnDatFileLimit) or the new one cannot be written.
struct MagnetosphereSumResult {
    bool cancelled = false;
    int days = 0;   // days visited
    int files = 0;  // daily files read
    int pixels = 0; // pixels stored into cells
    int blocks = 0; // blocks written
    std::filesystem::path file;
};
using MagnSumProgress = std::function<bool(int done, int total)>;
MagnetosphereSumResult SumMagnetosphere(const ProgramDir& dir, const Date& today, int lastRotation,
                                        const MagnSumProgress& progress = {});

// The summation into `buffer`, without writing: the core of the above, for
// tests and the benchmark. `threads` decode the files (0: one per core, 1:
// all here in turn); the result is the same for any number. nullopt when
// cancelled.
std::optional<MagnDatCells> SumMagnetosphereInto(const ProgramDir& dir, const Date& today,
                                                 MagnDatCells buffer,
                                                 const MagnSumProgress& progress,
                                                 MagnetosphereSumResult& result,
                                                 unsigned threads = 0);

// "magnetOBR/On<R>.bmp" when it exists under the program directory.
std::optional<std::filesystem::path> MagnetoPicturePath(const ProgramDir& dir, int rotation);

} // namespace hk
