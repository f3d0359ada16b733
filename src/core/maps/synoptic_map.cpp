#include "maps/synoptic_map.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "geometry/transforms.h"

namespace hk {

namespace {

// Reference units to pixels.
int px(int value, int s) {
    return (value * s) >> 4;
}

std::string format31(float v) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%3.1f", static_cast<double>(v));
    return buf;
}

// Mean of a sum over its count.
MapCircle meanOf(const SlotSum& sum) {
    return {sum.x / sum.n, sum.y / sum.n, sum.r / sum.n};
}

void addGrid(SynopticMap& m) {
    const int s = m.s, off = m.offset;
    for (int i = 2; i <= 20; ++i) {
        m.latitudeLabels.push_back(
            {px(4, s), px(20 * i - 5, s) + off, std::to_string((11 - i) * 10)});
        const int y = px(20 * i, s) + off;
        m.gridLines.push_back({{px(20, s), y}, {px(740, s), y}});
    }
    for (int i = 1; i <= 37; ++i) {
        const int x = px(20 * i, s);
        m.gridLines.push_back({{x, px(40, s) + off}, {x, px(400, s) + off}});
    }
    static constexpr int labels[] = {270, 180, 90, 0};
    for (int i = 1; i <= 4; ++i)
        m.longitudeLabels.push_back(
            {px(180 * i + 12, s), px(403, s) - 2 + off, std::to_string(labels[i - 1])});
}

// The positions of the vertices of faculae field k of record i in use.
std::vector<HelioPoint> fieldVertices(const GeometryCache& geometry, int i, int k,
                                      const TZaznam& z) {
    std::vector<HelioPoint> out;
    for (int j = 0; j < FaculaeVertexCount; ++j)
        if (z.Skupiny[k].Fakule[j] != 0) out.push_back(geometry.faculaeVertex(i, k, j));
    return out;
}

void addFaculae(SynopticMap& m, std::span<const TZaznam> records, const GeometryCache& geometry) {
    const int s = m.s, R = m.rotation, off = m.offset;
    for (int i = m.range.first; i <= m.range.last; ++i) {
        const TZaznam& z = records[std::size_t(i - 1)];
        const auto& e = geometry.ephemeris(i);
        if (!e) continue;
        const bool special = !z.Zvlastni.empty();
        const bool inRotation =
            (z.Rotace + 1 >= R && z.Rotace <= R) || (z.Rotace == R + 1 && e->L0 > 270);
        const int fields = geometry.record(i).faculaeFields;
        for (int k = 0; k < fields; ++k) {
            std::vector<MapPoint> polygon;
            bool valid = true;
            int lonSum = 0, used = 0;
            double latSum = 0;
            const std::vector<HelioPoint> vertices = fieldVertices(geometry, i, k, z);
            for (const HelioPoint& p : vertices) {
                const int lon = LongitudeAcrossRotations(static_cast<int>(std::nearbyint(p.Lon)),
                                                         z.Rotace, z.L0, R);
                lonSum += lon;
                latSum += p.Lat;
                ++used;
                const int xr = (2 * lon * s + 20 * s) >> 4;
                if (xr < 60 * s)
                    polygon.push_back({((760 * s) >> 4) - xr, MapY(p.Lat, s) + off});
                else
                    valid = false;
            }
            if (used == 0) continue;
            const double mlon = double(lonSum) / used, mlat = latSum / used;
            m.faculaeCentres.push_back(
                {((760 * s) >> 4) - (static_cast<int>(2 * mlon * s + 20 * s) >> 4),
                 MapY(mlat, s) + off});
            if (!special && valid && inRotation) m.faculae.push_back(std::move(polygon));
        }
    }
}

void addGroups(SynopticMap& m, std::span<const TZaznam> records, const GeometryCache& geometry) {
    const int s = m.s, off = m.offset;
    const MapSlotTable slots = AccumulateSlots(records, geometry, m.range, m.rotation, s);
    const std::vector<LegendMean> order = LegendOrder(slots);
    const int wrap = ((741 * s) >> 4) - ((20 * s) >> 4);
    const int bottom = m.gridBottom;
    int drawn = 0;
    for (int k = 1; k <= MapSlots; ++k) {
        const MapSlot& slot = slots[std::size_t(k)];
        if (!slot.group.present() && !slot.aux1.present() && !slot.aux2.present()) continue;
        MapGroupSymbol g;
        g.slot = k;
        g.group = slot.group.present();
        if (g.group) {
            g.circle = meanOf(slot.group);
            g.circle.y += off;
        }
        if (slot.aux1.present()) {
            g.aux1 = true;
            g.spot1 = meanOf(slot.aux1);
            g.spot1.y += off;
            g.spot1Area = g.spot1;
            if (g.group) {
                // A spot across the map's edge from its group is carried over
                // the edge by the map's width; the leaf joins them when that
                // brings it within 100 pixels. A spot far from its group on
                // the same side stays where it was observed.
                const int x = g.circle.x;
                int x1 = g.spot1Area.x;
                if (x1 - x < -100)
                    x1 += wrap;
                else if (x1 - x > 100)
                    x1 -= wrap;
                if (std::abs(x1 - x) < 100) {
                    g.spot1Area.x = x1;
                    g.leaf = true;
                    g.leafPoints = PlaceLeaf(x, g.circle.y, x1, g.spot1Area.y);
                }
            }
        }
        if (slot.aux2.present()) {
            g.aux2 = true;
            g.spot2 = meanOf(slot.aux2);
            g.spot2.y += off;
        }
        if (g.group) {
            ++drawn;
            const LegendCell c = LegendCellOf(drawn);
            const LegendMean& t = order[std::size_t(drawn - 1)];
            const int x = px(30 * c.column - 5, s);
            m.legend.push_back({x, bottom + px(30 * c.row - 12, s), format31(t.lat)});
            m.legend.push_back({x, bottom + px(30 * c.row, s), format31(t.lon)});
            m.legendMeans.push_back(t);
        }
        m.groups.push_back(g);
    }
    if (drawn > 0) {
        const int rows = LegendCellOf(drawn).row;
        for (int r = 1; r <= rows; ++r) {
            m.legendCaptions.push_back({px(10, s), bottom + px(30 * r - 12, s), "b"});
            m.legendCaptions.push_back({px(10, s), bottom + px(30 * r, s), "l"});
        }
    }
}

} // namespace

