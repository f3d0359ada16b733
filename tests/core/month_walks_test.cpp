// Month and year outputs group the records by their own dates. The store is
// sorted by date + hhmm/1440, so a drawing late in the day stands after early
// drawings of the next day: 31.12 16:00 after 01.01 01:00, 30.04 23:00 after
// 01.05 00:30. Every output of a month or a year must be the same as for the
// same drawings in calendar order.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "core/results_fixtures.h"
#include "graphs/asymmetry.h"
#include "graphs/graph_series.h"
#include "graphs/smoothed_graph.h"
#include "records/geometry_cache.h"
#include "records/observers.h"
#include "results/choose_month.h"
#include "results/cv_report.h"
#include "results/intersol_report.h"
#include "results/largest_groups.h"
#include "results/measured_statistics.h"
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

using namespace hk;
using namespace hk::results_test;

namespace {

const char* const Observers[] = {"Novák, J.", "Černá, Eva", "Svoboda"};

std::string joined(const ResultsGrid& g) {
    std::string s = g.caption + "\n";
    for (const auto& row : g.cells) {
        for (const std::string& c : row)
            s += c + ";";
        s += "\n";
    }
    return s;
}

template <class T> std::string numbers(const std::vector<T>& v) {
    std::string s;
    for (const T& x : v)
        s += std::to_string(x) + ",";
    return s + "\n";
}

using Outputs = std::vector<std::pair<std::string, std::string>>;

// Every output of a month or a year, of every month and year the records
// span, as texts.
Outputs monthAndYearOutputs(const std::vector<TZaznam>& records) {
    const GeometryCache g = GeometryCache::of(records);
    const ObecnaData data{};
    const OfficialFields fields = OfficialFieldsFrom(data, MetodaProjekce);
    const ObserverTable table = ObserverTable::parse({});
    Date first{9999, 12, 31}, last{1, 1, 1};
    for (const TZaznam& z : records) {
        first = std::min(first, *RecordDate(z));
        last = std::max(last, *RecordDate(z));
    }
    Outputs out;
    auto add = [&](std::string name, std::string text) {
        out.emplace_back(std::move(name), std::move(text));
    };
    for (int m = first.year * 12 + first.month - 1; m <= last.year * 12 + last.month - 1; ++m) {
        const MonthChoice month{m / 12, m % 12 + 1};
        const std::string label = std::to_string(month.month) + "." + std::to_string(month.year);
        add("official " + label, BuildOfficialSheet(records, month, fields, table).text);
        for (const char* o : Observers)
            add("intersol " + label + " " + o,
                joined(BuildInterSolTable(records, label, o, "7").grid));
        const ChooseMonthResult chosen = ChooseMonth(records, label);
        if (!chosen.first) {
            add("choose " + label, chosen.message.value_or(""));
            continue;
        }
        const std::size_t k = *chosen.first;
        add("sidc " + label, BuildSidcReport(records, g, k, data).text);
        add("cv " + label, BuildCvReport(records, g, k, "N", data).text);
        const OwnReport own = BuildOwnReport(records, k, data);
        add("own " + label, own.basic.text + own.extended.text);
        std::string protocol;
        for (const ProtocolDay& d : BuildProtocolData(records, k, data).days)
            protocol += std::to_string(d.observed) + " " + std::to_string(d.cas) + " " +
                        numbers(std::vector<int>(d.values.begin(), d.values.end())) + d.observer;
        add("protocol " + label, protocol);
    }
    add("choose after the end", ChooseMonth(records, "1.2099").message.value_or(""));
    add("official to end", std::to_string(OfficialToEnd(records, {first.year, 1}).size()));
    for (int y = first.year - 1; y <= last.year + 1; ++y) {
        add("largest year " + std::to_string(y), std::to_string(LargestGroupsYear(records, y)));
        add("largest " + std::to_string(y), joined(BuildLargestGroups(records, y)));
        std::string spotless;
        for (const Date& d : SpotlessDaysOfYear(DnyBezAktivity(records), y))
            spotless += FormatDatum(d) + ",";
        add("spotless " + std::to_string(y), spotless);
    }
    for (VyberPolokoule v : {VyberPolokoule::Celkova, VyberPolokoule::Sever, VyberPolokoule::Jih}) {
        add("measured", joined(BuildMeasuredStatistics(records, v)));
        add("smoothed", joined(BuildSmoothedStatistics(records, v)));
    }
    add("observers", joined(BuildObserverStatistics(records, {Observers[1], Observers[0]}).grid));
    for (const char* o : Observers)
        add(std::string("observer caption ") + o, BuildObserverDrawings(records, o).souhrn);
    add("types", joined(BuildTypeOccurrence(records).grid));
    add("zones", joined(BuildZonePositions(records, g, "vše", {false, true, true, true})));
    const auto zoneFiles = ZoneTextFiles(records, g, "vše");
    add("zone files", zoneFiles[1].text + zoneFiles[2].text);
    const Asymetrie asymetrie = SpocitejAsymetrii(records);
    add("asymmetry months", AsymmetryText(BuildAsymmetryGrid(asymetrie, records, true)));
    add("asymmetry years", AsymmetryText(BuildAsymmetryGrid(asymetrie, records, false)));
    for (int S = 1; S <= 9; ++S) {
        const VyhlazenaData v = BuildVyhlazenaData(records, S);
        std::string curves = std::to_string(v.prvniRok) + "\n";
        for (const MesicniKrivka& k : v.krivky)
            curves += numbers(k.t) + numbers(k.hodnota) + numbers(k.vyplnena) + numbers(k.hladka);
        add("smoothed graph " + std::to_string(S), curves);
    }
    for (ObdobiAsymetrie period :
         {ObdobiAsymetrie::Zaznamovy, ObdobiAsymetrie::Mesicni, ObdobiAsymetrie::Rocni}) {
        const AsymetrieGraf a =
            BuildAsymetrieGraf(records, asymetrie, 3, DruhAsymetrie::Podilova, period);
        std::string bars = std::to_string(a.dnu) + "\n";
        for (const AsymetrieBod& b : a.body)
            bars += std::to_string(b.den) + ":" + std::to_string(b.hodnota) + ",";
        for (const AsymetrieSloupec& s : a.sloupce)
            bars += std::to_string(s.odDne) + ":" + std::to_string(s.hodnota) + ",";
        add("asymmetry graph", bars);
    }
    for (GrafRada r : {GrafRada::R, GrafRada::Poloha}) {
        const GrafData d = BuildGrafData(records, g, r);
        add("daily graph", std::to_string(d.prvniRok) + "\n" + numbers(d.dny) + numbers(d.A) +
                               numbers(d.B) + numbers(d.C));
    }
    return out;
}

// The records as the store keeps them (sorted by date + hhmm/1440, equal
// keys in their order) and in calendar order (by date, then time).
std::vector<TZaznam> inKeyOrder(std::vector<TZaznam> r) {
    std::stable_sort(r.begin(), r.end(), [](const TZaznam& a, const TZaznam& b) {
        return *RecordKey(a) < *RecordKey(b);
    });
    return r;
}
std::vector<TZaznam> inCalendarOrder(std::vector<TZaznam> r) {
    std::stable_sort(r.begin(), r.end(), [](const TZaznam& a, const TZaznam& b) {
        return std::pair(*RecordDate(a), a.Cas) < std::pair(*RecordDate(b), b.Cas);
    });
    return r;
}

TZaznam drawing(const Date& d, std::uint16_t cas, std::mt19937& rnd) {
    auto pick = [&](int n) { return static_cast<int>(rnd() % static_cast<unsigned>(n)); };
    static const char* const types[] = {"Axx", "Bxo", "Cso", "Dao", "Eki", "Fkc", "Hsx", "dao"};
    TZaznam z = Record(FormatDatum(d), cas, Observers[pick(3)]);
    const int groups = pick(5); // none: a spotless drawing
    for (int j = 0; j < groups; ++j)
        Pridej(z,
               {types[pick(8)], 1 + pick(30), pick(4), pick(3600), pick(1150), pick(400), pick(3)});
    z.Q = static_cast<std::uint8_t>(1 + pick(5));
    z.PP = static_cast<std::uint8_t>(pick(4));
    z.Obr = static_cast<std::uint8_t>(pick(4));
    z.qc = static_cast<std::uint16_t>(pick(3));
    z.PocetFakuli = static_cast<std::uint16_t>(pick(6));
    Uloz(z);
    if (pick(15) == 0) Zvlastni(z);
    if (groups > 0 && pick(20) == 0) Znacka(Zvlastni(z), pick(2) == 0);
    return z;
}

// Drawings from 20.11.2023 to 10.02.2025 on about half the days at any time,
// and on every last and first day of a month late and early in UT.
std::vector<TZaznam> generatedDrawings() {
    std::mt19937 rnd(24);
    std::vector<TZaznam> r;
    for (int day = DaySerial({2023, 11, 20}); day <= DaySerial({2025, 2, 10}); ++day) {
        const Date d = DateFromSerial(day);
        if (rnd() % 2 == 0) {
            const auto hour = static_cast<std::uint16_t>(1 + rnd() % 23);
            r.push_back(drawing(d, static_cast<std::uint16_t>(100 * hour + rnd() % 60), rnd));
        }
        if (d.day == DaysInMonth(d.year, d.month))
            for (std::uint16_t cas : {1600, 2300})
                r.push_back(drawing(d, cas, rnd));
        if (d.day == 1)
            for (std::uint16_t cas : {30, 100})
                r.push_back(drawing(d, cas, rnd));
    }
    return r;
}

std::vector<TZaznam> dated(std::initializer_list<std::pair<const char*, std::uint16_t>> list) {
    std::mt19937 rnd(7);
    std::vector<TZaznam> r;
    for (const auto& [datum, cas] : list)
        r.push_back(drawing(*ParseDatum(datum), cas, rnd));
    return r;
}

struct StoreCase {
    const char* name;
    std::function<std::vector<TZaznam>()> drawings;
};

} // namespace

