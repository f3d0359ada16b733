#include "results/choose_month.h"

#include "records/record.h"
#include "records/record_prefetch.h"
#include "results/record_date.h"

namespace hk {

namespace {

std::string_view trim(std::string_view s) {
    while (!s.empty() && s.front() == ' ')
        s.remove_prefix(1);
    while (!s.empty() && s.back() == ' ')
        s.remove_suffix(1);
    return s;
}

std::optional<int> digits(std::string_view s) {
    if (s.empty()) return std::nullopt;
    int v = 0;
    for (char c : s) {
        if (c < '0' || c > '9') return std::nullopt;
        v = v * 10 + (c - '0');
    }
    return v;
}

} // namespace

std::optional<MonthChoice> ParseMonthText(std::string_view text) {
    std::size_t sep = text.find('.');
    if (sep == std::string_view::npos) sep = text.find(',');
    if (sep == std::string_view::npos) return std::nullopt;
    const std::string_view monthText = trim(text.substr(0, sep));
    // The year is exactly four digits: "6.20251" is no month.
    const std::string_view yearText = trim(text.substr(sep + 1));
    if (monthText.size() > 2 || yearText.size() != 4) return std::nullopt;
    const int month = digits(monthText).value_or(0);
    const int year = digits(yearText).value_or(0);
    if (month < 1 || month > 12 || year < 1) return std::nullopt;
    return MonthChoice{year, month};
}

std::optional<std::size_t> FirstRecordOfMonth(std::span<const TZaznam> records, int chosenMonth) {
    // A scan from the start: the store's order is not the calendar's (a late
    // drawing of a month's last day stands after early drawings of the next
    // month), so a search by halving could miss the month's first record.
    for (std::size_t k = 0; k < records.size(); ++k) {
        PrefetchAhead(records, k);
        const auto d = DrawingDate(records[k]);
        if (d && d->year * 100 + d->month == chosenMonth) return k;
    }
    return std::nullopt;
}

ChooseMonthResult ChooseMonth(std::span<const TZaznam> records, std::string_view text) {
    ChooseMonthResult r;
    const auto choice = ParseMonthText(text);
    if (!choice) {
        r.message = std::string(BadMonth);
        return r;
    }
    r.chosenMonth = choice->chosenMonth();
    r.first = FirstRecordOfMonth(records, r.chosenMonth);
    if (!r.first) {
        // The date of the latest drawing, which need not be the last record.
        const auto span = DateSpanOf(records);
        const std::size_t last = span ? span->latestIndex : records.size() - 1;
        r.message = std::string(LastRecordIsFrom) +
                    (records.empty() ? std::string{} : records[last].Datum.text());
    }
    return r;
}

std::vector<std::string> ChooseMonthNotices(const StationData& data) {
    std::vector<std::string> notices;
    if (data.row(3).empty() || data.row(4).empty())
        notices.emplace_back(MissingInstrumentParameters);
    return notices;
}

} // namespace hk
