#pragma once
// Logical drawing coordinates to window pixels. The picture is laid out on a
// logical canvas whose disk is centred at (280, 280) with radius 250; a
// window of client width w draws it at ZoomK / 16 with ZoomK = w * 14 div 800
// (w * 16 div 800 in the enlarged window).
#include <algorithm>
#include <cstdint>

namespace hk {

inline constexpr int DiskCentre = 280;
inline constexpr int DiskRadius = 250;
// The logical canvas the picture occupies (text panel and group table included).
inline constexpr int DrawingLogicalWidth = 915;
inline constexpr int DrawingLogicalHeight = 680;
inline constexpr int NormalZoomNumerator = 14;
inline constexpr int EnlargedZoomNumerator = 16;

struct DrawingScale {
    int zoomK = 14;

    static int ZoomForWidth(int clientWidth, int numerator = NormalZoomNumerator) {
        return clientWidth * numerator / 800;
    }
    // The largest zoom up to `maxZoom` whose whole picture (text panel and
    // group table included) fits into width x height pixels; at least 1.
    static int ZoomToFit(int width, int height, int maxZoom) {
        int k = maxZoom;
        while (k > 1 && (DrawingScale{k}.width() > width || DrawingScale{k}.height() > height))
            --k;
        return std::max(1, k);
    }

    // ScaleXY: v (as a signed 16-bit value) * ZoomK / 16, truncated.
    int xy(int v) const { return static_cast<std::int16_t>(v) * zoomK / 16; }
    // ScaleFont: v * (ZoomK + 1) / 16, truncated.
    int font(int v) const { return v * (zoomK + 1) / 16; }
    // The disk radius in window pixels.
    double diskRadiusPx() const { return zoomK * 15.625; }
    // Pixel size of the whole picture.
    int width() const { return xy(DrawingLogicalWidth); }
    int height() const { return xy(DrawingLogicalHeight); }
};

} // namespace hk
