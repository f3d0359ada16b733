#include "demo/drawn_scan.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>
#include <random>
#include <span>

#include "geometry/transforms.h"
#include "records/record.h"

namespace hk::drawn_scans {

namespace {

constexpr double Pi = 3.14159265358979323846;

class Dice {
  public:
    explicit Dice(std::uint32_t seed) : rng_(seed) {}
    double uni(double a, double b) { return std::uniform_real_distribution<double>(a, b)(rng_); }
    bool chance(double p) { return uni(0, 1) < p; }
    std::uint32_t next() { return static_cast<std::uint32_t>(rng_()); }

  private:
    std::mt19937 rng_;
};

class Canvas {
  public:
    explicit Canvas(int side) : side_(side), dark_(static_cast<std::size_t>(side) * side, 0) {}

    float& at(int x, int y) { return dark_[static_cast<std::size_t>(y) * side_ + x]; }
    void put(int x, int y, double darkness) {
        if (x < 0 || y < 0 || x >= side_ || y >= side_ || darkness <= 0) return;
        float& d = at(x, y);
        d = std::max(d, static_cast<float>(std::min(darkness, 1.0)));
    }

    // A filled ellipse with soft edges, axes a (along angle) and b.
    void ellipse(double cx, double cy, double a, double b, double angle, double darkness) {
        const double c = std::cos(angle), s = std::sin(angle), r = std::max(a, b) + 2;
        for (int y = static_cast<int>(cy - r); y <= static_cast<int>(cy + r); ++y)
            for (int x = static_cast<int>(cx - r); x <= static_cast<int>(cx + r); ++x) {
                const double u = (x - cx) * c + (y - cy) * s, v = -(x - cx) * s + (y - cy) * c;
                const double q = std::sqrt(u * u / (a * a) + v * v / (b * b));
                const double edge = (q - 1) * std::min(a, b);
                put(x, y, darkness * std::clamp(0.5 - edge, 0.0, 1.0));
            }
    }

    void line(double x0, double y0, double x1, double y1, double width, double darkness) {
        const double r = width / 2 + 2;
        const double dx = x1 - x0, dy = y1 - y0, len2 = std::max(dx * dx + dy * dy, 1e-9);
        for (int y = static_cast<int>(std::min(y0, y1) - r);
             y <= static_cast<int>(std::max(y0, y1) + r); ++y)
            for (int x = static_cast<int>(std::min(x0, x1) - r);
                 x <= static_cast<int>(std::max(x0, x1) + r); ++x) {
                const double t = std::clamp(((x - x0) * dx + (y - y0) * dy) / len2, 0.0, 1.0);
                const double d = std::hypot(x - x0 - t * dx, y - y0 - t * dy);
                put(x, y, darkness * std::clamp(width / 2 - d + 0.5, 0.0, 1.0));
            }
    }

    template <class Points> void polyline(const Points& pts, double width, double darkness) {
        for (std::size_t i = 1; i < pts.size(); ++i)
            line(pts[i - 1][0], pts[i - 1][1], pts[i][0], pts[i][1], width, darkness);
    }

    int side() const { return side_; }
    const std::vector<float>& darkness() const { return dark_; }

