// heliokres-cli stats and export of the results tables on a demo directory:
// the tables print the core's cell texts, the exports write the core's bytes.
#include <gtest/gtest.h>

#include <filesystem>

#include "graphs/asymmetry.h"
#include "io/atomic_file.h"
#include "records/session.h"
#include "records/startup.h"
#include "records/startup_files.h"
#include "results/group_evolution.h"
#include "results/largest_groups.h"
#include "results/measured_statistics.h"
#include "results/observer_drawings.h"
#include "results/observer_statistics.h"
#include "results/official_csv.h"
#include "results/rotation_table.h"
#include "results/spotless_days.h"
#include "results/type_occurrence.h"
#include "results/zone_positions.h"
#include "tests_support/run_cli.h"
#include "tests_support/temp_dir.h"

using namespace hk;

namespace {

std::string joined(const ResultsGrid& grid) {
    std::string s;
    for (const auto& row : grid.cells) {
        for (std::size_t c = 0; c < row.size(); ++c)
            s += (c > 0 ? ";" : "") + row[c];
        s += "\n";
    }
    return s;
}

// A demo directory of two years, made once, read by a start-up that, as the
// CLI's, also reads the observer table.
class ResultsViewsCli : public ::testing::Test {
  protected:
    static std::filesystem::path root() {
        static TempDir dir;
        static const int made =
            RunCli("demo " + ShellQuoted(dir.path() / "demo") + " --years 2 --per-year 150").status;
        EXPECT_EQ(made, 0);
        return dir.path() / "demo";
    }
    static std::string arg() { return ShellQuoted(root()); }
    void SetUp() override { RunStartup(session_, 1024, {2026, 12, 6}); }
    Session session_{root()};
};

TEST_F(ResultsViewsCli, StatsPrintTheWindowsCells) {
    const auto records = session_.records();
    const std::string first = session_.observers().front();
    const int year = std::stoi(records.back().Datum.text().substr(6));
    const int rotation = records[records.size() / 2].Rotace;
    std::string spotless;
    for (const Date& d : SpotlessDaysOfYear(SpotlessDaysOf(records), year))
        spotless += FormatDatum(d) + "\n";
    const std::pair<std::string, std::string> cases[] = {
        {"measured --hemisphere north",
         joined(BuildMeasuredStatistics(records, HemisphereChoice::North))},
        {"types", joined(BuildTypeOccurrence(records).grid)},
        {"asymmetry --monthly",
         joined(BuildAsymmetryGrid(ComputeAsymmetry(records), records, true))},
        {"observers", joined(BuildObserverStatistics(records, session_.observers()).grid)},
        {"zones --class D", joined(BuildZonePositions(records, session_.geometry(), "D"))},
        {"zones", joined(BuildZonePositions(records, session_.geometry(), "vše"))},
        {"spotless " + std::to_string(year), spotless},
        {"largest 1950", joined(BuildLargestGroups(records, LargestGroupsYear(records, 1950)))},
        {"observer '" + first + "'", joined(BuildObserverDrawings(records, first).grid)},
        {"evolution " + std::to_string(rotation),
         joined(BuildGroupEvolution(records, session_.geometry(), rotation))},
        {"rotations", joined(BuildRotationStatistics(records, session_.geometry()))}};
    for (const auto& [args, expected] : cases) {
        const CliRun r = RunCli("stats " + arg() + " " + args);
        EXPECT_EQ(r.status, 0) << args;
        EXPECT_EQ(r.out, expected) << args;
    }
    for (const auto& [args, status] :
         {std::pair{"asymmetry", 2}, {"zones --class X", 2}, {"largest", 2}, {"observer Nikdo", 1}})
        EXPECT_EQ(RunCli("stats " + arg() + " " + args).status, status) << args;
}

TEST_F(ResultsViewsCli, ExportsWriteTheWindowsFiles) {
    const auto records = session_.records();
    const std::string first = session_.observers().front();
    auto exported = [&](const std::string& args, const std::vector<ReportFile>& files) {
        const CliRun r = RunCli("export " + args);
        ASSERT_EQ(r.status, 0) << args;
        std::string paths;
        for (const ReportFile& f : files) {
            paths += ReportPath(session_.dir, f).string() + "\n";
            EXPECT_EQ(ReadWholeFile(ReportPath(session_.dir, f)), ReportBytes(f)) << f.name;
        }
        EXPECT_EQ(r.out, paths) << args;
    };
    exported("observers " + arg(),
             {ObserversCsv(BuildObserverStatistics(records, session_.observers()).grid)});
    exported("observer " + arg() + " '" + first + "'",
             {ObserverDrawingsCsv(BuildObserverDrawings(records, first), first, records)});
    exported("zones " + arg(), ZoneTextFiles(records, session_.geometry(), "vše"));

    const StationData data = ReadStationData(session_.dir);
    ASSERT_TRUE(data.stationDataGiven);
    const MonthChoice month{std::stoi(records.back().Datum.text().substr(6)), 3};
    const std::string m = "3." + std::to_string(month.year);
    exported("official " + arg() + " " + m + " --method vizualne",
             {BuildOfficialSheet(records, month, OfficialFieldsFrom(data, MethodVisual),
                                 session_.observerTable())});
    const CliRun year = RunCli("export official " + arg() + " " + m + " --whole-year");
    EXPECT_EQ(year.status, 0);
    EXPECT_EQ(std::count(year.out.begin(), year.out.end(), '\n'), 12);
    EXPECT_EQ(RunCli("export official " + arg() + " 13.2020").status, 1);
    EXPECT_EQ(RunCli("export official " + arg() + " " + m + " --method jinak").status, 2);
}

} // namespace
