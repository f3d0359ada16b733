// Hemisphere markers in the views that place groups by their position: a
// marker group is left out wherever it stands, the other groups of its
// drawing stay. Each view of a store with markers equals the view of the same
// store with the marker groups deleted.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "graphs/butterfly_model.h"
#include "graphs/corona.h"
#include "graphs/graph_series.h"
#include "maps/rotation_index.h"
#include "maps/synoptic_map.h"
#include "records/exports.h"
#include "records/geometry_cache.h"
#include "records/record.h"
#include "results/group_evolution.h"
#include "results/rotation_table.h"
#include "results/zone_positions.h"
#include "tests_support/butterfly_records.h"

using namespace hk;
using namespace hk::test;

namespace {

void addMarker(TZaznam& z, bool north, int number) {
    TSkupina& s = z.Skupiny[z.PocetSkupin++];
    s.Typ.setText("Cso");
    s.Poc = 4;
    s.Uhel = north ? NorthMarkerAngle : SouthMarkerAngle;
    s.Vzd = MarkerDistance;
    s.CSk2 = static_cast<std::uint16_t>(number);
}

// Three drawings of rotation 2161 with groups 1 and 2, and markers as the
// first group, in a later row with a real group's number, and without one.
std::vector<TZaznam> withMarkers() {
    TZaznam a = RotationRecord("09.03.2015");
    addMarker(a, true, 3);
    AddGroupAt(a, 225, 15, 1);
    AddGroupAt(a, 235, -12, 2);
    TZaznam b = RotationRecord("10.03.2015");
    AddGroupAt(b, 225, 15, 1);
    AddGroupAt(b, 235, -12, 2);
    addMarker(b, false, 2);
    TZaznam c = RotationRecord("11.03.2015");
    AddGroupAt(c, 225, 15, 1, "Hsx");
    addMarker(c, true, 0);
    return {a, b, c};
}

std::vector<TZaznam> withoutMarkers(std::vector<TZaznam> records) {
    for (TZaznam& z : records) {
        int kept = 0;
        for (int k = 0; k < z.PocetSkupin; ++k)
            if (!IsHemisphereMarker(z.Skupiny[k])) z.Skupiny[kept++] = z.Skupiny[k];
        z.PocetSkupin = static_cast<std::uint8_t>(kept);
    }
    return records;
}

std::string joined(const std::vector<std::vector<std::string>>& cells) {
    std::string out;
    for (const auto& row : cells) {
        for (const std::string& c : row)
            out += c + ";";
        out += "\n";
    }
    return out;
}

using View = std::function<std::string(const std::vector<TZaznam>&, const GeometryCache&)>;

} // namespace

TEST(HemisphereMarkers, PositionViewsLeaveOutTheMarkerGroupsAndKeepTheOthers) {
    const int R = withMarkers().front().Rotace;
    const struct {
        const char* name;
        View view;
    } views[] = {
        {"latitude tables",
         [](auto& r, auto& g) {
             const GroupLatitudes v = ComputeGroupLatitudes(r, g);
             std::string out;
             for (const RotationLatitudes& t : v.rotationTable)
                 out += std::to_string(t.North) + " " + std::to_string(t.South) + " " +
                        std::to_string(t.northCount) + " " + std::to_string(t.southCount) + " " +
                        std::to_string(t.northMax) + " " + std::to_string(t.southMin) + "\n";
             for (const YearLatitudes& y : v.yearTable)
                 out += std::to_string(y.northMax) + " " + std::to_string(y.southMin) + "\n";
             return out;
         }},
        {"butterfly marks",
         [](auto& r, auto& g) {
             std::string out;
             for (const ButterflyMark& m : MakeButterflyModel(r, g, {}, CoronaTable{}).marks)
                 out += std::to_string(m.r) + ":" + std::to_string(m.m[2]) + " ";
             return out;
         }},
        {"synoptic map",
         [R](auto& r, auto& g) {
             const SynopticMap m = MakeSynopticMap(r, g, RotationIndex::of(r), R, 16);
             std::string out;
             for (const MapGroupSymbol& s : m.groups)
                 out += std::to_string(s.slot) + "@" + std::to_string(s.circle.x) + "," +
                        std::to_string(s.circle.y) + " ";
             for (const MapText& t : m.legend)
                 out += t.text + " ";
             return out;
         }},
        {"zones",
         [](auto& r, auto& g) { return joined(BuildZonePositions(r, g, "vše", {}).cells); }},
        {"evolution", [R](auto& r, auto& g) { return joined(BuildGroupEvolution(r, g, R).cells); }},
        {"rotation statistics",
         [](auto& r, auto& g) { return joined(BuildRotationStatistics(r, g).cells); }},
        {"position graph",
         [](auto& r, auto& g) {
             const GraphData d = BuildGraphData(r, g, GraphQuantity::Position);
             std::string out;
             for (std::size_t k = 0; k < d.A.size(); ++k)
                 out += std::to_string(d.A[k]) + "/" + std::to_string(d.B[k]) + "/" +
                        std::to_string(d.C[k]) + " ";
             return out;
         }},
    };
    const std::vector<TZaznam> marked = withMarkers(), plain = withoutMarkers(marked);
    const GeometryCache gm = GeometryCache::of(marked), gp = GeometryCache::of(plain);
    const std::vector<TZaznam> none = {RotationRecord("09.03.2015")};
    const GeometryCache gn = GeometryCache::of(none);
    for (const auto& v : views) {
        const std::string expected = v.view(plain, gp);
        EXPECT_EQ(v.view(marked, gm), expected) << v.name;
        EXPECT_NE(v.view(none, gn), expected) << v.name << ": the groups are not in the view";
    }
}

TEST(HemisphereMarkers, AsciiExportKeepsTheirLinesWithBlankPositions) {
    const std::string text = AsciiExportText(withMarkers());
    std::vector<std::string> lines;
    for (std::size_t at = 0, end; (end = text.find("\r\n", at)) != std::string::npos; at = end + 2)
        lines.push_back(text.substr(at, end - at));
    ASSERT_EQ(lines.size(), 1u + 8u); // the header and every group
    // Date, time, number and class, then longitude and latitude.
    EXPECT_EQ(lines[1].substr(0, 32), "09.03.2015 12 00 03 Cso         ");
    EXPECT_EQ(lines[2].substr(0, 24), "09.03.2015 12 00 01 Dao ");
    EXPECT_EQ(lines[2].substr(24, 7).find(' '), 3u) << lines[2]; // "lll bb"
}
