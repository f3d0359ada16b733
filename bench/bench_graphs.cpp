// Cost of the graphs on 100,000 drawings (51 years of 2,000 a year): the
// series of the daily graphs (built once per store revision), a repaint of
// the three-panel graph of a 1,250 x 900 window scrolled to the middle, the
// same with the window showing the whole axis, the smoothed graph's data,
// and the asymmetry tables, which are recomputed after every stored entry;
// set against an empty walk over the records.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include "demo/demo.h"
#include "graphs/asymmetry.h"
#include "graphs/graph_series.h"
#include "graphs/smoothed_graph.h"
#include "records/geometry_cache.h"
#include "render/graph_renderer.h"

using namespace hk;

namespace {

const std::vector<TZaznam>& records() {
    static const std::vector<TZaznam> all = [] {
        DemoOptions o;
        o.years = 51;
        o.perYear = 2000;
        o.endDate = {2025, 12, 31};
        std::vector<TZaznam> r = GenerateDemoRecords(o);
        r.resize(std::min<std::size_t>(r.size(), 100000));
        return r;
    }();
    return all;
}

const GeometryCache& cache() {
    static const GeometryCache g = GeometryCache::of(records());
    return g;
}

void BM_EmptyWalk(benchmark::State& state) {
    for (auto _ : state) {
        long s = 0;
        for (const TZaznam& z : records())
            s += z.Souhrn.gSev;
        benchmark::DoNotOptimize(s);
    }
    state.counters["records"] = static_cast<double>(records().size());
}
BENCHMARK(BM_EmptyWalk)->Unit(benchmark::kMillisecond);

void BM_GraphSeries(benchmark::State& state) {
    const auto& g = cache();
    for (auto _ : state)
        benchmark::DoNotOptimize(
            BuildGrafData(records(), g, static_cast<GrafRada>(state.range(0))));
}
BENCHMARK(BM_GraphSeries)
    ->Arg(static_cast<int>(GrafRada::R))
    ->Arg(static_cast<int>(GrafRada::Poloha))
    ->Unit(benchmark::kMillisecond);

void BM_ThreePanelRepaint(benchmark::State& state) {
    static const GrafData data = BuildGrafData(records(), cache(), GrafRada::R);
    const int d = static_cast<int>(state.range(0));
    const GrafModel model = BuildGrafModel(data, 900, RezimGrafu::Vsechny, d);
    QImage image(1250, 900, QImage::Format_RGB32);
    GrafOptions o;
    o.posun = model.xPosledni / 2;
    for (auto _ : state) {
        QPainter p(&image);
        PaintGraf(p, image.rect(), model, o);
    }
}
BENCHMARK(BM_ThreePanelRepaint)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

void BM_SmoothedData(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(BuildVyhlazenaData(records(), 3));
}
BENCHMARK(BM_SmoothedData)->Unit(benchmark::kMillisecond);

void BM_SpocitejAsymetrii(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(SpocitejAsymetrii(records()));
}
BENCHMARK(BM_SpocitejAsymetrii)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    int qtArgc = 1;
    QGuiApplication app(qtArgc, argv);
    records(); // the data set is built before the timings
    cache();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
