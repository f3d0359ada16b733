#include "measure/spot_finder.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <numeric>

#include "geometry/transforms.h"

namespace hk {

namespace {

constexpr double Pi = 3.14159265358979323846;
constexpr double DrawingRadiusMm = 125;          // areas are given for a 250 mm drawing
constexpr double MmPerDegree = 125 * Pi / 180.0; // one heliographic degree at the centre
constexpr double InkShare = 0.42;                // darker than 58 % of the paper: pencil or ink
constexpr double LightShare = 0.16;              // darker than 84 %: shading
constexpr double CoreDarkness = 0.5;             // mean darkness of an umbra at least
constexpr int Far = 255;

// Chamfer distances in thirds of a pixel: 3 along a row or column, 4 diagonally.
constexpr int Step = 3, Diagonal = 4;

enum : std::uint8_t { Paper = 0, Light = 1, Ink = 2, Inside = 4 };

struct Box {
    int x0, y0, x1, y1; // inclusive
    int width() const { return x1 - x0 + 1; }
    int height() const { return y1 - y0 + 1; }
};

// Two chamfer passes over a box of `w` x `h` values: each value that is not
// 0 becomes at most the distance to the nearest 0 (values outside the box
// count as `outside`).
void chamfer(std::vector<std::uint8_t>& d, int w, int h, int outside) {
    auto at = [&](int x, int y) -> int {
        if (x < 0 || y < 0 || x >= w || y >= h) return outside;
        return d[static_cast<std::size_t>(y) * w + x];
    };
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            std::uint8_t& v = d[static_cast<std::size_t>(y) * w + x];
            if (v == 0) continue;
            int m = v;
            m = std::min({m, at(x - 1, y) + Step, at(x, y - 1) + Step, at(x - 1, y - 1) + Diagonal,
                          at(x + 1, y - 1) + Diagonal});
            v = static_cast<std::uint8_t>(std::min(m, Far));
        }
    for (int y = h - 1; y >= 0; --y)
        for (int x = w - 1; x >= 0; --x) {
            std::uint8_t& v = d[static_cast<std::size_t>(y) * w + x];
            if (v == 0) continue;
            int m = v;
            m = std::min({m, at(x + 1, y) + Step, at(x, y + 1) + Step, at(x + 1, y + 1) + Diagonal,
                          at(x - 1, y + 1) + Diagonal});
            v = static_cast<std::uint8_t>(std::min(m, Far));
        }
}

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
    void background() {
        block_ = std::max(16, static_cast<int>(r_ / 28));
        bw_ = (w_ + block_ - 1) / block_;
        bh_ = (h_ + block_ - 1) / block_;
        std::vector<float> level(static_cast<std::size_t>(bw_) * bh_, 0);
        for (int by = 0; by < bh_; ++by)
            for (int bx = 0; bx < bw_; ++bx) {
                std::array<int, 256> hist{};
                int n = 0;
                const int yEnd = std::min(h_, (by + 1) * block_);
                const int xEnd = std::min(w_, (bx + 1) * block_);
                for (int y = by * block_; y < yEnd; y += 2) {
                    const std::uint8_t* row =
                        img_.pixels + static_cast<long>(box_.y0 + y) * img_.stride + box_.x0;
                    for (int x = bx * block_; x < xEnd; x += 2) {
                        ++hist[row[x]];
                        ++n;
                    }
                }
                int acc = 0, v = 255;
                for (int k = 255; k >= 0; --k) {
                    acc += hist[k];
                    if (acc * 10 >= n) {
                        v = k;
                        break;
                    }
                }
                level[static_cast<std::size_t>(by) * bw_ + bx] = static_cast<float>(v);
            }
        const int reach = 3;
        paper_.assign(level.size(), 0);
        for (int by = 0; by < bh_; ++by)
            for (int bx = 0; bx < bw_; ++bx) {
                float m = 0;
                for (int dy = -reach; dy <= reach; ++dy)
                    for (int dx = -reach; dx <= reach; ++dx) {
                        const int x = bx + dx, y = by + dy;
                        if (x < 0 || y < 0 || x >= bw_ || y >= bh_) continue;
                        m = std::max(m, level[static_cast<std::size_t>(y) * bw_ + x]);
                    }
                paper_[static_cast<std::size_t>(by) * bw_ + bx] = std::max(m, 1.0f);
            }
    }

