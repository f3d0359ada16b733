// heliokres-cli graphs drawn from real SILSO data and from a long archive.
#include <filesystem>
#include <gtest/gtest.h>
#include <map>
#include <string>
#include <vector>

#include "cli/csv_table.h"
#include "io/atomic_file.h"
#include "tests_support/png_size.h"
#include "tests_support/run_cli.h"
#include "tests_support/temp_dir.h"

using namespace hk;

namespace {

// SILSO's daily file ends on 31 July 2024 (tests/data, January 2023 on); the
// import marks the rest of 2024 missing. The smoothed international number
// drawn over the demo's records (--data: the numbers drawn) follows SILSO's
// own 13-month smoothed values and ends six months before July 2024 instead
// of falling towards zero (June 2024: 89.5 where SILSO has 152.8).
TEST(ImportSilso, TheSmoothedSeriesEndsSixMonthsBeforeItsLastDay) {
    TempDir dir;
    ASSERT_EQ(RunCli("demo " + ShellQuoted(dir.path()) + " --years 2 --seed 5").status, 0);
    for (const auto& f : std::filesystem::directory_iterator(dir.path() / "SIDC"))
        if (f.path().filename().string().starts_with("dssn")) std::filesystem::remove(f.path());
    const std::filesystem::path slice =
        std::filesystem::path(HELIOKRES_SOURCE_DIR) / "tests/data/SN_d_hem_2023-01_2024-07.csv";
    ASSERT_EQ(RunCli("import silso " + ShellQuoted(dir.path()) + " " + ShellQuoted(slice)).status,
              0);
    const std::filesystem::path csv = dir.path() / "r.csv";
    const CliRun r =
        RunCli("render smoothed " + ShellQuoted(dir.path()) + " --series r --brussels 1 --out " +
                   ShellQuoted(dir.path() / "r.png") + " --data " + ShellQuoted(csv),
               true);
    ASSERT_EQ(r.status, 0) << r.out;
    EXPECT_NE(r.out.find(csv.string()), std::string::npos) << r.out;
    const CsvTable table = ReadCsvTable(csv);
    ASSERT_EQ(table[0], (std::vector<std::string>{"měsíc", "Relativní číslo: vyhlazený průměr",
                                                  "Brusel R x 1.00: vyhlazený průměr"}));
    std::map<std::string, std::string> brusselsCurve; // month -> cell
    for (std::size_t k = 1; k < table.size(); ++k)
        brusselsCurve[table[k][0].substr(0, 7)] = table[k].back();
    const struct {
        const char* month;
        double silso; // 0: no value drawn
    } rows[] = {{"2023-06", 0}, {"2023-07", 124.6}, {"2023-12", 129.5}, {"2024-01", 131.2},
                {"2024-02", 0}, {"2024-06", 0},     {"2024-12", 0}};
    EXPECT_EQ(brusselsCurve.begin()->first, "2023-07"); // the first value drawn
    for (const auto& row : rows) {
        SCOPED_TRACE(row.month);
        if (row.silso == 0)
            EXPECT_EQ(brusselsCurve[row.month], "");
        else // the daily values are whole numbers and the monthly means truncated
            EXPECT_NEAR(std::stod(brusselsCurve[row.month]), row.silso, 1.5);
    }
}

// Sixty years at two pixels a day would be 44,000 pixels wide: the picture
// keeps the whole axis at fewer pixels a day and says so.
TEST(GraphsCli, LongArchiveKeepsTheWholeTimeAxis) {
    TempDir dir;
    ASSERT_EQ(
        RunCli("demo " + ShellQuoted(dir.path()) + " --years 60 --per-year 12 --seed 3").status, 0);
    const std::filesystem::path png = dir.path() / "g.png";
    const CliRun r = RunCli(
        "render graph " + ShellQuoted(dir.path()) + " --series g --out " + ShellQuoted(png), true);
    ASSERT_EQ(r.status, 0) << r.out;
    EXPECT_NE(r.out.find("graf má 2 px na 2 dny"), std::string::npos) << r.out;
    const unsigned width = PngSize(ReadWholeFile(png)).first;
    EXPECT_GT(width, 20000u);
    EXPECT_LT(width, 30000u);

    // --from and --to: the period's drawings only, at two pixels a day again.
    const std::string graph = "render graph " + ShellQuoted(dir.path()) + " --series g ";
    const std::filesystem::path csv = dir.path() / "g.csv";
    const CliRun part =
        RunCli(graph + "--from 1.7.2000 --to 31.12.2009 --data " + ShellQuoted(csv), true);
    ASSERT_EQ(part.status, 0) << part.out;
    EXPECT_EQ(part.out.find("graf má"), std::string::npos) << part.out;
    const CsvTable table = ReadCsvTable(csv);
    EXPECT_GT(table.size(), 51u); // the header and more than 50 days
    EXPECT_GE(table[1][0], "2000-07-01");
    EXPECT_LE(table.back()[0], "2009-12-31");
    for (const char* period :
         {"--from 2.1.2001 --to 1.1.2001", "--from 1.1.2090", "--to 31.2.2000"}) {
        const CliRun refused = RunCli(graph + period + " --data " + ShellQuoted(csv), true);
        EXPECT_EQ(refused.status, 1) << period << "\n" << refused.out;
    }
}

} // namespace
