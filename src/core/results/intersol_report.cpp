#include "results/intersol_report.h"

#include <algorithm>

#include "geometry/calendar.h"
#include "io/file_names.h"
#include "records/record.h"
#include "results/intersol_counts.h"
#include "results/record_date.h"
#include "results/report_text.h"
#include "text/encoding.h"
#include "text/number_format.h"

namespace hk {

namespace {

constexpr int columns = 10;
constexpr int commentColumn = 8;
constexpr int sumColumn = 9;
constexpr std::string_view headers[columns] = {"Den",       "  Čas",     "  gr", "  grfp",
                                               "  grf",     "  efp",     "  ef", "  Cond",
                                               " Poznámka", "   Suma   "};

std::string_view trim(std::string_view s) {
    while (!s.empty() && s.front() == ' ')
        s.remove_prefix(1);
    while (!s.empty() && s.back() == ' ')
        s.remove_suffix(1);
    return s;
}

bool allDigits(std::string_view s) {
    return !s.empty() &&
           std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
}

std::string frame() {
    return "+" + std::string(69, '-') + "+";
}
std::string blankFramed() {
    return ">" + std::string(69, ' ') + "<";
}

} // namespace

InterSolTable BuildInterSolTable(std::span<const TZaznam> records, std::string_view monthText,
                                 std::string_view observer, std::string_view number) {
    InterSolTable t;
    const std::string_view text = trim(monthText);
    std::size_t sep = text.find('.');
    if (sep == std::string_view::npos) sep = text.find(',');
    const std::string_view monthPart =
        sep == std::string_view::npos ? text : trim(text.substr(0, sep));
    // The observer number becomes part of a file name: digits only.
    if (text.empty() || observer.empty() || !allDigits(trim(number)) ||
        sep == std::string_view::npos || !allDigits(monthPart) || monthPart.size() > 2) {
        t.message = std::string(BadInterSolInput);
        return t;
    }
    t.month = std::stoi(std::string(monthPart));
    t.yearText = std::string(trim(text.substr(sep + 1)));

    // Dates are compared as the records hold them: the year as four digits.
    auto inMonth = [&](const Date& d) {
        return d.month == t.month && FormatNumber(d.year, "0000") == t.yearText;
    };
    bool any = false;
    for (const TZaznam& z : records)
        if (const auto d = DrawingDate(z); d && inMonth(*d)) {
            any = true;
            break;
        }
    if (!any) {
        t.message = std::string(NoRecordsExist);
        return t;
    }

    t.days = DaysInMonth(std::stoi(t.yearText), t.month);
    auto& cells = t.grid.cells;
    cells.assign(static_cast<std::size_t>(t.days) + 2, std::vector<std::string>(columns));
    for (int c = 0; c < columns; ++c)
        cells[0][static_cast<std::size_t>(c)] = std::string(headers[c]);
    for (int d = 1; d <= t.days; ++d)
        cells[static_cast<std::size_t>(d)][0] = std::to_string(d);

    std::vector<bool> filled(static_cast<std::size_t>(t.days) + 1, false);
    for (const TZaznam& z : records) {
        const auto d = DrawingDate(z);
        if (!d || !inMonth(*d) || z.Pozorovatel.text() != observer) continue;
        ++t.found;
        const InterSolValues h = InterSolCounts(z);
        auto& row = cells[static_cast<std::size_t>(d->day)];
        row[1] = std::to_string(z.Cas / 100) + ":" + FormatNumber(z.Cas % 100, "00");
        const int values[] = {h.gr, h.grfp, h.grf, h.efp, h.ef, h.Cond};
        for (int k = 0; k < 6; ++k)
            row[static_cast<std::size_t>(2 + k)] = std::to_string(values[k]);
        row[sumColumn] = std::to_string(h.sum);
        filled[static_cast<std::size_t>(d->day)] = true;
    }

    // The mean is taken over the days whose rows make up the total.
    long total = 0;
    int daysFilled = 0;
    for (int d = 1; d <= t.days; ++d)
        if (filled[static_cast<std::size_t>(d)]) {
            total += std::stol(cells[static_cast<std::size_t>(d)][sumColumn]);
            ++daysFilled;
        }
    auto& sum = cells.back();
    sum[0] = "Suma";
    sum[sumColumn] = std::to_string(total);
    if (daysFilled > 0) sum[commentColumn] = FormatNumber(double(total) / daysFilled, "0.0");
    t.grid.caption = "Koeficienty Inter SOL ";
    return t;
}

std::string InterSolFileName(std::string_view yearText, int month, std::string_view number) {
    const std::string yy = yearText.size() >= 2 ? std::string(yearText.substr(yearText.size() - 2))
                                                : std::string(yearText);
    const std::string nnn = "00" + std::string(trim(number));
    return yy + FormatNumber(month, "00") + "_" + nnn.substr(nnn.size() - 3) + ".txt";
}

std::string InterSolProtocolRow(const std::vector<std::string>& gridRow) {
    std::string row = "|   |       |      |      |      |      |      |     |                |";
    // Character (1-based) at which each grid column's value ends.
    constexpr struct {
        std::size_t column;
        std::size_t end;
    } places[] = {{0, 3}, {1, 12}, {2, 18}, {3, 25}, {4, 32}, {5, 39}, {6, 46}, {7, 53}, {8, 59}};
    for (const auto& p : places) {
        if (p.column >= gridRow.size()) continue;
        const std::string value = Utf8ToCp1250(gridRow[p.column]);
        if (value.empty()) continue;
        const std::size_t start = value.size() < p.end ? p.end - value.size() : 0;
        row.replace(start, p.end - start, value.substr(value.size() - (p.end - start)));
    }
    return Cp1250ToUtf8(row);
}

InterSolObserver InterSolObserverFor(std::string_view name, const ObserverTable::Entry* entry,
                                     const StationData& data) {
    InterSolObserver o{std::string(name), data.row(10), {}, data.row(7)};
    if (entry) o.address = (*entry)[2] + "  " + (*entry)[3] + "  " + (*entry)[4];
    return o;
}

ReportFile BuildInterSolProtocol(const InterSolTable& table, const InterSolObserver& observer,
                                 std::string_view number, const StationData& data,
                                 const InterSolRecipient& recipient) {
    std::string t;
    auto line = [&t](std::string_view s) {
        t += s;
        t += CrLf;
    };
    line(frame());
    line("    V O L K S S T E R N W A R T E  P A D E R B O R N   E. V.");
    line("");
    line("\r    >>>  I N T E R - S O L - P R O T O C O L   (V.2.2)   <<<");
    line(frame());
    line("    " + recipient.postalAddress);
    line("    " + recipient.telephoneLine);
    line(frame() + "\r");
    line("   Name ........... : " + OneLine(observer.name));
    line("   Place of observ. : " + OneLine(observer.observatory));
    line("   Address ........ : " + OneLine(observer.address));
    line("   E-Mail ......... : " + OneLine(observer.email) + "\r");
    line("   Instrument ..... : " + data.row(2) + "   " + data.row(3) + "  /  " + data.row(4) +
         "  /  " + data.row(5));
    line(frame());
    line(blankFramed());
    line(">          M O N T H : " + FormatNumber(table.month, "00") +
         "                    Y E A R : " + table.yearText + "            <");
    line(blankFramed());
    line(frame());
    line("|Day|Time UT|  gr  | grfp | grf  | efp  |  ef  |Cond.|   Comments     |");
    line(frame());
    for (int d = 1; d <= table.days && static_cast<std::size_t>(d) < table.grid.rowCount(); ++d)
        line(InterSolProtocolRow(table.grid.cells[static_cast<std::size_t>(d)]));
    line(frame());
    line("  Please fill in your data, copy the protocol into an e-mail and send");
    line("it to \"" + recipient.email + "\". If necessary, put any special comments a");
    line("the end of the e-mail. Never change formate of this formular! Thanks.");

    ReportFile report;
    report.folder = std::string(InterSolFolder);
    report.name = InterSolFileName(table.yearText, table.month, number);
    report.text = std::move(t);
    return report;
}

} // namespace hk