    // Paper level along row y, one value a pixel.
    void paperRow(int y, std::vector<float>& out) const {
        const double fy = std::clamp((y + 0.5) / block_ - 0.5, 0.0, bh_ - 1.0);
        const int y0 = static_cast<int>(fy), y1 = std::min(y0 + 1, bh_ - 1);
        const float ty = static_cast<float>(fy - y0);
        std::vector<float> blocks(bw_);
        for (int bx = 0; bx < bw_; ++bx)
            blocks[bx] = paper_[static_cast<std::size_t>(y0) * bw_ + bx] * (1 - ty) +
                         paper_[static_cast<std::size_t>(y1) * bw_ + bx] * ty;
        out.resize(w_);
        for (int x = 0; x < w_; ++x) {
            const double fx = std::clamp((x + 0.5) / block_ - 0.5, 0.0, bw_ - 1.0);
            const int x0 = static_cast<int>(fx), x1 = std::min(x0 + 1, bw_ - 1);
            const float tx = static_cast<float>(fx - x0);
            out[x] = blocks[x0] * (1 - tx) + blocks[x1] * tx;
        }
    }

    double darkness(std::size_t i) const {
        const int x = static_cast<int>(i % w_), y = static_cast<int>(i / w_);
        const double fy = std::clamp((y + 0.5) / block_ - 0.5, 0.0, bh_ - 1.0);
        const double fx = std::clamp((x + 0.5) / block_ - 0.5, 0.0, bw_ - 1.0);
        const int bx = static_cast<int>(std::lround(fx)), by = static_cast<int>(std::lround(fy));
        return 1.0 - pixel(i) / paper_[static_cast<std::size_t>(by) * bw_ + bx];
    }

    void classify() {
        cls_.assign(static_cast<std::size_t>(w_) * h_, Paper);
        std::vector<float> paper;
        for (int y = 0; y < h_; ++y) {
            const double dy = box_.y0 + y - cy_;
            if (std::fabs(dy) > rOut_) continue;
            const double outHalf = std::sqrt(rOut_ * rOut_ - dy * dy);
            const double inHalf = std::fabs(dy) < rIn_ ? std::sqrt(rIn_ * rIn_ - dy * dy) : -1;
            const int xa = std::max(0, static_cast<int>(std::ceil(cx_ - outHalf)) - box_.x0);
            const int xb = std::min(w_ - 1, static_cast<int>(std::floor(cx_ + outHalf)) - box_.x0);
            paperRow(y, paper);
            const std::uint8_t* row =
                img_.pixels + static_cast<long>(box_.y0 + y) * img_.stride + box_.x0;
            std::uint8_t* c = cls_.data() + at(0, y);
            for (int x = xa; x <= xb; ++x) {
                const float v = row[x];
                const float p = paper[x];
                std::uint8_t k = v < p * static_cast<float>(1 - InkShare)     ? Ink
                                 : v < p * static_cast<float>(1 - LightShare) ? Light
                                                                              : Paper;
                const double dx = box_.x0 + x - cx_;
                if (std::fabs(dx) <= inHalf) k |= Inside;
                c[x] = k;
            }
        }
    }

    void distances() {
        dt_.resize(cls_.size());
        for (std::size_t i = 0; i < cls_.size(); ++i)
            dt_[i] = ink(i) ? Far : 0;
        chamfer(dt_, w_, h_, 0);
    }

