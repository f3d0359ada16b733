// Cost of the magnetogram data of the synoptic maps on the demo directory:
// the summation of every day from 01.01.1982 into magn.dat (the demo holds
// the magnetograms of its last eight days, so the walk over the days and the
// directory lookups dominate), the same with magn.dat written, the layer of
// one rotation (files read, pixels transformed, laid out for the window),
// its repaint, and the corona under the map.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <filesystem>

#include "demo/demo.h"
#include "drawing/magnetic_map.h"
#include "geometry/ephemeris.h"
#include "graphs/corona.h"
#include "io/atomic_file.h"
#include "maps/corona_views.h"
#include "maps/magnetosphere.h"
#include "records/program_dir.h"
#include "render/corona_renderer.h"
#include "render/magnetosphere_renderer.h"

using namespace hk;

namespace {

const Date EndDate{2025, 12, 31};

struct DemoDir {
    std::filesystem::path root;
    CoronaTable corona;
    int rotation = 0;

    DemoDir() {
        root = std::filesystem::temp_directory_path() / "heliokres-bench-maps-korona";
        std::filesystem::remove_all(root);
        DemoOptions o;
        o.endDate = EndDate;
        WriteDemoDirectory(root, o);
        corona = LoadCorona(ProgramDir(root)).table;
        rotation = SolarEphemeris(EndDate, 0).CarrRotation;
    }
    ~DemoDir() {
        std::error_code ec;
        std::filesystem::remove_all(root, ec);
    }
};

DemoDir& demo() {
    static DemoDir d;
    return d;
}

void BM_MagnetosphereSumBuffer(benchmark::State& state) {
    const ProgramDir dir(demo().root);
    for (auto _ : state) {
        MagnetosphereSumResult r;
        benchmark::DoNotOptimize(SumMagnetosphereInto(dir, EndDate, MagnDatCells(), {}, r));
    }
}
BENCHMARK(BM_MagnetosphereSumBuffer)->Unit(benchmark::kMillisecond);

void BM_MagnetosphereSumWritten(benchmark::State& state) {
    const ProgramDir dir(demo().root);
    for (auto _ : state)
        benchmark::DoNotOptimize(SumMagnetosphere(dir, EndDate, demo().rotation));
}
BENCHMARK(BM_MagnetosphereSumWritten)->Unit(benchmark::kMillisecond);

// Thirty days of full magnetograms: every third pixel of the disk, about
// 47,000 words a day (the reader keeps at most 50,002).
struct DenseDir {
    std::filesystem::path root;
    DenseDir() {
        root = std::filesystem::temp_directory_path() / "heliokres-bench-maps-dense";
        std::filesystem::remove_all(root);
        std::filesystem::create_directories(root / "Magneto");
        std::string bytes;
        auto word = [&bytes](int w) {
            bytes += static_cast<char>(w & 0xFF);
            bytes += static_cast<char>((w >> 8) & 0xFF);
        };
        int n = 0;
        for (int r = 1; r <= 426; ++r) {
            for (int c = 37; c <= 463; ++c)
                if ((r - 213) * (r - 213) + (c - 250) * (c - 250) <= 213 * 213 && ++n % 3 == 0)
                    word(c * 128 + (r + c) % 16);
            word(64);
        }
        word(0);
        for (int d = 0; d < 30; ++d)
            WriteFileAtomic(root / "Magneto" /
                                MagneticMapFileName(DateFromSerial(DaySerial(EndDate) - d)),
                            bytes);
    }
    ~DenseDir() {
        std::error_code ec;
        std::filesystem::remove_all(root, ec);
    }
};

void BM_MagnetosphereSumDense(benchmark::State& state) {
    static DenseDir dense;
    const ProgramDir dir(dense.root);
    int pixels = 0;
    for (auto _ : state) {
        MagnetosphereSumResult r;
        benchmark::DoNotOptimize(SumMagnetosphereInto(dir, EndDate, MagnDatCells(), {}, r));
        pixels = r.pixels;
    }
    state.counters["files"] = 30;
    state.counters["cells stored"] = pixels;
}
BENCHMARK(BM_MagnetosphereSumDense)->Unit(benchmark::kMillisecond);

void BM_MagnetosphereLayerBuild(benchmark::State& state) {
    const ProgramDir dir(demo().root);
    const MagnDatCells magnCells = ReadMagnDat(dir, MagnBlocks(demo().rotation));
    for (auto _ : state) {
        const MagnetosphereData data = LoadMagnetosphere(dir, EndDate, demo().rotation, magnCells);
        benchmark::DoNotOptimize(LayoutMagnetosphere(data, 1200 * 16 / 510, 0));
    }
}
BENCHMARK(BM_MagnetosphereLayerBuild)->Unit(benchmark::kMillisecond);

void BM_MagnetosphereLayerRepaint(benchmark::State& state) {
    const ProgramDir dir(demo().root);
    const MagnDatCells magnCells = ReadMagnDat(dir, MagnBlocks(demo().rotation));
    const MagnetosphereLayer layer = LayoutMagnetosphere(
        LoadMagnetosphere(dir, EndDate, demo().rotation, magnCells), 820 * 16 / 510, 0);
    QImage image(1200, 820, QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter p(&image);
        PaintMagnetosphereLayer(p, image.rect(), layer);
    }
    state.counters["pixels"] = double(layer.pixels.size());
}
BENCHMARK(BM_MagnetosphereLayerRepaint)->Unit(benchmark::kMicrosecond);

void BM_CoronaUnderMap(benchmark::State& state) {
    const int s = 820 * 16 / 510;
    QImage image(1200, 820, QImage::Format_RGB32);
    for (auto _ : state) {
        const CoronaUnderMapModel m = MakeCoronaUnderMap(demo().corona, demo().rotation - 1, s, 0);
        QPainter p(&image);
        PaintCoronaUnderMap(p, image.rect(), m);
    }
}
BENCHMARK(BM_CoronaUnderMap)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
