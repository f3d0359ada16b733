// Cost of the butterfly diagram on a large archive: 100,000 demo drawings
// (50 years of a network), against a bare pass over the cached group
// positions. The latitude tables and the model are computed once per store
// revision; the repaint of a 1200 x 800 window with every overlay, the
// faculae, the supplementary data and the corona underlay only paints.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "demo/demo.h"
#include "graphs/butterfly_model.h"
#include "graphs/corona.h"
#include "records/geometry_cache.h"
#include "records/program_dir.h"
#include "records/startup_files.h"
#include "render/butterfly.h"
#include "results/group_latitudes.h"

using namespace hk;

namespace {

struct Archive {
    std::vector<TZaznam> records;
    GeometryCache geometry;
    CoronaTable corona;
    std::vector<std::uint8_t> supplementary;

    Archive() {
        DemoOptions o;
        o.years = 50;
        o.perYear = 2000; // the demo's most a year
        o.endDate = {2025, 12, 31};
        records = GenerateDemoRecords(o);
        geometry = GeometryCache::of(records);
        // Corona files and Motfakul.dat of a small demo directory.
        const auto dir = std::filesystem::temp_directory_path() / "heliokres-bench-butterfly";
        DemoOptions small;
        small.years = 1;
        small.perYear = 10;
        WriteDemoDirectory(dir, small);
        corona = LoadCorona(ProgramDir(dir)).table;
        std::ifstream in(dir / "Motfakul.dat", std::ios::binary);
        std::string bytes((std::istreambuf_iterator<char>(in)), {});
        supplementary = ParseSupplementaryData(bytes);
        std::filesystem::remove_all(dir);
    }
};

const Archive& archive() {
    static const Archive a;
    return a;
}

ButterflyOptions allOverlays() {
    ButterflyOptions o;
    o.butterflyMode = 3;
    o.allCurves = true;
    o.corona = true;
    o.supplementary = true;
    o.rotationScale = 1;
    return o;
}

void BM_BareCachedPass(benchmark::State& state) {
    const Archive& a = archive();
    for (auto _ : state) {
        double sum = 0;
        for (int k = 1; k <= static_cast<int>(a.records.size()); ++k)
            for (const Heliographic& h : a.geometry.groups(k))
                sum += h.Lat;
        benchmark::DoNotOptimize(sum);
    }
    state.counters["records"] = static_cast<double>(a.records.size());
}
BENCHMARK(BM_BareCachedPass)->Unit(benchmark::kMillisecond);

void BM_ComputeGroupLatitudes(benchmark::State& state) {
    const Archive& a = archive();
    for (auto _ : state)
        benchmark::DoNotOptimize(ComputeGroupLatitudes(a.records, a.geometry));
}
BENCHMARK(BM_ComputeGroupLatitudes)->Unit(benchmark::kMillisecond);

// The positions of the auxiliary spots and faculae vertices that the
// diagram's model reads, added to a cache of the group positions (what the
// store computes once for the first whole-store picture).
void BM_CachePoints(benchmark::State& state) {
    const Archive& a = archive();
    GeometryCache groups;
    groups.rebuild(a.records, 0, GeometryDetail::Groups);
    for (auto _ : state) {
        state.PauseTiming();
        GeometryCache g = groups;
        state.ResumeTiming();
        g.refresh(a.records, 0, GeometryDetail::Points);
        benchmark::DoNotOptimize(g.complete());
    }
}
BENCHMARK(BM_CachePoints)->MeasureProcessCPUTime()->UseRealTime()->Unit(benchmark::kMillisecond);

// The whole cache with the points built at once, as the first whole-store
// picture of a freshly loaded store builds it.
void BM_CacheWithPoints(benchmark::State& state) {
    const Archive& a = archive();
    for (auto _ : state) {
        GeometryCache g;
        g.rebuild(a.records, 0, GeometryDetail::Points);
        benchmark::DoNotOptimize(g.complete());
    }
}
BENCHMARK(BM_CacheWithPoints)
    ->MeasureProcessCPUTime()
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);

// The model on one thread (1) and on the machine's cores (0).
void BM_ButterflyModel(benchmark::State& state) {
    const Archive& a = archive();
    const auto threads = static_cast<unsigned>(state.range(0));
    for (auto _ : state)
        benchmark::DoNotOptimize(
            MakeButterflyModel(a.records, a.geometry, a.supplementary, a.corona, threads));
}
BENCHMARK(BM_ButterflyModel)
    ->Arg(1)
    ->Arg(0)
    ->MeasureProcessCPUTime()
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);

// What the first diagram of a freshly loaded store computes: the cache of
// the group positions, then the model.
void BM_ButterflyFromStore(benchmark::State& state) {
    const Archive& a = archive();
    for (auto _ : state) {
        GeometryCache g;
        g.rebuild(a.records, 0, GeometryDetail::Groups);
        benchmark::DoNotOptimize(MakeButterflyModel(a.records, g, a.supplementary, a.corona));
    }
}
BENCHMARK(BM_ButterflyFromStore)
    ->MeasureProcessCPUTime()
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);

void BM_FillImage(benchmark::State& state) {
    QImage image(1200, 800, QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter p(&image);
        p.fillRect(image.rect(), Qt::white);
    }
}
BENCHMARK(BM_FillImage)->Unit(benchmark::kMillisecond);

// Repaint at rotation scale 1 (everything visible) and 16 (scrolled into the data).
void BM_ButterflyRepaint(benchmark::State& state) {
    const Archive& a = archive();
    const ButterflyModel model =
        MakeButterflyModel(a.records, a.geometry, a.supplementary, a.corona);
    ButterflyOptions o = allOverlays();
    o.rotationScale = static_cast<int>(state.range(0));
    o.sx = o.rotationScale == 1 ? 0 : (model.firstRotation - 1100 + 200) * o.rotationScale;
    QImage image(1200, 800, QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter p(&image);
        PaintButterfly(p, image.rect(), model, o);
    }
    state.counters["marks"] = static_cast<double>(model.marks.size());
    state.counters["faculae"] = static_cast<double>(model.faculae.size());
}
BENCHMARK(BM_ButterflyRepaint)->Arg(1)->Arg(16)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
