// Cost of the orientation, the transforms and the summary, against a bare loop.
#include <benchmark/benchmark.h>

#include "geometry/transforms.h"
#include "records/record.h"

using namespace hk;

static void BM_BareLoop(benchmark::State& state) {
    double x = 0;
    for (auto _ : state) {
        x += 1.0;
        benchmark::DoNotOptimize(x);
    }
}
BENCHMARK(BM_BareLoop);

static void BM_SolarEphemeris(benchmark::State& state) {
    int day = 0;
    for (auto _ : state) {
        Ephemeris e = SolarEphemeris(DateFromSerial(36526 + (day++ & 4095)), 1230);
        benchmark::DoNotOptimize(e);
    }
}
BENCHMARK(BM_SolarEphemeris);

static void BM_PolarToHeliographic(benchmark::State& state) {
    const Ephemeris e = SolarEphemeris({2014, 6, 15}, 905);
    double angle = 0;
    for (auto _ : state) {
        Heliographic h = PolarToHeliographic(e, angle, 800);
        benchmark::DoNotOptimize(h);
        angle = angle > 3599 ? 0 : angle + 1;
    }
}
BENCHMARK(BM_PolarToHeliographic);

static void BM_ComputeSummary40Groups(benchmark::State& state) {
    TZaznam z{};
    z.Datum.setText("15.06.2014");
    z.Cas = 905;
    z.PocetSkupin = 40;
    for (int k = 0; k < 40; ++k) {
        TSkupina& s = z.Skupiny[k];
        s.Typ.setText(GroupClasses[static_cast<std::size_t>(k)]);
        s.Poc = static_cast<std::uint8_t>(k + 1);
        s.SPen = static_cast<std::uint8_t>(k % 3);
        s.Uhel = static_cast<std::uint16_t>(k * 90);
        s.Vzd = static_cast<std::uint16_t>(k * 30);
        s.Plocha = static_cast<std::uint16_t>(k * 10);
        s.MalS = static_cast<std::uint16_t>(k % 5);
    }
    for (auto _ : state) {
        const Ephemeris e = *RecordEphemeris(z);
        TSouhrn s = StoredSummary(z, e);
        benchmark::DoNotOptimize(s);
    }
}
BENCHMARK(BM_ComputeSummary40Groups);

BENCHMARK_MAIN();
