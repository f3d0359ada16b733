// Cost of the drawing of a record: the picture of 40 groups and 40 faculae
// fields painted into an 800-pixel-wide image, set against filling the same
// image; the model (orientation, summary, faculae count) and the batch
// faculae recount of a whole station's data.
#include <benchmark/benchmark.h>

#include <chrono>
#include <vector>

#include "gui_benchmark_main.h"
#include <QImage>
#include <QPainter>

#include "drawing/drawing_model.h"
#include "drawing/drawing_scale.h"
#include "drawing/faculae.h"
#include "records/record.h"
#include "render/drawing_renderer.h"

using namespace hk;

namespace {

// A full record: 40 groups with both auxiliary spots, 40 faculae fields.
TZaznam fullRecord(int seed) {
    TZaznam z{};
    z.Datum.setText("15.06.2014");
    z.Cas = 905;
    z.Pozorovatel.setText("Nováček, Jiří");
    z.Stanice.setText("Ondřejov");
    z.PocetSkupin = MaxGroups;
    z.PocetFakKresleni = MaxGroups;
    const char* classes[] = {"Axx", "Bxo", "Cao", "Dkc", "Eki", "Fkc", "Hsx"};
    for (int k = 0; k < MaxGroups; ++k) {
        TSkupina& s = z.Skupiny[k];
        const int a = (k * 97 + seed * 13) % 360;
        s.Typ.setText(classes[k % 7]);
        s.Poc = static_cast<std::uint8_t>(1 + k % 30);
        s.Uhel = static_cast<std::uint16_t>(a * 10);
        s.Vzd = static_cast<std::uint16_t>(200 + (k * 31) % 1000);
        s.Plocha = static_cast<std::uint16_t>(20 + k * 25);
        s.CSk1 = static_cast<std::uint16_t>(12000 + k);
        s.CSk2 = static_cast<std::uint16_t>(k);
        s.Pomocna1 = PackPosition((a + 3) % 360, 20 + k % 60);
        s.Plo1 = 30;
        s.Pomocna2 = PackPosition((a + 357) % 360, 20 + k % 60);
        s.Plo2 = 20;
        for (int j = 0; j < 6; ++j)
            s.Fakule[j] = PackPosition((a + j * 4) % 360, 30 + (j * 7 + k) % 90);
    }
    return z;
}

DrawingOptions options800() {
    DrawingOptions o;
    o.zoomK = DrawingScale::ZoomForWidth(800);
    return o;
}

double secondsPerFill(QImage& image, int rounds) {
    const auto t0 = std::chrono::steady_clock::now();
    for (int i = 0; i < rounds; ++i) {
        image.fill(i & 1 ? Qt::white : Qt::black);
        benchmark::DoNotOptimize(image.constBits());
    }
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count() / rounds;
}

} // namespace

static void BM_FillImage800(benchmark::State& state) {
    const DrawingOptions o = options800();
    QImage image(DrawingPictureSize(o), QImage::Format_RGB32);
    int i = 0;
    for (auto _ : state) {
        image.fill(++i & 1 ? Qt::white : Qt::black);
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_FillImage800)->Unit(benchmark::kMicrosecond);

// The repaint of the window: the model is kept, only the picture is painted.
static void BM_PaintDrawing40Groups800(benchmark::State& state) {
    const DrawingOptions o = options800();
    const DrawingModel model = MakeDrawingModel(fullRecord(1));
    QImage image(DrawingPictureSize(o), QImage::Format_RGB32);
    const double fill = secondsPerFill(image, 200);
    const auto t0 = std::chrono::steady_clock::now();
    for (auto _ : state) {
        QPainter p(&image);
        PaintDrawing(p, image.rect(), model, o);
    }
    const double perPaint =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count() /
        static_cast<double>(state.iterations());
    state.counters["x_fill"] = perPaint / fill;
}
BENCHMARK(BM_PaintDrawing40Groups800)->Unit(benchmark::kMillisecond);

// A change of the current record: orientation, summary and faculae count.
static void BM_MakeDrawingModel(benchmark::State& state) {
    const TZaznam z = fullRecord(2);
    for (auto _ : state)
        benchmark::DoNotOptimize(MakeDrawingModel(z));
}
BENCHMARK(BM_MakeDrawingModel)->Unit(benchmark::kMicrosecond);

// The batch recount over the records of a station's 40 years (15,000).
static void BM_RecountFaculae15000(benchmark::State& state) {
    std::vector<TZaznam> records;
    for (int i = 0; i < 15000; ++i) {
        TZaznam z = fullRecord(i);
        z.PocetFakKresleni = static_cast<std::uint8_t>(i % 5); // 0..4 fields, as stations draw
        records.push_back(z);
    }
    for (auto _ : state)
        benchmark::DoNotOptimize(RecountFaculae(records));
}
BENCHMARK(BM_RecountFaculae15000)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    return RunGuiBenchmarks(argc, argv);
}