    // Half the width of a pencil stroke, from the ridges of the ink (pixels no
    // nearer to the paper than their four neighbours): along a stroke every
    // ridge pixel lies half a stroke from the paper, while a blob has ridge
    // pixels only near its middle. The upper quartile, so that the heavier
    // strokes of a sheet count. The strokes inside the disk are measured when
    // there are enough of them, else the outline too.
    void strokeWidth() {
        std::array<long, 256> inner{}, all{};
        long nInner = 0, nAll = 0;
        for (int y = 1; y + 1 < h_; ++y)
            for (int x = 1; x + 1 < w_; ++x) {
                const std::size_t i = at(x, y);
                const int v = dt_[i];
                if (v < Step) continue;
                if (v < dt_[i - 1] || v < dt_[i + 1] || v < dt_[i - w_] || v < dt_[i + w_])
                    continue;
                ++all[v];
                ++nAll;
                if (inside(i)) {
                    ++inner[v];
                    ++nInner;
                }
            }
        auto share = [](const std::array<long, 256>& hist, long n, int percent) {
            long acc = 0;
            for (int v = 0; v < 256; ++v) {
                acc += hist[v];
                if (acc * 100 >= n * percent) return v;
            }
            return 255;
        };
        const bool enough = nInner >= 400;
        const auto& hist = enough ? inner : all;
        const long n = enough ? nInner : nAll;
        const int fallback = std::max(Step, static_cast<int>(std::lround(0.2 * pxPerMm_ * Step)));
        half_ = n >= 100 ? std::max(Step, share(hist, n, 75)) : fallback;
        // The width itself, finer than the distances: a stroke's area over
        // half its edge, the median over the parts weighted by their edges.
        std::vector<std::pair<double, long>> widths;
        long innerEdge = 0, totalEdge = 0;
        for (int c = 1; c < static_cast<int>(compArea_.size()); ++c)
            if (compEdge_[c] >= 20) {
                totalEdge += compEdge_[c];
                if (compInside_[c]) innerEdge += compEdge_[c];
            }
        const bool innerOnly = innerEdge >= 400;
        for (int c = 1; c < static_cast<int>(compArea_.size()); ++c)
            if (compEdge_[c] >= 20 && (compInside_[c] || !innerOnly))
                widths.push_back({2.0 * compArea_[c] / compEdge_[c], compEdge_[c]});
        std::sort(widths.begin(), widths.end());
        const long weight = innerOnly ? innerEdge : totalEdge;
        long acc = 0;
        strokePx_ = 2.0 * half_ / Step;
        for (const auto& [width, edge] : widths) {
            acc += edge;
            if (acc * 2 >= weight) {
                strokePx_ = width;
                break;
            }
        }
        // A blob must be wider than nearly every stretch of stroke to hold an
        // umbra: wider than nine tenths of the ridge, and than a stroke and a half.
        const int heavy = n >= 100 ? share(hist, n, 90) : fallback;
        core_ = std::min(Far - 1, std::max({heavy + 1, half_ + Step, (3 * half_ + 1) / 2}));
    }

    // 8-connected parts of the ink.
    void components() {
        comp_.assign(cls_.size(), 0);
        compArea_.assign(1, 0);
        compSum_.assign(1, {0, 0});
        compBox_.assign(1, {0, 0, 0, 0});
        compInside_.assign(1, true);
        compEdge_.assign(1, 0);
        std::vector<int> stack;
        for (std::size_t s = 0; s < cls_.size(); ++s) {
            if (!ink(s) || comp_[s] != 0) continue;
            const int id = static_cast<int>(compArea_.size());
            long area = 0, edge = 0;
            double sx = 0, sy = 0;
            Box b{w_, h_, -1, -1};
            bool allInside = true;
            comp_[s] = id;
            stack.push_back(static_cast<int>(s));
            while (!stack.empty()) {
                const int i = stack.back();
                stack.pop_back();
                const int x = i % w_, y = i / w_;
                ++area;
                sx += x;
                sy += y;
                b = {std::min(b.x0, x), std::min(b.y0, y), std::max(b.x1, x), std::max(b.y1, y)};
                allInside = allInside && inside(i);
                if (x == 0 || y == 0 || x + 1 == w_ || y + 1 == h_ || !ink(i - 1) || !ink(i + 1) ||
                    !ink(i - w_) || !ink(i + w_))
                    ++edge;
                for (int dy = -1; dy <= 1; ++dy)
                    for (int dx = -1; dx <= 1; ++dx) {
                        const int nx = x + dx, ny = y + dy;
                        if (nx < 0 || ny < 0 || nx >= w_ || ny >= h_) continue;
                        const std::size_t j = at(nx, ny);
                        if (!ink(j) || comp_[j] != 0) continue;
                        comp_[j] = id;
                        stack.push_back(static_cast<int>(j));
                    }
            }
            compArea_.push_back(area);
            compSum_.push_back({sx, sy});
            compBox_.push_back(b);
            compInside_.push_back(allInside);
            compEdge_.push_back(edge);
        }
    }

