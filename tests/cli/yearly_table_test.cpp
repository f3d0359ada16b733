#include <gtest/gtest.h>

#include <algorithm>

#include "tests_support/pdf_pages.h"
#include "tests_support/run_cli.h"
#include "tests_support/temp_dir.h"

using namespace hk;

namespace {

// 2028: a leap year whose January holds two starts, the second with the
// lower L0. One line a day (L0, B0, P at 0h), then one a rotation start.
TEST(CliYearlyTable, DaysThenRotationStarts) {
    const CliRun r = RunCli("yearly-table 2028");
    ASSERT_EQ(r.status, 0);
    EXPECT_EQ(r.out.rfind("01.01.2028;24.0;-2.9;2.3\n02.01.2028;10.9;-3.1;1.8\n", 0), 0u);
    for (const char* line : {"\n29.02.2028;327.2;-7.2;-21.4\n01.03.2028;314.1;-7.2;-21.6\n",
                             "\n31.12.2028;246.5;-2.9;2.4\nrotace;2333;03.01.2028\n"
                             "rotace;2334;31.01.2028\nrotace;2335;27.02.2028\n"})
        EXPECT_NE(r.out.find(line), std::string::npos) << line;
    EXPECT_EQ(std::count(r.out.begin(), r.out.end(), '\n'), 366 + 14);
}

TEST(CliYearlyTable, PicturesAndBadInput) {
    TempDir dir;
    const auto png = dir.path() / "t.png";
    const auto pdf = dir.path() / "t.pdf";
    EXPECT_EQ(RunCli("yearly-table 2026 --out " + ShellQuoted(png) + " --page 3").status, 0);
    EXPECT_TRUE(std::filesystem::exists(png));
    EXPECT_EQ(RunCli("yearly-table 2026 --out " + ShellQuoted(pdf)).status, 0);
    EXPECT_EQ(PdfPagesOfFile(pdf), 3);
    EXPECT_EQ(RunCli("yearly-table 2026 --out " + ShellQuoted(pdf) + " --page 2").status, 0);
    EXPECT_EQ(PdfPagesOfFile(pdf), 1);
    EXPECT_EQ(RunCli("yearly-table 20x6").status, 2);
    EXPECT_EQ(RunCli("yearly-table 2026 --out " + ShellQuoted(png) + " --page 4").status, 2);
    EXPECT_EQ(RunCli("yearly-table 2026 --out " + ShellQuoted(dir.path() / "t.gif")).status, 1);
}

} // namespace
