// The official monthly sheet, one line per text line of the file, every
// cell followed by ";":
//
//   line 1: Den;U;T;g;f;r;gc;fc;rc;F;;;Oc;Obr.;Q;Č.Poz.;Poznámka;;Hvězdárna
//   (stanice);<observatory>; line 2: ;h;m;;;;;;;;rS;rJ;;;;;;;číslo (stanice);<station number>; then
//   one line per day of the month, day 1 first, 17 day cells:
//     0 day, 1 hour and 2 minute of Cas, 3 g, 4 f, 5 R of the whole disk
//     (north + south of the stored summary), 6 gc, 7 fc, 8 rc (central
//     zone), 9 F (faculae fields counted), 10 rS and 11 rJ (R of the north
//     and of the south), 12 Oc (observing conditions PP), 13 Obr, 14 Q,
//     15 Č.Poz. (the observer's number in the observer table, empty when not
//     there), 16 Poznámka ("zvl." for a special record).
//     A day without a drawing has its number and empty cells. When several
//     records share a day, the last of them in store order fills it.
//     Right of the first ten day lines, after an empty cell, the station
//     block: a label cell and a value cell each, "Adresa    (stanice)",
//     "tel..   email", "rok", "za měsíc", "Přístroj:", "Průměr", "Ohnisko",
//     "Okulár", "Metoda:" and "Pozorovatelé:" (the month's observers in order
//     of their first drawing, separated by ", ").
//   Suma;;; the sums of the cells 3 to 11 over the filled days; cells 12 to
//     14 empty; cell 15 "N=" and the number of all drawings of the month
//     (the ones that filled no day included); cell 16 empty.
//   Prum.;;; the means of the cells 3 to 11 over the filled days (g, f, gc,
//     fc and F with "0.00", the relative numbers with "0.0"), of Oc, Obr and
//     Q in cells 12 to 14 ("0.0"); cells 15 and 16 empty. Without a filled
//     day the mean cells are empty.
#include "results/official_csv.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdint>
#include <cstdio>

#include "geometry/calendar.h"
#include "records/record_prefetch.h"
#include "results/month_sums.h"
#include "results/record_date.h"
#include "results/report_text.h"
#include "text/number_format.h"