    // Umbrae: the parts of the ink wider than a stroke (the cores), each grown
    // back by the core's own width within the ink, so that a line or a digit
    // touching a spot is not taken with it.
    void umbrae() {
        owner_.assign(cls_.size(), 0);
        scratch_.assign(cls_.size(), 0);
        std::vector<std::uint8_t> seen(cls_.size(), 0);
        std::vector<int> stack, core;
        for (std::size_t s = 0; s < cls_.size(); ++s) {
            if (seen[s] || dt_[s] < core_ || !inside(s)) continue;
            core.clear();
            seen[s] = 1;
            stack.push_back(static_cast<int>(s));
            Box b{w_, h_, -1, -1};
            while (!stack.empty()) {
                const int i = stack.back();
                stack.pop_back();
                core.push_back(i);
                const int x = i % w_, y = i / w_;
                b = {std::min(b.x0, x), std::min(b.y0, y), std::max(b.x1, x), std::max(b.y1, y)};
                for (int dy = -1; dy <= 1; ++dy)
                    for (int dx = -1; dx <= 1; ++dx) {
                        const int nx = x + dx, ny = y + dy;
                        if (nx < 0 || ny < 0 || nx >= w_ || ny >= h_) continue;
                        const std::size_t j = at(nx, ny);
                        if (seen[j] || dt_[j] < core_ || !inside(j)) continue;
                        seen[j] = 1;
                        stack.push_back(static_cast<int>(j));
                    }
            }
            Umbra u = grow(core, b);
            if (u.pixels.empty()) continue;
            if (!dark(u) || !blobShaped(u)) continue;
            const int id = static_cast<int>(umbrae_.size()) + 1;
            for (int i : u.pixels)
                if (owner_[i] == 0) owner_[i] = id;
            umbrae_.push_back(std::move(u));
        }
    }

    Umbra grow(const std::vector<int>& core, Box b) {
        const int m = core_ / Step + 2;
        b = {std::max(0, b.x0 - m), std::max(0, b.y0 - m), std::min(w_ - 1, b.x1 + m),
             std::min(h_ - 1, b.y1 + m)};
        const int bw = b.width(), bh = b.height();
        std::vector<std::uint8_t> d(static_cast<std::size_t>(bw) * bh, Far);
        for (int i : core)
            d[static_cast<std::size_t>(i / w_ - b.y0) * bw + (i % w_ - b.x0)] = 0;
        chamfer(d, bw, bh, Far);
        Umbra u;
        double sx = 0, sy = 0;
        for (int y = 0; y < bh; ++y)
            for (int x = 0; x < bw; ++x) {
                const std::size_t i = at(b.x0 + x, b.y0 + y);
                if (d[static_cast<std::size_t>(y) * bw + x] > core_ || !ink(i)) continue;
                u.pixels.push_back(static_cast<int>(i));
                sx += b.x0 + x;
                sy += b.y0 + y;
            }
        if (u.pixels.empty()) return u;
        u.x = sx / u.pixels.size();
        u.y = sy / u.pixels.size();
        u.component = comp_[u.pixels.front()];
        return u;
    }

    bool dark(const Umbra& u) const {
        double sum = 0;
        for (int i : u.pixels)
            sum += darkness(i);
        return sum / u.pixels.size() >= CoreDarkness;
    }

    // The strokes of the umbra's own ink part met on a circle of radius `rho`
    // around it: true when they look like a dot's (none, one, two opposite
    // ones, each narrower than the dot, or a long arc of an outline).
    bool strokesAround(const Umbra& u, double rho, double minor) const {
        const int n = std::max(24, static_cast<int>(2 * Pi * rho));
        std::vector<char> hit(n, 0);
        for (int k = 0; k < n; ++k) {
            const double a = 2 * Pi * k / n;
            const int x = static_cast<int>(std::lround(u.x + rho * std::cos(a)));
            const int y = static_cast<int>(std::lround(u.y + rho * std::sin(a)));
            if (x < 0 || y < 0 || x >= w_ || y >= h_) continue;
            const std::size_t i = at(x, y);
            hit[k] = comp_[i] == u.component && !scratch_[i];
        }
        const int start = static_cast<int>(std::find(hit.begin(), hit.end(), 0) - hit.begin());
        if (start == n) return true;                 // surrounded
        std::vector<std::pair<double, double>> runs; // middle angle, width in pixels
        for (int k = 0; k < n; ++k) {
            const int i = (start + k) % n;
            if (!hit[i]) continue;
            int len = 0;
            while (k < n && hit[(start + k) % n]) {
                ++len;
                ++k;
            }
            runs.push_back({2 * Pi * (i + (len - 1) / 2.0) / n, 2 * Pi * rho * len / n});
        }
        for (const auto& r : runs)
            if (r.second >= 0.4 * 2 * Pi * rho) return true;
        for (const auto& r : runs)
            if (r.second > 0.6 * minor) return false;
        if (runs.size() <= 1) return true;
        if (runs.size() > 2) return false;
        double diff = std::fabs(runs[0].first - runs[1].first);
        if (diff > Pi) diff = 2 * Pi - diff;
        return diff >= 135 * Pi / 180;
    }

