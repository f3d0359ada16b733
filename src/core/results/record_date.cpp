#include "results/record_date.h"

#include "records/record.h"
#include "records/record_prefetch.h"

namespace hk {

namespace {

int digit(char c) {
    return c >= '0' && c <= '9' ? c - '0' : -1;
}

} // namespace

std::optional<Date> DrawingDate(const TZaznam& z) {
    const std::string_view s = z.Datum.raw();
    if (s.size() == 10 && s[2] == '.' && s[5] == '.') {
        int v[8];
        const std::size_t at[8] = {0, 1, 3, 4, 6, 7, 8, 9};
        bool digits = true;
        for (int k = 0; k < 8; ++k)
            digits &= (v[k] = digit(s[at[k]])) >= 0;
        if (digits) {
            const Date d{v[4] * 1000 + v[5] * 100 + v[6] * 10 + v[7], v[2] * 10 + v[3],
                         v[0] * 10 + v[1]};
            if (IsValidDate(d)) return d;
            return std::nullopt;
        }
    }
    return RecordDate(z);
}

std::optional<RecordDateSpan> DateSpanOf(std::span<const TZaznam> records) {
    std::optional<RecordDateSpan> span;
    for (std::size_t k = 0; k < records.size(); ++k) {
        PrefetchAhead(records, k);
        const auto d = DrawingDate(records[k]);
        if (!d) continue;
        if (!span) {
            span = RecordDateSpan{*d, *d, k};
            continue;
        }
        if (*d < span->earliest) span->earliest = *d;
        if (!(*d < span->latest)) {
            span->latest = *d;
            span->latestIndex = k;
        }
    }
    return span;
}

} // namespace hk
