// The store is sorted by date + hhmm/1440, so a drawing late in the day
// stands after early drawings of the next day (31.12 16:00 after 01.01
// 01:00). Every output of a month or a year must be the same as for the same
// drawings in calendar order. The tables summed in one pass over a store in
// any order grow with the records: the group latitudes' tables and the group
// positions' months and years kept by their number.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "core/results_fixtures.h"
#include "demo/demo.h"
#include "graphs/graph_series.h"
#include "graphs/smoothed_graph.h"
#include "records/exports.h"
#include "records/geometry_cache.h"
#include "results/choose_month.h"
#include "results/cv_report.h"
#include "results/group_latitudes.h"
#include "results/intersol_report.h"
#include "results/largest_groups.h"
#include "results/measured_statistics.h"
#include "results/month_series.h"
#include "results/observer_drawings.h"
#include "results/observer_statistics.h"
#include "results/official_csv.h"
#include "results/own_report.h"
#include "results/protocol_data.h"
#include "results/sidc_report.h"
#include "results/smoothed_statistics.h"
#include "results/spotless_days.h"
#include "results/type_occurrence.h"
#include "results/zone_positions.h"
#include "tests_support/butterfly_records.h"

using namespace hk;
using namespace hk::results_test;
using namespace hk::test;

namespace {

const char* const Observers[] = {"Novák, J.", "Černá, Eva", "Svoboda"};

std::string text(const ResultsGrid& g) {
    std::string s;
    for (const auto& row : g.cells)
        for (const std::string& c : row)
            s += c + ";";
    return s;
}
template <class V> std::string text(const V& v) {
    std::string s;
    for (const auto& x : v)
        s += std::to_string(x) + ",";
    return s + "|";
}

// Every output of a month or a year, of every month and year the drawings
// span, as (name, text).
std::vector<std::pair<std::string, std::string>> outputs(const std::vector<TZaznam>& records) {
    const GeometryCache g = GeometryCache::of(records);
    const StationData data{};
    const OfficialFields fields = OfficialFieldsFrom(data, MethodProjection);
    const ObserverTable table = ObserverTable::parse({});
    std::vector<std::pair<std::string, std::string>> out;
    auto add = [&](const std::string& name, const std::string& t) { out.emplace_back(name, t); };
    const auto [first, last] =
        std::minmax_element(records.begin(), records.end(), [](const TZaznam& a, const TZaznam& b) {
            return *RecordDate(a) < *RecordDate(b);
        });
    const Date d0 = *RecordDate(*first), d1 = *RecordDate(*last);
    for (int m = d0.year * 12 + d0.month - 1; m <= d1.year * 12 + d1.month - 1; ++m) {
        const std::string label = std::to_string(m % 12 + 1) + "." + std::to_string(m / 12);
        add("official " + label,
            BuildOfficialSheet(records, {m / 12, m % 12 + 1}, fields, table).text);
        for (const char* o : Observers)
            add("intersol " + label + o, text(BuildInterSolTable(records, label, o, "7").grid));
        const ChooseMonthResult chosen = ChooseMonth(records, label);
        add("choose " + label, chosen.message.value_or(""));
        if (!chosen.first) continue;
        const std::size_t k = *chosen.first;
        const OwnReport own = BuildOwnReport(records, k, data);
        add("reports " + label, BuildSidcReport(records, g, k, data).text +
                                    BuildCvReport(records, g, k, "N", data).text + own.basic.text +
                                    own.extended.text);
        std::string protocol;
        for (const ProtocolDay& d : BuildProtocolData(records, k, data).days)
            protocol += std::to_string(d.time) + text(d.values) + d.observer;
        add("protocol " + label, protocol);
    }
    add("choose after the end", ChooseMonth(records, "1.2099").message.value_or(""));
    add("official to end", std::to_string(OfficialToEnd(records, {d0.year, 1}).size()));
    for (int y = d0.year - 1; y <= d1.year + 1; ++y) {
        add("largest " + std::to_string(y),
            std::to_string(LargestGroupsYear(records, y)) + text(BuildLargestGroups(records, y)));
        std::string spotless;
        for (const Date& d : SpotlessDaysOfYear(SpotlessDaysOf(records), y))
            spotless += FormatDatum(d);
        add("spotless " + std::to_string(y), spotless);
    }
    for (HemisphereChoice v :
         {HemisphereChoice::Whole, HemisphereChoice::North, HemisphereChoice::South})
        add("statistics",
            text(BuildMeasuredStatistics(records, v)) + text(BuildSmoothedStatistics(records, v)));
    add("observers", text(BuildObserverStatistics(records, {Observers[1], Observers[0]}).grid) +
                         text(BuildTypeOccurrence(records).grid));
    for (const char* o : Observers)
        add(std::string("observer ") + o, BuildObserverDrawings(records, o).summary);
    const auto zones = ZoneTextFiles(records, g, "vše");
    add("zones", text(BuildZonePositions(records, g, "vše", {false, true, true, true})) +
                     zones[1].text + zones[2].text);
    const AsymmetryTables asymmetry = ComputeAsymmetry(records);
    add("asymmetry", AsymmetryText(BuildAsymmetryGrid(asymmetry, records, true)) +
                         AsymmetryText(BuildAsymmetryGrid(asymmetry, records, false)));
    for (int S : {3, 9}) {
        const SmoothedData v = BuildSmoothedData(records, S);
        std::string curves = std::to_string(v.firstYear);
        for (const MonthlyCurve& k : v.curves)
            curves += text(k.t) + text(k.value) + text(k.filled) + text(k.smooth);
        add("smoothed graph", curves);
    }
    for (auto period :
         {AsymmetryPeriod::PerRecord, AsymmetryPeriod::Monthly, AsymmetryPeriod::Yearly}) {
        const AsymmetryGraph a =
            BuildAsymmetryGraph(records, asymmetry, 3, AsymmetryKind::Ratio, period);
        // The months' marks tile the time axis, also across a year's end.
        for (std::size_t i = 0; i + 1 < a.months.size(); ++i)
            EXPECT_EQ(a.months[i].toDay, a.months[i + 1].fromDay) << i;
        std::string bars = std::to_string(a.days);
        for (const AsymmetryPoint& b : a.body)
            bars += std::to_string(b.den) + ":" + std::to_string(b.value) + ",";
        for (const AsymmetryBar& s : a.columns)
            bars += std::to_string(s.fromDay) + ":" + std::to_string(s.value) + ",";
        add("asymmetry graph", bars);
    }
    const GraphData daily = BuildGraphData(records, g, GraphQuantity::R);
    add("daily graph",
        std::to_string(daily.firstYear) + text(daily.days) + text(daily.A) + text(daily.B));
    return out;
}

// A drawing of random groups, counts, observer, special and marker flags.
TZaznam drawing(const Date& d, std::uint16_t time, std::mt19937& rnd) {
    auto pick = [&](int n) { return static_cast<int>(rnd() % static_cast<unsigned>(n)); };
    static const char* const types[] = {"Axx", "Cso", "Dao", "Eki", "Fkc", "Hsx", "dao"};
    TZaznam z = Record(FormatDatum(d), time, Observers[pick(3)]);
    for (int j = pick(5); j > 0; --j) // none: a spotless drawing
        AppendGroup(
            z, {types[pick(7)], 1 + pick(30), pick(4), pick(3600), pick(1150), pick(400), pick(3)});
    z.Q = static_cast<std::uint8_t>(1 + pick(5));
    z.PP = static_cast<std::uint8_t>(pick(4));
    z.PocetFakuli = static_cast<std::uint16_t>(pick(6));
    FillSummary(z);
    if (pick(15) == 0) Zvlastni(z);
    if (z.PocetSkupin > 0 && pick(20) == 0) Marker(Zvlastni(z), pick(2) == 0);
    return z;
}

std::vector<TZaznam> drawings(std::initializer_list<std::pair<const char*, std::uint16_t>> list) {
    std::mt19937 rnd(7);
    std::vector<TZaznam> r;
    for (const auto& [date, time] : list)
        r.push_back(drawing(*ParseDatum(date), time, rnd));
    return r;
}

// 20.11.2023 to 10.02.2025: half the days at any hour, and every last and
// first day of a month late and early in UT.
std::vector<TZaznam> generated() {
    std::mt19937 rnd(24);
    std::vector<TZaznam> r;
    for (int day = DaySerial({2023, 11, 20}); day <= DaySerial({2025, 2, 10}); ++day) {
        const Date d = DateFromSerial(day);
        const auto hour = static_cast<std::uint16_t>(rnd() % 24);
        if (hour % 2 == 0)
            r.push_back(drawing(d, static_cast<std::uint16_t>(100 * hour + 30), rnd));
        for (std::uint16_t time : {1600, 2300})
            if (d.day == DaysInMonth(d.year, d.month)) r.push_back(drawing(d, time, rnd));
        for (std::uint16_t time : {30, 100})
            if (d.day == 1) r.push_back(drawing(d, time, rnd));
    }
    return r;
}

} // namespace