    // A core may be where strokes meet (a digit's corner, a crossing of
    // lines) or a stretch of a heavy stroke rather than a dot. A blob three
    // strokes wide is a spot; one less than two strokes wide is not; between
    // them the strokes leaving it are looked at on two circles just outside
    // it.
    bool blobShaped(const Umbra& u) {
        double sxx = 0, syy = 0, sxy = 0;
        for (int i : u.pixels) {
            const double dx = i % w_ - u.x, dy = i / w_ - u.y;
            sxx += dx * dx;
            syy += dy * dy;
            sxy += dx * dy;
            scratch_[i] = 1;
        }
        const double n0 = static_cast<double>(u.pixels.size());
        sxx /= n0;
        syy /= n0;
        sxy /= n0;
        const double mid = (sxx + syy) / 2,
                     dev = std::sqrt((sxx - syy) * (sxx - syy) / 4 + sxy * sxy);
        const double minor = 4 * std::sqrt(std::max(mid - dev, 0.0)) + 1;
        const double major = 4 * std::sqrt(mid + dev) + 1;
        const bool result = [&] {
            if (minor >= 3 * strokePx_) return true;
            if (minor < 2 * strokePx_) return false;
            return strokesAround(u, major / 2 + std::max(strokePx_, 1.5), minor) &&
                   strokesAround(u, major / 2 + std::max(1.5 * strokePx_, 2.0), minor);
        }();
        for (int i : u.pixels)
            scratch_[i] = 0;
        return result;
    }

    // Faculae drawn as dotted outlines: small round dots, each near a
    // neighbour, in chains of at least six at an even spacing. Their
    // umbrae are dropped.
    void dottedOutlines() {
        const double maxDot = 0.5 * pxPerMm_; // radius
        const double link = 2.5 * pxPerMm_;
        std::vector<int> dots;
        for (int c = 1; c < static_cast<int>(compArea_.size()); ++c) {
            const Box& b = compBox_[c];
            if (!compInside_[c] || compArea_[c] < 2) continue;
            if (compArea_[c] > Pi * maxDot * maxDot) continue;
            if (std::max(b.width(), b.height()) > 2.6 * maxDot + 2) continue;
            dots.push_back(c);
        }
        if (dots.size() < 6) return;
        auto centre = [&](int c) {
            return std::pair<double, double>{compSum_[c].first / compArea_[c],
                                             compSum_[c].second / compArea_[c]};
        };
        // Neighbours through a grid of cells of the link's size.
        const int cell = std::max(1, static_cast<int>(std::ceil(link)));
        const int gw = w_ / cell + 1, gh = h_ / cell + 1;
        std::vector<std::vector<int>> grid(static_cast<std::size_t>(gw) * gh);
        for (int k = 0; k < static_cast<int>(dots.size()); ++k) {
            const auto [x, y] = centre(dots[k]);
            grid[static_cast<std::size_t>(y / cell) * gw + static_cast<int>(x / cell)].push_back(k);
        }
        std::vector<std::vector<std::pair<int, double>>> close(dots.size());
        std::vector<double> nearest(dots.size(), 1e30);
        for (int k = 0; k < static_cast<int>(dots.size()); ++k) {
            const auto [x, y] = centre(dots[k]);
            const int gx = static_cast<int>(x / cell), gy = static_cast<int>(y / cell);
            for (int yy = std::max(0, gy - 1); yy <= std::min(gh - 1, gy + 1); ++yy)
                for (int xx = std::max(0, gx - 1); xx <= std::min(gw - 1, gx + 1); ++xx)
                    for (int j : grid[static_cast<std::size_t>(yy) * gw + xx]) {
                        if (j == k) continue;
                        const auto [ox, oy] = centre(dots[j]);
                        const double d = std::hypot(ox - x, oy - y);
                        if (d > link) continue;
                        close[k].push_back({j, d});
                        nearest[k] = std::min(nearest[k], d);
                    }
        }
        // Along a dotted line a dot's neighbours are the dots next to it, at
        // about the spacing; the dots beyond them lie twice as far.
        std::vector<std::vector<int>> near(dots.size());
        for (int k = 0; k < static_cast<int>(dots.size()); ++k)
            for (const auto& [j, d] : close[k])
                if (d <= 1.5 * nearest[k] || d <= 1.5 * nearest[j]) near[k].push_back(j);
        std::vector<int> chain(dots.size(), -1);
        for (int s = 0; s < static_cast<int>(dots.size()); ++s) {
            if (chain[s] >= 0 || near[s].empty()) continue;
            std::vector<int> members{s};
            chain[s] = s;
            for (std::size_t m = 0; m < members.size(); ++m)
                for (int j : near[members[m]])
                    if (chain[j] < 0) {
                        chain[j] = s;
                        members.push_back(j);
                    }
            if (members.size() < 6) continue;
            double degree = 0, mean = 0, var = 0;
            for (int k : members) {
                degree += near[k].size();
                mean += nearest[k];
            }
            degree /= members.size();
            mean /= members.size();
            for (int k : members)
                var += (nearest[k] - mean) * (nearest[k] - mean);
            const double spread = std::sqrt(var / members.size()) / mean;
            if (degree > 2.6 || spread > 0.6) continue;
            // A spot drawn beside the dotted line is larger than its dots.
            std::vector<long> areas;
            for (int k : members)
                areas.push_back(compArea_[dots[k]]);
            std::nth_element(areas.begin(), areas.begin() + areas.size() / 2, areas.end());
            const long typical = areas[areas.size() / 2];
            for (int k : members)
                if (compArea_[dots[k]] <= 2 * typical) {
                    dotted_.push_back(dots[k]);
                    chainDots_.push_back({centre(dots[k]).first, centre(dots[k]).second, mean});
                }
        }
        if (dotted_.empty()) return;
        std::sort(dotted_.begin(), dotted_.end());
        // A dot of the line that touches another stroke is not a part of its
        // own: it lies between two dots of the line at about their spacing.
        auto onChain = [&](const Umbra& u) {
            if (u.pixels.size() > Pi * maxDot * maxDot) return false;
            int close = 0;
            for (const auto& d : chainDots_)
                close += std::hypot(d[0] - u.x, d[1] - u.y) <= 1.6 * d[2];
            return close >= 2;
        };
        std::vector<Umbra> kept;
        for (Umbra& u : umbrae_)
            if (!std::binary_search(dotted_.begin(), dotted_.end(), u.component) && !onChain(u))
                kept.push_back(std::move(u));
        umbrae_.swap(kept);
        std::fill(owner_.begin(), owner_.end(), 0);
        for (int k = 0; k < static_cast<int>(umbrae_.size()); ++k)
            for (int i : umbrae_[k].pixels)
                if (owner_[i] == 0) owner_[i] = k + 1;
    }

