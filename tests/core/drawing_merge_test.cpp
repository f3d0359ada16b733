// Merging record files: the checked reader, the duplicate dates and the
// faculae merge.
#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "drawing/drawing_records.h"
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

TEST(MergeRead, WholeRecordsWithDatesOrNothing) {
    TempDir dir;
    const auto path = dir.path() / "datax-b.dat";
    WriteRecordFile(path, records({"01.03.2014", "02.03.2014", "", "05.03.2014"}));
    // The empty Datum ends the data, as it does in datax.dat.
    EXPECT_EQ(datesOf(ReadRecordsForMerge(path)),
              (std::vector<std::string>{"01.03.2014", "02.03.2014"}));
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
    // Without one of the same time the first of the date gives the field,
    // also on the first day the date serials count from.
    std::vector<TZaznam> store = {Record("01.03.2014", 1400), Record("30.12.1899", 1400)};
    std::vector<TZaznam> other = {Record("01.03.2014", 800), Record("01.03.2014", 1400),
                                  Record("30.12.1899", 800)};
    AddField(other[0], fieldA);
    AddField(other[1], fieldB);
    AddField(other[2], fieldA);
    const FaculaeMergeResult r = MergeFaculae(store, other);
    ASSERT_EQ(r.changed.size(), 2u);
    EXPECT_EQ(r.changed[0].second.Skupiny[0].Fakule[0], PackPosition(100, 40));
    EXPECT_TRUE(r.added.empty());
}

// Commands of the drawing window on the records: duplicate dates, the
// recomputation of every record, the printed range and picture names.
TEST(DuplicateDates, NeighboursWithTheSameDateIncludingTheEnds) {
    const std::vector<TZaznam> rs = {Record("01.03.2014", 800), Record("01.03.2014", 1400),
                                     Record("02.03.2014"), Record("03.03.2014"),
                                     Record("3.3.2014", 1500)};
    EXPECT_EQ(DuplicateDateRecords(rs), (std::vector<std::size_t>{0, 1, 3, 4}));
    EXPECT_TRUE(DuplicateDateRecords(std::vector<TZaznam>{Record("01.03.2014")}).empty());
}

TEST(RecomputeRecords, FillsTimeSummaryAndFaculaeOrChangesNothing) {
    std::vector<TZaznam> rs = {Record("01.03.2014", 0), Record("02.03.2014", 930)};
    AddGroup(rs[0], "Dkc", 900, 500, 100).Poc = 12;
    AddField(rs[1], {{45, 50}, {135, 50}, {225, 50}, {315, 50}});
    rs[0].PlochaFakuli.setText("55");
    ASSERT_FALSE(RecomputeRecords(rs));
    const TSouhrn& s = rs[0].Souhrn;
    EXPECT_EQ(std::vector<int>({rs[0].Cas, s.Cas, s.gSev + s.gJih, s.fSev + s.fJih}),
              std::vector<int>({1200, 1200, 1, 12}));
    EXPECT_EQ(rs[0].PlochaFakuli.text() + "|" + rs[1].PlochaFakuli.text(), "0|90121");
    const Ephemeris e = SolarEphemeris({2014, 3, 2}, 930);
    EXPECT_EQ(std::pair(int(rs[1].Rotace), int(rs[1].L0)),
              std::pair(e.CarrRotation, static_cast<int>(e.L0)));
    // An unreadable date changes nothing.
    rs = {Record("01.03.2014", 0), Record("32.03.2014")};
    const auto message = RecomputeRecords(rs);
    ASSERT_TRUE(message);
    EXPECT_NE(message->find("32.03.2014"), std::string::npos);
    EXPECT_EQ(std::pair(int(rs[0].Cas), int(rs[0].Souhrn.Cas)), std::pair(0, 0));
}

TEST(PrintRange, FromTheCurrentRecord) {
    const struct {
        int current, count;
        const char* text;
        int first, last; // 0 = refused
    } rows[] = {{5, 10, " 3 ", 5, 7},
                {8, 10, "7", 8, 10}, // beyond the last stops there
                {5, 10, "0", 0, 0},
                {5, 10, "dva", 0, 0},
                {1, 0, "1", 0, 0}};
    for (const auto& c : rows) {
        const auto r = PrintRange(c.current, c.count, c.text);
        EXPECT_EQ(r ? std::pair(r->first, r->last) : std::pair(0, 0), std::pair(c.first, c.last))
            << c.text << " of " << c.count;
    }
}

TEST(PictureNames, OneNamePerDrawingOfARange) {
    EXPECT_EQ(DrawingImageName({2014, 3, 1}), "Zakres 2014-03-01.bmp");
    // Four drawings of one day, two of them of the same minute, and one
    // without a date.
    std::vector<TZaznam> records;
    const std::pair<const char*, int> drawings[] = {{"28.11.2026", 705},
                                                    {"28.11.2026", 1130},
                                                    {"28.11.2026", 1130},
                                                    {"28.11.2026", 1545},
                                                    {"3x.11.2026", 800}};
    for (const auto& [date, time] : drawings)
        records.push_back(Record(date, static_cast<std::uint16_t>(time)));
    EXPECT_EQ(RangeImageNames(" Ondřejov ", records, true),
              (std::vector<std::optional<std::string>>{
                  "Ondřejov Zakres 2026-11-28 0705.bmp", "Ondřejov Zakres 2026-11-28 1130.bmp",
                  "Ondřejov Zakres 2026-11-28 1130-2.bmp", "Ondřejov Zakres 2026-11-28 1545.bmp",
                  std::nullopt}));
    // Without a prefix the name starts with "Zakres".
    EXPECT_EQ(RangeImageNames("", std::span(records).first(1), false).front(),
              "Zakres 2026-11-28 0705.jpg");
    // One drawing saved on its own gets the name a range from the first
    // drawing gives it.
    EXPECT_EQ(SavedDrawingImageName(records, 2), "Zakres 2026-11-28 1130.bmp");
    EXPECT_EQ(SavedDrawingImageName(records, 3), "Zakres 2026-11-28 1130-2.bmp");
    for (int index : {0, 5, 6})
        EXPECT_EQ(SavedDrawingImageName(records, index), std::nullopt) << index;
}

} // namespace
