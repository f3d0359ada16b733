// The further tables of the results window over 100,000 drawings, against
// one bare pass over the same records: observers per year, the zones of
// central-meridian distance, the spotless days, the largest groups of a
// year, one observer's drawings, the group evolution of a rotation and the
// official monthly sheet.
#include <benchmark/benchmark.h>

#include <vector>

#include "records/geometry_cache.h"
#include "records/observers.h"
#include "records/record.h"
#include "records/session.h"
#include "results/group_evolution.h"
#include "results/largest_groups.h"
#include "results/observer_drawings.h"
#include "results/observer_statistics.h"
#include "results/official_csv.h"
#include "results/spotless_days.h"
#include "results/zone_positions.h"

using namespace hk;

namespace {

constexpr int recordCount = 100000;
constexpr int firstSerial = 29221; // 01.01.1980

// Merged network data: about seven drawings a day for 39 years, each of up
// to eight groups, with a special drawing now and then.
const std::vector<TZaznam>& network() {
    static const std::vector<TZaznam> records = [] {
        std::vector<TZaznam> r(recordCount);
        unsigned seed = 12345;
        auto next = [&seed](unsigned n) {
            seed = seed * 1103515245u + 12345u;
            return (seed >> 16) % n;
        };
        for (int k = 0; k < recordCount; ++k) {
            TZaznam& z = r[static_cast<std::size_t>(k)];
            z.Datum.setText(FormatDatum(DateFromSerial(firstSerial + k / 7)));
            z.Cas = static_cast<std::uint16_t>(600 + (k % 7) * 100 + next(60));
            z.Q = static_cast<std::uint8_t>(1 + next(5));
            z.PP = static_cast<std::uint8_t>(1 + next(5));
            z.Obr = static_cast<std::uint8_t>(1 + next(5));
            z.Pozorovatel.setText("Pozorovatel " + std::to_string(k % 7));
            if (next(50) == 0) z.Zvlastni.setText("zvlášťní");
            for (auto& s : z.Skupiny)
                s.Typ.setText("***");
            const unsigned groups = next(9);
            for (unsigned g = 0; g < groups; ++g) {
                TSkupina& s = z.Skupiny[z.PocetSkupin++];
                s.Typ.setText(TypySkupin[next(60)]);
                s.Poc = static_cast<std::uint8_t>(1 + next(30));
                s.SPen = static_cast<std::uint8_t>(next(4));
                s.Uhel = static_cast<std::uint16_t>(next(3600));
                s.Vzd = static_cast<std::uint16_t>(next(1200));
                s.Plocha = static_cast<std::uint16_t>(next(500));
            }
            const auto e = RecordEphemeris(z);
            z.Souhrn = StoredSummary(z, *e);
            z.Rotace = static_cast<std::uint16_t>(e->CarrRotation);
            z.L0 = static_cast<std::uint16_t>(e->L0);
            for (int g = 0; g < z.PocetSkupin; ++g)
                z.Skupiny[g].CSk2 = static_cast<std::uint16_t>(1 + next(70));
        }
        return r;
    }();
    return records;
}

const GeometryCache& geometry() {
    static const GeometryCache g = GeometryCache::of(network());
    return g;
}

const std::vector<std::string> observers = {"Pozorovatel 0", "Pozorovatel 1", "Pozorovatel 2",
                                            "Pozorovatel 3", "Pozorovatel 4", "Pozorovatel 5",
                                            "Pozorovatel 6"};

void BM_BarePass(benchmark::State& state) {
    const auto& records = network();
    for (auto _ : state) {
        long sum = 0;
        for (const TZaznam& z : records)
            sum += z.Souhrn.gSev + z.Souhrn.gJih + z.Datum.len;
        benchmark::DoNotOptimize(sum);
    }
}

void BM_ObserverStatistics(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(BuildObserverStatistics(network(), observers));
}

void BM_ZonePositionsAllSections(benchmark::State& state) {
    const auto& g = geometry();
    for (auto _ : state)
        benchmark::DoNotOptimize(BuildZonePositions(network(), g, VsechnyTridy));
}

void BM_ZonePositionsMonthsYears(benchmark::State& state) {
    const auto& g = geometry();
    for (auto _ : state)
        benchmark::DoNotOptimize(BuildZonePositions(network(), g, "D", {false, true, true, true}));
}

void BM_SpotlessDays(benchmark::State& state) {
    for (auto _ : state) {
        const auto dny = DnyBezAktivity(network());
        benchmark::DoNotOptimize(BuildSpotlessCalendar(dny, 1999, 1200, 800, 100));
    }
}

void BM_LargestGroups(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(BuildLargestGroups(network(), 1999));
}

void BM_ObserverDrawings(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(BuildObserverDrawings(network(), "Pozorovatel 3"));
}

void BM_GroupEvolution(benchmark::State& state) {
    const auto& g = geometry();
    const int rotation = network()[50000].Rotace;
    for (auto _ : state)
        benchmark::DoNotOptimize(BuildGroupEvolution(network(), g, rotation));
}

void BM_OfficialSheet(benchmark::State& state) {
    OfficialFields f;
    f.cisloSL = "7";
    f.metoda = std::string(MetodaProjekce);
    const ObserverTable table = ObserverTable::parse({"3,Pozorovatel 3"});
    for (auto _ : state)
        benchmark::DoNotOptimize(BuildOfficialSheet(network(), {1999, 6}, f, table));
}

} // namespace

BENCHMARK(BM_BarePass)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_ObserverStatistics)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_ZonePositionsAllSections)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_ZonePositionsMonthsYears)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_SpotlessDays)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_LargestGroups)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_ObserverDrawings)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_GroupEvolution)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_OfficialSheet)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

BENCHMARK_MAIN();