    // The penumbra of each umbra, the largest first: the area enclosed by an
    // outline around it, else the shading joined to it.
    void penumbrae() {
        region_.assign(cls_.size(), -1);
        mark_.assign(cls_.size(), 0);
        std::vector<int> order(umbrae_.size());
        std::iota(order.begin(), order.end(), 0);
        std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
            return umbrae_[a].pixels.size() > umbrae_[b].pixels.size();
        });
        for (int k : order) {
            if (!enclosed(k)) shaded(k);
        }
    }

    Box window(const Umbra& u) const {
        int x0 = w_, y0 = h_, x1 = 0, y1 = 0;
        for (int i : u.pixels) {
            x0 = std::min(x0, i % w_);
            x1 = std::max(x1, i % w_);
            y0 = std::min(y0, i / w_);
            y1 = std::max(y1, i / w_);
        }
        const double radius = std::sqrt(u.pixels.size() / Pi);
        const int e =
            static_cast<int>(std::clamp(5 * radius + 2 * pxPerMm_, 4 * pxPerMm_, 12 * pxPerMm_));
        return {std::max(0, x0 - e), std::max(0, y0 - e), std::min(w_ - 1, x1 + e),
                std::min(h_ - 1, y1 + e)};
    }

    void join(int k, int r) {
        umbrae_[k].region = r;
        regions_[r].umbrae.push_back(k);
    }

    // The paper around the umbra filled up to the ink: when the fill stays
    // within the window it is the inside of an outline.
    bool enclosed(int k) {
        Umbra& u = umbrae_[k];
        const Box b = window(u);
        std::vector<int> fill, stack;
        for (int p : u.pixels) {
            const int px = p % w_, py = p / w_;
            const int nb[4][2] = {{px - 1, py}, {px + 1, py}, {px, py - 1}, {px, py + 1}};
            for (const auto& q : nb) {
                if (q[0] < b.x0 || q[1] < b.y0 || q[0] > b.x1 || q[1] > b.y1) continue;
                const std::size_t s = at(q[0], q[1]);
                if (ink(s)) continue;
                if (region_[s] >= 0) {
                    join(k, region_[s]);
                    return true;
                }
                if (mark_[s] != 0) continue;
                // A new fill from this side of the umbra.
                const int stamp = ++stamp_;
                fill.clear();
                bool escaped = false;
                mark_[s] = stamp;
                stack.assign(1, static_cast<int>(s));
                while (!stack.empty()) {
                    const int i = stack.back();
                    stack.pop_back();
                    fill.push_back(i);
                    const int x = i % w_, y = i / w_;
                    if (x <= b.x0 || y <= b.y0 || x >= b.x1 || y >= b.y1 || !inside(i)) {
                        escaped = true;
                        break;
                    }
                    const std::size_t n4[4] = {at(x - 1, y), at(x + 1, y), at(x, y - 1),
                                               at(x, y + 1)};
                    for (std::size_t j : n4) {
                        if (ink(j) || mark_[j] == stamp) continue;
                        if (region_[j] >= 0) continue;
                        mark_[j] = stamp;
                        stack.push_back(static_cast<int>(j));
                    }
                }
                stack.clear();
                if (escaped) continue;
                // The inside of the outline, and half the outline's width
                // along its inner edge.
                long edge = 0;
                for (int i : fill) {
                    const int x = i % w_, y = i / w_;
                    const std::size_t n4[4] = {at(x - 1, y), at(x + 1, y), at(x, y - 1),
                                               at(x, y + 1)};
                    for (std::size_t j : n4)
                        if (ink(j) && owner_[j] == 0 && mark_[j] != stamp) {
                            mark_[j] = stamp;
                            ++edge;
                        }
                }
                const int r = static_cast<int>(regions_.size());
                regions_.push_back({fill.size() + edge * strokePx_ / 2, {}});
                for (int i : fill)
                    region_[i] = r;
                join(k, r);
                return true;
            }
        }
        return false;
    }

    // Shading: the light pixels joined to the umbra, opened by a little more
    // than a stroke's half width so that a line or a digit passing by is not
    // followed. A rim no wider than the umbra's own soft edge is no penumbra.
    void shaded(int k) {
        Umbra& u = umbrae_[k];
        const Box b = window(u);
        const int bw = b.width(), bh = b.height();
        auto local = [&](int i) {
            return static_cast<std::size_t>(i / w_ - b.y0) * bw + (i % w_ - b.x0);
        };
        std::vector<std::uint8_t> d(static_cast<std::size_t>(bw) * bh);
        for (int y = 0; y < bh; ++y)
            for (int x = 0; x < bw; ++x) {
                const std::size_t i = at(b.x0 + x, b.y0 + y);
                d[static_cast<std::size_t>(y) * bw + x] = (cls_[i] & 3) != Paper ? Far : 0;
            }
        chamfer(d, bw, bh, 0);
        const int open = half_ + Step;
        // The eroded shading reached from the umbra.
        std::vector<std::uint8_t> reach(d.size(), Far);
        std::vector<int> stack;
        for (int i : u.pixels) {
            const std::size_t l = local(i);
            if (d[l] >= open && reach[l] != 0) {
                reach[l] = 0;
                stack.push_back(static_cast<int>(l));
            }
        }
        while (!stack.empty()) {
            const int l = stack.back();
            stack.pop_back();
            const int x = l % bw, y = l / bw;
            for (int dy = -1; dy <= 1; ++dy)
                for (int dx = -1; dx <= 1; ++dx) {
                    const int nx = x + dx, ny = y + dy;
                    if (nx < 0 || ny < 0 || nx >= bw || ny >= bh) continue;
                    const std::size_t j = static_cast<std::size_t>(ny) * bw + nx;
                    if (reach[j] == 0 || d[j] < open) continue;
                    const std::size_t g = at(b.x0 + nx, b.y0 + ny);
                    if (region_[g] >= 0) {
                        join(k, region_[g]);
                        return;
                    }
                    reach[j] = 0;
                    stack.push_back(static_cast<int>(j));
                }
        }
        // Grown back by the opening's width, within the light pixels.
        chamfer(reach, bw, bh, Far);
        // Distance from the umbra, to tell the soft edge from a penumbra.
        std::vector<std::uint8_t> fromUmbra(d.size(), Far);
        for (int i : u.pixels)
            fromUmbra[local(i)] = 0;
        chamfer(fromUmbra, bw, bh, Far);
        std::vector<int> pen;
        long beyondEdge = 0;
        for (int y = 0; y < bh; ++y)
            for (int x = 0; x < bw; ++x) {
                const std::size_t l = static_cast<std::size_t>(y) * bw + x;
                if (reach[l] > open || d[l] == 0) continue;
                const std::size_t g = at(b.x0 + x, b.y0 + y);
                if (owner_[g] != 0 || region_[g] >= 0 || !inside(g)) continue;
                pen.push_back(static_cast<int>(g));
                if (fromUmbra[l] > 2 * Step) ++beyondEdge;
            }
        if (beyondEdge < std::max<double>(0.5 * u.pixels.size(), Pi * 0.09 * pxPerMm_ * pxPerMm_))
            return;
        const int r = static_cast<int>(regions_.size());
        regions_.push_back({static_cast<double>(pen.size()), {}});
        for (int i : pen)
            region_[i] = r;
        join(k, r);
    }

    std::vector<FoundSpot> spots() const {
        const double mm2 = (DrawingRadiusMm / r_) * (DrawingRadiusMm / r_);
        std::vector<FoundSpot> out;
        for (const Umbra& u : umbrae_) {
            FoundSpot s;
            s.x = u.x + box_.x0;
            s.y = u.y + box_.y0;
            s.umbraArea = u.pixels.size() * mm2;
            if (u.region >= 0) {
                const PenumbraRegion& reg = regions_[u.region];
                double total = 0;
                for (int k : reg.umbrae)
                    total += umbrae_[k].pixels.size();
                s.penumbraArea = reg.pixels * mm2 * u.pixels.size() / total;
                s.penumbra = true;
            }
            out.push_back(s);
        }
        return out;
    }

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

