// Cost of the measurement window on a 2000 x 2000 scan: a step of the
// brightness or contrast slider and a zoom step repaint the visible part of
// the picture (about 960 x 830 pixels at 1280 x 1024) through the lookup
// table, set against the rescale of the whole picture that a repaint must
// never do; and the disk finder on the same scan.
#include <benchmark/benchmark.h>

#include "gui_benchmark_main.h"
#include <QImage>
#include <QPainter>

#include "drawing/drawing_model.h"
#include "drawing/drawing_scale.h"
#include "measure/disk_finder.h"
#include "render/drawing_renderer.h"
#include "render/scan_view.h"

using namespace hk;

namespace {

constexpr int ScanSide = 2000;
const QSize Canvas(960, 830);

// A drawing of radius 900 px on a 2000 x 2000 scan.
const QImage& scan() {
    static const QImage img = [] {
        TZaznam z{};
        z.Datum.setText("15.06.2014");
        z.Cas = 905;
        for (auto& s : z.Skupiny)
            s.Typ.setText("***");
        DrawingOptions o;
        o.zoomK = 58; // radius 906 px
        return RenderDrawingImage(MakeDrawingModel(z), o)
            .copy(0, 0, ScanSide, ScanSide)
            .convertToFormat(QImage::Format_RGB32);
    }();
    return img;
}

} // namespace

// One step of the brightness slider: a new table and the repaint.
static void BM_BrightnessStep(benchmark::State& state) {
    ScanModel model;
    model.picture = scan();
    ScanOptions o;
    o.scroll = {500, 500};
    QImage window(Canvas, QImage::Format_RGB32);
    int brightness = 0;
    for (auto _ : state) {
        brightness = brightness >= BrightnessMax ? BrightnessMin : brightness + 1;
        o.lut = MakeDisplayLut(brightness, 120);
        QPainter p(&window);
        PaintScan(p, window.rect(), model, o);
    }
}
BENCHMARK(BM_BrightnessStep)->Unit(benchmark::kMillisecond);

// One zoom step: the visible part drawn enlarged from the held picture.
static void BM_ZoomStep(benchmark::State& state) {
    ScanModel model;
    model.picture = scan();
    ScanOptions o;
    o.scroll = {400, 400};
    o.lut = MakeDisplayLut(-20, 110);
    QImage window(Canvas, QImage::Format_RGB32);
    int z = 0;
    for (auto _ : state) {
        o.zoom = z = (z + 1) % (MaxZoomStep + 1);
        QPainter p(&window);
        PaintScan(p, window.rect(), model, o);
    }
}
BENCHMARK(BM_ZoomStep)->Unit(benchmark::kMillisecond);

// What a zoom step must not do: rescale the whole picture (to 1.5 x).
static void BM_WholePictureRescale(benchmark::State& state) {
    const QImage& img = scan();
    for (auto _ : state)
        benchmark::DoNotOptimize(img.scaled(ScanSide * 3 / 2, ScanSide * 3 / 2,
                                            Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
}
BENCHMARK(BM_WholePictureRescale)->Unit(benchmark::kMillisecond);

// "Najít disk": grey copy and the finder.
static void BM_FindDisk(benchmark::State& state) {
    const QImage& img = scan();
    for (auto _ : state) {
        const QImage grey = img.convertToFormat(QImage::Format_Grayscale8);
        benchmark::DoNotOptimize(FindDisk(GreyView(grey)));
    }
}
BENCHMARK(BM_FindDisk)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    return RunGuiBenchmarks(argc, argv);
}
