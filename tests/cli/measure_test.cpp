// heliokres-cli measure and find-disk.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "records/record_file.h"
#include "tests_support/records.h"
#include "tests_support/run_cli.h"
#include "tests_support/temp_dir.h"

using namespace hk;
using namespace hk::test_records;

namespace {

TEST(MeasureCli, PrintsWhatTheWindowStores) {
    const struct {
        const char* name;
        const char* args;
        int status;
        const char* out;
    } rows[] = {
        {"Spots", "--centre 500,500 --north 500,250 500,300 251,500 500,701", 0,
         "0.0;100.0\n270.0;124.5\n180.0;100.5\n"},
        // 130 units beyond the limb: that vertex lands at 124, the other at 96.
        {"FaculaeScaled", "--faculae --centre 500,500 --north 500,250 760,500 500,300", 0,
         "90;124\n0;95\n"},
        // Same row as the centre: dy is taken as 0.2.
        {"NegativeCoordinates", "--centre 0,0 --north 0,-100 -100,0", 0, "270.1;125.0\n"},
        {"NoNorth", "--centre 500,500 1,1", 2, ""},
        {"NoPoints", "--centre 500,500 --north 500,250", 2, ""},
        {"SamePoint", "--centre 5,5 --north 5,5 1,1", 1, ""},
    };
    for (const auto& r : rows) {
        const CliRun run = RunCli(std::string("measure ") + r.args);
        EXPECT_EQ(run.status, r.status) << r.name;
        EXPECT_EQ(run.out, r.out) << r.name;
    }
}

TEST(MeasureCli, AxisTurnsByPOfTheRecord) {
    TempDir dir;
    WriteRecordFile(dir.path() / "datax.dat", std::vector<TZaznam>{Record("15.03.2014", 900)});
    const std::string base = "measure --axis --date 15.03.2014 --centre 500,500 --north 500,250 ";
    // P is -24.48 degrees then: a point on the axis lies at 335.5.
    const CliRun run = RunCli(base + "--time 0900 " + ShellQuoted(dir.path()) + " 500,300");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "335.5;100.0\n");
    const CliRun none = RunCli(base + "--time 1000 " + ShellQuoted(dir.path()) + " 500,300", true);
    EXPECT_EQ(none.status, 1);
    EXPECT_NE(none.out.find("Musí být zadám daný záznam"), std::string::npos);
}

TEST(FindDiskCli, FindsTheRenderedDiskAndRefusesOtherFiles) {
    TempDir dir;
    TZaznam z = Record("15.03.2014", 900);
    z.NastaveniKresby = 125;
    WriteRecordFile(dir.path() / "datax.dat", std::vector<TZaznam>{z});
    const std::string png = ShellQuoted(dir.path() / "d.png");
    ASSERT_EQ(RunCli("render drawing " + ShellQuoted(dir.path()) +
                     " --record 1 --width 1600 --out " + png)
                  .status,
              0);
    // Width 1600: the outline spans pixels 52..927.
    double x = 0, y = 0, r = 0;
    ASSERT_EQ(std::sscanf(RunCli("find-disk " + png).out.c_str(), "%lf;%lf;%lf", &x, &y, &r), 3);
    EXPECT_NEAR(x, 489.5, 1);
    EXPECT_NEAR(y, 489.5, 1);
    EXPECT_NEAR(r, 437.5, 437.5 * 0.005);
    EXPECT_EQ(RunCli("find-disk " + ShellQuoted(dir.path() / "datax.dat")).status, 1);
}

} // namespace
