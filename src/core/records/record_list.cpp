#include "records/record_list.h"

#include <algorithm>
#include <cstdio>

#include "records/record.h"
#include "text/number_format.h"

namespace hk {

std::optional<std::string> RecordListLine(int index1, const TZaznam& z) {
    const auto date = RecordDate(z);
    if (!date) return std::nullopt;
    char head[48];
    std::snprintf(head, sizeof head, "%5d     %02d %02d %04d  ", index1, date->day, date->month,
                  date->year);
    // The last four characters of "0" and the time: 705 -> "0705".
    const std::string time = "0" + std::to_string(z.Cas);
    std::string line = head + time.substr(time.size() > 4 ? time.size() - 4 : 0) + "    ";
    if (z.CisloZakresu != 0)
        line +=
            FormatNumber(z.CisloZakresu / 100, "000") + "/" + std::to_string(z.CisloZakresu % 100);
    return line;
}

std::optional<int> NearestRecord(std::span<const TZaznam> records, const Date& date) {
    const auto pred = std::partition_point(records.begin(), records.end(), [&](const TZaznam& z) {
        const auto d = RecordDate(z);
        return !d || *d < date;
    });
    // The nearest readable dates on either side of the partition point.
    auto to = pred;
    while (to != records.end() && !RecordDate(*to))
        ++to;
    auto before = pred;
    std::optional<Date> dateBefore;
    while (before != records.begin() && !dateBefore)
        dateBefore = RecordDate(*--before);
    const std::optional<Date> dateAfter = to != records.end() ? RecordDate(*to) : std::nullopt;
    const int target = DaySerial(date);
    auto index = [&](auto it) { return static_cast<int>(it - records.begin()) + 1; };
    if (dateAfter &&
        (!dateBefore || DaySerial(*dateAfter) - target <= target - DaySerial(*dateBefore)))
        return index(to);
    if (dateBefore) {
        // The first drawing of that earlier day.
        while (before != records.begin() && RecordDate(*(before - 1)) == dateBefore)
            --before;
        return index(before);
    }
    return std::nullopt;
}

RecordListRange::RecordListRange(int rows, int count)
    : rows_(std::max(rows, 0)), count_(std::max(count, 0)) {
    position_ = count_;
}

std::optional<int> RecordListRange::rowOfRecord(int k) const {
    if (count_ == 0 || k < first() || k > last()) return std::nullopt;
    return k - first();
}

void RecordListRange::setCount(int count) {
    count_ = std::max(count, 0);
    setPosition(position_);
}

void RecordListRange::setPosition(int position) {
    position_ = hasScrollBar() ? std::clamp(position, minimum(), count_) : count_;
}

void RecordListRange::reveal(int k) {
    if (!hasScrollBar() || rowOfRecord(k)) return;
    setPosition(k);
}

int RecordListRange::down(int row) {
    const int k = std::min(recordOfRow(row) + 1, count_);
    if (hasScrollBar() && k > last()) setPosition(position_ + 1);
    reveal(k);
    return k;
}

int RecordListRange::up(int row) {
    const int k = std::max(recordOfRow(row) - 1, 1);
    if (hasScrollBar() && k < first()) setPosition(position_ - rows_);
    reveal(k);
    return k;
}

} // namespace hk