TEST(MonthWalks, EveryMonthAndYearOutputIsTheSameAsInCalendarOrder) {
    const std::pair<const char*, std::vector<TZaznam>> stores[] = {
        {"month ends crossed late and early in the day", drawings({{"01.01.2024", 100},
                                                                   {"31.12.2023", 1600},
                                                                   {"01.01.2024", 1000},
                                                                   {"01.02.2024", 100},
                                                                   {"31.01.2024", 1600},
                                                                   {"02.02.2024", 900}})},
        // At 16:00 local time seven hours west of Greenwich.
        {"seven hours west", drawings({{"29.04.2024", 2300},
                                       {"30.04.2024", 2300},
                                       {"01.05.2024", 30},
                                       {"01.05.2024", 2300}})},
        {"generated", generated()}};
    for (const auto& [name, list] : stores) {
        SCOPED_TRACE(name);
        std::vector<TZaznam> store = list, calendar = list;
        std::stable_sort(store.begin(), store.end(), [](const TZaznam& a, const TZaznam& b) {
            return *RecordKey(a) < *RecordKey(b);
        });
        std::stable_sort(calendar.begin(), calendar.end(), [](const TZaznam& a, const TZaznam& b) {
            return std::pair(*RecordDate(a), a.Cas) < std::pair(*RecordDate(b), b.Cas);
        });
        ASSERT_FALSE(std::equal(store.begin(), store.end(), calendar.begin(),
                                [](const TZaznam& a, const TZaznam& b) { return a.Cas == b.Cas; }))
            << "the store holds drawings out of calendar order";
        const auto got = outputs(store), want = outputs(calendar);
        ASSERT_EQ(got.size(), want.size());
        for (std::size_t i = 0; i < got.size(); ++i)
            EXPECT_EQ(got[i], want[i]);
    }
}