struct UnitVector {
    double x, y, z;
};

UnitVector onSphere(const FoundSpot& s) {
    const double lat = s.lat * Pi / 180, cmd = s.cmd * Pi / 180;
    return {std::cos(lat) * std::sin(cmd), std::sin(lat), std::cos(lat) * std::cos(cmd)};
}

// The radius on the Sun of a spot's drawn area, degrees: the drawn area is
// foreshortened by mu.
double sphereRadius(const FoundSpot& s) {
    return std::sqrt(s.area() / Pi / std::max(s.mu, 0.15)) / MmPerDegree;
}

} // namespace

PicturePoint FoundSpot::point() const {
    return {static_cast<int>(std::lround(x)), static_cast<int>(std::lround(y))};
}

double SpotGap(const FoundSpot& a, const FoundSpot& b) {
    const UnitVector u = onSphere(a), v = onSphere(b);
    const double dot = std::clamp(u.x * v.x + u.y * v.y + u.z * v.z, -1.0, 1.0);
    return std::acos(dot) * 180 / Pi - sphereRadius(a) - sphereRadius(b);
}

SpotGroups GroupSpots(const std::vector<FoundSpot>& spots) {
    const int n = static_cast<int>(spots.size());
    std::vector<int> parent(n);
    std::iota(parent.begin(), parent.end(), 0);
    auto root = [&](int i) {
        while (parent[i] != i)
            i = parent[i] = parent[parent[i]];
        return i;
    };
    for (int i = 0; i < n; ++i)
        for (int j = i + 1; j < n; ++j)
            if (SpotGap(spots[i], spots[j]) <= GroupGapDegrees) parent[root(i)] = root(j);
    std::vector<std::vector<int>> byRoot(n);
    for (int i = 0; i < n; ++i)
        byRoot[root(i)].push_back(i);
    SpotGroups groups;
    for (auto& g : byRoot) {
        if (g.empty()) continue;
        std::stable_sort(g.begin(), g.end(),
                         [&](int a, int b) { return spots[a].area() > spots[b].area(); });
        groups.push_back(std::move(g));
    }
    std::stable_sort(groups.begin(), groups.end(), [&](const auto& a, const auto& b) {
        const FoundSpot &sa = spots[a.front()], &sb = spots[b.front()];
        if (sa.cmd != sb.cmd) return sa.cmd > sb.cmd;
        return sa.lat > sb.lat;
    });
    return groups;
}

SpotFinding FindSpots(const GreyImageView& picture, const Calibration& cal,
                      const Ephemeris& orientation) {
    SpotFinding result;
    if (picture.empty() || !cal.calibrated() || cal.CalRadiusPx < 0) return result;
    std::vector<FoundSpot> spots = Finder(picture, cal).run();
    for (FoundSpot& s : spots) {
        const PolarPosition p = PictureToPolar(cal, s.point());
        const double dist = std::min(p.distance, 125.0);
        const Heliographic h = PolarToHeliographic(orientation, p.angle * 10, dist * 10);
        s.lat = h.Lat;
        s.cmd = h.CMD;
        const double rho = dist / 125;
        s.mu = std::sqrt(std::max(0.0, 1 - rho * rho));
    }
    const SpotGroups groups = GroupSpots(spots);
    for (const auto& g : groups) {
        std::vector<int> members;
        for (int i : g) {
            members.push_back(static_cast<int>(result.spots.size()));
            result.spots.push_back(spots[i]);
        }
        result.groups.push_back(std::move(members));
    }
    return result;
}

} // namespace hk
