#include "measure/spot_finder.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <numeric>

#include "geometry/transforms.h"
#include "measure/spot_finder_work.h"
namespace hk {

namespace spot_work {

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

// The paper's brightness in blocks: a high percentile of each block, the
// brightest of the blocks around it (so that a large spot does not darken
// its own paper), interpolated between block centres.
void Finder::background() {
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
void Finder::paperRow(int y, std::vector<float>& out) const {
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

double Finder::darkness(std::size_t i) const {
    const int x = static_cast<int>(i % w_), y = static_cast<int>(i / w_);
    const double fy = std::clamp((y + 0.5) / block_ - 0.5, 0.0, bh_ - 1.0);
    const double fx = std::clamp((x + 0.5) / block_ - 0.5, 0.0, bw_ - 1.0);
    const int bx = static_cast<int>(std::lround(fx)), by = static_cast<int>(std::lround(fy));
    return 1.0 - pixel(i) / paper_[static_cast<std::size_t>(by) * bw_ + bx];
}

void Finder::classify() {
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

void Finder::distances() {
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
void Finder::strokeWidth() {
    std::array<long, 256> inner{}, all{};
    long nInner = 0, nAll = 0;
    for (int y = 1; y + 1 < h_; ++y)
        for (int x = 1; x + 1 < w_; ++x) {
            const std::size_t i = at(x, y);
            const int v = dt_[i];
            if (v < Step) continue;
            if (v < dt_[i - 1] || v < dt_[i + 1] || v < dt_[i - w_] || v < dt_[i + w_]) continue;
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
void Finder::components() {
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
void Finder::umbrae() {
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

Umbra Finder::grow(const std::vector<int>& core, Box b) {
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

bool Finder::dark(const Umbra& u) const {
    double sum = 0;
    for (int i : u.pixels)
        sum += darkness(i);
    return sum / u.pixels.size() >= CoreDarkness;
}

// The strokes of the umbra's own ink part met on a circle of radius `rho`
// around it: true when they look like a dot's (none, one, two opposite
// ones, each narrower than the dot, or a long arc of an outline).
bool Finder::strokesAround(const Umbra& u, double rho, double minor) const {
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
bool Finder::blobShaped(const Umbra& u) {
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
    const double mid = (sxx + syy) / 2, dev = std::sqrt((sxx - syy) * (sxx - syy) / 4 + sxy * sxy);
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

} // namespace spot_work

using namespace spot_work;

namespace {

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
