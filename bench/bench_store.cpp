// The record store at the size of merged network data (100,000 records,
// 177 MB): load with its normalisation scan and the summaries against a raw
// read of the same file, save against a raw write of the same bytes, the
// store of one new drawing, and the demo generator.
#include <benchmark/benchmark.h>

#include <cerrno>
#include <fcntl.h>
#include <filesystem>
#include <memory>
#include <sys/resource.h>
#include <unistd.h>

#include "demo/demo.h"
#include "records/geometry_cache.h"
#include "records/record_file.h"
#include "records/session.h"
#include "results/daily_values.h"

using namespace hk;

namespace {

constexpr int RecordCount = 100000;
const Date Today{2026, 12, 6};

// A program directory holding 100,000 demo drawings (50 years of a large network).
const std::filesystem::path& bigDirectory() {
    static const std::filesystem::path dir = [] {
        const auto path = std::filesystem::temp_directory_path() /
                          ("heliokres-bench-store-" + std::to_string(getpid()));
        std::filesystem::create_directories(path);
        DemoOptions o;
        o.years = 51;
        o.perYear = 2000;
        o.endDate = {2025, 12, 31};
        std::vector<TZaznam> records = GenerateDemoRecords(o);
        while (records.size() < RecordCount)
            records.insert(records.end(), records.begin(), records.end());
        records.resize(RecordCount);
        WriteRecordFile(path / "datax.dat", records);
        return path;
    }();
    return dir;
}

struct Cleanup {
    ~Cleanup() {
        std::error_code ec;
        std::filesystem::remove_all(std::filesystem::temp_directory_path() /
                                        ("heliokres-bench-store-" + std::to_string(getpid())),
                                    ec);
    }
} cleanup;

double peakMegabytes() {
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return u.ru_maxrss / 1024.0;
}

void BM_RawRead(benchmark::State& state) {
    const auto path = bigDirectory() / "datax.dat";
    const auto size = std::filesystem::file_size(path);
    for (auto _ : state) {
        std::unique_ptr<char[]> buffer(new char[size]);
        const int fd = ::open(path.c_str(), O_RDONLY);
        std::size_t done = 0;
        while (done < size) {
            const ssize_t n = ::read(fd, buffer.get() + done, size - done);
            if (n <= 0) break;
            done += static_cast<std::size_t>(n);
        }
        ::close(fd);
        benchmark::DoNotOptimize(buffer.get());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * size));
}

void BM_LoadWithSummaries(benchmark::State& state) {
    const auto size = std::filesystem::file_size(bigDirectory() / "datax.dat");
    long groups = 0;
    for (auto _ : state) {
        Session s(bigDirectory());
        s.load(Today);
        // What a graph of the whole store reads: the stored summary of every record.
        for (const TZaznam& z : s.records())
            groups += z.Souhrn.gSev + z.Souhrn.gJih;
        benchmark::DoNotOptimize(groups);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * size));
    state.counters["peak_MB"] = peakMegabytes();
}

void BM_LoadRecomputingSummaries(benchmark::State& state) {
    for (auto _ : state) {
        Session s(bigDirectory());
        s.load(Today);
        long groups = 0;
        for (const TZaznam& z : s.records()) {
            const TSouhrn t = ComputeSummary(z, *RecordEphemeris(z));
            groups += t.gSev + t.gJih;
        }
        benchmark::DoNotOptimize(groups);
    }
}

void BM_RawWrite(benchmark::State& state) {
    const auto contents = ReadRecordFile(bigDirectory() / "datax.dat");
    const std::string_view bytes = RecordBytes(contents.records);
    const auto path = bigDirectory() / "raw.dat";
    for (auto _ : state) {
        const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        std::size_t done = 0;
        while (done < bytes.size()) {
            const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
            if (n <= 0) break;
            done += static_cast<std::size_t>(n);
        }
        ::fsync(fd);
        ::close(fd);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes.size()));
}

void BM_Save(benchmark::State& state) {
    Session s(bigDirectory());
    s.load(Today);
    for (auto _ : state)
        s.save();
    state.SetBytesProcessed(
        static_cast<std::int64_t>(state.iterations() * s.recordCount() * RecordSize));
}

// One confirmed entry in a store of 100,000 records: append, summary, the
// order check, find, save.
void BM_StoreNewestRecord(benchmark::State& state) {
    Session s(bigDirectory());
    s.load(Today);
    const TZaznam newest = s.record(s.recordCount());
    int minute = 0;
    for (auto _ : state) {
        TZaznam z = newest;
        z.Datum.setText("31.12.2030");
        z.Cas = static_cast<std::uint16_t>(minute / 60 * 100 + minute % 60);
        s.setWorkingRecord(z);
        minute = (minute + 1) % 1440;
        s.storeWorkingRecord(EntryMode::New);
    }
}

// A drawing older than all others: the whole store is kept for the backup
// and reordered.
void BM_StoreOldestRecord(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        Session s(bigDirectory());
        s.load(Today);
        TZaznam z = s.record(1);
        z.Datum.setText("01.01.1900");
        s.setWorkingRecord(z);
        state.ResumeTiming();
        s.storeWorkingRecord(EntryMode::New);
    }
}

