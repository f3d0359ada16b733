// Statistics tables and monthly reports over 100,000 drawings, against one
// bare pass over the same records.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <vector>

#include "records/record.h"
#include "results/choose_month.h"
#include "results/cv_report.h"
#include "results/measured_statistics.h"
#include "results/obecna_data.h"
#include "results/own_report.h"
#include "results/sidc_report.h"
#include "results/smoothed_statistics.h"
#include "results/type_occurrence.h"

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
            z.Souhrn = StoredSummary(z, *RecordEphemeris(z));
        }
        return r;
    }();
    return records;
}

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
        benchmark::DoNotOptimize(BuildMeasuredStatistics(records, VyberPolokoule::Celkova));
}

void BM_SmoothedStatistics(benchmark::State& state) {
    const auto& records = network();
    for (auto _ : state) {
        benchmark::DoNotOptimize(CheckSmoothedSpan(records));
        benchmark::DoNotOptimize(BuildSmoothedStatistics(records, VyberPolokoule::Sever));
    }
}

void BM_TypeOccurrence(benchmark::State& state) {
    const auto& records = network();
    for (auto _ : state)
        benchmark::DoNotOptimize(BuildTypeOccurrence(records));
}

ObecnaData station() {
    ObecnaData d;
    for (int k = 1; k <= ObecnaDataRadku; ++k)
        d.row(k) = "row " + std::to_string(k);
    return d;
}

// Choosing the month (a search from record 1) and building the text.
void BM_SidcReport(benchmark::State& state) {
    const auto& records = network();
    const ObecnaData data = station();
    for (auto _ : state) {
        const ChooseMonthResult month = ChooseMonth(records, reportMonth);
        benchmark::DoNotOptimize(BuildSidcReport(records, GeometryCache::of(records), *month.first, data));
    }
}

void BM_CvReport(benchmark::State& state) {
    const auto& records = network();
    const ObecnaData data = station();
    for (auto _ : state) {
        const ChooseMonthResult month = ChooseMonth(records, reportMonth);
        benchmark::DoNotOptimize(BuildCvReport(records, GeometryCache::of(records), *month.first, "Pozorovatel 1", data));
    }
}

void BM_OwnReport(benchmark::State& state) {
    const auto& records = network();
    const ObecnaData data = station();
    for (auto _ : state) {
        const ChooseMonthResult month = ChooseMonth(records, reportMonth);
        benchmark::DoNotOptimize(BuildOwnReport(records, *month.first, data));
    }
}

} // namespace

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