TEST(MonthWalks, EveryMonthAndYearOutputIsTheSameAsInCalendarOrder) {
    const StoreCase cases[] = {
        {"the issue's store",
         [] {
             return dated({{"01.01.2024", 100},
                           {"31.12.2023", 1600},
                           {"01.01.2024", 1000},
                           {"01.02.2024", 100},
                           {"31.01.2024", 1600},
                           {"02.02.2024", 900}});
         }},
        // Drawings at 16:00 local time seven hours west of Greenwich.
        {"seven hours west",
         [] {
             return dated({{"29.04.2024", 2300},
                           {"30.04.2024", 2300},
                           {"01.05.2024", 30},
                           {"01.05.2024", 2300},
                           {"02.05.2024", 2300}});
         }},
        {"generated", generatedDrawings},
    };
    for (const StoreCase& c : cases) {
        SCOPED_TRACE(c.name);
        const std::vector<TZaznam> store = inKeyOrder(c.drawings());
        const std::vector<TZaznam> calendar = inCalendarOrder(store);
        const auto sameDrawing = [](const TZaznam& a, const TZaznam& b) {
            return a.Datum.raw() == b.Datum.raw() && a.Cas == b.Cas;
        };
        ASSERT_FALSE(std::equal(store.begin(), store.end(), calendar.begin(), sameDrawing))
            << "the store must hold drawings out of calendar order";
        const Outputs got = monthAndYearOutputs(store);
        const Outputs want = monthAndYearOutputs(calendar);
        ASSERT_EQ(got.size(), want.size());
        for (std::size_t i = 0; i < got.size(); ++i) {
            ASSERT_EQ(got[i].first, want[i].first);
            EXPECT_EQ(got[i].second, want[i].second) << got[i].first;
        }
    }
}

