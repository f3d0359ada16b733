#pragma once
// The walk of the monthly report files over the records of one month.
#include <cstddef>
#include <span>
#include <utility>
#include <vector>

#include "records/record_layout.h"

namespace hk {

struct MonthWalk {
    int year = 0;
    int month = 0;
    int days = 0; // length of the month (Gregorian calendar)
    struct Used {
        std::size_t index; // 0-based position in the store
        int day;           // day of the month, 1..days
    };
    // The records of the month in store order. Each goes to the slot of its
    // own day, so of two records of one day the later one fills the slot.
    std::vector<Used> used;
};

// Starts at the month's first record (0-based `first`, the lowest index
// dated in the month) and takes every following record of the same month and
// year, in store order. Records of other months between them are passed over
// and do not end the walk: the store's order (date + hhmm/1440) puts a
// drawing of 31.01 at 16:00 after one of 01.02 at 01:00. A record whose date
// cannot be read is passed over too. Empty when `first` is outside the store
// or its date cannot be read.
MonthWalk WalkMonthByDays(std::span<const TZaznam> records, std::size_t first);

// The 1-based records first..last that the walk from 0-based `first` reads,
// for the geometry of exactly those (last < first when it reads none).
std::pair<int, int> MonthWalkRecords(std::span<const TZaznam> records, std::size_t first);

// The same for a report: throws std::runtime_error with a Czech message when
// `first` is not a record with a readable date.
MonthWalk WalkReportMonth(std::span<const TZaznam> records, std::size_t first);

} // namespace hk
