#include "graphs/graph_series.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <optional>

#include "geometry/calendar.h"
#include "geometry/ephemeris.h"
#include "records/record.h"
#include "results/intersol_counts.h"

namespace hk {

namespace {

constexpr QuantityInfo Infos[GraphQuantityCount] = {
    {" Počet skupin", 3, "g", "Graf_g_"},
    {" Počet skvrn", 50, "f", "Graf_f_"},
    {" Relativní číslo", 50, "r", "Graf_r_"},
    {" CV  (McIntoshovo číslo)", 50, "cv", "Graf_CV_"},
    {" SN  (Pettisovo číslo)", 100, "sn", "Graf_SN_"},
    {" RB  (Beckovo číslo)", 1000, "rb", "Graf_RB_"},
    {" Plocha skvrn disk", 1000, "area", "Graf_Plo_"},
    {" Plocha skvrn polokoule", 800, "hemisphere-area", "Graf_Polo_"},
    {" Plocha Fakulí", 10000, "faculae", ""},
    {" Počet skupin ", 2, "position", ""},
    {" Inter SOL", 50, "intersol", ""},
};

int faculaeArea(const TZaznam& z) {
    const std::string text(z.PlochaFakuli.raw());
    std::size_t a = text.find_first_not_of(' ');
    if (a == std::string::npos) return 0;
    long v = 0;
    const auto [p, ec] = std::from_chars(text.data() + a, text.data() + text.size(), v);
    if (ec != std::errc()) return 0;
    (void)p;
    return static_cast<int>(std::clamp<long>(v, 0, 1L << 30));
}

std::pair<int, int> hemispherePair(const TSouhrn& h, GraphQuantity r) {
    switch (r) {
    case GraphQuantity::g:
        return {h.gSev, h.gJih};
    case GraphQuantity::f:
        return {h.fSev, h.fJih};
    case GraphQuantity::R:
        return {h.RSev, h.RJih};
    case GraphQuantity::CV:
        return {h.CVSev, h.CVJih};
    case GraphQuantity::SN:
        return {h.SNSev, h.SNJih};
    case GraphQuantity::RB:
        return {h.RBSev, h.RBJih};
    case GraphQuantity::Plocha:
        return {h.PlSev, h.PlJih};
    case GraphQuantity::HemisphereArea:
        return {h.PkSev, h.PkJih};
    default:
        return {0, 0};
    }
}

} // namespace

const QuantityInfo& QuantityInfoOf(GraphQuantity r) {
    return Infos[static_cast<int>(r)];
}

const char* ViewTitle(GraphView r) {
    switch (r) {
    case GraphView::All:
        return "Celkový  Sever  Jih   -";
    case GraphView::Disk:
        return "Celkový   -";
    case GraphView::North:
        return "Sever   -";
    case GraphView::South:
        return "Jih   -";
    }
    return "";
}

namespace {

// The series of the records: the dates and group positions from `geometry`
// when given, else the dates from the records (every series but the
// position graph).
GraphData BuildSeries(std::span<const TZaznam> records, const GeometryCache* geometry,
                      GraphQuantity quantity) {
    GraphData g;
    g.quantity = quantity;
    const std::size_t n = records.size();
    g.days.resize(n);
    g.A.resize(n);
    g.B.resize(n);
    if (quantity == GraphQuantity::Position) g.C.resize(n);
    if (n == 0) return g;
    std::vector<std::optional<Date>> dates;
    if (!geometry) {
        dates.reserve(n);
        for (const TZaznam& z : records)
            dates.push_back(RecordDate(z));
    }
    const auto dateOf = [&](std::size_t k) -> const std::optional<Date>& {
        return geometry ? geometry->record(static_cast<int>(k) + 1).date : dates[k];
    };
    // The time axis starts on 1 January of the earliest drawing's year, which
    // need not be record 1's: the store puts a drawing of 31.12 at 16:00
    // after one of 01.01 at 01:00.
    std::optional<Date> first;
    for (std::size_t k = 0; k < n; ++k)
        if (const auto& d = dateOf(k); d && (!first || *d < *first)) first = d;
    g.firstYear = first ? first->year : 0;
    const float start = first ? ReducedJulianDay(Date{first->year, 1, 1}) : 0.0f;
    int den = 0;
    for (std::size_t k = 0; k < n; ++k) {
        const TZaznam& z = records[k];
        if (const auto& d = dateOf(k); first && d)
            den = static_cast<int>(std::trunc(ReducedJulianDay(*d) - start));
        g.days[k] = den;
        switch (quantity) {
        case GraphQuantity::Fakule:
            g.A[k] = faculaeArea(z);
            break;
        case GraphQuantity::InterSol:
            g.A[k] = InterSolCounts(z).sum;
            break;
        case GraphQuantity::Position: {
            const auto groups = geometry->groups(static_cast<int>(k) + 1);
            for (std::size_t j = 0; j < groups.size(); ++j) {
                if (IsHemisphereMarker(z.Skupiny[j])) continue;
                switch (ZoneClassOf(groups[j].CMD)) {
                case 0:
                    ++g.A[k];
                    break;
                case 1:
                    ++g.B[k];
                    break;
                case 2:
                    ++g.C[k];
                    break;
                default:
                    break;
                }
            }
            break;
        }
        default: {
            const auto [north, south] = hemispherePair(z.Souhrn, quantity);
            g.A[k] = north;
            g.B[k] = south;
        }
        }
    }
    // The polylines join the drawings in calendar order; the drawings of one
    // day keep their store order. A sorted store is left as it is.
    if (!std::is_sorted(g.days.begin(), g.days.end())) {
        std::vector<std::size_t> order(n);
        for (std::size_t k = 0; k < n; ++k)
            order[k] = k;
        std::stable_sort(order.begin(), order.end(),
                         [&](std::size_t a, std::size_t b) { return g.days[a] < g.days[b]; });
        const auto permute = [&](std::vector<int>& v) {
            if (v.empty()) return;
            std::vector<int> sorted(n);
            for (std::size_t k = 0; k < n; ++k)
                sorted[k] = v[order[k]];
            v = std::move(sorted);
        };
        for (std::vector<int>* v : {&g.days, &g.A, &g.B, &g.C})
            permute(*v);
    }
    return g;
}

} // namespace

GraphData BuildGraphData(std::span<const TZaznam> records, const GeometryCache& geometry,
                         GraphQuantity quantity) {
    return BuildSeries(records, &geometry, quantity);
}

GraphData BuildGraphData(std::span<const TZaznam> records, GraphQuantity quantity) {
    if (quantity != GraphQuantity::Position) return BuildSeries(records, nullptr, quantity);
    GeometryCache geometry;
    geometry.rebuild(records, 0, GeometryDetail::Groups);
    return BuildSeries(records, &geometry, quantity);
}

GraphGeometry ComputeGraphGeometry(int clientHeight) {
    GraphGeometry r;
    r.H = std::max(0, (clientHeight - 120) / 3);
    r.H -= r.H % 11;
    r.step = r.H / 11;
    return r;
}

std::vector<MonthLine> MonthLines(int firstYear, int xLast, int d, int dayDivisor) {
    static constexpr int MonthDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    std::vector<MonthLine> lines;
    // Months of the axis by the mean Gregorian month, so that a century of
    // records still gets the lines and years of its last months.
    const int end =
        static_cast<int>(std::nearbyint(double(xLast) * dayDivisor / (d * 30.436875))) + d;
    int day = 0;
    for (int m = 0; m <= end; ++m) {
        const int month = m % 12;
        const int year = firstYear + m / 12;
        if (month == 2 && year % 4 == 0) ++day;
        lines.push_back({day * d / dayDivisor, month, year});
        day += MonthDays[month];
    }
    return lines;
}

int GraphDayDivisor(int lastDay, int d, int margins, int maxWidth) {
    const long axis = static_cast<long>(std::max(0, lastDay)) * std::max(1, d);
    const long room = std::max(1, maxWidth - margins);
    return static_cast<int>(std::max(1L, (axis + room - 1) / room));
}

int GraphModel::value(const GraphPanel& p, std::size_t k) const {
    const int units = QuantityInfoOf(data->quantity).units;
    auto toPixels = [&](long v) { return static_cast<int>(v * geometry.step / units); };
    long v = 0;
    switch (p.curve) {
    case GraphCurve::Sum:
        // The heights of the two hemispheres in pixels, each truncated, added.
        return toPixels(data->A[k]) + toPixels(data->B[k]);
    case GraphCurve::North:
        v = data->A[k];
        break;
    case GraphCurve::South:
        v = data->B[k];
        break;
    case GraphCurve::Third:
        v = data->C.empty() ? 0 : data->C[k];
        break;
    }
    return toPixels(v);
}

GraphModel BuildGraphModel(const GraphData& data, int clientHeight, GraphView mode, int d,
                           int dayDivisor) {
    GraphModel m;
    m.data = &data;
    m.d = d;
    m.dayDivisor = std::max(1, dayDivisor);
    m.geometry = ComputeGraphGeometry(clientHeight);
    const int H = m.geometry.H;
    if (data.quantity == GraphQuantity::InterSol) mode = GraphView::Disk;
    m.e = mode == GraphView::All ? 5 : -7;
    m.xLast = m.x(data.lastDay());
    const GraphCurve sum =
        data.quantity == GraphQuantity::Position ? GraphCurve::Third : GraphCurve::Sum;
    switch (mode) {
    case GraphView::All:
        m.panels = {{1, H + 25, 1, sum},
                    {2, 2 * H + 50, 1, GraphCurve::North},
                    {3, 3 * H + 75, 1, GraphCurve::South}};
        break;
    case GraphView::Disk:
        m.panels = {{1, 3 * H, 3, sum}};
        break;
    case GraphView::North:
        m.panels = {{2, 3 * H, 3, GraphCurve::North}};
        break;
    case GraphView::South:
        m.panels = {{3, 3 * H, 3, GraphCurve::South}};
        break;
    }
    m.months = MonthLines(data.firstYear, m.xLast, d, m.dayDivisor);
    for (int i = 0; i < 10; ++i)
        m.scale[static_cast<std::size_t>(i)] = (i + 1) * QuantityInfoOf(data.quantity).units;
    m.title = std::string("Graf   ") + ViewTitle(mode) + QuantityInfoOf(data.quantity).title;
    return m;
}

int ZoneClassOf(double cmd) {
    if (cmd == 0 || cmd == -30 || cmd == 30) return -1;
    if (cmd > -30 && cmd < 30) return 0;
    return cmd < -30 ? 1 : 2;
}

const char* GraphPanelHeading(GraphQuantity quantity, int number) {
    static const char* const Headings[3] = {"SEVER + JIH", "SEVER", "JIH"};
    static const char* const Zones[3] = {"Východ", "Střed", "Západ"};
    const int i = std::clamp(number, 1, 3) - 1;
    return quantity == GraphQuantity::Position ? Zones[i] : Headings[i];
}

PictureData GraphPictureData(const GraphModel& m) {
    PictureData out;
    out.axis = "den";
    if (!m.data) return out;
    const GraphData& data = *m.data;
    std::string title = QuantityInfoOf(data.quantity).title;
    title.erase(0, title.find_first_not_of(' '));
    title.erase(title.find_last_not_of(' ') + 1);
    for (const GraphPanel& p : m.panels)
        out.columns.push_back(title + ": " + GraphPanelHeading(data.quantity, p.number));
    const int zero = DaySerial(Date{data.firstYear, 1, 1});
    for (std::size_t k = 0; k < data.days.size(); ++k) {
        PictureData::Row row;
        const Date d = DateFromSerial(zero + data.days[k]);
        char key[32];
        std::snprintf(key, sizeof key, "%04d-%02d-%02d", d.year, d.month, d.day);
        row.key = key;
        for (const GraphPanel& p : m.panels) {
            long v = 0;
            switch (p.curve) {
            case GraphCurve::Sum:
                v = long(data.A[k]) + data.B[k];
                break;
            case GraphCurve::North:
                v = data.A[k];
                break;
            case GraphCurve::South:
                v = data.B[k];
                break;
            case GraphCurve::Third:
                v = data.C.empty() ? 0 : data.C[k];
                break;
            }
            row.values.emplace_back(static_cast<double>(v));
        }
        out.rows.push_back(std::move(row));
    }
    return out;
}

const char* MonthName(int month, bool full) {
    static constexpr const char* Full[12] = {"Leden",  "Únor",   "Březen",   "Duben",
                                             "Květen", "Červen", "Červenec", "Srpen",
                                             "Září",   "Říjen",  "Listopad", "Prosinec"};
    static constexpr const char* Short[12] = {"Led", "Úno", "Bře", "Dub", "Kvě", "Čer",
                                              "Čer", "Srp", "Zář", "Říj", "Lis", "Pro"};
    const int index = ((month % 12) + 12) % 12;
    return full ? Full[index] : Short[index];
}

} // namespace hk
