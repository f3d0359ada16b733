#include <algorithm>
#include <cmath>
#include <map>
#include <numbers>
#include <optional>
#include <set>
#include <string>

#include "demo/demo.h"
#include "demo/demo_internal.h"
#include "demo/demo_model.h"
#include "demo/demo_random.h"
#include "geometry/ephemeris.h"
#include "geometry/transforms.h"
#include "records/record.h"
#include "records/store.h"

namespace hk {

namespace {

using demo::GroupState;
using demo::Random;
using demo::SimGroup;

constexpr double DrawingRadius = 125; // mm; positions are packed in these millimetres
constexpr double PixelsPerMm = DiskRadiusPx / DrawingRadius;
constexpr double VisibleLimit = 86; // groups nearer the limb are not drawn
constexpr int MaxDrawnFaculae = 12;

struct DiskPoint {
    bool visible = false;
    std::uint16_t angleTenths = 0;    // tenths of a degree
    std::uint16_t distanceTenths = 0; // tenths of a unit of the 125-unit disk
    double mu = 0;                    // cosine of the angle from the disk centre
    double distPx = 0;
    double angle = 0; // degrees
};

double centralMeridianDistance(const Ephemeris& e, double lon) {
    double cmd = e.L0 - lon;
    while (cmd > 180)
        cmd -= 360;
    while (cmd <= -180)
        cmd += 360;
    return cmd;
}

DiskPoint onDisk(const Ephemeris& e, double lon, double lat) {
    DiskPoint p;
    if (std::fabs(centralMeridianDistance(e, lon)) >= VisibleLimit) return p;
    const DiskPolar polar =
        HeliographicToPolar(e, static_cast<float>(lon), static_cast<float>(lat));
    if (polar.Dist >= DiskRadiusPx) return p;
    p.visible = true;
    p.angle = polar.Angle >= 360 ? polar.Angle - 360 : polar.Angle;
    p.distPx = polar.Dist;
    p.angleTenths = static_cast<std::uint16_t>(std::lround(p.angle * 10) % 3600);
    p.distanceTenths =
        static_cast<std::uint16_t>(std::min<long>(std::lround(polar.Dist * 5), 1250));
    const double r = polar.Dist / DiskRadiusPx;
    p.mu = std::sqrt(std::max(0.0, 1 - r * r));
    return p;
}

// A position as typed in the entry window: whole degrees and whole
// millimetres of the drawing, packed. 0 when the point is not on the disk.
std::uint16_t packed(const DiskPoint& p) {
    if (!p.visible) return 0;
    const int angle = static_cast<int>(std::lround(p.angle)) % 360;
    const int dist = std::clamp(static_cast<int>(std::lround(p.distPx / PixelsPerMm)), 1, 125);
    return PackPosition(angle, dist);
}

struct Observer {
    const char* name;
    const char* station;
    double weight;
    double acuity; // share of the small spots this observer draws
};

const Observer Observers[] = {
    {"Novák, Jan", "Hvězdárna Demo", 0.34, 1.0}, {"Dvořáková, Eva", "Hvězdárna Demo", 0.24, 0.9},
    {"Černý, Petr", "Ondřejov", 0.18, 0.8},      {"Šťastná, Marie", "Valašské Meziříčí", 0.14, 1.0},
    {"Kovář, Tomáš", "Ondřejov", 0.10, 0.7},
};

const Observer& pickObserver(Random& rnd, const Observer* except) {
    for (;;) {
        double u = rnd.uniform();
        for (const Observer& o : Observers) {
            if (u < o.weight) {
                if (&o != except) return o;
                break;
            }
            u -= o.weight;
        }
    }
}

struct Numbering {
    std::map<int, int> csk1;                 // group id -> number of the year
    std::map<int, int> lastOfYear;           // year -> highest number
    std::map<std::pair<int, int>, int> csk2; // (rotation, group id) -> number
    std::map<int, int> lastOfRotation;
    std::map<int, int> drawingsOfYear;
};

std::uint16_t areaUnits(double hemisphericArea, double mu) {
    // Areas on the drawing are millionths of the disk, foreshortened.
    return static_cast<std::uint16_t>(
        std::clamp<long>(std::lround(hemisphericArea * 2 * mu), 0, 65535));
}

// One faculae field: a polygon of 4..6 vertices around a point.
bool faculaeField(const Ephemeris& e, double lon, double lat, double radius, Random& rnd,
                  TSkupina& entry, double& areaPx) {
    const int vertices = rnd.integer(4, 6);
    double xs[6], ys[6];
    int n = 0;
    for (int v = 0; v < vertices; ++v) {
        const double a = 2 * std::numbers::pi * (v + rnd.uniform(-0.2, 0.2)) / vertices;
        const double r = radius * rnd.uniform(0.7, 1.2);
        const DiskPoint p =
            onDisk(e, lon + r * std::cos(a), std::clamp(lat + r * std::sin(a), -80.0, 80.0));
        if (!p.visible) continue;
        entry.Fakule[n] = packed(p);
        xs[n] = p.distPx * std::sin(p.angle * std::numbers::pi / 180);
        ys[n] = p.distPx * std::cos(p.angle * std::numbers::pi / 180);
        ++n;
    }
    if (n < 3) {
        std::fill(std::begin(entry.Fakule), std::end(entry.Fakule), std::uint16_t{0});
        return false;
    }
    double twice = 0;
    for (int i = 0; i < n; ++i)
        twice += xs[i] * ys[(i + 1) % n] - xs[(i + 1) % n] * ys[i];
    areaPx += std::fabs(twice) / 2;
    return true;
}

void clearEntry(TSkupina& s) {
    s = TSkupina{};
    s.Typ.setRaw("***");
}

struct Visible {
    const SimGroup* group;
    GroupState state;
    DiskPoint point;
};

TZaznam makeRecord(const Date& date, int time, const Observer& who,
                   const std::vector<Visible>& seen, const Ephemeris& e, Random& rnd,
                   Numbering& numbers, bool special, bool markers) {
    TZaznam z{};
    for (TSkupina& s : z.Skupiny)
        clearEntry(s);
    z.Datum.setText(FormatDatum(date));
    z.Cas = static_cast<std::uint16_t>(time);
    z.Pozorovatel.setText(who.name);
    z.Stanice.setText(who.station);
    z.PP = static_cast<std::uint8_t>(markers ? 5 : rnd.integer(1, 4));
    z.Obr = static_cast<std::uint8_t>(std::min(5, z.PP + rnd.integer(0, 1)));
    z.Q = static_cast<std::uint8_t>(rnd.integer(1, 3));
    if (special) z.Zvlastni.setRaw(SpecialMarkerCp1250());
    const int yy = date.year % 100;
    if (!special)
        z.CisloZakresu = static_cast<std::uint16_t>(++numbers.drawingsOfYear[date.year] * 100 + yy);

    std::vector<Visible> drawn = seen;
    // The largest groups first when the drawing holds more than 40.
    if (drawn.size() > MaxGroups) {
        std::stable_sort(drawn.begin(), drawn.end(), [](const Visible& a, const Visible& b) {
            return a.state.area > b.state.area;
        });
        drawn.resize(MaxGroups);
    }
    int k = 0;
    int qc = 0, fc = 0;
    for (const Visible& v : drawn) {
        // A poor observer misses some of the smallest spots.
        int small = static_cast<int>(std::lround(v.state.small * who.acuity));
        int spots = v.state.spots - v.state.small + small;
        if (spots < 1) continue;
        TSkupina& s = z.Skupiny[k++];
        s.Typ.setRaw(special ? "***" : v.state.groupClass);
        s.Poc = static_cast<std::uint8_t>(std::min(spots, 255));
        s.SPen = static_cast<std::uint8_t>(std::min(v.state.penumbral, 255));
        s.MalS = static_cast<std::uint16_t>(small);
        const double smallArea = small * 15.3;
        s.Plocha = static_cast<std::uint16_t>(
            std::max<long>(0, areaUnits(v.state.area, v.point.mu) - std::lround(smallArea)));
        if (markers) {
            s.Uhel = v.group->lat >= 0 ? NorthMarkerAngle : SouthMarkerAngle;
            s.Vzd = MarkerDistance;
        } else {
            s.Uhel = v.point.angleTenths;
            s.Vzd = v.point.distanceTenths;
            if (v.state.extent >= 3) {
                // Leading spot ahead in the rotation and nearer the equator (Joy's law).
                const double tilt = 0.25 * v.state.extent * (v.group->lat >= 0 ? 1 : -1);
                const DiskPoint lead =
                    onDisk(e, v.state.lon + v.state.extent / 2, v.group->lat - tilt / 2);
                const DiskPoint follow =
                    onDisk(e, v.state.lon - v.state.extent / 2, v.group->lat + tilt / 2);
                s.Pomocna1 = packed(lead);
                s.Pomocna2 = packed(follow);
                if (s.Pomocna1) s.Plo1 = static_cast<std::uint16_t>(std::lround(0.45 * s.Plocha));
                if (s.Pomocna2) s.Plo2 = static_cast<std::uint16_t>(std::lround(0.25 * s.Plocha));
            }
        }
        const int year = date.year;
        auto [it1, new1] = numbers.csk1.try_emplace(v.group->id, 0);
        if (new1) it1->second = ++numbers.lastOfYear[year];
        s.CSk1 = static_cast<std::uint16_t>(it1->second);
        auto [it2, new2] = numbers.csk2.try_emplace({e.CarrRotation, v.group->id}, 0);
        if (new2) {
            const int n = ++numbers.lastOfRotation[e.CarrRotation];
            it2->second = n <= 70 ? n : 0;
        }
        s.CSk2 = static_cast<std::uint16_t>(it2->second);
        if (!markers && v.point.distanceTenths <= 625) {
            ++qc;
            fc += spots;
        }
    }
    z.PocetSkupin = static_cast<std::uint8_t>(k);
    z.qc = static_cast<std::uint16_t>(qc);
    z.fc = static_cast<std::uint16_t>(fc);
    z.rc = static_cast<std::uint16_t>(10 * qc + fc);

    // Faculae fields around the groups near the limb, drawn when the
    // conditions allow.
    int fields = 0, counted = 0;
    double areaPx = 0;
    for (const Visible& v : seen) {
        if (std::fabs(centralMeridianDistance(e, v.state.lon)) < 45) continue;
        ++counted;
        if (markers || special || fields >= MaxDrawnFaculae) continue;
        const double radius = 2.5 + 0.4 * v.state.extent;
        if (faculaeField(e, v.state.lon, v.group->lat, radius, rnd, z.Skupiny[fields], areaPx))
            ++fields;
    }
    z.PocetFakKresleni = static_cast<std::uint8_t>(fields);
    z.PocetFakuli = static_cast<std::uint16_t>(counted + (rnd.chance(0.3) ? 1 : 0));
    z.PlochaFakuli.setRaw(fields > 0 ? std::to_string(std::lround(areaPx * 4.533)) : "0");

    z.Rotace = static_cast<std::uint16_t>(e.CarrRotation);
    z.L0 = static_cast<std::uint16_t>(std::trunc(e.L0));
    z.Souhrn = StoredSummary(z, e);
    return z;
}

} // namespace

namespace demo {

DemoRun RunDemoModel(const DemoOptions& options) {
    DemoRun run;
    Random rnd(options.seed);
    const int firstYear = options.endDate.year - std::max(1, options.years) + 1;
    const Date first{firstYear, 1, 1};
    const int firstDay = DaySerial(first);
    const int lastDay = DaySerial(options.endDate);
    // Groups that emerged before the first day are on the disk already.
    run.groups = SimulateGroups(firstDay - 90, lastDay + 1, rnd);

    Numbering numbers;
    const double perDay = std::clamp(options.perYear, 0, 2000) / 365.0;
    std::vector<const SimGroup*> alive;
    std::size_t nextBirth = 0;
    for (int day = firstDay; day <= lastDay; ++day) {
        const Date date = DateFromSerial(day);
        // Groups alive at some time of this day.
        while (nextBirth < run.groups.size() && run.groups[nextBirth].birth < day + 1)
            alive.push_back(&run.groups[nextBirth++]);
        std::erase_if(alive, [&](const SimGroup* g) { return g->birth + g->life < day; });

        // The outside series: what the network sees at noon.
        DemoDay dd;
        dd.date = date;
        const Ephemeris noon = SolarEphemeris(date, 1200);
        int g[2] = {0, 0}, f[2] = {0, 0};
        for (const SimGroup* grp : alive) {
            if (!IsAlive(*grp, day + 0.5)) continue;
            const GroupState st = StateAt(*grp, day + 0.5);
            const DiskPoint p = onDisk(noon, st.lon, grp->lat);
            if (!p.visible) continue;
            const int h = grp->lat >= 0 ? 0 : 1;
            ++g[h];
            f[h] += st.spots;
            dd.area[1 + h] += st.area;
        }
        for (int h = 0; h < 2; ++h)
            dd.sunspotNumber[1 + h] =
                static_cast<int>(std::lround((10 * g[h] + f[h]) / 0.6 * rnd.uniform(0.9, 1.1)));
        dd.sunspotNumber[0] = dd.sunspotNumber[1] + dd.sunspotNumber[2];
        dd.area[0] = dd.area[1] + dd.area[2];
        run.data.days.push_back(dd);

        // Drawings of the day: more clear days in summer.
        const double season =
            1 + 0.3 * std::cos(2 * std::numbers::pi * (day - DaySerial(Date{date.year, 6, 21})) /
                               365.25);
        const int count = rnd.poisson(perDay * season);
        if (count == 0) continue;
        std::vector<std::pair<int, const Observer*>> sessions;
        std::set<int> times;
        for (int i = 0; i < count; ++i) {
            int minutes = rnd.integer(6 * 60 + 30, 15 * 60);
            while (times.count(minutes))
                minutes = minutes % (18 * 60) + 1;
            times.insert(minutes);
            // Observers take turns; on a busy day everyone draws.
            const Observer* previous = sessions.empty() ? nullptr : sessions.back().second;
            sessions.emplace_back(minutes / 60 * 100 + minutes % 60, &pickObserver(rnd, previous));
        }
        std::sort(sessions.begin(), sessions.end());
        if (rnd.chance(0.012)) {
            // A special record: a second look later that day, kept out of the statistics.
            int minutes = std::min(
                sessions.front().first / 100 * 60 + sessions.front().first % 100 + 45, 23 * 60);
            while (times.count(minutes))
                ++minutes;
            sessions.emplace_back(-(minutes / 60 * 100 + minutes % 60), sessions.front().second);
        }
        std::sort(sessions.begin(), sessions.end(), [](const auto& a, const auto& b) {
            return std::abs(a.first) < std::abs(b.first);
        });
        for (const auto& [signedTime, who] : sessions) {
            const bool special = signedTime < 0;
            const int time = std::abs(signedTime);
            const Ephemeris e = SolarEphemeris(date, static_cast<std::uint16_t>(time));
            const double t = day + (time / 100 + time % 100 / 60.0) / 24;
            std::vector<Visible> seen;
            for (const SimGroup* grp : alive) {
                if (!IsAlive(*grp, t)) continue;
                const GroupState st = StateAt(*grp, t);
                const DiskPoint p = onDisk(e, st.lon, grp->lat);
                if (p.visible) seen.push_back({grp, st, p});
            }
            const bool markers = !special && rnd.chance(0.015);
            run.data.records.push_back(
                makeRecord(date, time, *who, seen, e, rnd, numbers, special, markers));
        }
    }
    std::stable_sort(
        run.data.records.begin(), run.data.records.end(),
        [](const TZaznam& a, const TZaznam& b) { return *RecordKey(a) < *RecordKey(b); });
    if (!run.data.records.empty())
        run.data.records.front().NastaveniKresby = EncodeDrawingSetting({DrawingRadius, false});
    return run;
}

} // namespace demo

DemoData GenerateDemo(const DemoOptions& options) {
    return demo::RunDemoModel(options).data;
}

std::vector<TZaznam> GenerateDemoRecords(const DemoOptions& options) {
    return GenerateDemo(options).records;
}

} // namespace hk
