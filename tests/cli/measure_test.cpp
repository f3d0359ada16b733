// heliokres-cli measure, find-disk and find-spots.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

#include "io/atomic_file.h"
#include "records/record_file.h"
#include "tests_support/drawn_scans.h"
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

// A made-up scan written as a PGM picture, which the scan reader takes.
void writePgm(const std::filesystem::path& file, const drawn_scans::DrawnScan& scan) {
    std::string bytes =
        "P5 " + std::to_string(scan.side) + " " + std::to_string(scan.side) + " 255\n";
    bytes.append(scan.pixels.begin(), scan.pixels.end());
    WriteFileAtomic(file, bytes);
}

TEST(FindSpotsCli, OneLinePerSpotThenPerGroup) {
    TempDir dir;
    const drawn_scans::DrawnScan scan = drawn_scans::DrawScan(3, drawn_scans::Digits);
    writePgm(dir.path() / "scan.pgm", scan);
    const std::string pgm = ShellQuoted(dir.path() / "scan.pgm");
    const PicturePoint c = scan.cal.CalCentre;
    const std::string calibration = " --centre " + std::to_string(c.x) + "," + std::to_string(c.y) +
                                    " --north " + std::to_string(c.x) + "," +
                                    std::to_string(c.y - scan.cal.CalRadiusPx);
    const CliRun run = RunCli("find-spots " + pgm + calibration);
    ASSERT_EQ(run.status, 0);
    std::istringstream lines(run.out);
    std::string line;
    int spots = 0, groups = 0, spotsInGroups = 0;
    double spotArea = 0, groupArea = 0;
    while (std::getline(lines, line)) {
        double a = 0, d = 0, area = 0;
        int n = 0, count = 0;
        if (std::sscanf(line.c_str(), "spot;%lf;%lf;%lf", &a, &d, &area) == 3) {
            EXPECT_EQ(groups, 0) << "a spot after the groups: " << line;
            ++spots;
            spotArea += area;
        } else if (std::sscanf(line.c_str(), "group;%d;%lf;%lf;%d;%lf", &n, &a, &d, &count,
                               &area) == 5) {
            EXPECT_EQ(n, ++groups);
            spotsInGroups += count;
            groupArea += area;
        } else {
            ADD_FAILURE() << line;
        }
        EXPECT_TRUE(a >= 0 && a < 360 && d >= 0 && d <= 125) << line;
    }
    // How well the spots are found is the finder's tests' business.
    EXPECT_NEAR(spots, static_cast<double>(scan.spots.size()), scan.spots.size() / 10.0);
    EXPECT_NEAR(groups, static_cast<double>(scan.groups.size()), 1);
    EXPECT_EQ(spotsInGroups, spots);
    EXPECT_NEAR(groupArea, spotArea, 0.05 * spots + 0.05);

    // The disk the finder finds, north up: the same spots.
    const CliRun found = RunCli("find-spots " + pgm);
    EXPECT_EQ(found.status, 0);
    EXPECT_EQ(std::count(found.out.begin(), found.out.end(), '\n'), spots + groups);

    std::vector<std::uint8_t> paper(400 * 400, 230);
    WriteFileAtomic(dir.path() / "paper.pgm",
                    "P5 400 400 255\n" + std::string(paper.begin(), paper.end()));
    const CliRun none = RunCli("find-spots " + ShellQuoted(dir.path() / "paper.pgm"), true);
    EXPECT_EQ(none.status, 1);
    EXPECT_NE(none.out.find("Disk zákresu se v obrázku nepodařilo najít"), std::string::npos);
    WriteFileAtomic(dir.path() / "text.png", "no picture");
    const CliRun text = RunCli("find-spots " + ShellQuoted(dir.path() / "text.png"), true);
    EXPECT_EQ(text.status, 1);
    EXPECT_NE(text.out.find("není čitelný obrázek"), std::string::npos);
    EXPECT_EQ(RunCli("find-spots " + pgm + " --centre 5,5").status, 2);
}

} // namespace
