// heliokres-cli demo and check: the demo directory is what check finds.
#include <gtest/gtest.h>

#include <fstream>

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

    // A damaged corona year is found only when the corona is asked for.
    std::ofstream(demo / "KoronaX" / "HR1940.csv", std::ios::binary) << "40 1 2 x\r\n";
    EXPECT_EQ(cli("check " + ShellQuoted(demo)).out, checked.out);
    const std::string withCorona = cli("check " + ShellQuoted(demo) + " --corona").out;
    EXPECT_NE(withCorona.find("Upozornění: Soubor KoronaX\\HR1940.csv obsahuje hodnotu"),
              std::string::npos)
        << withCorona;
}

} // namespace