namespace hk {

namespace {

constexpr std::string_view HeaderLine1 =
    "Den;U;T;g;f;r;gc;fc;rc;F;;;Oc;Obr.;Q;Č.Poz.;Poznámka;;Hvězdárna (stanice);";
constexpr std::string_view HeaderLine2 = ";h;m;;;;;;;;rS;rJ;;;;;;;číslo (stanice);";
constexpr int DayCells = 17;
constexpr int Counted = 9; // cells 3..11 summed
constexpr int Conditions = 3;

std::string cells(const std::vector<std::string>& values) {
    std::string s;
    for (const std::string& v : values)
        s += v + ";";
    return s;
}

} // namespace

OfficialFields OfficialFieldsFrom(const StationData& data, std::string_view method) {
    OfficialFields f;
    f.observatory = data.row(1);
    f.stationNumber = data.row(StationNumberRow);
    f.address = data.row(8);
    f.telEmail = data.row(7);
    f.instrument = data.row(2);
    f.method = std::string(method);
    f.diameter = data.row(3);
    f.focalLength = data.row(4);
    f.eyepiece = data.row(5);
    return f;
}

std::optional<std::string> OfficialStationNumber(std::string_view stationNumber) {
    std::string_view s = stationNumber;
    while (!s.empty() && s.front() == ' ')
        s.remove_prefix(1);
    while (!s.empty() && s.back() == ' ')
        s.remove_suffix(1);
    if (s.empty() || s.size() > 3) return std::nullopt;
    for (char c : s)
        if (!std::isdigit(static_cast<unsigned char>(c))) return std::nullopt;
    return std::string(3 - s.size(), '0') + std::string(s);
}

std::optional<std::string> CheckOfficialFields(const OfficialFields& f) {
    if (!OfficialStationNumber(f.stationNumber) || f.method.empty())
        return std::string(BadStationNumber);
    return std::nullopt;
}

ReportFile BuildOfficialSheet(std::span<const TZaznam> records, const MonthChoice& month,
                              const OfficialFields& fields, const ObserverTable& observers) {
    const std::string number = OfficialStationNumber(fields.stationNumber).value_or("000");
    char mm[3];
    std::snprintf(mm, sizeof mm, "%02d", month.month);
    ReportFile file{"CSVsoubory/Rok" + std::to_string(month.year),
                    std::to_string(month.year) + mm + "_" + number + "a.csv",
                    {}};

    const int days = DaysInMonth(month.year, month.month);
    std::vector<const TZaznam*> day(static_cast<std::size_t>(days) + 1, nullptr);
    // The month's observers with the date and time of their first drawing.
    struct Observer {
        std::string name;
        int day;
        std::uint16_t time;
    };
    std::vector<Observer> observerList;
    long count = 0;
    // Every record dated in the month, wherever it stands: the store's order
    // (date + hhmm/1440) can put a late drawing of the month's last day after
    // early drawings of the next month, or of the previous month's last day
    // after this month's first drawings.
    for (std::size_t k = 0; k < records.size(); ++k) {
        PrefetchAhead(records, k);
        const TZaznam& z = records[k];
        const auto d = DrawingDate(z);
        if (!d || d->year != month.year || d->month != month.month) continue;
        ++count;
        day[static_cast<std::size_t>(d->day)] = &z;
        const std::string name = z.Pozorovatel.text();
        const auto seen = std::find_if(observerList.begin(), observerList.end(),
                                       [&](const Observer& o) { return o.name == name; });
        if (seen == observerList.end())
            observerList.push_back({name, d->day, z.Cas});
        else if (d->day < seen->day || (d->day == seen->day && z.Cas < seen->time))
            *seen = {name, d->day, z.Cas};
    }
    // In the order of their first drawings by date and time, which the
    // store's order need not be (a drawing of 14.01 at 23:00 stands after
    // one of 15.01 at 05:00).
    std::stable_sort(observerList.begin(), observerList.end(),
                     [](const Observer& a, const Observer& b) {
                         return a.day != b.day ? a.day < b.day : a.time < b.time;
                     });
    std::string names;
    for (const Observer& p : observerList)
        names += (names.empty() ? "" : ", ") + p.name;

    const std::vector<std::pair<std::string_view, std::string>> block = {
        {"Adresa    (stanice);", fields.address},
        {"tel..   email;", fields.telEmail},
        {"rok;", std::to_string(month.year)},
        {"za měsíc;", std::to_string(month.month)},
        {"Přístroj:;", fields.instrument},
        {"Průměr;", fields.diameter},
        {"Ohnisko;", fields.focalLength},
        {"Okulár;", fields.eyepiece},
        {"Metoda:;", fields.method},
        {"Pozorovatelé:;", names}};

    std::string& t = file.text;
    t += std::string(HeaderLine1) + fields.observatory + ";" + std::string(CrLf);
    t += std::string(HeaderLine2) + number + ";" + std::string(CrLf);

    std::array<long, Counted> sums{};
    std::array<long, Conditions> conditions{};
    int filled = 0;
    for (int d = 1; d <= days; ++d) {
        std::vector<std::string> line(DayCells);
        line[0] = std::to_string(d);
        if (const TZaznam* z = day[static_cast<std::size_t>(d)]) {
            const TSouhrn& s = z->Souhrn;
            const std::array<long, Counted> v = {
                s.gSev + s.gJih, s.fSev + s.fJih, s.RSev + s.RJih, s.qc, s.fc, s.rc,
                s.PocetFakuli,   s.RSev,          s.RJih};
            const std::array<long, Conditions> c = {z->PP, z->Obr, z->Q};
            line[1] = std::to_string(z->Cas / 100);
            line[2] = std::to_string(z->Cas % 100);
            for (int i = 0; i < Counted; ++i) {
                line[3 + static_cast<std::size_t>(i)] = std::to_string(v[i]);
                sums[i] += v[i];
            }
            for (int i = 0; i < Conditions; ++i) {
                line[12 + static_cast<std::size_t>(i)] = std::to_string(c[i]);
                conditions[i] += c[i];
            }
            if (const auto* e = observers.findByName(z->Pozorovatel.text())) line[15] = (*e)[0];
            if (IsSpecialRecord(*z)) line[16] = "zvl.";
            ++filled;
        }
        t += cells(line);
        if (d <= static_cast<int>(block.size())) {
            const auto& [label, value] = block[static_cast<std::size_t>(d - 1)];
            t += ";" + std::string(label) + value + ";";
        }
        t += CrLf;
    }

    std::vector<std::string> sumCells(DayCells);
    std::vector<std::string> diameter(DayCells);
    sumCells[0] = "Suma";
    diameter[0] = "Prum.";
    for (int i = 0; i < Counted; ++i) {
        sumCells[3 + static_cast<std::size_t>(i)] = std::to_string(sums[i]);
        // g, f, gc, fc and F are small counts; the relative numbers are not.
        const bool relative = i == 2 || i == 5 || i == 7 || i == 8;
        if (filled > 0)
            diameter[3 + static_cast<std::size_t>(i)] =
                FormatNumber(static_cast<double>(sums[i]) / filled, relative ? "0.0" : "0.00");
    }
    for (int i = 0; i < Conditions; ++i)
        if (filled > 0)
            diameter[12 + static_cast<std::size_t>(i)] =
                FormatNumber(static_cast<double>(conditions[i]) / filled, "0.0");
    sumCells[15] = "N=" + std::to_string(count);
    t += cells(sumCells) + std::string(CrLf);
    t += cells(diameter) + std::string(CrLf);
    return file;
}

std::vector<MonthChoice> OfficialWholeYear(const MonthChoice& month) {
    std::vector<MonthChoice> months;
    for (int m = 1; m <= 12; ++m)
        months.push_back({month.year, m});
    return months;
}

std::vector<MonthChoice> OfficialToEnd(std::span<const TZaznam> records, const MonthChoice& month) {
    std::vector<MonthChoice> months;
    // The month of the latest drawing, which need not be the last record.
    const auto span = DateSpanOf(records);
    if (!span) return months;
    const Date* last = &span->latest;
    const int end = last->year * 12 + last->month - 1; // the latest drawing's month, excluded
    for (int m = month.year * 12 + month.month - 1; m < end; ++m)
        months.push_back({m / 12, m % 12 + 1});
    return months;
}

} // namespace hk
