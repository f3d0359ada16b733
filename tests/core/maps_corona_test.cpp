// The magnetogram summation into magn.dat and its reading back by the map's
// magnetosphere layer, the colours of that layer, and the corona views.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <filesystem>
#include <numbers>
#include <set>
#include <stdexcept>
#include <string>
#include <sys/stat.h>
#include <tuple>
#include <vector>

#include "drawing/magnetic_map.h"
#include "geometry/calendar.h"
#include "geometry/ephemeris.h"
#include "geometry/transforms.h"
#include "io/atomic_file.h"
#include "maps/corona_views.h"
#include "maps/magnet_comparison.h"
#include "maps/magnetosphere.h"
#include "maps/map_dates.h"
#include "records/program_dir.h"
#include "tests_support/temp_dir.h"

namespace hk {
namespace {

const Date Day{2015, 3, 10};

// The image pixel (solar north up, centre column 250, row 213, 1.173709
// units of the 250-unit disk per pixel) of a heliographic point.
std::pair<int, int> imagePixel(const Ephemeris& e, double lon, double lat) {
    const DiskPolar p = HeliographicToPolar(e, float(lon), float(lat));
    const double a = (p.Angle - e.P) * std::numbers::pi / 180;
    return {static_cast<int>(std::lround(213 - p.Dist * std::cos(a) / 1.173709)),
            static_cast<int>(std::lround(250 - p.Dist * std::sin(a) / 1.173709))};
}

// Writes Magneto/`name` of the program directory `root`: a one-day
// magnetogram of the given pixels (row, column, value), rows in order.
void writeMagnetogram(const std::filesystem::path& root, const std::string& name,
                      std::vector<std::array<int, 3>> pixels) {
    std::sort(pixels.begin(), pixels.end());
    std::string bytes;
    auto word = [&](int w) {
        bytes += static_cast<char>(w & 0xFF);
        bytes += static_cast<char>((w >> 8) & 0xFF);
    };
    int row = 1;
    for (const auto& [r, c, v] : pixels) {
        for (; row < r; ++row)
            word(64);
        word(c * 128 + v);
    }
    word(64);
    word(0);
    std::filesystem::create_directories(root / "Magneto");
    WriteFileAtomic(root / "Magneto" / name, bytes);
}

TEST(MagnetosphereSum, PixelLandsInItsCellAndReadsBack) {
    TempDir tmp;
    const ProgramDir dir(tmp.path());
    const Ephemeris e = SolarEphemeris(Day, 1200);
    ASSERT_GT(e.L0, 60);
    ASSERT_LT(e.L0, 300);
    // A point 10 degrees east of the central meridian, in the middle of a
    // magn.dat cell: latitude 15.5 (row 75), longitude 4 c + 2.
    const int column = static_cast<int>(std::floor((e.L0 - 10) / 4));
    const double lon = 4 * column + 2, lat = 15.5;
    const auto [row, col] = imagePixel(e, lon, lat);
    // Too far north, and too far from the central meridian: never summed.
    const auto [rowN, colN] = imagePixel(e, lon, 65);
    const auto [rowW, colW] = imagePixel(e, e.L0 - 50, 10);
    writeMagnetogram(tmp.path(), "150310", {{row, col, 13}, {rowN, colN, 9}, {rowW, colW, 9}});

    // A cell of an earlier summation whose daily file is gone.
    std::string earlier(MagnBlockBytes, '\0');
    earlier[10 * MagnColumns + 3] = char(5 << 4);
    WriteFileAtomic(tmp.path() / "magn.dat", earlier);

    const MagnetosphereSumResult r = SumMagnetosphere(dir, Day, e.CarrRotation + 2);
    EXPECT_EQ(std::tuple(r.cancelled, r.files, r.pixels), std::tuple(false, 1, 1));
    EXPECT_EQ(std::filesystem::file_size(tmp.path() / "magn.dat"),
              std::uintmax_t(e.CarrRotation + 2 - 1717) * MagnBlockBytes);

    const MagnDatCells back = ReadMagnDat(dir, MagnBlocks(e.CarrRotation + 2));
    EXPECT_EQ(std::pair(int(back.cell(e.CarrRotation, 75, column)), int(back.cell(1718, 10, 3))),
              std::pair(13 << 4, 5 << 4));
    EXPECT_EQ(std::count_if(back.bytes().begin(), back.bytes().end(), [](auto b) { return b; }), 2);

    // A later run for a store cut back to an early rotation keeps every
    // cell; only the empty blocks after the last cell go.
    const MagnetosphereSumResult again = SumMagnetosphere(dir, Day, 1718);
    const MagnDatCells kept = ReadMagnDat(dir, 100000);
    EXPECT_EQ(again.blocks, kept.rotations());
    EXPECT_EQ(kept.rotations(), back.usedRotations());
    EXPECT_TRUE(std::equal(kept.bytes().begin(), kept.bytes().end(), back.bytes().begin()));

    // The map of the rotation draws the day's pixels near the central
    // meridian (the northern one too: the 60 degree limit is the summation's)
    // while the file is there...
    const MagnetosphereData daily = LoadMagnetosphere(dir, Day, e.CarrRotation, back);
    ASSERT_EQ(daily.points.size(), 2u);
    const MagnetoPoint& pt = daily.points[1]; // file order: the northern row first
    EXPECT_LT(std::max({std::abs(double(pt.lon) - lon), std::abs(double(pt.lat) - lat),
                        std::abs(double(daily.points[0].lat) - 65)}),
              0.6);
    const MagnetosphereLayer px = LayoutMagnetosphere(daily, 16, 0);
    ASSERT_EQ(px.pixels.size(), 2u);
    const std::size_t i = px.pixels[0].y > px.pixels[1].y ? 0 : 1; // the southern one
    EXPECT_EQ(px.colours[i], MagnetoColour(13));
    EXPECT_NEAR(px.pixels[i].x, 760 - 2 * lon - 20, 2);
    EXPECT_NEAR(px.pixels[i].y, 220 - 2 * lat, 2);

    // ... and the cell of magn.dat once the daily files are gone.
    std::filesystem::remove(tmp.path() / "Magneto" / "150310");
    const MagnetosphereData cells = LoadMagnetosphere(dir, Day, e.CarrRotation, back);
    EXPECT_TRUE(cells.fromMagnDat());
    ASSERT_EQ(cells.cells.size(), 1u);
    const MagnetosphereLayer rects = LayoutMagnetosphere(cells, 16, 100);
    ASSERT_EQ(rects.rects.size(), 1u);
    const MagnetoRect& c = rects.rects[0];
    EXPECT_EQ(c.rgb, MagnetoColour(13));
    // At s = 16 a degree is two pixels: 8 wide, 2 high, shifted by the offset.
    EXPECT_EQ(std::vector<int>({c.x1, c.x2 - c.x1, c.y1, c.y2 - c.y1}),
              std::vector<int>({740 - 2 * 4 * (column + 1), 8, 220 - 2 * 16 + 100, 2}));
}

TEST(MagnetosphereSum, CancelledRunLeavesMagnDatAsItWas) {
    TempDir tmp;
    const ProgramDir dir(tmp.path());
    const Ephemeris e = SolarEphemeris(Day, 1200);
    const auto [row, col] = imagePixel(e, e.L0, 0);
    writeMagnetogram(tmp.path(), "150310", {{row, col, 5}});
    const std::string old(3 * MagnBlockBytes + 17, '\x5A');
    WriteFileAtomic(tmp.path() / "magn.dat", old);

    int calls = 0;
    const MagnetosphereSumResult r =
        SumMagnetosphere(dir, Day, e.CarrRotation, [&](int done, int total) {
            ++calls;
            EXPECT_EQ(total, DaySerial(Day) - DaySerial(Date{1982, 1, 1}) + 1);
            return done < 12000;
        });
    EXPECT_EQ(std::pair(r.cancelled, calls), std::pair(true, 12000));
    EXPECT_EQ(ReadWholeFile(tmp.path() / "magn.dat"), old);
    // Magneto and magn.dat, no temporary file.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(tmp.path()), {}), 2);
}

TEST(MagnetosphereSum, MissingFoldersGiveTheMessages) {
    TempDir tmp;
    const ProgramDir dir(tmp.path());
    EXPECT_FALSE(HasMagnetoData(dir));
    try {
        SumMagnetosphere(dir, Day, 2200);
        FAIL() << "summation without Magneto";
    } catch (const std::runtime_error& e) {
        EXPECT_STREQ(e.what(), "Nejsou data pro magnetosféru");
    }
    EXPECT_FALSE(std::filesystem::exists(tmp.path() / "magn.dat"));
    // Without daily files and magn.dat the layer is empty.
    const MagnetosphereData d = LoadMagnetosphere(dir, Day, 2160, ReadMagnDat(dir, 500));
    EXPECT_TRUE(LayoutMagnetosphere(d, 26, 0).empty());
    // Without corona data no corona view draws anything.
    const CoronaTable none;
    EXPECT_FALSE(MakeCoronaGraph(none, 3).present ||
                 MakeCoronaUnderMap(none, 2160, 26, 0).present || MakeCoronaDay(none, 0).present);
}

TEST(MagnetosphereLayer, ColourRuleAroundItsBoundary) {
    const std::tuple<const char*, int, std::uint32_t> rows[] = {
        {"zero", 0, 0x0000FF},
        {"last blue, v*32 = 224", 7, 0xE0E0FF},
        {"first red, v*32 = 256 wraps to white", 8, 0xFFFFFF},
        {"strongest of the summed nibble", 15, 0xFF1F1F},
        {"six-bit maximum wraps modulo 256", 63, 0xFF1F1F},
        {"v*32 = 320", 10, 0xFFBFBF},
    };
    for (const auto& [name, v, rgb] : rows)
        EXPECT_EQ(MagnetoColour(v), rgb) << name;
}

// A corona table of consecutive days from `first`, value k of day row i
// being (3 i + k) mod 200.
CoronaTable coronaDays(const Date& first, int days) {
    CoronaTable t;
    for (int i = 0; i < days; ++i) {
        const Date d = DateFromSerial(DaySerial(first) + i);
        const std::uint8_t head[6] = {
            1, std::uint8_t(d.year - 1900), std::uint8_t(d.month), std::uint8_t(d.day), 0, 0};
        t.coronaBytes.insert(t.coronaBytes.end(), head, head + 6);
        for (int k = 1; k <= CoronaValues; ++k)
            t.coronaBytes.push_back(static_cast<std::uint8_t>((3 * i + k) % 200));
    }
    t.coronaLength = t.coronaBytes.size();
    return t;
}

TEST(CoronaGraph, PolygonsOfAKnownTable) {
    const CoronaTable t = coronaDays(Date{1940, 1, 1}, 400);
    const CoronaGraphModel m = MakeCoronaGraph(t, 2);
    ASSERT_TRUE(m.present);
    EXPECT_EQ(m.firstRow, 27u); // Round(27.2758)
    // A day past the table's last row is no day of it.
    EXPECT_TRUE(MakeCoronaDay(t, t.rows() - 1).present);
    EXPECT_FALSE(MakeCoronaDay(t, t.rows()).present);
    // The first day drawn, row 28, and its Carrington rotation.
    EXPECT_EQ(std::pair(m.date, m.titleRotation),
              std::pair(std::optional(Date{1940, 1, 29}), 1155));
    const auto& east = m.polygons[0]; // k = 1, base 105, rows 28..127
    ASSERT_EQ(east.size(), 102u);
    const auto xy = [](const auto& p) { return std::pair(int(p.x), int(p.y)); };
    const std::vector<std::pair<int, int>> corners = {{20, 105 - (3 * 28 + 1) / 2},
                                                      {1010, 105 - (3 * 127 + 1) % 200 / 2},
                                                      {1010, 105},
                                                      {20, 105}};
    EXPECT_EQ(std::vector({xy(east[0]), xy(east[99]), xy(east[100]), xy(east[101])}), corners);
    const auto& west = m.polygons[36]; // k = 37, base 385, fourteen days later
    EXPECT_EQ(std::pair(int(west[0].y), int(west[101].y)), std::pair(385 - (3 * 42 + 37) / 2, 385));
    EXPECT_EQ(m.rotationLines, (std::array<int, 4>{120, 390, 670, 940}));
    // Past the table's end the values read zero: flat at the base line.
    const CoronaGraphModel end = MakeCoronaGraph(t, 15);
    EXPECT_EQ(end.polygons[0][99].y, 105);
}

// The map's corona graph of a rotation: from the rotation's first day (the
// map's title date), labelled with that rotation.
TEST(CoronaGraph, OfARotationStartsOnItsFirstDay) {
    const int R = 2295;
    const Date start = MapRotationDates(R).startDate;
    ASSERT_EQ(start, (Date{2025, 3, 3}));
    const CoronaTable t = coronaDays(Date{2025, 1, 1}, 200);
    const CoronaGraphModel m = MakeCoronaGraphOfRotation(t, R);
    ASSERT_TRUE(m.present);
    EXPECT_EQ(std::pair(m.titleRotation, m.date), std::pair(R, std::optional(start)));
    const int row = DaySerial(start) - DaySerial(Date{2025, 1, 1});
    EXPECT_EQ(m.polygons[0][0].y, 105 - (3 * row + 1) % 200 / 2); // day 1 is the start
    const int next = DaySerial(MapRotationDates(R + 1).startDate) - DaySerial(start);
    EXPECT_EQ(std::pair(m.rotationLines[0], m.rotationLines[1]), std::pair(20, 20 + 10 * next));
    // A table without the rotation's first day draws nothing of it.
    EXPECT_FALSE(MakeCoronaGraphOfRotation(coronaDays(Date{2025, 4, 1}, 50), R).present);
}

TEST(CoronaUnderMap, RotationDaysOnTheLongitudeAxis) {
    const int R = 2160;
    const Date start = MapRotationDates(R).startDate;
    CoronaTable t = coronaDays(DateFromSerial(DaySerial(start) - 60), 150);
    // Rows found by date across a missing day.
    const Date gap = DateFromSerial(DaySerial(start) + 40);
    const std::size_t gapRow = 100;
    ASSERT_EQ(CoronaFindRow(t, gap), gapRow);
    t.coronaBytes.erase(t.coronaBytes.begin() + std::ptrdiff_t(gapRow * CoronaRowBytes),
                        t.coronaBytes.begin() + std::ptrdiff_t((gapRow + 1) * CoronaRowBytes));
    t.coronaLength = t.coronaBytes.size();
    EXPECT_FALSE(CoronaFindRow(t, gap));
    EXPECT_EQ(CoronaFindRow(t, DateFromSerial(DaySerial(gap) + 1)), gapRow);
    EXPECT_EQ(CoronaFindRow(t, start), 60u);

    const int s = 16;
    const CoronaUnderMapModel m = MakeCoronaUnderMap(t, R, s, 0);
    ASSERT_TRUE(m.present);
    EXPECT_TRUE(m.days == 27 || m.days == 28) << m.days;
    EXPECT_EQ(m.rects.size(), std::size_t(m.days) * 36);
    for (const CoronaUnderMapRect& r : m.rects)
        EXPECT_TRUE(r.x1 >= 20 && r.x2 <= 740 && r.y1 >= 40 && r.y2 <= 400);
    // The columns run from longitude 360 (left) to 0 with time, day after day.
    EXPECT_LT(m.rects.front().x1, m.rects.back().x1);
    // A day's band is the mean of its two limbs: one value everywhere gives
    // that value's green.
    for (std::size_t i = 0; i < t.coronaBytes.size(); ++i)
        if (i % CoronaRowBytes >= 6) t.coronaBytes[i] = 60;
    std::set<int> greens;
    for (const CoronaUnderMapRect& r : MakeCoronaUnderMap(t, R, s, 0).rects)
        greens.insert(r.green);
    EXPECT_EQ(greens, std::set<int>{255 - 2 * 60});

    // The table must reach 27 rows past the rotation's first day.
    const CoronaTable shortTable = coronaDays(DateFromSerial(DaySerial(start) - 5), 30);
    EXPECT_FALSE(MakeCoronaUnderMap(shortTable, R, s, 0).present);
}

// The summation files every pixel of the image where the transform puts it
// (its own short way included), on days whose P and B0 lie at their
// extremes and between.
TEST(MagnetosphereSum, EveryPixelGoesToTheTransformsCell) {
    for (const Date& d :
         {Date{1982, 6, 1}, Date{1989, 3, 6}, Date{1994, 4, 6}, Date{2001, 6, 6}, Date{2008, 9, 8},
          Date{2014, 10, 10}, Date{2020, 12, 21}, Date{2026, 7, 4}}) {
        const Ephemeris e = SolarEphemeris(d, 1200);
        const MagnetogramSummation sum(e);
        int summed = 0;
        for (int row = 0; row <= 430; ++row)
            for (int column = 0; column < 512; ++column) {
                const auto h = MagnetogramPixelToHeliographic(e, row, column);
                MagnCellIndex want{}, got{};
                const bool wanted = h && std::fabs(h->Lat) < 60 && std::fabs(h->CMD) <= 40 &&
                                    MagnCell(CentralMeridianRotation(e, *h), h->Lat, h->Lon, want);
                ASSERT_EQ(sum.cell(row, column, got), wanted)
                    << FormatDatum(d) << " row " << row << " column " << column;
                if (!wanted) continue;
                ++summed;
                ASSERT_EQ(std::tie(got.rotation, got.row, got.column),
                          std::tie(want.rotation, want.row, want.column))
                    << FormatDatum(d) << " row " << row << " column " << column;
            }
        EXPECT_GT(summed, 40000) << FormatDatum(d);
    }
}

// Forty days of full magnetograms: decoded by several threads the buffer is
// byte for byte the one of a single thread, which stores the days in turn.
TEST(MagnetosphereSum, ThreadsGiveTheSameCellsAsOne) {
    TempDir tmp;
    for (int d = 0; d < 40; ++d) {
        std::vector<std::array<int, 3>> pixels;
        for (int row = 1; row <= 426; ++row)
            for (int column = 37 + (row + d) % 3; column <= 463; column += 3)
                pixels.push_back({row, column, (row * 7 + column + d) % 64});
        writeMagnetogram(tmp.path(), MagneticMapFileName(DateFromSerial(DaySerial(Day) - d)),
                         pixels);
    }
    MagnetosphereSumResult one, many;
    const auto a = SumMagnetosphereInto(ProgramDir(tmp.path()), Day, MagnDatCells(), {}, one, 1);
    const auto b = SumMagnetosphereInto(ProgramDir(tmp.path()), Day, MagnDatCells(), {}, many, 3);
    ASSERT_TRUE(a && b);
    EXPECT_EQ(std::pair(one.files, many.pixels), std::pair(40, one.pixels));
    EXPECT_TRUE(a->bytes() == b->bytes());
}

// magn.dat is never written over a file the summation could not read, never
// empty, and its size comes from the data, not from a damaged record.
TEST(MagnetosphereSum, WritesOnlyWhatItReadAndSizesFromTheData) {
    TempDir tmp;
    const ProgramDir dir(tmp.path());
    const auto magnCells = tmp.path() / "magn.dat";
    std::filesystem::create_directories(tmp.path() / "Magneto");
    // No daily file: nothing to sum, no file.
    EXPECT_THROW(SumMagnetosphere(dir, Day, 2300), std::runtime_error);
    EXPECT_FALSE(std::filesystem::exists(magnCells));
    const Ephemeris e = SolarEphemeris(Day, 1200);
    const auto [row, col] = imagePixel(e, e.L0, 0);
    writeMagnetogram(tmp.path(), "150310", {{row, col, 5}});
    // A FIFO of that name: refused at once, left a FIFO.
    ASSERT_EQ(::mkfifo(magnCells.c_str(), 0600), 0);
    EXPECT_THROW(SumMagnetosphere(dir, Day, 2300), std::runtime_error);
    EXPECT_EQ(std::filesystem::status(magnCells).type(), std::filesystem::file_type::fifo);
    std::filesystem::remove(magnCells);

    // The last drawing's rotation sizes the file only when its date agrees.
    const Date today{2026, 12, 6};
    const int todays = SolarEphemeris(today, 2359).CarrRotation;
    auto drawing = [](const char* date, int rotation) {
        TZaznam z{};
        z.Datum.setText(date);
        z.Rotace = static_cast<std::uint16_t>(rotation);
        return std::vector<TZaznam>{z};
    };
    const int march2015 = SolarEphemeris(Day, 0).CarrRotation;
    const struct {
        const char* name;
        std::vector<TZaznam> records;
        int rotation;
        bool warned;
    } rows[] = {
        {"agrees", drawing("10.03.2015", march2015), march2015, false},
        {"a rotation far from its date", drawing("10.03.2015", 65535), 0, true},
        {"dated ahead: today's rotation at most",
         drawing("01.01.2100", SolarEphemeris(Date{2100, 1, 1}, 0).CarrRotation), todays, false},
        {"a rotation that 16 bits cannot hold", drawing("01.01.9999", 65535), 0, true},
        {"no drawing", {}, 0, false},
    };
    for (const auto& r : rows) {
        const DrawingRotation d = MagnDrawingRotation(r.records, today);
        EXPECT_EQ(d.rotation, r.rotation) << r.name;
        EXPECT_EQ(d.warning.has_value(), r.warned) << r.name;
    }
    const MagnetosphereSumResult sum = SumMagnetosphere(dir, Day, 0);
    EXPECT_EQ(sum.blocks, CentralMeridianRotation(e, {0, 0, e.L0}) - 1717);
    EXPECT_EQ(std::filesystem::file_size(magnCells), std::uintmax_t(sum.blocks) * MagnBlockBytes);
    // Reading for a map of rotation 65535 allocates only what the file holds.
    EXPECT_EQ(ReadMagnDat(dir, MagnBlocks(65535)).rotations(), sum.blocks);
}

} // namespace

// The comparison of the magnetosphere with the maps: what the four typed
// fields accept, and which magn.dat cells a row shows for a latitude band.
TEST(MagnetComparison, FieldsAcceptOnlyWhatMagnDatHolds) {
    const struct {
        const char *from, *to, *cycles, *rotationText;
        bool ok;
    } rows[] = {
        {" -10", "-25 ", "1", "1718", true}, // a southern band, spaces around
        {"0", "60", "6", "2300", true},      // the last rotation
        {"61", "10", "3", "1958", false},    {"10", "10", "3", "1958", false},
        {"2O", "10", "3", "1958", false},    {"20", "10", "0", "1958", false},
        {"20", "10", "7", "1958", false},    {"20", "10", "3", "1717", false},
        {"20", "10", "3", "2301", false},    {"", "10", "3", "1958", false},
    };
    for (const auto& p : rows) {
        SCOPED_TRACE(std::string(p.from) + "|" + p.to + "|" + p.cycles + "|" + p.rotationText);
        MagnetComparisonParams v;
        v.rowHeight = 9;
        const MagnetComparisonParams pred = v;
        const auto error = ParseMagnetComparison(p.from, p.to, p.cycles, p.rotationText, 2300, v);
        EXPECT_EQ(!error.has_value(), p.ok);
        // A refused field changes nothing.
        if (!p.ok) {
            EXPECT_EQ(std::pair(v.from, v.rotationText), std::pair(pred.from, pred.rotationText));
            EXPECT_FALSE(error->empty());
        }
        EXPECT_EQ(v.rowHeight, 9);
    }
}

TEST(MagnetComparison, RowShowsTheStrongestCellOfTheBandOnly) {
    // Rotation 1720: column 5 has a weak cell (v = 9) at latitude 12 and a
    // strong one (v = 15) at latitude 18; column 6 a cell at latitude 30,
    // outside the band 10..20.
    MagnDatCells magnCells = MagnDatCells::fromBytes({}, 5);
    magnCells.store({1720, 12 + 60, 5}, 9);
    magnCells.store({1720, 18 + 60, 5}, 15);
    magnCells.store({1720, 30 + 60, 6}, 1);
    magnCells.store({1721, 19 + 60, 7}, 2);
    const MagnetComparisonParams v{.from = 20, .to = 10, .cycles = 2, .rotationText = 1720};
    const RotationIndex index = RotationIndex::of({});
    const std::vector<TZaznam> none;
    const GeometryCache g = GeometryCache::of(none);
    const MagnetComparison m = MakeMagnetComparison(none, g, index, magnCells, v, 3);
    EXPECT_EQ(std::pair(m.latLo, m.latHi), std::pair(10, 20));
    // No record after rotation 1720: one row of two rotations side by side.
    ASSERT_EQ(std::pair(m.rows, m.rotations.size()), std::pair(1, 2ul));
    ASSERT_TRUE(m.rotation(1720) && m.rotation(1721));
    EXPECT_EQ(std::vector<int>({m.rotation(1720)->values[5], m.rotation(1720)->values[6],
                                m.rotation(1721)->values[7]}),
              std::vector<int>({15, 0, 2}));
    EXPECT_EQ(m.rotation(1722), nullptr);
    // The rows that fit the height.
    EXPECT_EQ(MagnetComparisonRows(660, 6), 100);
    EXPECT_EQ(MagnetComparisonRows(30, 6), 0);
}

} // namespace hk
