// The spot finder's later steps: faculae drawn as dotted outlines, the
// penumbra of each umbra and the spots found.
#include <algorithm>
#include <cmath>
#include <numeric>

#include "measure/spot_finder_work.h"

namespace hk::spot_work {

// Faculae drawn as dotted outlines: small round dots, each near a
// neighbour, in chains of at least six at an even spacing. Their
// umbrae are dropped.
void Finder::dottedOutlines() {
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
void Finder::penumbrae() {
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

Box Finder::window(const Umbra& u) const {
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

// The paper around the umbra filled up to the ink: when the fill stays
// within the window it is the inside of an outline.
bool Finder::enclosed(int k) {
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
                const std::size_t n4[4] = {at(x - 1, y), at(x + 1, y), at(x, y - 1), at(x, y + 1)};
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
                const std::size_t n4[4] = {at(x - 1, y), at(x + 1, y), at(x, y - 1), at(x, y + 1)};
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
void Finder::shaded(int k) {
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

std::vector<FoundSpot> Finder::spots() const {
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

} // namespace hk::spot_work
