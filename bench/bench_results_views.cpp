// The further tables of the results window over 100,000 drawings, against
// one bare pass over the same records: observers per year, the zones of
// central-meridian distance, the spotless days, the largest groups of a
// year, one observer's drawings, the group evolution of a rotation and the
// official monthly sheet.
#include <benchmark/benchmark.h>

#include <vector>

#include "network_records.h"
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

using bench::network;
using bench::networkGeometry;

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
    const auto& g = networkGeometry();
    for (auto _ : state)
        benchmark::DoNotOptimize(BuildZonePositionsTable(network(), g, AllClasses));
}

void BM_ZonePositionsMonthsYears(benchmark::State& state) {
    const auto& g = networkGeometry();
    for (auto _ : state)
        benchmark::DoNotOptimize(
            BuildZonePositionsTable(network(), g, "D", {false, true, true, true}));
}

void BM_SpotlessDays(benchmark::State& state) {
    for (auto _ : state) {
        const auto days = SpotlessDaysOf(network());
        benchmark::DoNotOptimize(BuildSpotlessCalendar(days, 1999, 1200, 800, 100));
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
    const auto& g = networkGeometry();
    const int rotation = network()[50000].Rotace;
    for (auto _ : state)
        benchmark::DoNotOptimize(BuildGroupEvolution(network(), g, rotation));
}

void BM_OfficialSheet(benchmark::State& state) {
    OfficialFields f;
    f.stationNumber = "7";
    f.method = std::string(MethodProjection);
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
