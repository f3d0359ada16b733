#pragma once
// The spot finder's working state, shared by the files that hold its steps
// (spot_finder.cpp: paper, ink, strokes and umbrae; spot_finder_outlines.cpp:
// dotted outlines, penumbrae and the found spots). Only those files include it.
#include <array>
#include <cstdint>
#include <utility>
#include <vector>

#include "measure/spot_finder.h"

namespace hk::spot_work {

inline constexpr double Pi = 3.14159265358979323846;
inline constexpr double DrawingRadiusMm = 125;          // areas are given for a 250 mm drawing
inline constexpr double MmPerDegree = 125 * Pi / 180.0; // one heliographic degree at the centre
inline constexpr double InkShare = 0.42;    // darker than 58 % of the paper: pencil or ink
inline constexpr double LightShare = 0.16;  // darker than 84 %: shading
inline constexpr double CoreDarkness = 0.5; // mean darkness of an umbra at least
inline constexpr int Far = 255;

// Chamfer distances in thirds of a pixel: 3 along a row or column, 4 diagonally.
inline constexpr int Step = 3, Diagonal = 4;

enum : std::uint8_t { Paper = 0, Light = 1, Ink = 2, Inside = 4 };

struct Box {
    int x0, y0, x1, y1; // inclusive
    int width() const { return x1 - x0 + 1; }
    int height() const { return y1 - y0 + 1; }
};

// Two chamfer passes over a box of `w` x `h` values: each value that is not
// 0 becomes at most the distance to the nearest 0 (values outside the box
// count as `outside`).
void chamfer(std::vector<std::uint8_t>& d, int w, int h, int outside);

struct Umbra {
    std::vector<int> pixels; // indices into the work area
    double x = 0, y = 0;     // centroid, work-area pixels
    int component = 0;
    int region = -1; // penumbra region, -1 none
};

struct PenumbraRegion {
    double pixels = 0;
    std::vector<int> umbrae;
};

class Finder {
  public:
    Finder(const GreyImageView& img, const Calibration& cal) : img_(img) {
        cx_ = cal.CalCentre.x;
        cy_ = cal.CalCentre.y;
        r_ = cal.CalRadiusPx;
        pxPerMm_ = r_ / DrawingRadiusMm;
        // The strip along the outline: the outline's own width, the error of a
        // clicked radius and the pencil's wobble.
        rIn_ = r_ - (0.015 * r_ + 3);
        rOut_ = r_ + (0.015 * r_ + 3);
        box_ = {std::max(0, static_cast<int>(std::floor(cx_ - rOut_))),
                std::max(0, static_cast<int>(std::floor(cy_ - rOut_))),
                std::min(img.width - 1, static_cast<int>(std::ceil(cx_ + rOut_))),
                std::min(img.height - 1, static_cast<int>(std::ceil(cy_ + rOut_)))};
        w_ = box_.width();
        h_ = box_.height();
    }

    std::vector<FoundSpot> run() {
        if (w_ < 8 || h_ < 8 || rIn_ < 10) return {};
        background();
        classify();
        distances();
        components();
        strokeWidth();
        umbrae();
        dottedOutlines();
        penumbrae();
        return spots();
    }

  private:
    std::size_t at(int x, int y) const { return static_cast<std::size_t>(y) * w_ + x; }
    int pixel(std::size_t i) const {
        const int x = static_cast<int>(i % w_), y = static_cast<int>(i / w_);
        return img_.at(box_.x0 + x, box_.y0 + y);
    }
    bool inside(std::size_t i) const { return cls_[i] & Inside; }
    bool ink(std::size_t i) const { return (cls_[i] & 3) == Ink; }

    // The paper's brightness in blocks: a high percentile of each block, the
    // brightest of the blocks around it (so that a large spot does not darken
    // its own paper), interpolated between block centres.
    void background();

    // Paper level along row y, one value a pixel.
    void paperRow(int y, std::vector<float>& out) const;

    double darkness(std::size_t i) const;

    void classify();

    void distances();

    // Half the width of a pencil stroke, from the ridges of the ink (pixels no
    // nearer to the paper than their four neighbours): along a stroke every
    // ridge pixel lies half a stroke from the paper, while a blob has ridge
    // pixels only near its middle. The upper quartile, so that the heavier
    // strokes of a sheet count. The strokes inside the disk are measured when
    // there are enough of them, else the outline too.
    void strokeWidth();

    // 8-connected parts of the ink.
    void components();

    // Umbrae: the parts of the ink wider than a stroke (the cores), each grown
    // back by the core's own width within the ink, so that a line or a digit
    // touching a spot is not taken with it.
    void umbrae();

    Umbra grow(const std::vector<int>& core, Box b);

    bool dark(const Umbra& u) const;

    // The strokes of the umbra's own ink part met on a circle of radius `rho`
    // around it: true when they look like a dot's (none, one, two opposite
    // ones, each narrower than the dot, or a long arc of an outline).
    bool strokesAround(const Umbra& u, double rho, double minor) const;

    // A core may be where strokes meet (a digit's corner, a crossing of
    // lines) or a stretch of a heavy stroke rather than a dot. A blob three
    // strokes wide is a spot; one less than two strokes wide is not; between
    // them the strokes leaving it are looked at on two circles just outside
    // it.
    bool blobShaped(const Umbra& u);

    // Faculae drawn as dotted outlines: small round dots, each near a
    // neighbour, in chains of at least six at an even spacing. Their
    // umbrae are dropped.
    void dottedOutlines();

    // The penumbra of each umbra, the largest first: the area enclosed by an
    // outline around it, else the shading joined to it.
    void penumbrae();

    Box window(const Umbra& u) const;

    void join(int k, int r) {
        umbrae_[k].region = r;
        regions_[r].umbrae.push_back(k);
    }

    // The paper around the umbra filled up to the ink: when the fill stays
    // within the window it is the inside of an outline.
    bool enclosed(int k);

    // Shading: the light pixels joined to the umbra, opened by a little more
    // than a stroke's half width so that a line or a digit passing by is not
    // followed. A rim no wider than the umbra's own soft edge is no penumbra.
    void shaded(int k);

    std::vector<FoundSpot> spots() const;

    const GreyImageView& img_;
    double cx_ = 0, cy_ = 0, r_ = 0, rIn_ = 0, rOut_ = 0, pxPerMm_ = 1;
    Box box_{};
    int w_ = 0, h_ = 0;
    int block_ = 16, bw_ = 0, bh_ = 0;
    std::vector<float> paper_;
    std::vector<std::uint8_t> cls_, dt_;
    int half_ = Step, core_ = 2 * Step;
    double strokePx_ = 2;
    std::vector<int> comp_;
    std::vector<long> compArea_;
    std::vector<std::pair<double, double>> compSum_;
    std::vector<Box> compBox_;
    std::vector<bool> compInside_;
    std::vector<long> compEdge_; // pixels along the paper
    std::vector<std::uint8_t> scratch_;
    std::vector<int> owner_; // umbra number + 1 of each pixel, 0 none
    std::vector<Umbra> umbrae_;
    std::vector<int> dotted_;
    std::vector<std::array<double, 3>> chainDots_; // centre and the line's spacing
    std::vector<int> region_;                      // penumbra region of each pixel, -1 none
    std::vector<int> mark_;                        // fills done so far
    int stamp_ = 0;
    std::vector<PenumbraRegion> regions_;
};

} // namespace hk::spot_work
