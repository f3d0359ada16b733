// heliokres-cli render drawing: the picture of one record as PNG, JPEG or BMP.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "io/atomic_file.h"
#include "records/record_file.h"
#include "tests_support/png_size.h"
#include "tests_support/run_cli.h"
#include "tests_support/temp_dir.h"

using namespace hk;

namespace {

TZaznam record(const char* datum, std::uint16_t cas) {
    TZaznam z{};
    z.Datum.setText(datum);
    z.Cas = cas;
    z.NastaveniKresby = 125;
    for (auto& s : z.Skupiny)
        s.Typ.setText("***");
    z.PocetSkupin = 1;
    z.Skupiny[0].Typ.setText("Dkc");
    z.Skupiny[0].Uhel = 450;
    z.Skupiny[0].Vzd = 600;
    z.Skupiny[0].Plocha = 300;
    return z;
}

class RenderDrawingCli : public testing::Test {
  protected:
    void SetUp() override {
        WriteRecordFile(dir.path() / "datax.dat",
                        std::vector<TZaznam>{record("01.03.2014", 800), record("01.03.2014", 1400),
                                             record("02.03.2014", 1200)});
    }
    std::string quoted(const std::string& name) const {
        return "'" + (dir.path() / name).string() + "'";
    }
    std::string base() const { return "drawing '" + dir.path().string() + "' "; }
    TempDir dir;
};

struct OutputCase {
    const char* name;
    std::string options;
    std::string file;
    std::string magic;
    int width;
};
class RenderDrawingOutput : public RenderDrawingCli,
                            public testing::WithParamInterface<OutputCase> {};

TEST_P(RenderDrawingOutput, FormatByExtension) {
    const auto& c = GetParam();
    ASSERT_EQ(RunCli("render " + base() + c.options + " --out " + quoted(c.file)).status, 0);
    const std::string bytes = ReadWholeFile(dir.path() / c.file);
    ASSERT_GT(bytes.size(), 64u);
    // The format itself follows the extension in SaveImage (tst_jpeg_writer).
    EXPECT_EQ(bytes.substr(0, c.magic.size()), c.magic);
    if (c.width) {
        EXPECT_EQ(PngSize(bytes).first, unsigned(c.width));
    }
}
INSTANTIATE_TEST_SUITE_P(
    Files, RenderDrawingOutput,
    testing::Values(OutputCase{"PngByRecord", "--record 2", "a.png", "\x89PNG", 800},
                    OutputCase{"PngWidth", "--record 1 --width 1233", "b.png", "\x89PNG", 1233},
                    OutputCase{"JpegByDate", "--date 02.03.2014", "c.jpg", "\xFF\xD8\xFF", 0},
                    OutputCase{"BmpByDateAndTime", "--date 1.3.2014 --time 1400 --print-colours",
                               "Zakres 2014-03-01.BMP", "BM", 0}),
    [](const auto& info) { return std::string(info.param.name); });

struct FailureCase {
    const char* name;
    std::string options;
    std::string file;
    int status;
};
class RenderDrawingFailure : public RenderDrawingCli,
                             public testing::WithParamInterface<FailureCase> {};

TEST_P(RenderDrawingFailure, StatusAndNoFile) {
    const auto& c = GetParam();
    const std::string out = c.file.empty() ? "" : " --out " + quoted(c.file);
    EXPECT_EQ(RunCli("render " + base() + c.options + out).status, c.status);
    if (!c.file.empty()) {
        EXPECT_FALSE(std::filesystem::exists(dir.path() / c.file));
    }
}
INSTANTIATE_TEST_SUITE_P(
    Cases, RenderDrawingFailure,
    testing::Values(FailureCase{"NoRecordChosen", "", "x.png", 2},
                    FailureCase{"BothRecordAndDate", "--record 1 --date 01.03.2014", "x.png", 2},
                    FailureCase{"TimeWithoutDate", "--record 1 --time 800", "x.png", 2},
                    FailureCase{"NoOutput", "--record 1", "", 2},
                    FailureCase{"RecordBeyondTheLast", "--record 4", "x.png", 1},
                    FailureCase{"RecordZero", "--record 0", "x.png", 2},
                    FailureCase{"DateNotInTheData", "--date 05.03.2014", "x.png", 1},
                    FailureCase{"TimeNotInTheData", "--date 01.03.2014 --time 900", "x.png", 1},
                    FailureCase{"BadDate", "--date 31.02.2014", "x.png", 2},
                    FailureCase{"UnknownPictureType", "--record 1", "x.gif", 1},
                    FailureCase{"WidthTooSmall", "--record 1 --width 10", "x.png", 2}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(RenderDrawingCli, MissingDirectoryAndKind) {
    EXPECT_EQ(RunCli("render drawing " + ShellQuoted(dir.path() / "none") + " --record 1 --out " +
                     quoted("x.png"))
                  .status,
              1);
    EXPECT_EQ(RunCli("render painting " + ShellQuoted(dir.path()) + " --record 1").status, 2);
    EXPECT_EQ(RunCli("render").status, 2);
}

} // namespace
