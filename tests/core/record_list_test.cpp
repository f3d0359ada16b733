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

TZaznam record(const char* date, std::uint16_t time, std::uint16_t number = 0) {
    TZaznam z = test_records::Record(date, time);
    z.CisloZakresu = number;
    return z;
}

TEST(RecordListLine, Text) {
    const struct {
        int index;
        const char* date;
        std::uint16_t time, number;
        const char* line;
    } rows[] = {
        {1, "05.07.2014", 705, 121, "    1     05 07 2014  0705    001/21"},
        {12345, "31.12.1999", 1200, 0, "12345     31 12 1999  1200    "},
        {7, "1.2.2003", 5, 0, "    7     01 02 2003  05    "},
        {2, "01.02.2003", 2359, 1205, "    2     01 02 2003  2359    012/5"},
        {123456, "01.02.2003", 12345, 0, "123456     01 02 2003  2345    "},
    };
    for (const auto& r : rows)
        EXPECT_EQ(RecordListLine(r.index, record(r.date, r.time, r.number)), std::string(r.line));
    EXPECT_FALSE(RecordListLine(1, record("31.02.2014", 1200)));
    EXPECT_FALSE(RecordListLine(1, record("", 1200)));
}

// Ten rows: up to ten records fit; one more scrolls and shows rows + 1.
TEST(RecordListRange, AllRecordsFitOrOneMoreScrolls) {
    for (int n : {1, 5, 10}) {
        RecordListRange w(10, n);
        EXPECT_FALSE(w.hasScrollBar()) << n;
        EXPECT_EQ(std::vector<int>({w.first(), w.last(), w.rowCount(), w.recordOfRow(n - 1)}),
                  std::vector<int>({1, n, n, n}));
    }
    RecordListRange empty(10, 0);
    EXPECT_EQ(empty.rowCount(), 0);
    EXPECT_FALSE(empty.rowOfRecord(1));
    RecordListRange w(10, 11);
    EXPECT_TRUE(w.hasScrollBar());
    EXPECT_EQ(std::vector<int>({w.minimum(), w.position(), w.first(), w.last(), w.rowCount()}),
              std::vector<int>({11, 11, 1, 11, 11}));
}

TEST(RecordListRange, ScrollPositionIsTheLastRecordShownAndMovesOnlyWhenNeeded) {
    RecordListRange w(10, 100);
    EXPECT_EQ(w.first(), 90);
    w.setPosition(50);
    EXPECT_EQ(std::vector<int>({w.first(), w.last(), w.recordOfRow(3)}),
              std::vector<int>({40, 50, 43}));
    EXPECT_EQ(w.rowOfRecord(43), 3);
    EXPECT_FALSE(w.rowOfRecord(39) || w.rowOfRecord(51));
    w.setPosition(3);
    EXPECT_EQ(w.position(), 11);
    w.setPosition(1000);
    EXPECT_EQ(w.position(), 100);
    // Records added: the window stays where it was.
    w.setPosition(50);
    w.setCount(120);
    EXPECT_EQ(w.position(), 50);
    // Shrunk below the rows: everything shows.
    w.setCount(4);
    EXPECT_EQ(std::pair(w.hasScrollBar(), w.last()), std::pair(false, 4));
    // Showing a record scrolls only when needed.
    w.setCount(100);
    w.setPosition(50);
    std::vector<int> positions;
    for (int record : {45, 70, 3}) {
        w.reveal(record);
        positions.push_back(w.position());
    }
    EXPECT_EQ(positions, (std::vector<int>{50, 70, 11}));
    EXPECT_EQ(w.rowOfRecord(3), 2);
}

TEST(RecordListRange, ArrowKeysMoveOneRecord) {
    const struct {
        const char* name;
        int records, position;
        bool down;
        int row;
        int current;       // record that becomes current
        int positionAfter; // scroll position afterwards
    } rows[] = {
        // Down on the last visible row scrolls by one record.
        {"down on the last row", 100, 50, true, 10, 51, 51},
        {"down inside", 100, 50, true, 4, 45, 50},
        {"down at the end", 100, 100, true, 10, 100, 100},
        // Up on the first row goes one page back.
        {"up on the first row", 100, 50, false, 0, 39, 40},
        {"up on the first row near the start", 100, 15, false, 0, 4, 11},
        {"up at the start", 100, 11, false, 0, 1, 11},
        {"up inside", 100, 50, false, 5, 44, 50},
        {"down without a scroll bar", 5, 5, true, 4, 5, 5},
        {"up without a scroll bar", 5, 5, false, 2, 2, 5},
    };
    for (const auto& r : rows) {
        RecordListRange w(10, r.records);
        w.setPosition(r.position);
        const int k = r.down ? w.down(r.row) : w.up(r.row);
        EXPECT_EQ(k, r.current) << r.name;
        EXPECT_EQ(w.position(), r.positionAfter) << r.name;
        EXPECT_TRUE(w.rowOfRecord(k).has_value()) << r.name;
    }
}

TEST(ParseDrawingRadius, AcceptsPositiveNumbersTheSettingCanHold) {
    for (const auto& [text, radius] : {std::pair{"125", 125.0}, {" 62,5 ", 62.5}, {"999", 999.0}})
        EXPECT_EQ(std::get<double>(ParseDrawingRadius(text)), radius) << text;
    for (const char* bad : {"", "abc", "0", "-125", "0.4", "1000", "12x", "1e400", "nan", "inf"})
        EXPECT_TRUE(std::holds_alternative<std::string>(ParseDrawingRadius(bad))) << bad;
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
