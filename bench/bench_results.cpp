// Statistics tables and monthly reports over 100,000 drawings, against one
// bare pass over the same records.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <span>
#include <vector>

#include "network_records.h"
#include "records/record.h"
#include "results/choose_month.h"
#include "results/cv_report.h"
#include "results/measured_statistics.h"
#include "results/own_report.h"
#include "results/rotation_table.h"
#include "results/sidc_report.h"
#include "results/smoothed_statistics.h"
#include "results/station_data.h"
#include "results/type_occurrence.h"

using namespace hk;

namespace {

using bench::network;

// A month in the middle of the data: about 210 drawings.
constexpr const char* reportMonth = "6.1999";

void BM_BarePass(benchmark::State& state) {
    const auto& records = network();
    for (auto _ : state) {
        long sum = 0;
        for (const TZaznam& z : records)
            sum += z.Souhrn.gSev + z.Souhrn.gJih + z.Datum.len;
        benchmark::DoNotOptimize(sum);
    }
}

void BM_MeasuredStatistics(benchmark::State& state) {
    const auto& records = network();
    for (auto _ : state)
        benchmark::DoNotOptimize(BuildMeasuredStatistics(records, HemisphereChoice::Whole));
}

// The check of the span and the table from one pass, as the window and the
// command line build the view.
void BM_SmoothedStatistics(benchmark::State& state) {
    const auto& records = network();
    for (auto _ : state)
        benchmark::DoNotOptimize(CheckedSmoothedStatistics(records, HemisphereChoice::North));
}

void BM_TypeOccurrence(benchmark::State& state) {
    const auto& records = network();
    for (auto _ : state)
        benchmark::DoNotOptimize(BuildTypeOccurrence(records));
}

StationData station() {
    StationData d;
    for (int k = 1; k <= StationDataRows; ++k)
        d.row(k) = "row " + std::to_string(k);
    return d;
}

// Choosing the month (a search from record 1) and building the text.
void BM_SidcReport(benchmark::State& state) {
    const auto& records = network();
    const StationData data = station();
    const GeometryCache geometry = GeometryCache::of(records); // kept by the store
    for (auto _ : state) {
        const ChooseMonthResult month = ChooseMonth(records, reportMonth);
        benchmark::DoNotOptimize(BuildSidcReport(records, geometry, *month.first, data));
    }
}

void BM_CvReport(benchmark::State& state) {
    const auto& records = network();
    const StationData data = station();
    const GeometryCache geometry = GeometryCache::of(records); // kept by the store
    for (auto _ : state) {
        const ChooseMonthResult month = ChooseMonth(records, reportMonth);
        benchmark::DoNotOptimize(
            BuildCvReport(records, geometry, *month.first, "Pozorovatel 1", data));
    }
}

void BM_OwnReport(benchmark::State& state) {
    const auto& records = network();
    const StationData data = station();
    for (auto _ : state) {
        const ChooseMonthResult month = ChooseMonth(records, reportMonth);
        benchmark::DoNotOptimize(BuildOwnReport(records, *month.first, data));
    }
}

// "Údaje pro mapu" over the first state.range(0) drawings, the geometry built
// once before the loop as the store keeps it.
void BM_RotationStatistics(benchmark::State& state) {
    const std::span<const TZaznam> records(network().data(),
                                           static_cast<std::size_t>(state.range(0)));
    const GeometryCache geometry = GeometryCache::of(records);
    for (auto _ : state)
        benchmark::DoNotOptimize(BuildRotationStatistics(records, geometry));
}

// The bare pass over the same prefix, the raw cost to set the table against.
void BM_BarePassOf(benchmark::State& state) {
    const std::span<const TZaznam> records(network().data(),
                                           static_cast<std::size_t>(state.range(0)));
    for (auto _ : state) {
        long sum = 0;
        for (const TZaznam& z : records)
            sum += z.Souhrn.gSev + z.Souhrn.gJih + z.Datum.len;
        benchmark::DoNotOptimize(sum);
    }
}

} // namespace

BENCHMARK(BM_BarePassOf)
    ->Arg(10000)
    ->Arg(100000)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_RotationStatistics)
    ->Arg(10000)
    ->Arg(100000)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_BarePass)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_MeasuredStatistics)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_SmoothedStatistics)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_TypeOccurrence)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_SidcReport)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_CvReport)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_OwnReport)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

BENCHMARK_MAIN();
