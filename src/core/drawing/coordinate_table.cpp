#include "drawing/coordinate_table.h"

#include <array>
#include <charconv>
#include <cstdio>

#include "geometry/ephemeris.h"
#include "text/number_format.h"

namespace hk {

namespace {

constexpr std::string_view ValuePattern = "0.0";
constexpr int TitleX = 160;
constexpr int TitleRise = 90;      // above the table top
constexpr int CaptionRise = 5;     // column captions
constexpr int MonthRise = 30;      // month names
constexpr int DayNumberRight = 40; // day numbers: right-aligned in the field 20..40

Date dayBefore(const Date& d) {
    if (d.day > 1) return {d.year, d.month, d.day - 1};
    if (d.month > 1) return {d.year, d.month - 1, DaysInMonth(d.year, d.month - 1)};
    return {d.year - 1, 12, 31};
}

std::optional<int> parseWhole(std::string_view text) {
    int v = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), v);
    if (text.empty() || ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return v;
}

} // namespace

CoordinateYear MakeCoordinateYear(int year) {
    CoordinateYear y;
    y.year = year;
    double previousL0 = SolarEphemeris(dayBefore({year, 1, 1}), 0).L0;
    for (int month = 1; month <= 12; ++month) {
        for (int day = 1; day <= DaysInMonth(year, month); ++day) {
            const Date date{year, month, day};
            const Ephemeris e = SolarEphemeris(date, 0);
            y.days.push_back({date, FormatNumber(e.L0, ValuePattern),
                              FormatNumber(e.B0, ValuePattern), FormatNumber(e.P, ValuePattern)});
            // L0 runs down through a rotation: a rise means it wrapped past 0.
            if (e.L0 > previousL0) y.starts.push_back({date, e.CarrRotation});
            previousL0 = e.L0;
        }
    }
    return y;
}

CoordinateTablePage MakeCoordinateTablePage(const CoordinateYear& year, int page) {
    CoordinateTablePage p;
    p.year = year.year;
    p.firstMonth = page * CoordinateTableMonthsPerPage;
    auto add = [&p](std::string text, int x, int y, TableAlign align,
                    int fontHeight = TextFontHeight) {
        p.texts.push_back({std::move(text), x, y, align, fontHeight});
    };

    add(std::string(CoordinateTableTitle) + std::to_string(year.year), TitleX, TableTop - TitleRise,
        TableAlign::Left, TitleFontHeight);
    for (int b = 1; b <= CoordinateTableMonthsPerPage; ++b) {
        add("L", 200 * b - 90, TableTop - CaptionRise, TableAlign::Right);
        add("B", 200 * b - 25, TableTop - CaptionRise, TableAlign::Right);
        add("P", 200 * b + 15, TableTop - CaptionRise, TableAlign::Right);
    }
    for (int d = 1; d <= 31; ++d)
        add(std::to_string(d), DayNumberRight, TableRowY(d), TableAlign::Right);

    for (int m = 1; m <= CoordinateTableMonthsPerPage; ++m) {
        const int month = p.firstMonth + m;
        add(std::string(MonthName(month)), 200 * m - 30, TableTop - MonthRise, TableAlign::Right);
        for (const CoordinateDay& day : year.days) {
            if (day.date.month != month) continue;
            const int y = TableRowY(day.date.day);
            add(day.L0, L0ColumnRight(m), y, TableAlign::Right);
            add(day.B0, B0ColumnRight(m), y, TableAlign::Right);
            add(day.P, PColumnRight(m), y, TableAlign::Right);
        }
        for (const RotationStart& s : year.starts) {
            if (s.date.month != month) continue;
            const int d = s.date.day;
            const int x = d == 1 ? FirstDayStartLeft(m) : StartColumnLeft(m);
            const int row = d >= LateStartDay ? LateStartRow : FirstStartRow;
            add(std::to_string(d) + "- " + std::to_string(s.CarrRotation), x, TableRowY(row),
                TableAlign::Left);
        }
        add(std::string(CoordinateTableRotation), StartColumnLeft(m), TableRowY(RotationRow),
            TableAlign::Left);
    }
    return p;
}

std::string_view MonthName(int month) {
    static constexpr std::array<std::string_view, 12> names = {
        "leden",    "únor",  "březen", "duben", "květen",   "červen",
        "červenec", "srpen", "září",   "říjen", "listopad", "prosinec"};
    return month >= 1 && month <= 12 ? names[static_cast<std::size_t>(month - 1)]
                                     : std::string_view{};
}

std::string CoordinateTableImageName(int year, int page, std::string_view extension) {
    const int last = (page + 1) * CoordinateTableMonthsPerPage;
    return "Souřadnice " + std::to_string(year) + " " +
           std::to_string(last - CoordinateTableMonthsPerPage + 1) + " - " + std::to_string(last) +
           std::string(extension);
}

std::optional<int> ParseTableYear(std::string_view text) {
    for (char c : text)
        if (c < '0' || c > '9') return std::nullopt;
    const auto year = parseWhole(text);
    if (!year || *year < 1583 || *year > 9999) return std::nullopt;
    return year;
}

std::optional<int> ParseTableScale(std::string_view text) {
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    if (!text.empty() && text.front() == '+') return std::nullopt;
    const auto scale = parseWhole(text);
    if (!scale || *scale < 1 || *scale > 1000) return std::nullopt;
    return scale;
}

PictureData CoordinateYearPictureData(const CoordinateYear& table) {
    PictureData out;
    out.axis = "den";
    out.columns = {"L0", "B0", "P", "rotace"};
    auto number = [](const std::string& text) -> std::optional<double> {
        double v = 0;
        const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), v);
        if (ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
        return v;
    };
    std::size_t start = 0;
    char key[32];
    for (const CoordinateDay& d : table.days) {
        std::snprintf(key, sizeof key, "%04d-%02d-%02d", d.date.year, d.date.month, d.date.day);
        PictureData::Row row{key, {number(d.L0), number(d.B0), number(d.P)}};
        while (start < table.starts.size() && table.starts[start].date < d.date)
            ++start;
        if (start < table.starts.size() && table.starts[start].date == d.date)
            row.values.push_back(double(table.starts[start].CarrRotation));
        out.rows.push_back(std::move(row));
    }
    return out;
}

} // namespace hk
