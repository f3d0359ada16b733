#pragma once
// All records grouped by calendar month, from the month of the earliest record
// to the month of the latest; months without records stay empty.
#include <span>
#include <string>
#include <vector>

#include "geometry/calendar.h"
#include "results/month_totals.h"

namespace hk {

// Months counted continuously: year * 12 + month - 1.
inline int MonthNumber(int year, int month) {
    return year * 12 + month - 1;
}
inline int MonthNumber(const Date& d) {
    return MonthNumber(d.year, d.month);
}
// "MM.YYYY" of a month number.
std::string MonthLabel(int monthNumber);

struct MonthSeries {
    int firstMonth = 0;              // month number of months[0]
    std::vector<MonthTotals> months; // empty when no record has a readable date
    std::size_t records = 0;         // records with a readable date
    int firstDay = 0;                // day serial of the earliest record
    int lastDay = 0;                 // day serial of the latest record
};

// One pass over the records; a record whose date cannot be read is left out.
// Records of a month count together wherever they stand in the store. The
// records are walked in runs on `threads` threads (0: the machine's cores);
// the sums are whole numbers, so the result is the same on any number.
MonthSeries CollectMonthTotals(std::span<const TZaznam> records, unsigned threads = 0);

} // namespace hk
