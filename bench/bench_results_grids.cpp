// Showing the largest tables of the results window: each table alone against
// the same table shown as the window shows it (the table built, given to the
// grid's model, the column widths taken from the font's metrics), over
// 100,000 drawings. Runs without a screen (QT_QPA_PLATFORM=offscreen when
// nothing else is set).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTableView>
#include <memory>

#include "network_records.h"
#include "records/geometry_cache.h"
#include "results/measured_statistics.h"
#include "results/rotation_table.h"
#include "results/smoothed_statistics.h"
#include "results/zone_positions.h"
#include "ui/results/results_grid.h"
#include "ui/results/zone_positions_model.h"

using namespace hk;

namespace {

using bench::network;
using bench::networkGeometry;

ResultsGrid measured() {
    return BuildMeasuredStatistics(network(), HemisphereChoice::Whole);
}
ResultsGrid smoothed() {
    return CheckedSmoothedStatistics(network(), HemisphereChoice::Whole).grid;
}
ResultsGrid rotations() {
    return BuildRotationStatistics(network(), networkGeometry());
}

// The table alone: its build and its release, as a view replaces it.
template <ResultsGrid (*Build)()> void BM_Table(benchmark::State& state) {
    networkGeometry();
    for (auto _ : state) {
        ResultsGrid grid = Build();
        benchmark::DoNotOptimize(grid.cells.data());
    }
}

// The view: the window keeps the grid and its view; each showing builds the
// table, hands it to the view's model (a copy, as the window keeps the table
// for printing and the files) and sizes the columns.
template <ResultsGrid (*Build)()> void BM_View(benchmark::State& state) {
    networkGeometry();
    const std::unique_ptr<QTableView> view(NewGrid(QStringLiteral("grid"), nullptr));
    ResultsGrid kept;
    for (auto _ : state) {
        kept = Build();
        FillGrid(*view, kept);
        benchmark::DoNotOptimize(view->columnWidth(1));
    }
    state.counters["rows"] = static_cast<double>(kept.rowCount());
}

// The group positions as heliokres-cli prints them: lines written straight
// from the records' runs, on the machine's cores (argument 0) or one thread.
void BM_ZonesLines(benchmark::State& state) {
    networkGeometry();
    for (auto _ : state) {
        const TextBuffer lines = ZonePositionLines(network(), networkGeometry(), AllClasses, {},
                                                   static_cast<unsigned>(state.range(0)));
        benchmark::DoNotOptimize(lines.view().data());
    }
}

// The group positions' table of numbers on the machine's cores (argument
// 0) or one thread, its release included.
void BM_ZonesTable(benchmark::State& state) {
    networkGeometry();
    for (auto _ : state) {
        ZonePositionsTable table = BuildZonePositionsTable(
            network(), networkGeometry(), AllClasses, {}, static_cast<unsigned>(state.range(0)));
        benchmark::DoNotOptimize(table.rows.data());
    }
}

// The group positions as the window shows them: the table moved into the
// view's model, the columns sized from the widest label and number.
void BM_ZonesView(benchmark::State& state) {
    networkGeometry();
    auto* model = new ZonePositionsModel;
    const std::unique_ptr<QTableView> view(NewGrid(QStringLiteral("grid"), nullptr, model));
    for (auto _ : state) {
        FillZonesGrid(*view, *model,
                      BuildZonePositionsTable(network(), networkGeometry(), AllClasses));
        benchmark::DoNotOptimize(view->columnWidth(1));
    }
    state.counters["rows"] = static_cast<double>(model->rowCount());
}

} // namespace

BENCHMARK(BM_ZonesTable)
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_ZonesLines)
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_ZonesView)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_Table<measured>)
    ->Name("BM_MeasuredTable")
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_View<measured>)
    ->Name("BM_MeasuredView")
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_Table<smoothed>)
    ->Name("BM_SmoothedTable")
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_View<smoothed>)
    ->Name("BM_SmoothedView")
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_Table<rotations>)
    ->Name("BM_RotationsTable")
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_View<rotations>)
    ->Name("BM_RotationsView")
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    benchmark::Initialize(&argc, argv);
    QApplication app(argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
