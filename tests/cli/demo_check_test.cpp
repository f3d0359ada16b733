// heliokres-cli demo and check: the demo directory is what check finds.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <numbers>
#include <sstream>
#include <vector>

#include "records/record.h"
#include "records/record_file.h"
#include "tests_support/run_cli.h"
#include "tests_support/temp_dir.h"

using namespace hk;

namespace {

// Standard error joins the output: check's warnings are read too.
CliRun cli(const std::string& args) {
    return RunCli(args, true);
}

std::string line(const std::string& out, const std::string& label) {
    const auto at = out.find(label);
    if (at == std::string::npos) return {};
    return out.substr(at + label.size(), out.find('\n', at) - at - label.size());
}

TEST(CliDemoCheck, CheckReportsWhatDemoWrote) {
    TempDir dir;
    const auto demo = dir.path() / "demo";
    const CliRun made = cli("demo " + ShellQuoted(demo) + " --years 2 --per-year 40 --seed 3");
    ASSERT_EQ(made.status, 0) << made.out;
    const auto records = ReadRecordFile(demo / "datax.dat").records;

    const CliRun checked = cli("check " + ShellQuoted(demo));
    ASSERT_EQ(checked.status, 0) << checked.out;
    EXPECT_EQ(line(checked.out, "Záznamy: "), std::to_string(records.size()));
    EXPECT_EQ(line(checked.out, "Pozorovatelé: "), "5");
    EXPECT_EQ(line(checked.out, "První datum: "), records.front().Datum.text());
    EXPECT_EQ(line(checked.out, "Poslední datum: "), records.back().Datum.text());
    const int lastYear = std::stoi(records.back().Datum.text().substr(6));
    EXPECT_EQ(line(checked.out, "Řady SIDC: "),
              std::to_string(lastYear - 1) + "-" + std::to_string(lastYear));
    EXPECT_EQ(line(checked.out, "Nastavení kresby: "), "průměr 250 mm, polární souřadnice");
    EXPECT_EQ(checked.out.find("Upozornění"), std::string::npos) << checked.out;

    // The scan of the newest drawing measures back to its groups' positions
    // (away from the limb, where a spot runs into the disk's outline).
    const TZaznam& newest = records.back();
    const CliRun found =
        cli("find-spots " + ShellQuoted(demo / ("Sken " + newest.Datum.text() + ".png")));
    ASSERT_EQ(found.status, 0) << found.out;
    auto plane = [](double angle, double distance) {
        return std::array{distance * std::sin(angle * std::numbers::pi / 180),
                          distance * std::cos(angle * std::numbers::pi / 180)};
    };
    std::vector<std::array<double, 2>> groups;
    std::istringstream lines(found.out);
    for (std::string l; std::getline(lines, l);) {
        int n = 0;
        double a = 0, d = 0;
        if (std::sscanf(l.c_str(), "group;%d;%lf;%lf", &n, &a, &d) == 3)
            groups.push_back(plane(a, d));
    }
    int inner = 0;
    for (int k = 0; k < newest.groupCount(); ++k) {
        const TSkupina& s = newest.Skupiny[k];
        if (IsHemisphereMarker(s) || s.Vzd > 1000) continue;
        ++inner;
        const auto p = plane(s.Uhel / 10.0, s.Vzd / 10.0);
        EXPECT_TRUE(
            std::any_of(groups.begin(), groups.end(),
                        [&](const auto& g) { return std::hypot(g[0] - p[0], g[1] - p[1]) < 0.3; }))
            << "group " << k + 1 << "\n"
            << found.out;
    }
    EXPECT_GE(static_cast<int>(groups.size()), inner) << found.out;

    // A damaged corona year is found only when the corona is asked for.
    std::ofstream(demo / "KoronaX" / "HR1940.csv", std::ios::binary) << "40 1 2 x\r\n";
    EXPECT_EQ(cli("check " + ShellQuoted(demo)).out, checked.out);
    const std::string withCorona = cli("check " + ShellQuoted(demo) + " --corona").out;
    EXPECT_NE(withCorona.find("Upozornění: Soubor KoronaX\\HR1940.csv obsahuje hodnotu"),
              std::string::npos)
        << withCorona;
}

} // namespace
