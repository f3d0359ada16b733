// Merging record files: the checked reader, the duplicate dates and the
// faculae merge.
#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "drawing/faculae.h"
#include "drawing/record_merge.h"
#include "records/record_file.h"
#include "tests_support/records.h"
#include "tests_support/temp_dir.h"

using namespace hk;
using namespace hk::test_records;

namespace {

std::vector<TZaznam> records(std::initializer_list<const char*> dates) {
    std::vector<TZaznam> out;
    for (const char* d : dates)
        out.push_back(Record(d));
    return out;
}

std::vector<std::string> datesOf(const std::vector<TZaznam>& rs) {
    std::vector<std::string> out;
    for (const auto& z : rs)
        out.push_back(z.Datum.text());
    return out;
}

TEST(MergeRead, WholeRecordsWithDates) {
    TempDir dir;
    const auto path = dir.path() / "datax-b.dat";
    auto rs = records({"01.03.2014", "02.03.2014", "", "05.03.2014"});
    WriteRecordFile(path, rs);
    // The empty Datum ends the data, as it does in datax.dat.
    EXPECT_EQ(datesOf(ReadRecordsForMerge(path)),
              (std::vector<std::string>{"01.03.2014", "02.03.2014"}));
}

TEST(MergeRead, RefusesBadFiles) {
    auto recordBytes = [](std::initializer_list<const char*> dates) {
        return std::string(RecordBytes(records(dates)));
    };
    const std::pair<const char*, std::string> rows[] = {
        {"partial record", recordBytes({"01.03.2014"}) + "abc"},
        {"text file", "Datum;Cas\r\n01.03.2014;1200\r\n"},
        {"empty", ""},
        {"only unused records", recordBytes({""})},
        {"unreadable date", recordBytes({"01.03.2014", "31.02.2014"})}};
    for (const auto& [name, bytes] : rows) {
        TempDir dir;
        const auto path = dir.path() / "x.dat";
        std::ofstream(path, std::ios::binary) << bytes;
        EXPECT_THROW(ReadRecordsForMerge(path), std::runtime_error) << name;
    }
}

TEST(MergeAppend, DuplicatesAreDatesRegardlessOfTimeAndFormat) {
    auto store = records({"01.03.2014", "03.03.2014", "03.03.2014"});
    std::vector<TZaznam> added = {Record("1.3.2014", 800), Record("03.03.2014", 1500),
                                  Record("05.03.2014")};
    const auto mask = DuplicateDateMask(store, added);
    EXPECT_EQ(mask, (std::vector<bool>{true, true, false}));
    // Excluding removes exactly the records counted, no more and no fewer.
    const auto kept = RecordsToAppend(store, added, true);
    EXPECT_EQ(datesOf(kept), (std::vector<std::string>{"05.03.2014"}));
    EXPECT_EQ(RecordsToAppend(store, added, false).size(), added.size());
}

const std::initializer_list<std::pair<int, int>> fieldA = {{10, 20}, {20, 20}, {20, 30}};
const std::initializer_list<std::pair<int, int>> fieldB = {{100, 40}, {110, 40}, {110, 50}};

TEST(FaculaeMerge, AddsNewDatesAndReplacesDifferingFields) {
    std::vector<TZaznam> store = records({"01.03.2014", "2.3.2014", "03.03.2014"});
    AddField(store[0], fieldA);
    AddField(store[2], fieldA);

    std::vector<TZaznam> other = records({"01.03.2014", "02.03.2014", "03.03.2014", "04.03.2014"});
    AddField(other[0], fieldA);           // the same field: kept
    AddField(other[1], fieldB);           // a record here without fields gets one
    AddField(other[2], fieldB);           // a differing field replaces field 1
    AddField(other[2], {{0, 0}, {1, 1}}); // first vertex 0: not taken
    AddField(other[3], fieldB);

    const FaculaeMergeResult r = MergeFaculae(store, other);
    EXPECT_EQ(std::pair(r.fieldsReplaced, r.datesRewritten), std::pair(2, 1));
    ASSERT_EQ(r.added.size(), 1u);
    EXPECT_EQ(r.added[0].Datum.text(), "04.03.2014");

    ASSERT_EQ(r.changed.size(), 2u);
    EXPECT_EQ(std::pair(r.changed[0].first, r.changed[1].first), std::pair(1ul, 2ul));
    const TZaznam& second = r.changed[0].second;
    EXPECT_EQ(second.Datum.text(), "02.03.2014");
    EXPECT_EQ(second.PlochaFakuli.text(), std::to_string(FaculaeArea(CountFaculaePixels(second))));
    // The field with a zero first vertex was not taken.
    for (const TZaznam& z : {second, r.changed[1].second})
        EXPECT_EQ(std::pair(int(z.PocetFakKresleni), int(z.Skupiny[0].Fakule[0])),
                  std::pair(1, int(PackPosition(100, 40))));
}

TEST(FaculaeMerge, PrefersTheRecordOfTheSameTime) {
    std::vector<TZaznam> store = {Record("01.03.2014", 1400)};
    std::vector<TZaznam> other = {Record("01.03.2014", 800), Record("01.03.2014", 1400)};
    AddField(other[0], fieldA);
    AddField(other[1], fieldB);
    const FaculaeMergeResult r = MergeFaculae(store, other);
    ASSERT_EQ(r.changed.size(), 1u);
    EXPECT_EQ(r.changed[0].second.Skupiny[0].Fakule[0], PackPosition(100, 40));
    EXPECT_TRUE(r.added.empty());
}

} // namespace
