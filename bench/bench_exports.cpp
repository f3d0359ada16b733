// The main window's exports at the size of one station's 40 years (15,000
// drawings) and of merged network data (100,000): the texts of SoubASCI.dat
// and Polohy fakuli.csv against the orientation of every record alone (the
// least an export with positions must compute) and against copying the
// records (the raw cost of touching them), and SoubASCI.dat written.
#include <benchmark/benchmark.h>

#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "demo/demo.h"
#include "io/atomic_file.h"
#include "records/exports.h"
#include "records/program_dir.h"
#include "records/record.h"
#include "tests_support/temp_dir.h"

using namespace hk;

namespace {

const std::vector<TZaznam>& records(std::size_t count) {
    static const std::vector<TZaznam> all = [] {
        DemoOptions o;
        o.years = 51;
        o.perYear = 2000;
        o.endDate = {2025, 12, 31};
        std::vector<TZaznam> r = GenerateDemoRecords(o);
        while (r.size() < 100000)
            r.insert(r.end(), r.begin(), r.end());
        r.resize(100000);
        return r;
    }();
    static std::vector<TZaznam> part;
    part.assign(all.begin(), all.begin() + static_cast<std::ptrdiff_t>(count));
    return part;
}

// The groups' geometry, which is what the ASCII export reads.
GeometryCache groupsOf(std::span<const TZaznam> rs) {
    GeometryCache geometry;
    geometry.rebuild(rs, 0, GeometryDetail::Groups);
    return geometry;
}

void BM_CopyRecords(benchmark::State& state) {
    const auto& rs = records(static_cast<std::size_t>(state.range(0)));
    std::vector<TZaznam> copy(rs.size());
    for (auto _ : state) {
        std::memcpy(copy.data(), rs.data(), rs.size() * sizeof(TZaznam));
        benchmark::DoNotOptimize(copy.data());
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

void BM_EphemerisOfEveryRecord(benchmark::State& state) {
    const auto& rs = records(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state) {
        double sum = 0;
        for (const TZaznam& z : rs)
            if (const auto e = RecordEphemeris(z)) sum += e->L0;
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

void BM_AsciiExportText(benchmark::State& state) {
    auto rs = records(static_cast<std::size_t>(state.range(0)));
    std::size_t bytes = 0;
    for (auto _ : state) {
        const std::string text = AsciiExportText(rs);
        bytes = text.size();
        benchmark::DoNotOptimize(text.data());
    }
    state.counters["MB"] = double(bytes) / 1e6;
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

// The text alone, from a geometry cache built before (as the store keeps it),
// in one buffer, formatted on the machine's cores (second argument 0) or on
// one thread.
void BM_AsciiExportBuffer(benchmark::State& state) {
    const auto& rs = records(static_cast<std::size_t>(state.range(0)));
    const GeometryCache geometry = groupsOf(rs);
    std::size_t bytes = 0;
    for (auto _ : state) {
        const TextBuffer text =
            AsciiExportBuffer(rs, geometry, static_cast<unsigned>(state.range(1)));
        bytes = text.size();
        benchmark::DoNotOptimize(text.view().data());
    }
    state.counters["MB"] = double(bytes) / 1e6;
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

// The file written as the export writes it: each piece of the text goes to
// the temporary file while the next ones are formatted; flushed and renamed.
void BM_AsciiExportWritten(benchmark::State& state) {
    const auto& rs = records(static_cast<std::size_t>(state.range(0)));
    const GeometryCache geometry = groupsOf(rs);
    const TempDir folder;
    const ProgramDir dir(folder.path());
    for (auto _ : state)
        benchmark::DoNotOptimize(WriteAsciiExport(dir, rs, geometry));
    state.counters["MB"] =
        double(std::filesystem::file_size(folder.path() / AsciiExportName)) / 1e6;
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

// The same file from the whole text formatted first on one thread, then
// written at once (how the export wrote it before).
void BM_AsciiExportWrittenAtOnce(benchmark::State& state) {
    const auto& rs = records(static_cast<std::size_t>(state.range(0)));
    const GeometryCache geometry = groupsOf(rs);
    const TempDir folder;
    for (auto _ : state) {
        const TextBuffer text = AsciiExportBuffer(rs, geometry, 1);
        WriteFileAtomic(folder.path() / AsciiExportName, text.view());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

void BM_FaculaePositionsText(benchmark::State& state) {
    const auto& rs = records(static_cast<std::size_t>(state.range(0)));
    std::size_t bytes = 0;
    for (auto _ : state) {
        const std::string text = FaculaePositionsText(rs);
        bytes = text.size();
        benchmark::DoNotOptimize(text.data());
    }
    state.counters["MB"] = double(bytes) / 1e6;
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

} // namespace

BENCHMARK(BM_CopyRecords)->Arg(15000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_EphemerisOfEveryRecord)->Arg(15000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AsciiExportText)->Arg(15000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AsciiExportBuffer)
    ->Args({15000, 0})
    ->Args({100000, 1})
    ->Args({100000, 0})
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AsciiExportWrittenAtOnce)
    ->Arg(100000)
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime()
    ->UseRealTime();
BENCHMARK(BM_AsciiExportWritten)
    ->Arg(100000)
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime()
    ->UseRealTime();
BENCHMARK(BM_FaculaePositionsText)->Arg(15000)->Arg(100000)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
