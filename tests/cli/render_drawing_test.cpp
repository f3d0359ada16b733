// heliokres-cli render drawing: the record chosen by number or by date and
// time, the picture's width, and each refusal leaving no file.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "io/atomic_file.h"
#include "records/record_file.h"
#include "tests_support/png_size.h"
#include "tests_support/records.h"
#include "tests_support/run_cli.h"
#include "tests_support/temp_dir.h"

using namespace hk;
using namespace hk::test_records;

namespace {

struct RenderDrawingDir {
    RenderDrawingDir() {
        std::vector<TZaznam> rs{Record("01.03.2014", 800), Record("01.03.2014", 1400),
                                Record("02.03.2014", 1200)};
        for (TZaznam& z : rs) {
            z.NastaveniKresby = 125;
            AddGroup(z, "Dkc", 450, 600, 300);
        }
        WriteRecordFile(dir.path() / "datax.dat", rs);
    }
    // "render drawing DIR <options>", with --out FILE unless `file` is empty.
    CliRun render(const std::string& options, const std::string& file) const {
        return RunCli("render drawing " + ShellQuoted(dir.path()) + " " + options +
                      (file.empty() ? "" : " --out " + ShellQuoted(dir.path() / file)));
    }
    TempDir dir;
};

TEST(RenderDrawingCli, PicturesByRecordAndByDate) {
    const RenderDrawingDir f;
    const struct {
        const char* options;
        const char* file;
        const char* magic;
        unsigned width; // 0: not a PNG
    } rows[] = {
        {"--record 2", "a.png", "\x89PNG", 800},
        {"--date 02.03.2014 --width 1233", "b.png", "\x89PNG", 1233},
        {"--date 1.3.2014 --time 1400 --print-colours", "Zakres 2014-03-01.BMP", "BM", 0},
    };
    for (const auto& r : rows) {
        ASSERT_EQ(f.render(r.options, r.file).status, 0) << r.options;
        const std::string bytes = ReadWholeFile(f.dir.path() / r.file);
        EXPECT_EQ(bytes.rfind(r.magic, 0), 0u) << r.options;
        if (r.width) {
            EXPECT_EQ(PngSize(bytes).first, r.width) << r.options;
        }
    }
}

// Every row is a check of its own in the command (or a limit of this
// command's own); none leaves a file.
TEST(RenderDrawingCli, RefusalsWriteNothing) {
    const RenderDrawingDir f;
    const struct {
        const char* name;
        const char* options;
        const char* file;
        int status;
    } rows[] = {
        {"NoRecordChosen", "", "x.png", 2},
        {"BothRecordAndDate", "--record 1 --date 01.03.2014", "x.png", 2},
        {"RecordZero", "--record 0", "x.png", 2},
        {"TimeWithoutDate", "--record 1 --time 800", "x.png", 2},
        {"NoOutput", "--record 1", "", 2},
        {"RecordBeyondTheLast", "--record 4", "x.png", 1},
        {"DateNotInTheData", "--date 05.03.2014", "x.png", 1},
        {"TimeNotInTheData", "--date 01.03.2014 --time 900", "x.png", 1},
        {"BadDate", "--date 31.02.2014", "x.png", 2},
        {"UnknownPictureType", "--record 1", "x.gif", 1},
        {"WidthTooSmall", "--record 1 --width 10", "x.png", 2},
        {"WindowAndWidth", "--record 1 --window 600x820 --width 600", "x.png", 2},
        {"NoMagneticMap", "--record 1 --magnetosphere", "x.png", 1},
    };
    for (const auto& r : rows) {
        EXPECT_EQ(f.render(r.options, r.file).status, r.status) << r.name;
        if (*r.file) {
            EXPECT_FALSE(std::filesystem::exists(f.dir.path() / r.file)) << r.name;
        }
    }
    EXPECT_EQ(RunCli("render painting " + ShellQuoted(f.dir.path()) + " --record 1").status, 2);
    EXPECT_EQ(RunCli("render").status, 2);
}

} // namespace
