#pragma once
// Pixel comparison of a window's picture with the command line's.
#include <QCoreApplication>
#include <QImage>
#include <QWidget>
#include <algorithm>
#include <filesystem>

#include "tests_support/run_cli.h"

namespace hk::test {

// The client sizes of a small and two large screens at which windows are
// compared with the command line.
inline const QSize ParitySizes[] = {{600, 820}, {1200, 820}, {1920, 1080}};

// "WIDTHxHEIGHT", as the command line's --window and --size take it.
inline QString SizeText(QSize s) {
    return QStringLiteral("%1x%2").arg(s.width()).arg(s.height());
}

// The number of pixels in which the two pictures differ (all when their
// sizes differ).
inline qint64 DifferingPixels(const QImage& a0, const QImage& b0) {
    const QImage a = a0.convertToFormat(QImage::Format_RGB32);
    const QImage b = b0.convertToFormat(QImage::Format_RGB32);
    if (a.size() != b.size()) return qint64(std::max(a.width(), b.width())) * a.height();
    qint64 n = 0;
    for (int y = 0; y < a.height(); ++y) {
        const auto* ra = reinterpret_cast<const QRgb*>(a.constScanLine(y));
        const auto* rb = reinterpret_cast<const QRgb*>(b.constScanLine(y));
        for (int x = 0; x < a.width(); ++x)
            n += ra[x] != rb[x];
    }
    return n;
}

// The PNG that heliokres-cli `command` (a picture command with its arguments,
// less --out) writes into `dir`; a null picture when it fails.
inline QImage CliPicture(const std::filesystem::path& dir, const QString& command) {
    const std::filesystem::path png = dir / "parity.png";
    std::filesystem::remove(png);
    const CliRun r = RunCli(command.toStdString() + " --out " + ShellQuoted(png), true);
    if (r.status != 0) qWarning("%s", r.out.c_str());
    return QImage(QString::fromStdString(png.string()));
}

// Resizes the window around `canvas` until the canvas has `size` (scroll bars
// that come or go change the room left for it).
inline bool ResizeCanvas(QWidget& window, QWidget& canvas, QSize size) {
    for (int i = 0; i < 4 && canvas.size() != size; ++i) {
        window.resize(window.size() + (size - canvas.size()));
        QCoreApplication::processEvents();
    }
    return canvas.size() == size;
}

} // namespace hk::test