  private:
    int side_;
    std::vector<float> dark_;
};

// Handwritten digits as strokes in a box 0..1 (y down).
const std::vector<std::vector<std::array<double, 2>>>& DigitStrokes(int d) {
    static const std::vector<std::vector<std::vector<std::array<double, 2>>>> digits = {
        {{{0.5, 0}, {0.15, 0.2}, {0.1, 0.7}, {0.45, 1}, {0.85, 0.75}, {0.9, 0.25}, {0.5, 0}}},
        {{{0.25, 0.25}, {0.6, 0}, {0.6, 1}}},
        {{{0.1, 0.25}, {0.35, 0}, {0.75, 0.05}, {0.85, 0.3}, {0.1, 1}, {0.95, 1}}},
        {{{0.1, 0.05}, {0.85, 0.05}, {0.4, 0.45}, {0.9, 0.7}, {0.55, 1}, {0.1, 0.9}}},
        {{{0.7, 1}, {0.7, 0}, {0.05, 0.68}, {0.95, 0.68}}},
        {{{0.9, 0}, {0.2, 0}, {0.15, 0.45}, {0.7, 0.4}, {0.9, 0.7}, {0.55, 1}, {0.1, 0.9}}},
        {{{0.8, 0.02}, {0.3, 0.3}, {0.12, 0.75}, {0.45, 1}, {0.85, 0.8}, {0.7, 0.5}, {0.2, 0.62}}},
        {{{0.05, 0}, {0.95, 0}, {0.35, 1}}},
        {{{0.5, 0.5},
          {0.15, 0.25},
          {0.5, 0},
          {0.85, 0.25},
          {0.5, 0.5},
          {0.12, 0.75},
          {0.5, 1},
          {0.88, 0.75},
          {0.5, 0.5}}},
        {{{0.85, 0.35}, {0.5, 0.5}, {0.15, 0.3}, {0.5, 0}, {0.85, 0.2}, {0.8, 0.6}, {0.4, 1}}},
    };
    return digits[d];
}

// The axis cross and the grid lines half a radius either side of it, north
// `nr` radians clockwise from up.
void drawAxes(Canvas& ink, double cx, double cy, double R, double nr, double pen) {
    const double dirs[2] = {nr, nr + Pi / 2};
    for (double dd : dirs)
        for (double off : {0.0, -0.5, 0.5}) {
            const double ox = off * R * std::cos(dd), oy = off * R * std::sin(dd);
            const double half = R * std::sqrt(1 - off * off);
            ink.line(cx + ox - half * std::sin(dd), cy + oy + half * std::cos(dd),
                     cx + ox + half * std::sin(dd), cy + oy - half * std::cos(dd), pen * 0.8,
                     off == 0 ? 0.65 : 0.5);
        }
}

// The picture's pixels: the paper under the ink, the disk's pencil outline
// and what the scanner adds.
void finishSheet(DrawnScan& scan, Canvas& ink, Dice& dice, unsigned hazards, std::uint32_t seed,
                 double cx, double cy, double R, double pen) {
    auto uni = [&](double a, double b) { return dice.uni(a, b); };
    const int side = scan.side;
    const double ppm = R / 125.0;
    const double tone = (hazards & Texture) ? uni(195, 240) : 235;
    const double slopeX = (hazards & Texture) ? uni(-0.1, 0.1) : 0;
    const double slopeY = (hazards & Texture) ? uni(-0.1, 0.1) : 0;
    const double noise = (hazards & Noise) ? uni(5, 11) : 0;
    std::array<double, 4> waves{};
    for (double& w : waves)
        w = uni(0, 2 * Pi);
    if (hazards & Texture)
        for (int k = 0; k < 60; ++k) { // fibres
            const double x = uni(0, side), y = uni(0, side), a = uni(0, Pi), l = ppm * uni(1, 4);
            ink.line(x, y, x + l * std::cos(a), y + l * std::sin(a), 1, uni(0.05, 0.12));
        }
    if (hazards & Noise)
        for (int k = 0; k < 40; ++k) // dust
            ink.ellipse(uni(0, side), uni(0, side), uni(0.4, 1.0), uni(0.4, 1.0), 0, uni(0.4, 0.9));
    const double outlineDark = uni(0.6, 0.85);
    std::minstd_rand grain(seed);
    scan.pixels.resize(static_cast<std::size_t>(side) * side);
    std::vector<double> rowWave(side), colWave(side);
    for (int i = 0; i < side; ++i) {
        const double t = 2 * Pi * i / side;
        colWave[i] = (hazards & Texture)
                         ? 0.025 * std::sin(3 * t + waves[0]) + 0.015 * std::sin(7 * t + waves[1])
                         : 0;
        rowWave[i] = (hazards & Texture)
                         ? 0.025 * std::sin(2 * t + waves[2]) + 0.015 * std::sin(5 * t + waves[3])
                         : 0;
    }
    for (int y = 0; y < side; ++y)
        for (int x = 0; x < side; ++x) {
            const double paper =
                tone * (1 + slopeX * (x - side / 2.0) / side + slopeY * (y - side / 2.0) / side +
                        colWave[x] + rowWave[y]);
            const double r = std::hypot(x - cx, y - cy);
            const double ring = std::clamp(pen / 2 - std::fabs(r - R) + 0.5, 0.0, 1.0);
            const double d = std::max<double>(
                ink.darkness()[static_cast<std::size_t>(y) * side + x], outlineDark * ring);
            double v = paper * (1 - d);
            if (noise > 0) {
                // About normal: the sum of four uniform values.
                double u = 0;
                for (int k = 0; k < 4; ++k)
                    u += (grain() & 0xffff) / 65535.0;
                v += (u - 2) * noise * 1.732;
            }
            scan.pixels[static_cast<std::size_t>(y) * side + x] =
                static_cast<std::uint8_t>(std::clamp(std::lround(v), 0L, 255L));
        }
}

// Millionths of the disk in a mm^2 of a drawing of radius 125 mm, as the
// measured areas are stored.
constexpr double MillionthsPerMm2 = 20.4;

// A polar position of a record (angle from north through east, distance in
// units of the 125-unit disk) as a point of the picture: the measurement's
// conversion of a picture point run backwards. With the cosine of its
// distance from the disk centre and the picture direction away from it.
struct PlacedSpot {
    double x, y, mu, radial;
};
PlacedSpot placeOnPicture(const Calibration& cal, double angle, double distance) {
    const double th = (angle + cal.CalNorthAngle) * Pi / 180;
    const double r = distance * cal.CalRadiusPx / 125;
    const double rho = std::min(distance / 125, 1.0);
    return {cal.CalCentre.x + r * std::sin(th), cal.CalCentre.y - r * std::cos(th),
            std::sqrt(1 - rho * rho), std::atan2(-std::cos(th), std::sin(th))};
}

// A spot of `areaPx` square pixels as drawn (so already foreshortened), its
// axes `along` the limb and `across` it. Named spots are at least a dot of
// 1.1 mm, so that they stay larger than the small spots' 0.8 mm dots.
struct SpotShape {
    double along, across;
};
SpotShape shapeOf(double areaPx, double mu, double ppm) {
    const double least = 0.55 * ppm;
    const double along = std::sqrt(areaPx / (Pi * std::max(mu, 0.25)));
    return {std::max(along, least), std::max(along * std::max(mu, 0.25), least)};
}

// A spot with a penumbra drawn as an outline, as shading or both, its umbra
// inside; without one the umbra alone.
void drawSpot(Canvas& ink, Dice& dice, const PlacedSpot& at, SpotShape shape, bool penumbra,
              double ppm, double pen) {
    if (!penumbra) {
        ink.ellipse(at.x, at.y, shape.across, shape.along, at.radial, dice.uni(0.7, 0.9));
        return;
    }
    const int style = static_cast<int>(dice.next() % 3); // outline, shading, both
    if (style != 0)
        ink.ellipse(at.x, at.y, shape.across, shape.along, at.radial, dice.uni(0.22, 0.32));
    if (style != 1) {
        std::vector<std::array<double, 2>> loop;
        const double wobble = dice.uni(0, 2 * Pi);
        for (int k = 0; k <= 48; ++k) {
            const double t = 2 * Pi * k / 48, f = 1 + 0.04 * std::sin(3 * t + wobble);
            const double u = shape.across * f * std::cos(t), v = shape.along * f * std::sin(t);
            loop.push_back({at.x + u * std::cos(at.radial) - v * std::sin(at.radial),
                            at.y + u * std::sin(at.radial) + v * std::cos(at.radial)});
        }
        ink.polyline(loop, pen, dice.uni(0.6, 0.85));
    }
    const double umbra = 0.4 * ppm;
    ink.ellipse(at.x, at.y, std::max(0.4 * shape.across, umbra), std::max(0.4 * shape.along, umbra),
                at.radial, dice.uni(0.7, 0.9));
}

// The same record, the same seed: FNV-1a of its bytes.
std::uint32_t recordSeed(const TZaznam& record) {
    const auto* bytes = reinterpret_cast<const unsigned char*>(&record);
    std::uint32_t h = 2166136261u;
    for (std::size_t i = 0; i < sizeof record; ++i)
        h = (h ^ bytes[i]) * 16777619u;
    return h;
}

} // namespace

DrawnScan DrawScan(std::uint32_t seed, unsigned hazards, int side) {
    Dice dice(seed);
    auto uni = [&](double a, double b) { return dice.uni(a, b); };
    auto chance = [&](double p) { return dice.chance(p); };

    DrawnScan scan;
    scan.side = side;
    const PicturePoint centre{static_cast<int>(side / 2 + uni(-15, 15)),
                              static_cast<int>(side / 2 + uni(-15, 15))};
    const double radius = side * uni(0.43, 0.45);
    const double north = (hazards & Tilt) ? uni(8, 40) * (chance(0.5) ? 1 : -1) : 0;
    const double nr = north * Pi / 180;
    scan.cal = Calibrate(centre, {static_cast<int>(std::lround(centre.x + radius * std::sin(nr))),
                                  static_cast<int>(std::lround(centre.y - radius * std::cos(nr)))});
    scan.orientation = {uni(-26, 26), uni(-7.2, 7.2), uni(0, 360), 2100};
    const double R = scan.cal.CalRadiusPx, ppm = R / 125.0;
    const double cx = centre.x, cy = centre.y;
    const double pen = ppm * uni(0.25, 0.4); // the pencil's stroke width
    Canvas ink(side);

    // A point on the Sun as a picture point, the cosine of its distance from
    // the disk centre and the picture direction away from the centre.
    struct OnDisk {
        double x, y, mu, radial;
    };
    auto project = [&](double lat, double cmd) {
        const Ephemeris& e = scan.orientation;
        const DiskPolar p =
            HeliographicToPolar(e, static_cast<float>(e.L0 - cmd), static_cast<float>(lat));
        const double rho = std::min(p.Dist / DiskRadiusPx, 1.0);
        const double th = (p.Angle + scan.cal.CalNorthAngle) * Pi / 180;
        return OnDisk{cx + rho * R * std::sin(th), cy - rho * R * std::cos(th),
                      std::sqrt(1 - rho * rho), std::atan2(-std::cos(th), std::sin(th))};
    };
    auto sphereGap = [](double la, double ca, double lb, double cb) {
        const double a1 = la * Pi / 180, a2 = lb * Pi / 180, dc = (ca - cb) * Pi / 180;
        const double c = std::sin(a1) * std::sin(a2) + std::cos(a1) * std::cos(a2) * std::cos(dc);
        return std::acos(std::clamp(c, -1.0, 1.0)) * 180 / Pi;
    };

    // Groups: spots along a line of latitude, gaps of at most 2 degrees edge
    // to edge; other groups at least 7 degrees away from every spot.
    struct Planned {
        double lat, cmd, umbra, penumbra; // radii in degrees, penumbra 0: none
        int group;
    };
    std::vector<Planned> planned;
    const int groups = 1 + static_cast<int>(dice.next() % 7);
    for (int g = 0, tries = 0; g < groups && tries < 400; ++tries) {
        std::vector<Planned> spots;
        const double lat0 = uni(4, 32) * (chance(0.5) ? 1 : -1);
        double cmd = uni(-70, 70);
        const int n = chance(0.3) ? 1 : 2 + static_cast<int>(dice.next() % 6);
        double prevRadius = 0;
        for (int k = 0; k < n; ++k) {
            Planned s{lat0 + uni(-1, 1), cmd, 0, 0, g};
            const bool large = k == 0 || (k == n - 1 && chance(0.6)) || chance(0.15);
            if (large) {
                s.penumbra = k == 0 ? uni(1.0, 2.6) : uni(0.7, 1.5);
                s.umbra = s.penumbra * uni(0.3, 0.5);
            } else {
                s.umbra = uni(0.2, 0.32);
            }
            const double r = std::max(s.umbra, s.penumbra);
            if (k > 0) s.cmd = cmd - prevRadius - r - uni(0.4, 2.0);
            cmd = s.cmd;
            prevRadius = r;
            spots.push_back(s);
        }
        bool fits = true;
        for (const Planned& s : spots) {
            // Within 72 degrees of the disk centre, so inside the searched disk.
            const OnDisk d = project(s.lat, s.cmd);
            if (d.mu < std::cos(72 * Pi / 180)) fits = false;
            for (const Planned& o : planned)
                if (sphereGap(s.lat, s.cmd, o.lat, o.cmd) - std::max(s.umbra, s.penumbra) -
                        std::max(o.umbra, o.penumbra) <
                    7)
                    fits = false;
        }
        if (!fits) continue;
        planned.insert(planned.end(), spots.begin(), spots.end());
        ++g;
    }

    // Where ink must not go (beside the spots): centres and radii in pixels.
    std::vector<std::array<double, 3>> taken;
    auto clear = [&](double x, double y, double r) {
        if (std::hypot(x - cx, y - cy) > R * 0.95 - r) return false;
        for (const auto& t : taken)
            if (std::hypot(x - t[0], y - t[1]) < r + t[2]) return false;
        return true;
    };

    int groupCount = 0;
    for (const Planned& s : planned)
        groupCount = std::max(groupCount, s.group + 1);
    scan.groups.assign(groupCount, {});
    std::vector<double> largestPenumbra(groupCount, -1);
    const double mm2 = 1 / (ppm * ppm);
    for (const Planned& s : planned) {
        const OnDisk d = project(s.lat, s.cmd);
        const double degPx = ppm * 125 * Pi / 180;
        // Observers draw every spot at least as a dot of 0.8 mm.
        const double umbraAlong = std::max(s.umbra * degPx * uni(0.85, 1.15), 0.4 * ppm);
        const double umbraRadial = std::max(s.umbra * degPx * d.mu, 0.4 * ppm);
        double ux = d.x, uy = d.y;
        DrawnGroup& group = scan.groups[s.group];
        if (s.penumbra > 0) {
            const double pa = s.penumbra * degPx, pr = std::max(pa * d.mu, umbraRadial * 1.6);
            const int style = static_cast<int>(dice.next() % 3); // outline, shading, both
            if (style != 0) ink.ellipse(d.x, d.y, pr, pa, d.radial, uni(0.22, 0.32));
            if (style != 1) {
                std::vector<std::array<double, 2>> loop;
                const double wob = uni(0, 2 * Pi);
                for (int k = 0; k <= 48; ++k) {
                    const double t = 2 * Pi * k / 48, f = 1 + 0.06 * std::sin(3 * t + wob);
                    const double u = pr * f * std::cos(t), v = pa * f * std::sin(t);
                    loop.push_back({d.x + u * std::cos(d.radial) - v * std::sin(d.radial),
                                    d.y + u * std::sin(d.radial) + v * std::cos(d.radial)});
                }
                ink.polyline(loop, pen, uni(0.6, 0.85));
            }
            // The umbra a little off the penumbra's middle.
            const double off = uni(0, 0.3) * (std::min(pa, pr) - std::max(umbraAlong, umbraRadial));
            const double oa = uni(0, 2 * Pi);
            ux += off * std::cos(oa);
            uy += off * std::sin(oa);
            const double area = Pi * pa * pr * mm2;
            group.area += area;
            if (area > largestPenumbra[s.group]) {
                largestPenumbra[s.group] = area;
                group.largest = static_cast<int>(scan.spots.size());
            }
            taken.push_back({d.x, d.y, std::max(pa, pr) + pen});
        } else {
            group.area += Pi * umbraAlong * umbraRadial * mm2;
            if (group.largest < 0) group.largest = static_cast<int>(scan.spots.size());
            taken.push_back({d.x, d.y, std::max(umbraAlong, umbraRadial) + pen});
        }
        ink.ellipse(ux, uy, umbraRadial, umbraAlong, d.radial, uni(0.7, 0.9));
        scan.spots.push_back({ux, uy, s.group});
    }

    // A place for something of radius r beside the spots (nullopt: none found).
    auto place = [&](double r, double gap) -> std::optional<std::array<double, 2>> {
        for (int t = 0; t < 200; ++t) {
            const double a = uni(0, 2 * Pi), q = R * std::sqrt(uni(0, 0.9));
            const double x = cx + q * std::cos(a), y = cy + q * std::sin(a);
            if (clear(x, y, r + gap)) return std::array<double, 2>{x, y};
        }
        return std::nullopt;
    };
    auto writeDigits = [&](double x, double y, double h, const std::vector<int>& digits) {
        for (std::size_t k = 0; k < digits.size(); ++k)
            for (const auto& stroke : DigitStrokes(digits[k])) {
                std::vector<std::array<double, 2>> pts;
                for (const auto& p : stroke)
                    pts.push_back(
                        {x + (k * 0.8 + p[0] * 0.6 + (1 - p[1]) * 0.12) * h + uni(-0.03, 0.03) * h,
                         y + p[1] * h + uni(-0.03, 0.03) * h});
                ink.polyline(pts, pen, uni(0.55, 0.8));
            }
    };
    auto writeWord = [&](double x, double y, double h, int letters) {
        std::vector<std::array<double, 2>> pts;
        double px = x;
        for (int k = 0; k < letters; ++k) {
            if (chance(0.3)) { // a loop: o, e, a
                std::vector<std::array<double, 2>> loop;
                for (int t = 0; t <= 12; ++t)
                    loop.push_back({px + h * 0.25 * (1 + std::cos(2 * Pi * t / 12)),
                                    y + h * 0.7 + h * 0.3 * std::sin(2 * Pi * t / 12)});
                ink.polyline(loop, pen, 0.7);
            } else {
                pts.push_back({px, y + h});
                pts.push_back({px + h * 0.2, y + (chance(0.3) ? 0 : h * 0.4)});
                pts.push_back({px + h * 0.4, y + h});
            }
            if (chance(0.15)) ink.ellipse(px + 0.2 * h, y + 0.15 * h, pen * 0.6, pen * 0.6, 0, 0.7);
            px += h * 0.55;
        }
        ink.polyline(pts, pen, uni(0.55, 0.8));
    };

    if (hazards & Digits) {
        for (int g = 0; g < groupCount; ++g) {
            const DrawnSpot& s = scan.spots[scan.groups[g].largest];
            const double h = ppm * uni(3.5, 4.5);
            for (int t = 0; t < 60; ++t) {
                const double a = uni(0, 2 * Pi), dist = ppm * uni(4, 9) + 1.5 * h;
                const double x = s.x + dist * std::cos(a), y = s.y + dist * std::sin(a);
                if (!clear(x + 0.7 * h, y + 0.5 * h, 1.2 * h)) continue;
                writeDigits(
                    x, y, h,
                    {static_cast<int>(dice.next() % 10), static_cast<int>(dice.next() % 10)});
                taken.push_back({x + 0.7 * h, y + 0.5 * h, 1.2 * h});
                break;
            }
        }
    }
    if (hazards & Notes) {
        for (int k = 0; k < 2; ++k) {
            const double h = ppm * uni(3, 4.5);
            if (const auto p = place(3 * h, ppm)) {
                writeWord((*p)[0] - 1.5 * h, (*p)[1] - 0.5 * h, h,
                          4 + static_cast<int>(dice.next() % 3));
                taken.push_back({(*p)[0], (*p)[1], 3 * h});
            }
        }
        // The date and the time outside the disk.
        writeDigits(side * 0.03, side * 0.02, ppm * 4, {1, 2, 0, 5, 2, 0, 1, 4});
        writeWord(side * 0.6, side * 0.96, ppm * 4, 8);
    }
    if (hazards & Faculae) {
        const int fields = 1 + static_cast<int>(dice.next() % 3);
        for (int f = 0; f < fields; ++f) {
            const double a = uni(0, 2 * Pi), q = R * uni(0.78, 0.9);
            const double fx = cx + q * std::cos(a), fy = cy + q * std::sin(a);
            const double along = ppm * uni(5, 12), across = ppm * uni(2.5, 5);
            const double spacing = ppm * uni(1.3, 2.0), dot = ppm * uni(0.18, 0.34);
            const int n = static_cast<int>(
                2 * Pi * std::sqrt((along * along + across * across) / 2) / spacing);
            const double tangent = a + Pi / 2;
            for (int k = 0; k < n; ++k) {
                const double t = 2 * Pi * k / n;
                const double u = along * std::cos(t), v = across * std::sin(t);
                const double x = fx + u * std::cos(tangent) - v * std::sin(tangent);
                const double y = fy + u * std::sin(tangent) + v * std::cos(tangent);
                if (!clear(x, y, dot + ppm * 0.8)) continue;
                ink.ellipse(x, y, dot, dot * uni(0.8, 1), uni(0, Pi), uni(0.55, 0.8));
            }
        }
    }
    if (hazards & Axes) drawAxes(ink, cx, cy, R, nr, pen);
    if (hazards & Smudges) {
        for (int k = 0; k < 3; ++k) {
            const double a = uni(0, 2 * Pi), q = R * std::sqrt(uni(0, 0.85));
            const double r = ppm * uni(5, 18);
            ink.ellipse(cx + q * std::cos(a), cy + q * std::sin(a), r, r * uni(0.4, 1), uni(0, Pi),
                        uni(0.04, 0.12));
        }
        // Spots drawn and rubbed out again.
        for (int k = 0; k < 3; ++k)
            if (const auto p = place(ppm * 2, ppm))
                ink.ellipse((*p)[0], (*p)[1], ppm * uni(0.5, 1.5), ppm * uni(0.5, 1.5), uni(0, Pi),
                            uni(0.1, 0.25));
    }

    finishSheet(scan, ink, dice, hazards, seed, cx, cy, R, pen);
    return scan;
}

DrawnScan DrawRecordScan(const TZaznam& record, int side) {
    const std::uint32_t seed = recordSeed(record);
    Dice dice(seed);
    DrawnScan scan;
    scan.side = side;
    const PicturePoint centre{side / 2, side / 2};
    scan.cal = Calibrate(centre, {centre.x, centre.y - static_cast<int>(std::lround(side * 0.45))});
    scan.orientation = RecordEphemeris(record).value_or(Ephemeris{});
    const double R = scan.cal.CalRadiusPx, ppm = R / 125.0;
    const double pen = ppm * 0.3;
    const double toPx = ppm * ppm / MillionthsPerMm2; // stored area -> square pixels
    Canvas ink(side);

    // Drawn spots as centre and extent, to keep the small spots off them.
    std::vector<std::array<double, 3>> taken;
    auto clear = [&](double x, double y, double r) {
        for (const auto& t : taken)
            if (std::hypot(x - t[0], y - t[1]) < r + t[2]) return false;
        return true;
    };

    for (int k = 0; k < record.groupCount(); ++k) {
        const TSkupina& s = record.Skupiny[k];
        if (IsHemisphereMarker(s) || s.Uhel >= 3600 || s.Vzd > 1250) continue;
        // The auxiliary spots in the middle of their whole degree and
        // millimetre, which is what the stored position keeps of them.
        struct Named {
            PlacedSpot at;
            double area;
        };
        std::vector<Named> named{{placeOnPicture(scan.cal, s.Uhel / 10.0, s.Vzd / 10.0), 0}};
        for (const auto& [packed, area] : {std::pair{s.Pomocna1, s.Plo1}, {s.Pomocna2, s.Plo2}}) {
            const PackedPosition p = UnpackPosition(packed);
            if (packed == 0 || p.angle >= 360 || p.dist > 125) continue;
            named.push_back({placeOnPicture(scan.cal, p.angle + 0.5, std::min(p.dist + 0.5, 125.0)),
                             static_cast<double>(area)});
        }
        // The group's area shared among its named spots, the one at the
        // group's position the largest, since measuring takes the largest
        // spot's position for the group's.
        double auxiliary = 0, largestAuxiliary = 0;
        for (std::size_t i = 1; i < named.size(); ++i) {
            auxiliary += named[i].area;
            largestAuxiliary = std::max(largestAuxiliary, named[i].area);
        }
        named[0].area = std::max(s.Plocha - auxiliary, 1.25 * largestAuxiliary);
        const double scale = s.Plocha > 0 ? s.Plocha / (named[0].area + auxiliary) : 1;

        // Each named spot clearly larger than the next (measuring takes them
        // largest first), also where the smallest size of a dot makes them
        // equal: near the limb or in a group without an area.
        std::vector<SpotShape> shapes;
        for (const Named& n : named)
            shapes.push_back(shapeOf(n.area * scale * toPx, n.at.mu, ppm));
        for (std::size_t i = shapes.size() - 1; i-- > 0;) {
            const double needed = 1.3 * shapes[i + 1].along * shapes[i + 1].across;
            const double grow = std::sqrt(needed / (shapes[i].along * shapes[i].across));
            if (grow > 1) shapes[i] = {shapes[i].along * grow, shapes[i].across * grow};
        }
        DrawnGroup group;
        group.largest = static_cast<int>(scan.spots.size());
        const int groupIndex = static_cast<int>(scan.groups.size());
        for (std::size_t i = 0; i < named.size(); ++i) {
            const PlacedSpot& at = named[i].at;
            const SpotShape shape = shapes[i];
            const bool penumbra = static_cast<int>(i) < s.SPen && shape.across > 0.8 * ppm;
            drawSpot(ink, dice, at, shape, penumbra, ppm, pen);
            group.area += Pi * shape.along * shape.across / (ppm * ppm);
            scan.spots.push_back({at.x, at.y, groupIndex});
            taken.push_back({at.x, at.y, std::max(shape.along, shape.across) + pen});
        }
        // The small spots as dots among the named ones, or around the single one.
        double x0 = named.front().at.x, y0 = named.front().at.y, x1 = x0, y1 = y0;
        for (const Named& n : named) {
            x0 = std::min(x0, n.at.x), y0 = std::min(y0, n.at.y);
            x1 = std::max(x1, n.at.x), y1 = std::max(y1, n.at.y);
        }
        const double margin = 2.5 * ppm;
        // No more spots than the group counts, at most a dozen dots.
        const int small =
            std::clamp(std::min<int>(s.MalS, s.Poc - static_cast<int>(named.size())), 0, 12);
        for (int d = 0, tries = 0; d < small && tries < 200; ++tries) {
            const double x = dice.uni(x0 - margin, x1 + margin);
            const double y = dice.uni(y0 - margin, y1 + margin);
            const double r = ppm * dice.uni(0.4, 0.45);
            if (std::hypot(x - centre.x, y - centre.y) > 0.97 * R - r ||
                !clear(x, y, r + 0.8 * ppm))
                continue;
            ink.ellipse(x, y, r, r, 0, dice.uni(0.7, 0.9));
            group.area += Pi * r * r / (ppm * ppm);
            scan.spots.push_back({x, y, groupIndex});
            taken.push_back({x, y, r});
            ++d;
        }
        scan.groups.push_back(group);
    }
    drawAxes(ink, centre.x, centre.y, R, 0, pen);
    finishSheet(scan, ink, dice, Axes | Texture, seed, centre.x, centre.y, R, pen);
    return scan;
}

} // namespace hk::drawn_scans
