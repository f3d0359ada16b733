// heliokres-cli magnetosphere-sum on the demo's magnetograms (its refusal
// without them is a hostile-input row); render map reading magn.dat back and
// drawing the corona views.
#include <gtest/gtest.h>

#include <filesystem>

#include "tests_support/run_cli.h"
#include "tests_support/temp_dir.h"

using namespace hk;

namespace {

constexpr std::uintmax_t Block = 10890;

TEST(MagnetosphereCli, SumWritesMagnDatAndTheMapsDrawIt) {
    TempDir tmp;
    const std::filesystem::path dir = tmp.path() / "demo";
    ASSERT_EQ(RunCli("demo " + ShellQuoted(dir) + " --years 1 --per-year 40").status, 0);

    const CliRun sum = RunCli("magnetosphere-sum " + ShellQuoted(dir), true);
    ASSERT_EQ(sum.status, 0) << sum.out;
    EXPECT_NE(sum.out.find("Počítá se: 100 %"), std::string::npos) << sum.out;
    const std::filesystem::path magnCells = dir / "magn.dat";
    ASSERT_TRUE(std::filesystem::exists(magnCells));
    const std::uintmax_t size = std::filesystem::file_size(magnCells);
    EXPECT_GT(size, 0u);
    EXPECT_EQ(size % Block, 0u);

    // Without the daily files the map reads the cells back from magn.dat.
    std::filesystem::rename(dir / "Magneto", tmp.path() / "Magneto-pryc");
    std::filesystem::create_directory(dir / "Magneto");
    const int lastRotation = static_cast<int>(1717 + size / Block);
    const std::filesystem::path back = tmp.path() / "back.png";
    const std::filesystem::path plain = tmp.path() / "plain.png";
    const std::string map = "render map " + ShellQuoted(dir) + " --rotation " +
                            std::to_string(lastRotation) + " --no-faculae --out ";
    ASSERT_EQ(RunCli(map + ShellQuoted(back) + " --magnetosphere").status, 0);
    ASSERT_EQ(RunCli(map + ShellQuoted(plain)).status, 0);
    EXPECT_NE(std::filesystem::file_size(back), std::filesystem::file_size(plain));

    for (const char* kind : {"corona-graph", "corona-butterfly"}) {
        const std::filesystem::path out = tmp.path() / (std::string(kind) + ".pdf");
        const CliRun r =
            RunCli("render map " + ShellQuoted(dir) + " --rotation " +
                   std::to_string(lastRotation) + " --kind " + kind + " --out " + ShellQuoted(out));
        EXPECT_EQ(r.status, 0) << kind;
        EXPECT_TRUE(std::filesystem::exists(out)) << kind;
    }
}

} // namespace