// A single drawing's series spans its day; the asymmetry graph marks every
// month of the span, the last one also when its drawing is on its first day.
TEST(MonthSeries, EdgesOfTheSpan) {
    const std::vector<TZaznam> one = {Record("15.01.2020", 800, Observers[0])};
    const MonthSeries s = CollectMonthTotals(one);
    EXPECT_EQ(std::tuple(int(s.records), s.firstDay, s.lastDay),
              std::tuple(1, DaySerial({2020, 1, 15}), DaySerial({2020, 1, 15})));
    std::vector<TZaznam> two = one;
    two.push_back(Record("01.03.2020", 800, Observers[0]));
    const AsymmetryGraph a = BuildAsymmetryGraph(two, ComputeAsymmetry(two), 3,
                                                 AsymmetryKind::Ratio, AsymmetryPeriod::Monthly);
    ASSERT_EQ(a.months.size(), 3u);
    EXPECT_EQ(a.months.back().month, 3);
}

TEST(ResultsOnePass, LatitudeTablesReachTheLargestRotationAndYearWhereverTheyStand) {
    // The latest drawing stands in the middle of the store, an older one last.
    TZaznam first = RotationRecord("10.03.1915");
    TZaznam latest = RotationRecord("10.03.2025");
    TZaznam last = RotationRecord("10.03.1950");
    AddGroupAt(latest, RecordEphemeris(latest)->L0 + 10, 8, 1);
    AddGroupAt(last, RecordEphemeris(last)->L0 + 10, -6, 2);
    const std::vector<TZaznam> records = {first, latest, last};
    const GeometryCache g = GeometryCache::of(records);
    const GroupLatitudes v = ComputeGroupLatitudes(records, g);

    const int latestIndex = latest.Rotace - first.Rotace + 1;
    const int lastIndex = last.Rotace - first.Rotace + 1;
    EXPECT_EQ(v.rotationCount, lastIndex); // the last record's, not the largest
    EXPECT_EQ(v.rotationTable.size(), std::size_t(latestIndex) + 2);
    EXPECT_EQ(v.rotation(latestIndex).northCount, 1);
    EXPECT_EQ(v.rotation(lastIndex).southCount, 1);
    EXPECT_EQ(v.yearTable.size(), 112u); // year indices 1..111
    EXPECT_GT(v.yearTable[111].northMax, 7.5f);
    EXPECT_LT(v.yearTable[36].southMin, -5.5f);
    // An untouched rotation keeps no extremes.
    EXPECT_EQ(v.rotation(latestIndex + 1).northMin, 0);
    EXPECT_EQ(v.rotation(latestIndex + 1).southMax, 0);
}

