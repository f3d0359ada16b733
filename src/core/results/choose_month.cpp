#include "results/choose_month.h"

#include "records/record.h"
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

namespace {

std::optional<int> monthOf(const TZaznam& z) {
    const auto d = DrawingDate(z);
    if (!d) return std::nullopt;
    return d->year * 100 + d->month;
}

std::optional<std::size_t> firstOfMonthByScan(std::span<const TZaznam> records, int chosenMonth) {
    for (std::size_t k = 0; k < records.size(); ++k)
        if (monthOf(records[k]) == chosenMonth) return k;
    return std::nullopt;
}

} // namespace

std::optional<std::size_t> FirstRecordOfMonth(std::span<const TZaznam> records, int chosenMonth) {
    // The store is sorted by date and time: the first record of the month is
    // found by halving. A record whose date cannot be read keeps its place in
    // the sort, so meeting one the search falls back to a scan from the start.
    std::size_t lo = 0, hi = records.size();
    while (lo < hi) {
        const std::size_t mid = lo + (hi - lo) / 2;
        const auto m = monthOf(records[mid]);
        if (!m) return firstOfMonthByScan(records, chosenMonth);
        if (*m < chosenMonth)
            lo = mid + 1;
        else
            hi = mid;
    }
    if (lo == records.size()) return std::nullopt;
    const auto m = monthOf(records[lo]);
    if (!m) return firstOfMonthByScan(records, chosenMonth);
    if (*m == chosenMonth) return lo;
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
    if (!r.first)
        r.message = std::string(LastRecordIsFrom) +
                    (records.empty() ? std::string{} : records.back().Datum.text());
    return r;
}

std::vector<std::string> ChooseMonthNotices(const StationData& data, bool headerNotice) {
    std::vector<std::string> notices;
    if (headerNotice) notices.emplace_back(HeaderFromStationData);
    if (data.row(3).empty() || data.row(4).empty())
        notices.emplace_back(MissingInstrumentParameters);
    return notices;
}

} // namespace hk
