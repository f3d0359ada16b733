// heliokres-cli find-spots: what it prints for a scan with a disk (its
// refusals are rows of the contract table).
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

#include "io/atomic_file.h"
#include "demo/drawn_scan.h"
#include "tests_support/run_cli.h"
#include "tests_support/temp_dir.h"

using namespace hk;

namespace {

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
}

} // namespace
