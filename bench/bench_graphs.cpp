// Cost of the graphs on 100,000 drawings (51 years of 2,000 a year): the
// series of the daily graphs (built once per store revision), a repaint of
// the three-panel graph of a 1,250 x 900 window scrolled to the middle, the
// same with the window showing the whole axis, the smoothed graph's data,
// and the asymmetry tables, which are recomputed after every stored entry;
// repaints of the smoothed graph with its comparisons and of the asymmetry
// graph; set against an empty walk over the records.
#include <benchmark/benchmark.h>

#include "gui_benchmark_main.h"
#include <QImage>
#include <QPainter>
#include <cstdio>

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
            BuildGraphData(records(), g, static_cast<GraphQuantity>(state.range(0))));
}
BENCHMARK(BM_GraphSeries)
    ->Arg(static_cast<int>(GraphQuantity::R))
    ->Arg(static_cast<int>(GraphQuantity::Position))
    ->Unit(benchmark::kMillisecond);

// The series as the graph of a freshly loaded store builds it: the dates
// from the records, the geometry cache only for the position graph.
void BM_GraphSeriesFromRecords(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(
            BuildGraphData(records(), static_cast<GraphQuantity>(state.range(0))));
}
BENCHMARK(BM_GraphSeriesFromRecords)
    ->Arg(static_cast<int>(GraphQuantity::R))
    ->Arg(static_cast<int>(GraphQuantity::Position))
    ->MeasureProcessCPUTime()
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);

void BM_ThreePanelRepaint(benchmark::State& state) {
    static const GraphData data = BuildGraphData(records(), cache(), GraphQuantity::R);
    const int d = static_cast<int>(state.range(0));
    const GraphModel model = BuildGraphModel(data, 900, GraphView::All, d);
    QImage image(1250, 900, QImage::Format_RGB32);
    GraphOptions o;
    o.offset = model.xLast / 2;
    for (auto _ : state) {
        QPainter p(&image);
        PaintGraph(p, image.rect(), model, o);
    }
}
BENCHMARK(BM_ThreePanelRepaint)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

void BM_SmoothedData(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(BuildSmoothedData(records(), 3));
}
BENCHMARK(BM_SmoothedData)->Unit(benchmark::kMillisecond);

// The monthly lines of an outside table over the 51 years (areas or flux).
OutsideTable monthlyTable() {
    OutsideTable t;
    for (int year = 1975; year <= 2025; ++year)
        for (int m = 1; m <= 12; ++m) {
            const auto v = static_cast<std::uint16_t>(700 + 500 * ((year * 12 + m) % 132) / 132);
            t.rows.push_back(
                {year * 12 + m - 1,
                 {v, static_cast<std::uint16_t>(v / 2), static_cast<std::uint16_t>(v / 2)}});
        }
    return t;
}

// A repaint of the smoothed graph of R, 1250 x 900, scrolled to the middle,
// with three other series, the outside areas and the radio flux compared.
void BM_SmoothedRepaint(benchmark::State& state) {
    static const SmoothedData data = BuildSmoothedData(records(), 3);
    static const SmoothedData g = BuildSmoothedData(records(), 1);
    static const SmoothedData f = BuildSmoothedData(records(), 2);
    static const SmoothedData pl = BuildSmoothedData(records(), 7);
    static const OutsideTable table = monthlyTable();
    static const OutsideCurve areasCurve = BuildOutsideCurve(table, 0, data.firstYear);
    static const OutsideCurve tok = BuildOutsideCurve(table, 1, data.firstYear);
    QImage image(1250, 900, QImage::Format_RGB32);
    SmoothedOptions o;
    o.comparison = {&g, &f, &pl};
    o.areasCurve = &areasCurve;
    o.tok = &tok;
    const int w = o.Z * (900 / 45) / 22;
    o.offset = data.tLast * w / 2;
    for (auto _ : state) {
        QPainter p(&image);
        PaintSmoothed(p, image.rect(), data, o);
    }
}
BENCHMARK(BM_SmoothedRepaint)->Unit(benchmark::kMillisecond);

// A repaint of the asymmetry graph, 1250 x 600, scrolled to the middle: per
// drawing (100,000 points, only the visible ones joined) and the monthly bars.
void BM_AsymmetryRepaint(benchmark::State& state) {
    static const AsymmetryTables tables = ComputeAsymmetry(records());
    const auto period = static_cast<AsymmetryPeriod>(state.range(0));
    const AsymmetryGraph graph =
        BuildAsymmetryGraph(records(), tables, 3, AsymmetryKind::Ratio, period);
    QImage image(1250, 600, QImage::Format_RGB32);
    AsymmetryOptions o;
    o.offset = AsymmetryWidth(graph, o) / 2;
    for (auto _ : state) {
        QPainter p(&image);
        PaintAsymmetry(p, image.rect(), graph, o);
    }
}
BENCHMARK(BM_AsymmetryRepaint)
    ->Arg(static_cast<int>(AsymmetryPeriod::PerRecord))
    ->Arg(static_cast<int>(AsymmetryPeriod::Monthly))
    ->Unit(benchmark::kMillisecond);

void BM_ComputeAsymmetry(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(ComputeAsymmetry(records()));
}
BENCHMARK(BM_ComputeAsymmetry)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    // The data set is built before the timings.
    return RunGuiBenchmarks(argc, argv, [] {
        records();
        cache();
    });
}
