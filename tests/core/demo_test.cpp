// The demo data: the same for a seed, valid sorted records, and a program
// directory whose files the start-up reads.
#include <gtest/gtest.h>

#include <set>

#include "core/store_fixtures.h"
#include "demo/demo.h"
#include "records/session.h"
#include "records/startup.h"
#include "records/startup_files.h"
#include "tests_support/temp_dir.h"

using namespace hk;
using namespace hk::store_test;

namespace {

// Cycle 24: minimum at the end of 2008, maximum 2014, minimum 2019.
DemoOptions cycle24() {
    DemoOptions o{.years = 11, .perYear = 120, .seed = 7, .endDate = {2019, 12, 31}};
    return o;
}

const std::vector<TZaznam>& cycle24Records() {
    static const std::vector<TZaznam> records = GenerateDemoRecords(cycle24());
    return records;
}

TEST(Demo, RecordsAreSortedDatedAndSummarisedLikeStoredEntries) {
    const auto& records = cycle24Records();
    ASSERT_GT(records.size(), 11u * 100);
    ASSERT_LT(records.size(), 11u * 140);
    std::set<double> keys;
    for (const TZaznam& z : records) {
        const auto key = RecordKey(z);
        ASSERT_TRUE(key) << z.Datum.text();
        EXPECT_TRUE(keys.insert(*key).second) << "duplicate " << z.Datum.text() << " " << z.Cas;
        const Ephemeris e = *RecordEphemeris(z);
        EXPECT_EQ(z.Rotace, e.CarrRotation);
        const TSouhrn s = StoredSummary(z, e);
        EXPECT_EQ(std::memcmp(&s, &z.Souhrn, sizeof s), 0) << z.Datum.text();
        EXPECT_LE(z.Cas % 100, 59);
        EXPECT_LT(z.Cas, 2400);
    }
    EXPECT_TRUE(
        std::is_sorted(records.begin(), records.end(), [](const TZaznam& a, const TZaznam& b) {
            return *RecordKey(a) < *RecordKey(b);
        }));
    EXPECT_EQ(records.front().NastaveniKresby, 125);
    EXPECT_EQ(RecordDate(records.front())->year, 2009);
    EXPECT_EQ(RecordDate(records.back())->year, 2019);
}

TEST(Demo, DirectoryIsReadByTheStartUp) {
    TempDir dir;
    DemoOptions o = cycle24();
    o.years = 3;
    o.perYear = 60;
    WriteDemoDirectory(dir.path(), o);
    Session s(dir.path());
    const StartupResult r = RunStartup(s, 1024, {2020, 1, 15});
    EXPECT_TRUE(s.warnings().empty()) << s.warnings().front();
    EXPECT_FALSE(r.askDrawingSetting);
    EXPECT_FALSE(r.enlargementFileCreated);
    EXPECT_EQ(std::string(RecordBytes(s.records())), Bytes(GenerateDemoRecords(o)));
    EXPECT_EQ(s.tables().sidcDaily.years, (std::vector<int>{2017, 2018, 2019}));
    int sum = 0;
    for (int d = 0; d < 365; ++d) {
        const Date date = DateFromSerial(DaySerial({2017, 1, 1}) + d);
        sum += s.tables().sidcDaily.value(date, 0);
        EXPECT_EQ(s.tables().sidcDaily.value(date, 0),
                  s.tables().sidcDaily.value(date, 1) + s.tables().sidcDaily.value(date, 2));
    }
    EXPECT_GT(sum, 365 * 5);
    EXPECT_FALSE(s.tables().areasTable.rows.empty());
    EXPECT_FALSE(s.tables().fluxTable.rows.empty());
    EXPECT_EQ(s.tables().areasTable.unreadableValues + s.tables().fluxTable.unreadableValues, 0);
    for (const std::string& name : s.observers())
        EXPECT_NE(s.observerTable().findByName(name), nullptr) << name;
    for (std::string_view row : SplitLines(ReadWholeFile(dir.path() / "Obecdata.dat")))
        EXPECT_LE(row.size(), 50u);
}

} // namespace
