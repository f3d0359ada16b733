#include "measure/disk_finder.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <vector>

namespace hk {

namespace {

constexpr int ReducedSide = 700;        // the reduced copy is about this size
constexpr int Rays = 720;               // rays from the rough centre
constexpr double MinRadiusShare = 0.08; // of the picture's smaller side
constexpr double Pi = 3.14159265358979323846;

struct Point {
    double x, y;
};

// Brightness that separates ink from paper: a share of the paper's level,
// the level being the 80th percentile of a sample of the picture.
int inkThreshold(const GreyImageView& img) {
    std::array<long, 256> hist{};
    long n = 0;
    const int step = std::max(1, std::min(img.width, img.height) / 400);
    for (int y = 0; y < img.height; y += step)
        for (int x = 0; x < img.width; x += step) {
            ++hist[img.at(x, y)];
            ++n;
        }
    long acc = 0;
    int paper = 255;
    for (int v = 0; v < 256; ++v) {
        acc += hist[v];
        if (acc * 5 >= n * 4) {
            paper = v;
            break;
        }
    }
    return paper * 55 / 100;
}

struct Rough {
    double x, y, radius;
};

std::optional<Rough> roughDisk(const GreyImageView& img, int threshold) {
    const int f = std::max(1, (std::max(img.width, img.height) + ReducedSide - 1) / ReducedSide);
    const int w = (img.width + f - 1) / f, h = (img.height + f - 1) / f;
    std::vector<std::uint8_t> dark(static_cast<std::size_t>(w) * h, 0);
    for (int y = 0; y < img.height; ++y) {
        const std::uint8_t* row = img.pixels + static_cast<long>(y) * img.stride;
        std::uint8_t* cells = dark.data() + static_cast<std::size_t>(y / f) * w;
        for (int x = 0; x < img.width; ++x)
            if (row[x] < threshold) cells[x / f] = 1;
    }

    // 0 unknown, 1 dark, 2 paper reached from the border.
    std::vector<std::uint8_t> state(dark);
    std::vector<int> stack;
    auto push = [&](int x, int y) {
        const std::size_t i = static_cast<std::size_t>(y) * w + x;
        if (state[i] != 0) return;
        state[i] = 2;
        stack.push_back(static_cast<int>(i));
    };
    for (int x = 0; x < w; ++x) {
        push(x, 0);
        push(x, h - 1);
    }
    for (int y = 0; y < h; ++y) {
        push(0, y);
        push(w - 1, y);
    }
    while (!stack.empty()) {
        const int i = stack.back();
        stack.pop_back();
        const int x = i % w, y = i / w;
        if (x > 0) push(x - 1, y);
        if (x + 1 < w) push(x + 1, y);
        if (y > 0) push(x, y - 1);
        if (y + 1 < h) push(x, y + 1);
    }

    // The largest 8-connected part not reached by the paper.
    std::vector<int> label(state.size(), 0);
    long bestArea = 0;
    double bestX = 0, bestY = 0;
    int bestW = 0, bestH = 0;
    int next = 0;
    for (std::size_t start = 0; start < state.size(); ++start) {
        if (state[start] == 2 || label[start] != 0) continue;
        ++next;
        long area = 0;
        double sx = 0, sy = 0;
        int minX = w, maxX = 0, minY = h, maxY = 0;
        label[start] = next;
        stack.push_back(static_cast<int>(start));
        while (!stack.empty()) {
            const int i = stack.back();
            stack.pop_back();
            const int x = i % w, y = i / w;
            ++area;
            sx += x;
            sy += y;
            minX = std::min(minX, x);
            maxX = std::max(maxX, x);
            minY = std::min(minY, y);
            maxY = std::max(maxY, y);
            for (int dy = -1; dy <= 1; ++dy)
                for (int dx = -1; dx <= 1; ++dx) {
                    const int nx = x + dx, ny = y + dy;
                    if (nx < 0 || ny < 0 || nx >= w || ny >= h) continue;
                    const std::size_t j = static_cast<std::size_t>(ny) * w + nx;
                    if (state[j] == 2 || label[j] != 0) continue;
                    label[j] = next;
                    stack.push_back(static_cast<int>(j));
                }
        }
        if (area > bestArea) {
            bestArea = area;
            bestX = sx / area;
            bestY = sy / area;
            bestW = maxX - minX + 1;
            bestH = maxY - minY + 1;
        }
    }
    if (bestArea == 0) return std::nullopt;
    // A filled circle covers pi/4 of its bounding square.
    const double fill = static_cast<double>(bestArea) / (static_cast<double>(bestW) * bestH);
    const double aspect = static_cast<double>(bestW) / bestH;
    if (fill < 0.6 || fill > 0.9 || aspect < 0.8 || aspect > 1.25) return std::nullopt;
    const double radius = std::sqrt(bestArea / Pi) * f;
    if (radius < MinRadiusShare * std::min(img.width, img.height)) return std::nullopt;
    return Rough{(bestX + 0.5) * f - 0.5, (bestY + 0.5) * f - 0.5, radius};
}

// Along each ray, the middle of a dark run within [r0 - window, r0 + window]:
// the outermost run, or with `closest` the run nearest r0.
std::vector<Point> outlinePoints(const GreyImageView& img, int threshold, double cx, double cy,
                                 double r0, double window, bool closest) {
    std::vector<Point> points;
    points.reserve(Rays);
    for (int k = 0; k < Rays; ++k) {
        const double a = 2 * Pi * k / Rays;
        const double ux = std::cos(a), uy = std::sin(a);
        double runWeight = 0, runSum = 0;
        double best = -1, bestScore = 1e30;
        auto closeRun = [&] {
            if (runWeight <= 0) return;
            const double r = runSum / runWeight;
            const double score = closest ? std::fabs(r - r0) : -r;
            if (score < bestScore) {
                bestScore = score;
                best = r;
            }
            runWeight = runSum = 0;
        };
        for (double r = std::max(1.0, r0 - window); r <= r0 + window; r += 0.5) {
            const int x = static_cast<int>(std::lround(cx + ux * r));
            const int y = static_cast<int>(std::lround(cy + uy * r));
            if (x < 0 || y < 0 || x >= img.width || y >= img.height) {
                closeRun();
                continue;
            }
            const int v = img.at(x, y);
            if (v < threshold) {
                const double wgt = threshold - v;
                runWeight += wgt;
                runSum += wgt * r;
            } else {
                closeRun();
            }
        }
        closeRun();
        if (best > 0) points.push_back({cx + ux * best, cy + uy * best});
    }
    return points;
}

// Least-squares circle through the points (algebraic fit).
std::optional<DiskCircle> fitCircle(const std::vector<Point>& pts) {
    if (pts.size() < 3) return std::nullopt;
    double mx = 0, my = 0;
    for (const Point& p : pts) {
        mx += p.x;
        my += p.y;
    }
    mx /= pts.size();
    my /= pts.size();
    double suu = 0, suv = 0, svv = 0, suuu = 0, svvv = 0, suvv = 0, svuu = 0;
    for (const Point& p : pts) {
        const double u = p.x - mx, v = p.y - my;
        suu += u * u;
        suv += u * v;
        svv += v * v;
        suuu += u * u * u;
        svvv += v * v * v;
        suvv += u * v * v;
        svuu += v * u * u;
    }
    const double det = suu * svv - suv * suv;
    if (std::fabs(det) < 1e-9) return std::nullopt;
    const double bu = 0.5 * (suuu + suvv), bv = 0.5 * (svvv + svuu);
    const double uc = (bu * svv - bv * suv) / det;
    const double vc = (suu * bv - suv * bu) / det;
    const double r2 = uc * uc + vc * vc + (suu + svv) / pts.size();
    return DiskCircle{uc + mx, vc + my, std::sqrt(r2)};
}

// Fits, leaves out the points far from the circle, fits again.
std::optional<DiskCircle> robustFit(std::vector<Point> pts) {
    std::optional<DiskCircle> c = fitCircle(pts);
    for (int pass = 0; pass < 4 && c; ++pass) {
        std::vector<double> res;
        res.reserve(pts.size());
        for (const Point& p : pts)
            res.push_back(std::fabs(std::hypot(p.x - c->x, p.y - c->y) - c->radius));
        std::vector<double> sorted = res;
        std::nth_element(sorted.begin(), sorted.begin() + sorted.size() / 2, sorted.end());
        const double limit = std::max(1.0, 3 * 1.4826 * sorted[sorted.size() / 2]);
        std::vector<Point> kept;
        for (std::size_t i = 0; i < pts.size(); ++i)
            if (res[i] <= limit) kept.push_back(pts[i]);
        if (kept.size() < pts.size() / 3) break;
        pts.swap(kept);
        c = fitCircle(pts);
    }
    return c;
}

} // namespace

std::optional<DiskCircle> FindDisk(const GreyImageView& picture) {
    if (picture.empty()) return std::nullopt;
    const int threshold = inkThreshold(picture);
    if (threshold <= 0) return std::nullopt;
    const auto rough = roughDisk(picture, threshold);
    if (!rough) return std::nullopt;

    const double wide = std::max(0.06 * rough->radius, 8.0);
    auto c = robustFit(
        outlinePoints(picture, threshold, rough->x, rough->y, rough->radius, wide, false));
    if (!c) return std::nullopt;
    const double narrow = std::max(0.01 * c->radius, 4.0);
    auto fine = robustFit(outlinePoints(picture, threshold, c->x, c->y, c->radius, narrow, true));
    if (!fine || fine->radius <= 0) return c;
    return fine;
}

} // namespace hk
