// Commands of the drawing window on the records: duplicate dates, the
// recomputation of every record, the printed range and picture names.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "drawing/drawing_records.h"
#include "drawing/faculae.h"
#include "tests_support/records.h"

using namespace hk;
using namespace hk::test_records;

namespace {

TEST(DuplicateDates, NeighboursWithTheSameDateIncludingTheEnds) {
    const std::vector<TZaznam> rs = {Record("01.03.2014", 800), Record("01.03.2014", 1400),
                                     Record("02.03.2014"), Record("03.03.2014"),
                                     Record("3.3.2014", 1500)};
    EXPECT_EQ(DuplicateDateRecords(rs), (std::vector<std::size_t>{0, 1, 3, 4}));
    EXPECT_TRUE(DuplicateDateRecords(std::vector<TZaznam>{Record("01.03.2014")}).empty());
}

TEST(RecomputeRecords, FillsTimeSummaryAndFaculae) {
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
}

TEST(RecomputeRecords, UnreadableDateChangesNothing) {
    std::vector<TZaznam> rs = {Record("01.03.2014", 0), Record("32.03.2014")};
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

TEST(PictureNames, DateInTheName) {
    EXPECT_EQ(DrawingImageName({2014, 3, 1}), "Zakres 2014-03-01.bmp");
}

TEST(PictureNames, OneNamePerDrawingOfARange) {
    // Four drawings of one day, two of them of the same minute, and one
    // without a date.
    std::vector<TZaznam> records;
    for (const auto& [date, time] : {std::pair{"28.11.2026", 705},
                                     {"28.11.2026", 1130},
                                     {"28.11.2026", 1130},
                                     {"28.11.2026", 1545},
                                     {"3x.11.2026", 800}})
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
