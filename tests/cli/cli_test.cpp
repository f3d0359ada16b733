#include <gtest/gtest.h>

#include <algorithm>

#include "records/record_file.h"
#include "tests_support/records.h"
#include "tests_support/run_cli.h"
#include "tests_support/temp_dir.h"

using namespace hk;
using namespace hk::test_records;

namespace {

TEST(CliEphemeris, OneDateAndARange) {
    EXPECT_EQ(RunCli("ephemeris 01.01.1989").out,
              "P=2.038705 B0=-3.053326 L0=107.600305 CR=1810\n");
    const auto r = RunCli("ephemeris --from 30.12.1999 --to 02.01.2000 --time 1200");
    ASSERT_EQ(r.status, 0);
    EXPECT_EQ(std::count(r.out.begin(), r.out.end(), '\n'), 4);
    EXPECT_EQ(r.out.rfind("30.12.1999;1200;", 0), 0u);
    EXPECT_NE(r.out.find("01.01.2000;1200;2.127434;-3.016294;1.464230;1957\n"), std::string::npos);
}

TEST(CliEphemeris, BadInput) {
    EXPECT_EQ(RunCli("ephemeris 31.02.2000").status, 1);
    EXPECT_EQ(RunCli("ephemeris 01.01.2000 2460").status, 1);
    EXPECT_EQ(RunCli("ephemeris").status, 2);
    EXPECT_EQ(RunCli("ephemeris --from 01.01.2000").status, 2);
    EXPECT_EQ(RunCli("nosuchcommand").status, 2);
}

TEST(CliDump, GroupsAndSummaries) {
    TempDir dir;
    std::vector<TZaznam> records{Record("01.01.2000", 1200), Record("02.01.2000", 800)};
    AddGroup(records[0], "Dkc", 900, 500, 0, 12);
    const auto file = dir.path() / "datax.dat";
    WriteRecordFile(file, records);

    // One line a group: its position and its heliographic CMD, latitude and
    // longitude; one line a record of its summary, north then south.
    const auto groups = RunCli("dump " + ShellQuoted(file));
    ASSERT_EQ(groups.status, 0);
    EXPECT_EQ(groups.out, "1;01.01.2000;1200;1;Dkc;900;500;23.574891;-1.913959;337.889339\n");
    const auto sums = RunCli("dump --summary " + ShellQuoted(file));
    ASSERT_EQ(sums.status, 0);
    EXPECT_EQ(sums.out, "1;01.01.2000;1200;0;0;0;0;0;0;0;0;1;12;22;55;12;216;0;0\n"
                        "2;02.01.2000;800;0;0;0;0;0;0;0;0;0;0;0;0;0;0;0;0\n");
}

TEST(CliDump, FailuresNameTheInput) {
    TempDir dir;
    EXPECT_EQ(RunCli("dump '" + (dir.path() / "missing.dat").string() + "'").status, 1);
    std::vector<TZaznam> records(1);
    records[0].Datum.setText("99.99.2000");
    WriteRecordFile(dir.path() / "bad.dat", records);
    EXPECT_EQ(RunCli("dump '" + (dir.path() / "bad.dat").string() + "'").status, 1);
    EXPECT_EQ(RunCli("dump").status, 2);
}

} // namespace
