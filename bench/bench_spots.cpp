// "Najít skvrny" on a 2000 x 2000 scan of a hand drawing (several groups,
// numbers, notes, dotted faculae, grid lines, smudges, texture and noise),
// set against one bare pass that reads every pixel of the scan.
#include <benchmark/benchmark.h>

#include <cstdint>

#include "demo/drawn_scan.h"
#include "measure/spot_finder.h"

using namespace hk;
using namespace hk::drawn_scans;

namespace {

constexpr int ScanSide = 2000;

const DrawnScan& scan() {
    // Seed 4: eleven spots in several groups, with every hazard.
    static const DrawnScan s = DrawScan(4, AllHazards, ScanSide);
    return s;
}

} // namespace

static void BM_ReadEveryPixel(benchmark::State& state) {
    const DrawnScan& s = scan();
    for (auto _ : state) {
        std::uint32_t sum = 0;
        for (std::uint8_t v : s.pixels)
            sum += v;
        benchmark::DoNotOptimize(sum);
    }
}
BENCHMARK(BM_ReadEveryPixel)->Unit(benchmark::kMillisecond);

static void BM_FindSpots(benchmark::State& state) {
    const DrawnScan& s = scan();
    std::size_t spots = 0;
    for (auto _ : state) {
        const SpotFinding f = FindSpots(s.view(), s.cal, s.orientation);
        spots = f.spots.size();
        benchmark::DoNotOptimize(spots);
    }
    state.counters["spots"] = static_cast<double>(spots);
    state.counters["drawn"] = static_cast<double>(s.spots.size());
}
BENCHMARK(BM_FindSpots)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
