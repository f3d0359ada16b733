// The record selection list: line text, which records a scroll position
// shows, arrow keys at the ends of the visible window; the radius typed in
// the coordinate-type dialog.
#include <gtest/gtest.h>

#include <vector>

#include "records/drawing_radius.h"
#include "records/record_list.h"
#include "tests_support/records.h"

using namespace hk;

namespace {

TZaznam record(const char* datum, std::uint16_t cas, std::uint16_t cislo = 0) {
    TZaznam z = test_records::Record(datum, cas);
    z.CisloZakresu = cislo;
    return z;
}

struct LineRow {
    const char* name;
    int index;
    const char* datum;
    std::uint16_t cas;
    std::uint16_t cislo;
    const char* line;
};

class RecordListLineTest : public ::testing::TestWithParam<LineRow> {};

TEST_P(RecordListLineTest, Text) {
    const LineRow& r = GetParam();
    EXPECT_EQ(RecordListLine(r.index, record(r.datum, r.cas, r.cislo)), std::string(r.line));
}

INSTANTIATE_TEST_SUITE_P(Rows, RecordListLineTest,
                         ::testing::Values(LineRow{"NumberedAtSevenOFive", 1, "05.07.2014", 705,
                                                   121, "    1     05 07 2014  0705    001/21"},
                                           LineRow{"NoNumber", 12345, "31.12.1999", 1200, 0,
                                                   "12345     31 12 1999  1200    "},
                                           LineRow{"ShortDate", 7, "1.2.2003", 5, 0,
                                                   "    7     01 02 2003  05    "},
                                           LineRow{"OneDigitYearPart", 2, "01.02.2003", 2359, 1205,
                                                   "    2     01 02 2003  2359    012/5"},
                                           LineRow{"WideIndexAndTime", 123456, "01.02.2003", 12345,
                                                   0, "123456     01 02 2003  2345    "}),
                         [](const auto& info) { return info.param.name; });

TEST(RecordListLine, UnreadableDate) {
    EXPECT_FALSE(RecordListLine(1, record("31.02.2014", 1200)));
    EXPECT_FALSE(RecordListLine(1, record("", 1200)));
}

TEST(SeznamOkno, AllRecordsFit) {
    for (int n : {1, 5, 10}) {
        SeznamOkno w(10, n);
        EXPECT_FALSE(w.posuvnik()) << n;
        EXPECT_EQ(w.prvni(), 1);
        EXPECT_EQ(w.posledni(), n);
        EXPECT_EQ(w.pocetRadku(), n);
        EXPECT_EQ(w.zaznamRadku(n - 1), n);
    }
    SeznamOkno empty(10, 0);
    EXPECT_EQ(empty.pocetRadku(), 0);
    EXPECT_FALSE(empty.radekZaznamu(1));
}

TEST(SeznamOkno, OneMoreThanRowsScrollsAndShowsRowsPlusOne) {
    SeznamOkno w(10, 11);
    EXPECT_TRUE(w.posuvnik());
    EXPECT_EQ(w.minimum(), 11);
    EXPECT_EQ(w.pozice(), 11);
    EXPECT_EQ(w.prvni(), 1);
    EXPECT_EQ(w.posledni(), 11);
    EXPECT_EQ(w.pocetRadku(), 11);
}

TEST(SeznamOkno, ScrollPositionIsTheLastRecordShown) {
    SeznamOkno w(10, 100);
    EXPECT_EQ(w.prvni(), 90);
    w.setPozice(50);
    EXPECT_EQ(w.prvni(), 40);
    EXPECT_EQ(w.posledni(), 50);
    EXPECT_EQ(w.zaznamRadku(3), 43);
    EXPECT_EQ(w.radekZaznamu(43), 3);
    EXPECT_FALSE(w.radekZaznamu(39));
    EXPECT_FALSE(w.radekZaznamu(51));
    w.setPozice(3);
    EXPECT_EQ(w.pozice(), 11);
    w.setPozice(1000);
    EXPECT_EQ(w.pozice(), 100);
    // Records added: the window stays where it was.
    w.setPozice(50);
    w.setPocet(120);
    EXPECT_EQ(w.pozice(), 50);
    // Shrunk below the rows: everything shows.
    w.setPocet(4);
    EXPECT_FALSE(w.posuvnik());
    EXPECT_EQ(w.posledni(), 4);
}

TEST(SeznamOkno, ShowScrollsOnlyWhenNeeded) {
    SeznamOkno w(10, 100);
    w.setPozice(50);
    w.ukaz(45);
    EXPECT_EQ(w.pozice(), 50);
    w.ukaz(70);
    EXPECT_EQ(w.pozice(), 70);
    w.ukaz(3);
    EXPECT_EQ(w.pozice(), 11);
    EXPECT_EQ(w.radekZaznamu(3), 2);
}

struct KeyRow {
    const char* name;
    int records;
    int pozice;
    bool down;
    int row;
    int current; // record that becomes current
    int pozice2; // scroll position afterwards
};

class ArrowKeys : public ::testing::TestWithParam<KeyRow> {};

TEST_P(ArrowKeys, MoveOneRecord) {
    const KeyRow& r = GetParam();
    SeznamOkno w(10, r.records);
    w.setPozice(r.pozice);
    const int k = r.down ? w.dolu(r.row) : w.nahoru(r.row);
    EXPECT_EQ(k, r.current);
    EXPECT_EQ(w.pozice(), r.pozice2);
    EXPECT_TRUE(w.radekZaznamu(k).has_value());
}

INSTANTIATE_TEST_SUITE_P(Rows, ArrowKeys,
                         ::testing::Values(
                             // Down on the last visible row scrolls by one record.
                             KeyRow{"DownOnLastRow", 100, 50, true, 10, 51, 51},
                             KeyRow{"DownInside", 100, 50, true, 4, 45, 50},
                             KeyRow{"DownAtTheEnd", 100, 100, true, 10, 100, 100},
                             // Up on the first row goes one page back.
                             KeyRow{"UpOnFirstRow", 100, 50, false, 0, 39, 40},
                             KeyRow{"UpOnFirstRowNearStart", 100, 15, false, 0, 4, 11},
                             KeyRow{"UpAtTheStart", 100, 11, false, 0, 1, 11},
                             KeyRow{"UpInside", 100, 50, false, 5, 44, 50},
                             KeyRow{"NoScrollBarDown", 5, 5, true, 4, 5, 5},
                             KeyRow{"NoScrollBarUp", 5, 5, false, 2, 2, 5}),
                         [](const auto& info) { return info.param.name; });

TEST(ParsePolomerKresby, AcceptsPositiveNumbers) {
    EXPECT_EQ(std::get<double>(ParsePolomerKresby("125")), 125.0);
    EXPECT_EQ(std::get<double>(ParsePolomerKresby(" 62,5 ")), 62.5);
    EXPECT_EQ(std::get<double>(ParsePolomerKresby("999")), 999.0);
}

TEST(ParsePolomerKresby, RefusesWhatTheSettingCannotHold) {
    for (const char* bad : {"", "abc", "0", "-125", "0.4", "1000", "12x", "1e400", "nan", "inf"})
        EXPECT_TRUE(std::holds_alternative<std::string>(ParsePolomerKresby(bad))) << bad;
}

TEST(NearestRecord, JumpsToTheNearestDrawing) {
    const std::vector<TZaznam> rs = {record("01.06.2014", 800), record("10.06.2014", 800),
                                     record("10.06.2014", 1200), record("xx.06.2014", 800),
                                     record("20.06.2014", 800)};
    const struct {
        const char* name;
        Date date;
        int expected;
    } rows[] = {
        {"the day itself: its first drawing", {2014, 6, 10}, 2},
        {"after a day with two drawings: the first of them", {2014, 6, 11}, 2},
        {"nearer the later drawing, over an unreadable date", {2014, 6, 16}, 5},
        {"a tie goes to the later drawing", {2014, 6, 15}, 5},
        {"before all", {2000, 1, 1}, 1},
        {"after all", {2030, 1, 1}, 5},
    };
    for (const auto& row : rows)
        EXPECT_EQ(NearestRecord(rs, row.date), row.expected) << row.name;
    EXPECT_EQ(NearestRecord({}, Date{2014, 6, 1}), std::nullopt);
}

} // namespace
