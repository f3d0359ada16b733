// heliokres-cli render map: a group drawn at the pixel of its Carrington
// position in the saved picture, the sizes and formats of the views, and the
// layers and kinds this command does not draw yet refused plainly.
#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "geometry/calendar.h"
#include "io/atomic_file.h"
#include "records/record.h"
#include "records/record_file.h"
#include "tests_support/butterfly_records.h"
#include "tests_support/pdf_pages.h"
#include "tests_support/png_size.h"
#include "tests_support/run_cli.h"
#include "tests_support/temp_dir.h"

using namespace hk;

namespace {

std::uint32_t le32(const std::string& s, std::size_t at) {
    const auto b = [&](std::size_t i) {
        return std::uint32_t(static_cast<unsigned char>(s[at + i]));
    };
    return b(0) | b(1) << 8 | b(2) << 16 | b(3) << 24;
}

// Red, green and blue of pixel (x, y) of an uncompressed 24- or 32-bit BMP.
std::array<int, 3> bmpPixel(const std::string& s, int x, int y) {
    const auto b = [&](std::size_t i) { return static_cast<unsigned char>(s[i]); };
    const std::uint32_t offset = le32(s, 10);
    const int width = static_cast<int>(le32(s, 18));
    const int height = static_cast<int>(le32(s, 22));
    const int bpp = b(28) | b(29) << 8;
    const int row = ((width * bpp / 8) + 3) / 4 * 4;
    const int line = height > 0 ? height - 1 - y : y;
    const std::size_t at = offset + std::size_t(line) * row + std::size_t(x) * (bpp / 8);
    return {b(at + 2), b(at + 1), b(at)};
}

struct MapDir {
    TempDir dir;
    int rotation = 0;
    double lon = 0, lat = -12.3;
    MapDir() {
        int day = DaySerial({2016, 4, 1});
        while (RecordEphemeris(test::RotationRecord(FormatDatum(DateFromSerial(day)).c_str()))->L0 <
               150)
            ++day;
        TZaznam z = test::RotationRecord(FormatDatum(DateFromSerial(day)).c_str());
        lon = RecordEphemeris(z)->L0 - 10;
        test::AddGroupAt(z, lon, lat, 1).Plocha = 300;
        rotation = z.Rotace;
        WriteRecordFile(dir.path() / "datax.dat", std::vector<TZaznam>{z});
    }
    // The map command with the fixture's rotation unless `rest` names one.
    std::string render(const std::string& rest) const {
        const bool own = rest.find("--rotation") != std::string::npos;
        return "render map " + ShellQuoted(dir.path()) +
               (own ? std::string() : " --rotation " + std::to_string(rotation)) + " " + rest;
    }
};

} // namespace

TEST(RenderMapCli, GroupLandsAtThePixelOfItsPositionAtEverySize) {
    MapDir f;
    const auto bmp = f.dir.path() / "mapa.bmp";
    struct Size {
        const char* option;
        unsigned width, height;
        int s; // the map's scale: by the height, or by the width when narrow
    };
    for (const Size& size : {Size{"", 1200, 820, 25}, Size{"--size 600x820 ", 600, 820, 12}}) {
        const CliRun run = RunCli(f.render(size.option + std::string("--out ") + ShellQuoted(bmp)));
        ASSERT_EQ(run.status, 0);
        const std::string b = ReadWholeFile(bmp);
        ASSERT_GT(b.size(), 54u);
        EXPECT_EQ(le32(b, 18), size.width);
        EXPECT_EQ(std::abs(static_cast<std::int32_t>(le32(b, 22))), int(size.height));
        const int s = size.s;
        const int x = ((760 * s) >> 4) - (static_cast<int>(2 * f.lon * s + 20 * s) >> 4);
        const int y = static_cast<int>(220 * s - 2 * f.lat * s) >> 4;
        // The group's circle (radius 4) covers its centre within the packing's error.
        EXPECT_EQ(bmpPixel(b, x, y), (std::array<int, 3>{0, 0, 0})) << size.width;
        EXPECT_EQ(bmpPixel(b, x, y - 30), (std::array<int, 3>{255, 255, 255})) << size.width;
    }
}

TEST(RenderMapCli, ViewsFormatsAndRefusals) {
    MapDir f;
    struct Row {
        const char* name;
        std::string args;
        int status;
        const char* message = nullptr; // on stderr
    };
    const std::string png = ShellQuoted(f.dir.path() / "m.png");
    const Row rows[] = {
        {"high map as the printed page", "--kind high --out " + ShellQuoted(f.dir.path() / "v.pdf"),
         0},
        {"corona graph without KoronaX", "--kind corona-graph --out " + png, 1,
         "Nejsou data pro koronu"},
        {"corona under the map without KoronaX: the map alone", "--corona --out " + png, 0,
         "Nejsou data pro koronu"},
        {"magnetosphere without Magneto: the map alone", "--magnetosphere --out " + png, 0,
         "Nejsou data pro magnetosféru"},
        {"layers only on the single map", "--kind long --corona --out " + png, 2},
        {"two maps without faculae and areas", "--kind two --no-faculae --no-areas --out " + png,
         0},
        {"unknown kind", "--kind wide --out " + png, 2},
        {"no output", "--kind single", 2},
        {"rotation out of range", "--rotation 0 --out " + png, 2},
        {"rotation not a number", "--rotation 2x --out " + png, 2},
        {"rotation without drawings", "--rotation 1500 --out " + png, 0},
    };
    for (const Row& r : rows) {
        const CliRun run = RunCli(f.render(r.args), true);
        EXPECT_EQ(run.status, r.status) << r.name << "\n" << run.out;
        if (r.message) {
            EXPECT_NE(run.out.find(r.message), std::string::npos) << r.name;
        }
    }
    // The two-map view at the default size.
    EXPECT_EQ(PngSize(ReadWholeFile(f.dir.path() / "m.png")),
              (std::pair<unsigned, unsigned>{1200, 820}));
    EXPECT_EQ(PdfPagesOfFile(f.dir.path() / "v.pdf"), 1);
}
