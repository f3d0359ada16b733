#pragma once
// Calendar dates as the records hold them ("dd.mm.yyyy") and as day numbers.
#include <optional>
#include <string>
#include <string_view>

namespace hk {

struct Date {
    int year = 0;
    int month = 0;
    int day = 0;
    friend bool operator==(const Date&, const Date&) = default;
    friend auto operator<=>(const Date&, const Date&) = default;
};

bool IsLeapYear(int year);
int DaysInMonth(int year, int month);
bool IsValidDate(const Date& d);

// Reads "d.m.yyyy" with one or two digits for day and month and four for the
// year (surrounding spaces allowed); nullopt when it is not a calendar date.
std::optional<Date> ParseDatum(std::string_view text);
// "dd.mm.yyyy".
std::string FormatDatum(const Date& d);

// Day serial number counted as calendar date values are: 30.12.1899 is 0,
// 1.1.1900 is 2.
int DaySerial(const Date& d);
Date DateFromSerial(int serial);

// Day of the week, 1 = Sunday .. 7 = Saturday.
int DayOfWeek(const Date& d);

} // namespace hk