// The geometry cache: built once for the whole store, then walked by every
// picture and report instead of recomputing the ephemeris and transforms.
// Argument: the threads (0: the machine's cores, as the store builds it).
void BM_GeometryCacheBuild(benchmark::State& state) {
    Session s(bigDirectory());
    s.load(Today);
    const auto threads = static_cast<unsigned>(state.range(0));
    for (auto _ : state)
        benchmark::DoNotOptimize(GeometryCache::of(s.records(), threads).size());
    state.counters["peak_MB"] = peakMegabytes();
}

// The groups only (ephemeris, group positions, live summaries), as the
// tables, reports, exports and graphs read them; the butterfly and the maps
// add the auxiliary spots and faculae vertices. Argument: the threads.
void BM_GeometryCacheBuildGroups(benchmark::State& state) {
    Session s(bigDirectory());
    s.load(Today);
    const auto threads = static_cast<unsigned>(state.range(0));
    for (auto _ : state) {
        GeometryCache g;
        g.rebuild(s.records(), threads, GeometryDetail::Groups);
        benchmark::DoNotOptimize(g.size());
    }
}

// The same on one thread after code that used the 256-bit vector registers
// and left their upper halves set, as graphics libraries in the desktop
// program do: without clearing them first the build paid a penalty on every
// floating-point instruction (nine times the time).
void BM_GeometryCacheBuildAfterWideVectors(benchmark::State& state) {
    Session s(bigDirectory());
    s.load(Today);
    for (auto _ : state) {
#if defined(__x86_64__)
        if (__builtin_cpu_supports("avx")) asm volatile("vxorps %%ymm1, %%ymm1, %%ymm1" ::: "xmm1");
#endif
        benchmark::DoNotOptimize(GeometryCache::of(s.records(), 1).size());
    }
}

// What a job that shows one drawing pays after loading: the entries laid
// out for every record and the newest one computed.
void BM_GeometryOneRecord(benchmark::State& state) {
    Session s(bigDirectory());
    s.load(Today);
    const std::size_t last = s.records().size();
    for (auto _ : state) {
        GeometryCache g;
        g.reset(last);
        g.refreshRange(s.records(), last - 1, last);
        benchmark::DoNotOptimize(g.ephemeris(static_cast<int>(last)));
    }
}

// A bare pass over the raw records (their stored summaries)...
void BM_WalkRawRecords(benchmark::State& state) {
    Session s(bigDirectory());
    s.load(Today);
    for (auto _ : state) {
        long sum = 0;
        for (const TZaznam& z : s.records())
            sum += z.Souhrn.gSev + z.Souhrn.fJih;
        benchmark::DoNotOptimize(sum);
    }
}

// ... against a pass over the cache: live summary and every group latitude.
void BM_WalkGeometryCache(benchmark::State& state) {
    Session s(bigDirectory());
    s.load(Today);
    const GeometryCache& g = s.geometry();
    for (auto _ : state) {
        double sum = 0;
        for (int i = 1; i <= s.recordCount(); ++i) {
            const TSouhrn live = LiveDailyValues(s.record(i), g, i);
            sum += live.gSev + live.fJih;
            for (const Heliographic& h : g.groups(i))
                sum += h.Lat;
        }
        benchmark::DoNotOptimize(sum);
    }
}

// After one correction only that record's entry is computed again.
void BM_GeometryRefreshAfterCorrection(benchmark::State& state) {
    Session s(bigDirectory());
    s.load(Today);
    s.geometry();
    int k = 1;
    for (auto _ : state) {
        TZaznam z = s.record(k);
        z.Skupiny[0].Vzd = static_cast<std::uint16_t>(z.Skupiny[0].Vzd ^ 1);
        s.correctRecord(k, z);
        benchmark::DoNotOptimize(s.geometry().size());
        k = k % s.recordCount() + 1;
    }
}

void BM_DemoDefault(benchmark::State& state) {
    DemoOptions o; // 11 years of about 250 drawings
    for (auto _ : state)
        benchmark::DoNotOptimize(GenerateDemo(o).records.size());
}

} // namespace

BENCHMARK(BM_RawRead)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_LoadWithSummaries)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_LoadRecomputingSummaries)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(2);
BENCHMARK(BM_RawWrite)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);
BENCHMARK(BM_Save)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);
BENCHMARK(BM_StoreNewestRecord)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);
BENCHMARK(BM_StoreOldestRecord)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);
BENCHMARK(BM_GeometryCacheBuild)
    ->Arg(1)
    ->Arg(0)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->MeasureProcessCPUTime()
    ->Iterations(3);
BENCHMARK(BM_GeometryCacheBuildGroups)
    ->Arg(1)
    ->Arg(0)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->MeasureProcessCPUTime()
    ->Iterations(3);
BENCHMARK(BM_GeometryCacheBuildAfterWideVectors)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->MeasureProcessCPUTime()
    ->Iterations(3);
BENCHMARK(BM_GeometryOneRecord)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_WalkRawRecords)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WalkGeometryCache)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GeometryRefreshAfterCorrection)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_DemoDefault)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
