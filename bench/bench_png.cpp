// Writing a long graph as PNG: a 24583 x 800 picture drawn like the graph of
// a 100,000-record archive (white, a grid, a bar per day, a line over them),
// encoded by Qt's writer and by the program's own encoder, set against
// copying the picture's bytes once.
#include <benchmark/benchmark.h>

#include <cstring>
#include <vector>

#include "gui_benchmark_main.h"
#include <QImage>
#include <QPainter>

#include "render/png_writer.h"

namespace {

const QImage& graphPicture() {
    static const QImage image = [] {
        QImage img(24583, 800, QImage::Format_RGB32);
        img.fill(Qt::white);
        QPainter p(&img);
        p.setPen(QColor(200, 200, 200));
        for (int y = 50; y < 750; y += 70)
            p.drawLine(40, y, img.width() - 10, y);
        for (int x = 40; x < img.width(); x += 366)
            p.drawLine(x, 50, x, 750);
        QPolygon curve;
        unsigned seed = 12345;
        for (int x = 41; x < img.width() - 10; ++x) {
            seed = seed * 1103515245u + 12345u;
            const int height = int((seed >> 16) % 500) * (1 + (x / 4000) % 3) / 3;
            p.fillRect(x, 750 - height, 1, height, QColor(40, 90, 200));
            if (x % 27 == 0) curve << QPoint(x, 750 - height / 2 - 100);
        }
        p.setPen(QPen(Qt::red, 2));
        p.drawPolyline(curve);
        p.setPen(Qt::black);
        p.drawRect(40, 50, img.width() - 51, 700);
        return img;
    }();
    return image;
}

} // namespace

// The floor: one pass over the picture's bytes.
static void BM_CopyPicture(benchmark::State& state) {
    const QImage& image = graphPicture();
    std::vector<uchar> copy(std::size_t(image.sizeInBytes()));
    for (auto _ : state) {
        std::memcpy(copy.data(), image.constBits(), copy.size());
        benchmark::DoNotOptimize(copy.data());
    }
}
BENCHMARK(BM_CopyPicture)->Unit(benchmark::kMillisecond)->UseRealTime();

static void BM_EncodePngQt(benchmark::State& state) {
    const QImage& image = graphPicture();
    std::size_t bytes = 0;
    for (auto _ : state)
        bytes = hk::EncodeImageWithQt(image, "PNG").size();
    state.counters["KB"] = double(bytes) / 1000;
}
BENCHMARK(BM_EncodePngQt)->Unit(benchmark::kMillisecond)->UseRealTime();

// The own encoder works on all cores: wall time is the figure that counts,
// the CPU time is that of every thread.
static void BM_EncodePng(benchmark::State& state) {
    const QImage& image = graphPicture();
    std::size_t bytes = 0;
    for (auto _ : state)
        bytes = hk::EncodePng(image).size();
    state.counters["KB"] = double(bytes) / 1000;
}
BENCHMARK(BM_EncodePng)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime()->UseRealTime();

int main(int argc, char** argv) {
    return RunGuiBenchmarks(argc, argv);
}
