#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "geometry/ephemeris.h"
#include "tests_support/pdf_pages.h"
#include "tests_support/run_cli.h"
#include "tests_support/temp_dir.h"
#include "text/number_format.h"

using namespace hk;

namespace {

// 2028: a leap year whose January holds two starts, the second with the
// lower L0.
TEST(CliYearlyTable, DaysThenRotationStarts) {
    const CliRun r = RunCli("yearly-table 2028");
    ASSERT_EQ(r.status, 0);
    std::istringstream in(r.out);
    std::string line;
    for (int month = 1; month <= 12; ++month)
        for (int day = 1; day <= DaysInMonth(2028, month); ++day) {
            const Date d{2028, month, day};
            const Ephemeris e = SolarEphemeris(d, 0);
            ASSERT_TRUE(std::getline(in, line));
            ASSERT_EQ(line, FormatDatum(d) + ";" + FormatNumber(e.L0, "0.0") + ";" +
                                FormatNumber(e.B0, "0.0") + ";" + FormatNumber(e.P, "0.0"));
        }
    std::string starts((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_EQ(starts.rfind("rotace;2333;03.01.2028\nrotace;2334;31.01.2028\n"
                           "rotace;2335;27.02.2028\n",
                           0),
              0u);
    EXPECT_EQ(std::count(starts.begin(), starts.end(), '\n'), 14);
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
