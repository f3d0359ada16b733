// Cost of the synoptic maps on a large archive: 100,000 demo drawings (50
// years of a network) against 10,000. A map visits only the records of its
// rotation through the rotation index, so its model and repaint should not
// grow with the store; the index itself is built once per store revision.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include "demo/demo.h"
#include "maps/map_strips.h"
#include "maps/rotation_index.h"
#include "maps/synoptic_map.h"
#include "records/geometry_cache.h"
#include "render/synoptic_map_renderer.h"

using namespace hk;

namespace {

constexpr int Width = 1200, Height = 820;

struct Archive {
    std::vector<TZaznam> records;
    GeometryCache geometry;
    RotationIndex index;
    int rotation = 0; // a rotation in the middle of the archive

    Archive(int years, int perYear) {
        DemoOptions o;
        o.years = years;
        o.perYear = perYear;
        o.endDate = {2025, 12, 31};
        records = GenerateDemoRecords(o);
        geometry = GeometryCache::of(records);
        index = RotationIndex::of(records);
        rotation = records[records.size() / 2].Rotace;
    }
};

// Argument 0: 10,000 drawings; 1: 100,000.
const Archive& archive(int which) {
    static const Archive small(10, 1000);
    static const Archive large(50, 2000);
    return which == 0 ? small : large;
}

void counters(benchmark::State& state, const Archive& a) {
    state.counters["records"] = static_cast<double>(a.records.size());
}

// Raw costs: one pass over every record (the sum of Rotace) and the fill of
// the window's image.
void BM_BarePass(benchmark::State& state) {
    const Archive& a = archive(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        long sum = 0;
        for (const TZaznam& z : a.records)
            sum += z.Rotace;
        benchmark::DoNotOptimize(sum);
    }
    counters(state, a);
}
BENCHMARK(BM_BarePass)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_FillImage(benchmark::State& state) {
    QImage image(Width, Height, QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter p(&image);
        p.fillRect(image.rect(), Qt::white);
    }
}
BENCHMARK(BM_FillImage)->Unit(benchmark::kMillisecond);

void BM_RotationIndex(benchmark::State& state) {
    const Archive& a = archive(static_cast<int>(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(RotationIndex::of(a.records));
    counters(state, a);
}
BENCHMARK(BM_RotationIndex)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_SingleMapModel(benchmark::State& state) {
    const Archive& a = archive(static_cast<int>(state.range(0)));
    const int s = MapScale(Width, Height);
    std::size_t records = 0;
    for (auto _ : state) {
        const SynopticMap m = MakeSynopticMap(a.records, a.geometry, a.index, a.rotation, s);
        records = static_cast<std::size_t>(m.range.size());
        benchmark::DoNotOptimize(m.groups.data());
    }
    counters(state, a);
    state.counters["range"] = static_cast<double>(records);
}
BENCHMARK(BM_SingleMapModel)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// The window's repaint: the model for the window's scale, then the paint
// with faculae, centres and areas.
void BM_SingleMapRepaint(benchmark::State& state) {
    const Archive& a = archive(static_cast<int>(state.range(0)));
    SynopticMapOptions o;
    o.faculaeCentres = true;
    QImage image(Width, Height, QImage::Format_RGB32);
    std::size_t groups = 0, faculae = 0;
    for (auto _ : state) {
        const SynopticMap m =
            MakeSynopticMap(a.records, a.geometry, a.index, a.rotation, MapScale(Width, Height));
        QPainter p(&image);
        PaintSynopticMap(p, image.rect(), m, o);
        groups = m.groups.size();
        faculae = m.faculae.size();
    }
    counters(state, a);
    state.counters["groups"] = static_cast<double>(groups);
    state.counters["faculae"] = static_cast<double>(faculae);
}
BENCHMARK(BM_SingleMapRepaint)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// The long map: 16 strips, each its rotation's range and slots.
void BM_LongMapRepaint(benchmark::State& state) {
    const Archive& a = archive(static_cast<int>(state.range(0)));
    QImage image(Width, Height, QImage::Format_RGB32);
    for (auto _ : state) {
        const StripView v = MakeStripView(a.records, a.geometry, a.index, a.rotation, LongMapStrips,
                                          StripKind::Long, LongMapScale(Width), false);
        QPainter p(&image);
        PaintStripView(p, image.rect(), v);
    }
    counters(state, a);
}
BENCHMARK(BM_LongMapRepaint)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_HighMapRepaint(benchmark::State& state) {
    const Archive& a = archive(static_cast<int>(state.range(0)));
    QImage image(Width, Height, QImage::Format_RGB32);
    const int first = a.index.lastRotation() - HighMapStripCount(Width, Height) - 5;
    for (auto _ : state) {
        const StripView v =
            MakeStripView(a.records, a.geometry, a.index, first, HighMapStripCount(Width, Height),
                          StripKind::High, StripScale(Width), true);
        QPainter p(&image);
        PaintStripView(p, image.rect(), v);
    }
    counters(state, a);
}
BENCHMARK(BM_HighMapRepaint)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
