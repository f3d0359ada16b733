#include "demo/demo_model.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "demo/solar_cycle.h"
#include "records/record.h"

namespace hk::demo {

namespace {

constexpr double CarringtonRate = 14.1844; // sidereal, degrees per day
constexpr double MeanVisibleDays = 5.5;    // mean days a group is seen on the disk

double sinDeg(double d) {
    return std::sin(d * std::numbers::pi / 180);
}

// Size of a group relative to its peak: a fast rise, a slower decay.
double growth(const SimGroup& g, double age) {
    const double peakAge = std::min(0.3 * g.life, 4.0);
    if (age < peakAge) return 0.15 + 0.85 * age / peakAge;
    const double rest = (g.life - age) / (g.life - peakAge);
    return std::max(0.05, std::pow(std::max(rest, 0.0), 0.8));
}

char penumbraLetter(double largestSpotArea, bool asymmetric) {
    if (largestSpotArea < 30) return 'r';
    if (largestSpotArea < 150) return asymmetric ? 'a' : 's';
    return asymmetric ? 'k' : 'h';
}

std::string mcIntosh(const GroupState& s, const SimGroup& g) {
    if (s.penumbral == 0) {
        if (s.spots == 1) return "Axx";
        return s.spots >= 8 ? "Bxi" : "Bxo";
    }
    const bool asymmetric = (g.id % 3) != 0;
    const char pen = penumbraLetter(s.area * 0.45, asymmetric);
    if (!g.bipolar || s.spots <= 2) return std::string("H") + pen + "x";
    char zurich = 'C';
    if (s.penumbral >= 2 && s.area >= 60) zurich = s.extent < 10 ? 'D' : s.extent < 15 ? 'E' : 'F';
    char compact = s.spots >= 8 ? 'i' : 'o';
    if (zurich != 'C' && s.spots >= 18 && s.penumbral >= 5 && s.area >= 300) compact = 'c';
    std::string groupClass{zurich, pen, compact};
    if (GroupClassIndex(groupClass) == 0) groupClass[2] = 'i'; // "rc" does not exist
    return groupClass;
}

} // namespace

double LongitudeDrift(double latitude) {
    const double s2 = sinDeg(latitude) * sinDeg(latitude);
    return 14.522 - 2.84 * s2 - CarringtonRate;
}

std::vector<SimGroup> SimulateGroups(double fromDay, double toDay, Random& rnd) {
    std::vector<SimGroup> groups;
    int id = 0;
    for (double day = std::floor(fromDay); day < toDay; day += 1) {
        const double year = DecimalYear(day);
        for (const CycleShare& share : SolarCycle::sharesAt(year)) {
            const int births = rnd.poisson(share.groups / MeanVisibleDays);
            for (int b = 0; b < births; ++b) {
                SimGroup g;
                g.id = ++id;
                g.cycle = share.cycle;
                g.birth = day + rnd.uniform();
                g.life = rnd.chance(0.12) ? rnd.uniform(18, 70) : 1 + rnd.exponential(6);
                g.lon0 = rnd.uniform(0, 360);
                const double lat =
                    std::clamp(rnd.normal(SolarCycle::meanLatitude(share.phase), 4.0), 1.0, 45.0);
                g.lat = rnd.chance(0.5) ? lat : -lat;
                // Long-lived groups are the large ones.
                const double median = g.life > 15 ? 250 : 40 + 8 * g.life;
                g.peakArea = std::clamp(median * std::exp(rnd.normal(0, 0.8)), 4.0, 3000.0);
                g.peakSpots =
                    std::clamp(static_cast<int>(std::lround(1 + 0.09 * std::pow(g.peakArea, 0.85) +
                                                            rnd.uniform(0, 3))),
                               1, 120);
                g.bipolar =
                    !(g.peakSpots <= 2 && rnd.chance(0.5)) && !(g.life > 20 && rnd.chance(0.3));
                groups.push_back(g);
            }
        }
    }
    std::sort(groups.begin(), groups.end(),
              [](const SimGroup& a, const SimGroup& b) { return a.birth < b.birth; });
    return groups;
}

bool IsAlive(const SimGroup& g, double day) {
    return day >= g.birth && day <= g.birth + g.life;
}

GroupState StateAt(const SimGroup& g, double day) {
    const double age = day - g.birth;
    const double size = growth(g, age);
    GroupState s;
    s.lon = std::fmod(g.lon0 + LongitudeDrift(g.lat) * age + 720.0, 360.0);
    s.area = g.peakArea * size;
    s.spots = std::max(1, static_cast<int>(std::lround(g.peakSpots * std::pow(size, 0.8))));
    if (!g.bipolar) s.spots = std::min(s.spots, 3);
    if (s.area >= 30) {
        s.penumbral =
            std::clamp(static_cast<int>(std::lround(0.2 * s.spots + s.area / 200)), 1, s.spots);
    }
    s.small = static_cast<int>(std::lround(0.5 * (s.spots - s.penumbral)));
    s.extent = g.bipolar ? 1.5 + 0.5 * std::sqrt(s.area) : 0;
    s.groupClass = mcIntosh(s, g);
    return s;
}

} // namespace hk::demo
