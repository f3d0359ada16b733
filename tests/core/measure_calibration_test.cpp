// Picture points of a scanned drawing as polar positions of the record.
#include <gtest/gtest.h>

#include <string>
#include <variant>

#include "geometry/ephemeris.h"
#include "measure/calibration.h"
#include "tests_support/records.h"

using namespace hk;

namespace {

// Radius 250 px: 2 px per unit.
constexpr PicturePoint C{500, 500}, Up{500, 250}, Right{750, 500};

TEST(PictureToPolar, VertexAndSpot) {
    const struct {
        const char* name;
        PicturePoint centre, north, point;
        int vertexAngle, vertexDistance; // as a faculae vertex
        const char* spotAngle;           // as a spot, one decimal
        const char* spotDistance;
    } rows[] = {
        {"straight above", C, Up, {500, 300}, 0, 100, "0.0", "100.0"},
        // dy = 0 is taken as 0.2: 89.94 degrees, a whole 90 for a vertex.
        {"to the right", C, Up, {700, 500}, 90, 100, "89.9", "100.0"},
        {"below", C, Up, {500, 701}, 180, 100, "180.0", "100.5"},
        {"same row right", C, Up, {749, 500}, 90, 124, "90.0", "124.5"},
        {"same row left", C, Up, {251, 500}, 270, 124, "270.0", "124.5"},
        // North clicked to the right: "up" in the picture is 270.
        {"north to the right", C, Right, {500, 300}, 270, 100, "270.0", "100.0"},
        // 359.94 lies above 359.9 and wraps to -0.06: vertex 0, spot 0.0.
        {"just west of north", {1000, 1000}, {1000, 0}, {999, 0}, 0, 125, "0.0", "125.0"},
        // 359.54 rounds to 360 whole degrees, the same direction as 0.
        {"rounds to the full circle", {1000, 1000}, {1000, 0}, {992, 0}, 0, 125, "359.5", "125.0"},
    };
    for (const auto& c : rows) {
        SCOPED_TRACE(c.name);
        const Calibration cal = Calibrate(c.centre, c.north);
        EXPECT_EQ(FaculaeVertex(cal, c.point), (VertexPosition{c.vertexAngle, c.vertexDistance}));
        const PolarPosition s = SpotPosition(cal, c.point);
        EXPECT_EQ(FormatTenths(s.angle), c.spotAngle);
        EXPECT_EQ(FormatTenths(s.distance), c.spotDistance);
    }
}

TEST(NorthAngle, QuadrantsClockwiseFromUp) {
    const struct {
        PicturePoint north;
        float angle;
    } rows[] = {{{500, 250}, 0},   {{600, 400}, 45},  {{750, 500}, 90},  {{600, 600}, 135},
                {{500, 750}, 180}, {{400, 600}, 225}, {{250, 500}, 270}, {{400, 400}, 315}};
    for (const auto& r : rows)
        EXPECT_NEAR(NorthAngle(C, r.north), r.angle, 0.01) << r.north.x << "," << r.north.y;
    EXPECT_EQ(Calibrate(C, {600, 400}).CalRadiusPx, 141);
}

TEST(CalibrateByAxis, TurnsByPOfTheRecordOrSaysWhy) {
    const TZaznam z = test_records::Record("15.03.2014", 900);
    const auto c = CalibrateByAxis(C, Up, z);
    ASSERT_TRUE(std::holds_alternative<Calibration>(c));
    const double p = SolarEphemeris({2014, 3, 15}, 900).P;
    EXPECT_NEAR(std::get<Calibration>(c).CalNorthAngle, NorthAngle(C, Up) - p, 1e-4);

    const auto missing = CalibrateByAxis(C, Up, TZaznam{});
    ASSERT_TRUE(std::holds_alternative<std::string>(missing));
    EXPECT_EQ(std::get<std::string>(missing), MissingRecordDateMessage);
}

TEST(DailyMotionNorth, PerpendicularToTheLineAtTheLimbDistance) {
    // Horizontal line: north straight above the centre.
    EXPECT_EQ(DailyMotionNorth({800, 500}, {200, 500}, C, {500, 800}), (PicturePoint{500, 200}));
    // Line rising to the right by 18.43 degrees: north turned as far to the left.
    EXPECT_EQ(DailyMotionNorth({800, 400}, {200, 600}, C, {500, 800}), (PicturePoint{406, 216}));
    // Falling to the right: turned to the right.
    EXPECT_EQ(DailyMotionNorth({800, 600}, {200, 400}, C, {500, 800}), (PicturePoint{594, 216}));
}

} // namespace
