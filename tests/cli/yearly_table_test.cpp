#include <gtest/gtest.h>

#include <sstream>

#include "geometry/ephemeris.h"
#include "tests_support/run_cli.h"
#include "tests_support/temp_dir.h"
#include "text/number_format.h"

using namespace hk;

namespace {

std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> out;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        out.push_back(line);
    return out;
}

// 2028: a leap year whose January holds two starts, the second with the
// lower L0.
TEST(CliYearlyTable, DaysThenRotationStarts) {
    const CliRun r = RunCli("yearly-table 2028");
    ASSERT_EQ(r.status, 0);
    const std::vector<std::string> out = lines(r.out);
    ASSERT_GT(out.size(), 366u);
    std::size_t i = 0;
    double previousL0 = SolarEphemeris({2027, 12, 31}, 0).L0;
    std::vector<std::string> starts;
    for (int month = 1; month <= 12; ++month)
        for (int day = 1; day <= DaysInMonth(2028, month); ++day, ++i) {
            const Date d{2028, month, day};
            const Ephemeris e = SolarEphemeris(d, 0);
            ASSERT_EQ(out[i], FormatDatum(d) + ";" + FormatNumber(e.L0, "0.0") + ";" +
                                  FormatNumber(e.B0, "0.0") + ";" + FormatNumber(e.P, "0.0"));
            if (e.L0 > previousL0)
                starts.push_back("rotace;" + std::to_string(e.CarrRotation) + ";" + FormatDatum(d));
            previousL0 = e.L0;
        }
    EXPECT_EQ(std::vector<std::string>(out.begin() + 366, out.end()), starts);
    EXPECT_EQ(starts.at(0), "rotace;2333;03.01.2028");
    EXPECT_EQ(starts.at(1), "rotace;2334;31.01.2028");
}

TEST(CliYearlyTable, PicturesAndBadInput) {
    TempDir dir;
    const auto png = dir.path() / "t.png";
    const auto pdf = dir.path() / "t.pdf";
    EXPECT_EQ(RunCli("yearly-table 2026 --out " + ShellQuoted(png) + " --page 3").status, 0);
    EXPECT_EQ(RunCli("yearly-table 2026 --out " + ShellQuoted(pdf)).status, 0);
    ASSERT_TRUE(std::filesystem::exists(png));
    ASSERT_TRUE(std::filesystem::exists(pdf));
    EXPECT_EQ(RunCli("yearly-table 20x6").status, 2);
    EXPECT_EQ(RunCli("yearly-table 2026 --out " + ShellQuoted(png) + " --page 4").status, 2);
    EXPECT_EQ(RunCli("yearly-table 2026 --out " + ShellQuoted(dir.path() / "t.gif")).status, 1);
}

} // namespace
