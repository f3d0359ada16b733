#include "geometry/calendar.h"

#include <cstdio>

namespace hk {

bool IsLeapYear(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DaysInMonth(int year, int month) {
    static constexpr int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12) return 0;
    return month == 2 && IsLeapYear(year) ? 29 : days[month - 1];
}

bool IsValidDate(const Date& d) {
    return d.year >= 1 && d.year <= 9999 && d.month >= 1 && d.month <= 12 && d.day >= 1 &&
           d.day <= DaysInMonth(d.year, d.month);
}

namespace {

// Reads 1..maxDigits decimal digits at pos; -1 when there are none.
int readNumber(std::string_view s, std::size_t& pos, int maxDigits) {
    int value = 0, digits = 0;
    while (pos < s.size() && s[pos] >= '0' && s[pos] <= '9' && digits < maxDigits) {
        value = value * 10 + (s[pos] - '0');
        ++pos;
        ++digits;
    }
    return digits == 0 ? -1 : value;
}

} // namespace

std::optional<Date> ParseDatum(std::string_view text) {
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    std::size_t pos = 0;
    Date d;
    d.day = readNumber(text, pos, 2);
    if (d.day < 0 || pos >= text.size() || text[pos] != '.') return std::nullopt;
    ++pos;
    d.month = readNumber(text, pos, 2);
    if (d.month < 0 || pos >= text.size() || text[pos] != '.') return std::nullopt;
    ++pos;
    std::size_t yearStart = pos;
    d.year = readNumber(text, pos, 4);
    if (d.year < 0 || pos != text.size() || pos - yearStart != 4) return std::nullopt;
    if (!IsValidDate(d)) return std::nullopt;
    return d;
}

std::string FormatDatum(const Date& d) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%02d.%02d.%04d", d.day, d.month, d.year);
    return buf;
}

namespace {

// Days from 1.3.0000 of the proleptic Gregorian calendar (civil algorithm).
long daysFromCivil(int y, int m, int d) {
    y -= m <= 2;
    const long era = (y >= 0 ? y : y - 399) / 400;
    const long yoe = y - era * 400;
    const long doy = (153L * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe;
}

const long serialOrigin = daysFromCivil(1899, 12, 30);

} // namespace

int DaySerial(const Date& d) {
    return static_cast<int>(daysFromCivil(d.year, d.month, d.day) - serialOrigin);
}

Date DateFromSerial(int serial) {
    long z = serial + serialOrigin;
    const long era = (z >= 0 ? z : z - 146096) / 146097;
    const long doe = z - era * 146097;
    const long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const long y = yoe + era * 400;
    const long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const long mp = (5 * doy + 2) / 153;
    const long d = doy - (153 * mp + 2) / 5 + 1;
    const long m = mp + (mp < 10 ? 3 : -9);
    return Date{static_cast<int>(y + (m <= 2)), static_cast<int>(m), static_cast<int>(d)};
}

int DayOfWeek(const Date& d) {
    // 30.12.1899 was a Saturday.
    int w = (DaySerial(d) % 7 + 7) % 7; // 0 = Saturday
    return w == 0 ? 7 : w;
}

} // namespace hk