LegendCell LegendCellOf(int n) {
    if (n < LegendRow) return {n, 1};
    const int m = n - LegendRow;
    return {1 + m % LegendRow, 2 + m / LegendRow};
}

SynopticMap MakeSynopticMap(std::span<const TZaznam> records, const GeometryCache& geometry,
                            const RotationIndex& index, int R, int s, int offset) {
    SynopticMap m;
    m.rotation = R;
    m.s = s;
    m.offset = offset;
    m.dates = MapRotationDates(R);
    m.range = index.range(records, R);
    m.title = "Číslo rotace  " + std::to_string(R);
    m.titleFont = (15 * s) >> 4;
    m.canvasFont = (13 * s) >> 4;
    m.gridFont = (11 * s) >> 4;
    m.legendFont = (9 * s) >> 4;
    m.gridLeft = px(20, s);
    m.gridRight = px(740, s);
    m.gridTop = px(40, s) + offset;
    m.gridBottom = px(400, s) + offset;
    m.frameLeft = px(20, s);
    m.frameRight = ((741 * s) >> 4) + 1;
    addGrid(m);
    if (geometry.size() != records.size()) return m;
    addFaculae(m, records, geometry);
    addGroups(m, records, geometry);
    return m;
}

SynopticMap MakeFittedSynopticMap(std::span<const TZaznam> records, const GeometryCache& geometry,
                                  const RotationIndex& index, int R, int clientWidth,
                                  int clientHeight) {
    // The legend's rows are known once the groups are placed; they do not
    // depend on the scale.
    SynopticMap m =
        MakeSynopticMap(records, geometry, index, R, MapScale(clientWidth, clientHeight));
    const int s = MapScale(clientWidth, clientHeight, LegendRows(m));
    return s == m.s ? m : MakeSynopticMap(records, geometry, index, R, s);
}

PictureData MapPictureData(const SynopticMap& map) {
    PictureData out;
    out.axis = "skupina";
    out.columns = {"šířka", "délka"};
    // The legend prints one decimal; the table gives the value rounded so.
    auto shown = [](float v) { return std::nearbyint(double(v) * 10) / 10; };
    for (const LegendMean& t : map.legendMeans)
        out.rows.push_back({std::to_string(t.slot), {shown(t.lat), shown(t.lon)}});
    return out;
}

} // namespace hk
