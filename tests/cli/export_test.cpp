// heliokres-cli export: the same bytes as the desktop program's exports of
// the loaded store, and clear failures.
#include <gtest/gtest.h>

#include "io/atomic_file.h"
#include "records/exports.h"
#include "records/record_file.h"
#include "records/session.h"
#include "tests_support/records.h"
#include "tests_support/run_cli.h"
#include "tests_support/temp_dir.h"

using namespace hk;
using namespace hk::test_records;

namespace {

std::vector<TZaznam> fixture() {
    std::vector<TZaznam> rs;
    for (const char* date : {"14.06.2014", "15.06.2014", "16.06.2014"}) {
        // A time of 0 is read as 12:00.
        rs.push_back(Record(date, std::uint16_t(rs.size() == 1 ? 0 : 830 + rs.size()), "Nováček"));
        AddGroup(rs.back(), "Dkc", 450, 600);
        AddGroup(rs.back(), "Bxo", 2300, 300).Pomocna1 = PackPosition(240, 35);
        AddField(rs.back(), {{80, 100}, {85, 110}});
    }
    rs[0].NastaveniKresby = 125;
    return rs;
}

} // namespace

TEST(CliExport, SameBytesAsTheProgram) {
    TempDir tmp;
    WriteRecordFile(tmp.path() / "datax.dat", fixture());
    Session s(tmp.path());
    s.load({2024, 1, 1});
    std::vector<TZaznam> loaded(s.records().begin(), s.records().end());

    ASSERT_EQ(RunCli("export ascii " + tmp.path().string()).status, 0);
    const std::string ascii = ReadWholeFile(tmp.path() / "SoubASCI.dat");
    EXPECT_EQ(ascii, AsciiExportText(loaded));
    EXPECT_NE(ascii.find("15.06.2014 12 00 "), std::string::npos);

    ASSERT_EQ(RunCli("export faculae " + tmp.path().string()).status, 0);
    EXPECT_EQ(ReadWholeFile(tmp.path() / "CSVsoubory" / "Polohy fakuli.csv"),
              FaculaePositionsText(loaded));
    // The record file is not touched.
    EXPECT_EQ(ReadRecordFile(tmp.path() / "datax.dat").records.size(), 3u);
}
