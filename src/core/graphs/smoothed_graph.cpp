#include "graphs/smoothed_graph.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string_view>
#include <tuple>

#include "geometry/calendar.h"
#include "records/record_prefetch.h"
#include "results/intersol_counts.h"
#include "results/period_table.h"
#include "results/record_date.h"

namespace hk {

namespace {

constexpr SmoothedQuantityInfo Infos[SmoothedQuantityCount] = {
    {3, "Počet skupin", "g", "Vyhl_g", "Asy_g_"},
    {25, "Počet skvrn", "f", "Vyhl_f", "Asy_f_"},
    {40, "Relativní číslo", "r", "Vyhl_r", "Asy_r_"},
    {40, " CV  (McIntoshovo číslo)", "cv", "Vyhl_CV", "Asy_CV_"},
    {60, " SN  (Pettisovo číslo)", "sn", "Vyhl_SN", "Asy_SN_"},
    {250, " RB  (Beckovo číslo)", "rb", "Vyhl_RB", "Asy_RB_"},
    {400, " Plocha  skvrn  disk", "area", "Vyhl_Plo", "Asy_Plo_"},
    {400, " Plocha skvrn  polokoule", "hemisphere-area", "Vyhl_Polo", "Asy_Polo_"},
    {25, "     Inter SOL", "intersol", "", ""},
};

// North and south value of series S (1..8) of a summary.
std::pair<int, int> hemisphere(const TSouhrn& h, int S) {
    switch (S) {
    case 1:
        return {h.gSev, h.gJih};
    case 2:
        return {h.fSev, h.fJih};
    case 3:
        return {h.RSev, h.RJih};
    case 4:
        return {h.CVSev, h.CVJih};
    case 5:
        return {h.SNSev, h.SNJih};
    case 6:
        return {h.RBSev, h.RBJih};
    case 7:
        return {h.PlSev, h.PlJih};
    case 8:
        return {h.PkSev, h.PkJih};
    default:
        return {0, 0};
    }
}

int roundInt(double v) {
    return static_cast<int>(std::nearbyint(v));
}

void fill(MonthlyCurve& k, int tLast) {
    k.filled.assign(static_cast<std::size_t>(tLast) + 1, 0);
    if (k.t.empty()) return;
    k.filled[static_cast<std::size_t>(k.t.front())] = k.value.front();
    for (std::size_t c = 1; c < k.t.size(); ++c) {
        const int a = k.t[c - 1];
        const int b = k.t[c];
        const double v0 = k.value[c - 1];
        const double v1 = k.value[c];
        for (int j = 1; j <= b - a; ++j)
            k.filled[static_cast<std::size_t>(a + j)] = roundInt(v0 + j * (v1 - v0) / (b - a));
    }
}

} // namespace

const SmoothedQuantityInfo& SmoothedQuantityInfoOf(int S) {
    return Infos[std::clamp(S, 1, SmoothedQuantityCount) - 1];
}

std::vector<long> Smooth13(const std::vector<int>& v, int from, int to) {
    std::vector<long> m(v.size(), 0);
    for (int t = std::max(from, 6); t <= to && t + 6 < static_cast<int>(v.size()); ++t) {
        long s = v[static_cast<std::size_t>(t - 6)] + v[static_cast<std::size_t>(t + 6)];
        for (int i = t - 5; i <= t + 5; ++i)
            s += 2L * v[static_cast<std::size_t>(i)];
        m[static_cast<std::size_t>(t)] = s;
    }
    return m;
}

SmoothedData BuildSmoothedData(std::span<const TZaznam> records, int S) {
    SmoothedData data;
    data.S = S;
    // Month index 1 is January of the year of the earliest drawing; each
    // record counts in the month of its own date, wherever it stands in the
    // store (a drawing of 31.01 at 16:00 stands after one of 01.02 at 01:00).
    struct Month {
        long sum[3] = {0, 0, 0};
        int n = 0;
    };
    PeriodTable<Month> months; // by month number year * 12 + month - 1
    for (std::size_t k = 0; k < records.size(); ++k) {
        PrefetchAhead(records, k);
        const TZaznam& z = records[k];
        const std::optional<Date> d = DrawingDate(z);
        if (!d) continue;
        Month& m = months[d->year * 12 + d->month - 1];
        int north = 0, south = 0;
        if (S == 9)
            north = InterSolCounts(z).sum;
        else
            std::tie(north, south) = hemisphere(z.Souhrn, S);
        m.sum[0] += north + south;
        m.sum[1] += north;
        m.sum[2] += south;
        ++m.n;
    }
    if (months.values().empty()) return data;
    data.firstYear = months.first(0) / 12;
    const int offset = months.first(0) % 12 + 1; // month index of the first entry
    for (std::size_t i = 0; i < months.values().size(); ++i) {
        const Month& m = months.values()[i];
        if (m.n == 0) continue;
        for (std::size_t h = 0; h < 3; ++h) {
            data.curves[h].t.push_back(static_cast<int>(i) + offset);
            data.curves[h].value.push_back(static_cast<int>(8 * m.sum[h] / m.n));
        }
    }
    const MonthlyCurve& disk = data.curves[0];
    if (disk.t.empty()) return data;
    data.tFirst = disk.t.front();
    data.tLast = disk.t.back();
    for (MonthlyCurve& k : data.curves) {
        fill(k, data.tLast);
        if (k.t.size() < 2) continue;
        // Months before the first drawing hold no value: the running mean
        // starts where its window is all inside the data.
        k.smoothFrom = std::max(6, data.tFirst + 6);
        k.smoothTo = data.tLast - 6;
        k.smooth = Smooth13(k.filled, k.smoothFrom, k.smoothTo);
    }
    return data;
}

namespace {

// The smoothed curve of monthly means given by month index (0 the first
// month with a value): months without a value between two with one are
// filled linearly, the running mean spans the months from the seventh to
// the seventh before the last; `posun` moves the indices onto the records'
// axis.
OutsideCurve smoothMonths(MonthlyCurve months, int offset) {
    OutsideCurve b;
    if (months.t.empty()) return b;
    const int last = months.t.back();
    fill(months, last);
    if (last < 12) return b;
    const std::vector<long> m24 = Smooth13(months.filled, 6, last - 6);
    for (int t = 6; t <= last - 6; ++t) {
        b.t.push_back(t + offset);
        b.M24.push_back(m24[static_cast<std::size_t>(t)]);
    }
    return b;
}

} // namespace

OutsideCurve BuildBrusselsCurve(const DailySeries& sidc, int firstYear, int which) {
    if (sidc.empty()) return {};
    const int from = sidc.firstYear;
    const int to = sidc.years.back();
    // Monthly means over the days that have a value (integer division);
    // a month without any is absent.
    MonthlyCurve months;
    int first = 0; // month index (od-based, January of from = 1) of the first mean
    for (int y = from; y <= to; ++y)
        for (int m = 1; m <= 12; ++m) {
            long s = 0;
            int n = 0;
            for (int d = 1, days = DaysInMonth(y, m); d <= days; ++d)
                if (const auto v = sidc.known(Date{y, m, d}, which)) {
                    s += *v;
                    ++n;
                }
            if (n == 0) continue;
            const int t = (y - from) * 12 + m;
            if (months.t.empty()) first = t;
            months.t.push_back(t - first);
            months.value.push_back(static_cast<int>(s / n));
        }
    return smoothMonths(std::move(months), first + (from - firstYear) * 12);
}

int DatedRows(const OutsideTable& table) {
    return static_cast<int>(table.rows.size());
}

OutsideCurve BuildOutsideCurve(const OutsideTable& table, int column, int firstYear) {
    OutsideCurve b;
    const std::size_t k = static_cast<std::size_t>(std::clamp(column, 0, 2));
    std::vector<std::pair<int, int>> rows; // month index, value
    rows.reserve(table.rows.size());
    for (const SeriesRow& r : table.rows)
        if (r.values[k] != MissingValue) rows.emplace_back(r.month, r.values[k]);
    if (rows.empty()) return b;
    std::stable_sort(rows.begin(), rows.end(),
                     [](const auto& a, const auto& c) { return a.first < c.first; });
    // Monthly means, then the months between them filled as the records'.
    MonthlyCurve months;
    for (std::size_t i = 0; i < rows.size();) {
        std::size_t j = i;
        long sum = 0;
        for (; j < rows.size() && rows[j].first == rows[i].first; ++j)
            sum += rows[j].second;
        months.t.push_back(rows[i].first - rows.front().first);
        months.value.push_back(static_cast<int>(sum / static_cast<long>(j - i)));
        i = j;
    }
    // Month index 1 is January of the year of record 1.
    return smoothMonths(std::move(months), rows.front().first - firstYear * 12 + 1);
}

AsymmetryGraph BuildAsymmetryGraph(std::span<const TZaznam> records, const AsymmetryTables& tables,
                                   int S, AsymmetryKind kind, AsymmetryPeriod period) {
    AsymmetryGraph g;
    g.S = std::clamp(S, 1, 8);
    g.kind = kind;
    g.period = period;
    g.unit = kind == AsymmetryKind::Ratio ? 20.0 : std::max(1, SmoothedQuantityInfoOf(g.S).U / 2);
    // The axis starts on the day of the earliest drawing, which need not be
    // record 1: a drawing of 31.12 at 16:00 stands after one of 01.01 at 01:00.
    std::optional<Date> first;
    Date last{};
    for (const TZaznam& z : records) {
        const std::optional<Date> d = DrawingDate(z);
        if (!d) continue;
        if (!first || *d < *first) first = d;
        if (last < *d) last = *d;
        const auto [n, s] = hemisphere(z.Souhrn, g.S);
        int a = n - s;
        if (kind == AsymmetryKind::Ratio) a = n + s == 0 ? 0 : (n - s) * 100 / (n + s);
        g.body.push_back({DaySerial(*d), a});
    }
    if (!first) return g;
    g.firstYear = first->year;
    g.firstMonth = first->month;
    g.firstDay = first->day;
    const int zero = DaySerial(*first);
    for (AsymmetryPoint& b : g.body)
        b.den -= zero;
    // The points in calendar order; the drawings of one day keep store order.
    const auto earlier = [](const AsymmetryPoint& a, const AsymmetryPoint& b) {
        return a.den < b.den;
    };
    if (!std::is_sorted(g.body.begin(), g.body.end(), earlier))
        std::stable_sort(g.body.begin(), g.body.end(), earlier);
    g.days = DaySerial(last) - zero;
    const std::size_t column =
        static_cast<std::size_t>(2 * (g.S - 1) + (kind == AsymmetryKind::Difference ? 1 : 0));
    for (int i = 0;; ++i) {
        const int m = first->month - 1 + i;
        const Date start{first->year + m / 12, m % 12 + 1, 1};
        if (start > last) break;
        const Date next{start.month == 12 ? start.year + 1 : start.year, start.month % 12 + 1, 1};
        AsymmetryBar s{DaySerial(start) - zero,
                       DaySerial(next) - zero,
                       0,
                       start.month == 1,
                       start.year,
                       start.month};
        g.months.push_back(s);
        const auto& t = tables.monthly.values;
        if (period == AsymmetryPeriod::Monthly && static_cast<std::size_t>(i) < t.size() &&
            t[static_cast<std::size_t>(i)][16] > 0) {
            s.value = t[static_cast<std::size_t>(i)][column];
            g.columns.push_back(s);
        }
    }
    if (period == AsymmetryPeriod::Yearly) {
        const auto& t = tables.yearly.values;
        for (std::size_t i = 0; i < t.size(); ++i) {
            if (t[i][16] <= 0) continue;
            const int year = first->year + static_cast<int>(i);
            g.columns.push_back({DaySerial(Date{year, 1, 1}) - zero,
                                 DaySerial(Date{year + 1, 1, 1}) - zero, t[i][column], true, year,
                                 1});
        }
    }
    return g;
}

PictureData AsymmetryPictureData(const AsymmetryGraph& g) {
    PictureData out;
    const bool perRecord = g.period == AsymmetryPeriod::PerRecord;
    out.axis = perRecord ? "den" : g.period == AsymmetryPeriod::Monthly ? "měsíc" : "rok";
    out.columns.push_back(
        std::string(SmoothedQuantityInfoOf(g.S).title) +
        (g.kind == AsymmetryKind::Ratio ? ": podílová asymetrie v %" : ": rozdílová asymetrie") +
        " (sever + / jih -)");
    char key[32];
    if (perRecord) {
        const int zero = DaySerial(Date{g.firstYear, g.firstMonth, g.firstDay});
        for (const AsymmetryPoint& b : g.body) {
            const Date d = DateFromSerial(zero + b.den);
            std::snprintf(key, sizeof key, "%04d-%02d-%02d", d.year, d.month, d.day);
            out.rows.push_back({key, {static_cast<double>(b.value)}});
        }
        return out;
    }
    for (const AsymmetryBar& b : g.columns) {
        if (g.period == AsymmetryPeriod::Monthly)
            std::snprintf(key, sizeof key, "%04d-%02d", b.year, b.month);
        else
            std::snprintf(key, sizeof key, "%04d", b.year);
        out.rows.push_back({key, {static_cast<double>(b.value)}});
    }
    return out;
}

} // namespace hk