TEST(MonthWalks, LateDrawingsOfTheLastDayBelongToTheirMonth) {
    const auto store = inKeyOrder(dated({{"01.01.2024", 100},
                                         {"31.12.2023", 1600},
                                         {"01.01.2024", 1000},
                                         {"01.02.2024", 100},
                                         {"31.01.2024", 1600},
                                         {"02.02.2024", 900}}));
    const OfficialFields fields = OfficialFieldsFrom(ObecnaData{}, MetodaProjekce);
    const ObserverTable table = ObserverTable::parse({});
    // Day 31 of December and of January holds its drawing's hour.
    for (const MonthChoice m : {MonthChoice{2023, 12}, MonthChoice{2024, 1}}) {
        const std::string sheet = BuildOfficialSheet(store, m, fields, table).text;
        EXPECT_NE(sheet.find("\r\n31;16;0;"), std::string::npos) << sheet;
    }
    const auto west = inKeyOrder(dated({{"30.04.2024", 2300}, {"01.05.2024", 30}}));
    const std::string april = BuildOfficialSheet(west, {2024, 4}, fields, table).text;
    EXPECT_NE(april.find("\r\n30;23;0;"), std::string::npos) << april;
    EXPECT_EQ(OfficialToEnd(store, {2023, 12}).size(), 2u); // December and January
}
