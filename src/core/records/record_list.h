#pragma once
// The record list of the record selection window: one line per record, and
// the window of ListRows + 1 lines that a scroll position shows.
#include <optional>
#include <span>
#include <string>

#include "geometry/calendar.h"
#include "records/record_layout.h"

namespace hk {

// "    1     05 07 2014  0705    001/21" for record 1 of 5.7.2014 at 7:05
// with drawing number 121 (UTF-8). nullopt when the date cannot be read.
std::optional<std::string> RecordListLine(int index1, const TZaznam& z);

// The record (1-based) whose date is nearest to `date` in records sorted by
// date: the first record of that day, else the nearer of the drawings before
// and after (the later one on a tie). Binary search; records whose date
// cannot be read are passed over. nullopt when no record has a date.
std::optional<int> NearestRecord(std::span<const TZaznam> records, const Date& date);

// Which records the list shows. With more records than rows the list shows
// records position - rows .. position and a scroll bar sets position within
// rows + 1 .. count; otherwise it shows all records.
class RecordListRange {
  public:
    RecordListRange() = default;
    RecordListRange(int rows, int count);

    int rows() const { return rows_; } // ListRows
    int count() const { return count_; }
    int position() const { return position_; }
    bool hasScrollBar() const { return count_ > rows_; }
    int minimum() const { return rows_ + 1; }

    int first() const { return hasScrollBar() ? position_ - rows_ : 1; }
    int last() const { return hasScrollBar() ? position_ : count_; }
    int rowCount() const { return count_ == 0 ? 0 : last() - first() + 1; }

    // Record shown on row `row` (0-based), and the row of record k.
    int recordOfRow(int row) const { return first() + row; }
    std::optional<int> rowOfRecord(int k) const;

    // New record count (the position is kept where it can be, else clamped).
    void setCount(int count);
    // Scroll position, clamped to minimum() .. count.
    void setPosition(int position);
    // Scrolls as little as needed, by making k the last row, for k to show.
    void reveal(int k);

    // Arrow keys on the record of row `row`: the record that becomes current.
    // Down on the last row scrolls by one record; Up on the first row scrolls
    // one page back.
    int down(int row);
    int up(int row);

  private:
    int rows_ = 0;
    int count_ = 0;
    int position_ = 0;
};

} // namespace hk