TEST(ResultsOnePass, ZoneMonthsAndYearsDoNotDependOnTheStoreOrder) {
    DemoOptions o;
    o.years = 3;
    o.perYear = 120;
    const std::vector<TZaznam> sorted = GenerateDemoRecords(o);
    std::vector<TZaznam> reversed(sorted.rbegin(), sorted.rend());
    // And one drawing of the middle moved to the front.
    std::rotate(reversed.begin(), reversed.begin() + long(reversed.size() / 2),
                reversed.begin() + long(reversed.size() / 2) + 1);
    const GeometryCache gs = GeometryCache::of(sorted);
    const GeometryCache gr = GeometryCache::of(reversed);
    const ZoneSections periods{false, true, true, true};
    for (const char* zurichClass : {"vše", "D"}) {
        const ResultsGrid a = BuildZonePositions(sorted, gs, zurichClass, periods);
        const ResultsGrid b = BuildZonePositions(reversed, gr, zurichClass, periods);
        ASSERT_GT(a.rowCount(), 36u) << zurichClass; // header, months, years, all
        EXPECT_EQ(a.cells, b.cells) << zurichClass;
        // Months ascend: "1 . yyyy" of the earliest year first.
        EXPECT_EQ(a.cells[1][0].substr(0, 4) + "|" + a.cells.back()[0], "1 . |vše");
    }
}

// The long texts and tables are made in runs of records on several threads
// and joined in order: the same bytes with one thread as with more, also
// when a run meets its months in another order than the others.
TEST(ResultsOnePass, RunsOnSeveralThreadsGiveTheSameTexts) {
    std::vector<TZaznam> records = GenerateDemoRecords({.years = 3, .perYear = 2200});
    std::reverse(records.begin() + long(records.size() / 3), records.end());
    const GeometryCache g = GeometryCache::of(records);
    const std::string ascii(AsciiExportBuffer(records, g, 1).view());
    ASSERT_GT(ascii.size(), 100000u);
    for (const char* zurichClass : {"vše", "D"}) {
        const ResultsGrid one = BuildZonePositions(records, g, zurichClass, {}, 1);
        ASSERT_GT(one.rowCount(), records.size() / 2) << zurichClass;
        std::string lines;
        for (const auto& row : one.cells)
            for (std::size_t c = 0; c < row.size(); ++c)
                lines += row[c] + (c + 1 < row.size() ? ";" : "\n");
        for (unsigned threads : {1u, 2u, 3u, 7u}) {
            EXPECT_EQ(BuildZonePositions(records, g, zurichClass, {}, threads).cells, one.cells)
                << zurichClass << threads;
            EXPECT_EQ(ZonePositionLines(records, g, zurichClass, {}, threads).view(), lines)
                << zurichClass << threads;
        }
    }
    for (unsigned threads : {2u, 3u, 7u})
        EXPECT_EQ(AsciiExportBuffer(records, g, threads).view(), ascii) << threads;
    // The month totals, with unreadable dates at a run's start and end.
    records.front().Datum.setText("31.02.2001");
    records[records.size() / 2].Datum.setText("xx");
    const MonthSeries one = CollectMonthTotals(records, 1);
    ASSERT_EQ(one.records, records.size() - 2);
    for (unsigned threads : {2u, 3u, 7u}) {
        const MonthSeries s = CollectMonthTotals(records, threads);
        EXPECT_EQ(std::tuple(s.firstMonth, s.records, s.firstDay, s.lastDay),
                  std::tuple(one.firstMonth, one.records, one.firstDay, one.lastDay))
            << threads;
        EXPECT_TRUE(s.months == one.months) << threads;
    }
}
