// Faculae fields, groups and painted areas measured on a scanned drawing,
// written into the record.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <variant>
#include <vector>

#include "geometry/ephemeris.h"
#include "measure/area_mask.h"
#include "measure/calibration.h"
#include "measure/display_lut.h"
#include "measure/faculae_entry.h"
#include "measure/group_draft.h"
#include "records/record.h"
#include "tests_support/records.h"

using namespace hk;
using test_records::Record;

namespace {

// Centre (500, 500), north up, radius 250 px (2 px per unit).
const Calibration Cal = Calibrate({500, 500}, {500, 250});

TEST(StoreFaculae, FarthestVertexBeyondTheLimbLandsAt124) {
    FacPoints fp{};
    fp[0] = {{{500, 300}, {700, 500}, {760, 500}}}; // 100, 100 and 130 units
    fp[1] = {{{500, 400}}};                         // 50 units
    TZaznam z = Record("01.03.2014");
    z.Skupiny[2].Fakule[0] = 4242; // a field past the count stays
    StoreFaculae(z, 2, fp, Cal);
    EXPECT_EQ(z.PocetFakKresleni, 2);
    const std::vector<std::uint16_t> field1(z.Skupiny[0].Fakule, z.Skupiny[0].Fakule + 6);
    EXPECT_EQ(field1, (std::vector<std::uint16_t>{PackPosition(0, 95), PackPosition(90, 95),
                                                  PackPosition(90, 124), 0, 0, 0}));
    EXPECT_EQ(z.Skupiny[1].Fakule[0], PackPosition(0, 48));
    EXPECT_EQ(z.Skupiny[2].Fakule[0], 4242);

    // Within the disk nothing is scaled, however far a field past the count reaches.
    fp[1][0] = fp[0][2];
    fp[0][2] = {};
    StoreFaculae(z, 1, fp, Cal);
    EXPECT_EQ(z.Skupiny[0].Fakule[1], PackPosition(90, 100));
}

DraftRow row(const char* groupClass, const char* cSk2, const char* spots = "3") {
    DraftRow r;
    r[ColTyp] = groupClass;
    r[ColCSk2] = cSk2;
    r[ColSpots] = spots;
    return r;
}

TEST(ParseGroupRow, MessagesOfTheChecks) {
    const struct {
        const char* name;
        DraftRow row;
        const char* message; // nullptr: accepted
    } rows[] = {
        {"NoType", row("", "12"), "Nabyl zadán typ nebo číslo skupiny  - povinné"},
        {"NoNumber", row("Dai", ""), "Nabyl zadán typ nebo číslo skupiny  - povinné"},
        {"UnknownClass", row("Xyz", "12"), "Špatně zadaný typ skupiny"},
        {"CountNotANumber", row("Dai", "12", "tři"), "Špatně zadaná hodnota ve sloupci poč"},
        {"CountTooLarge", row("Dai", "12", "300"), "Špatně zadaná hodnota ve sloupci poč"},
        {"Accepted", row("Dai", "12"), nullptr},
    };
    for (const auto& r : rows) {
        const auto result = ParseGroupRow(r.row);
        if (r.message)
            EXPECT_EQ(std::get<std::string>(result), r.message) << r.name;
        else
            EXPECT_TRUE(std::holds_alternative<GroupDraft>(result)) << r.name;
    }
    EXPECT_EQ(CheckGroupOrder(41), "Maximální počet skupin je 40 !");
    EXPECT_FALSE(CheckGroupOrder(40));
}

TEST(WriteGroups, UnitsPackedSpotsSummaryAndNotSpecial) {
    // Class, CSk2, spots, penumbral and small spots, CSk1, angle, distance,
    // area, then angle, distance and area of the first auxiliary spot.
    const DraftRow r{"Dai",   "12",   "3",    "",     "",     "345",
                     "123.4", "56,7", "10.0", "45.6", "30.2", "2.4"};
    GroupDrafts drafts{};
    drafts[2] = std::get<GroupDraft>(ParseGroupRow(r));
    drafts[0] = std::get<GroupDraft>(ParseGroupRow(row("Axx", "7", "1")));

    TZaznam z = Record("01.03.2014");
    z.Zvlastni.setText("zvlášťní");
    z.Skupiny[0].Fakule[0] = 777;
    ASSERT_FALSE(WriteGroups(z, drafts, 100));
    ASSERT_EQ(z.PocetSkupin, 2);
    const TSkupina& g = z.Skupiny[1];
    EXPECT_EQ(z.Skupiny[0].Typ.text() + g.Typ.text(), "AxxDai");
    // Areas Round(20.4 * 10 * 125 / 100) and Round(Round(2.4) * 20.4 * 1.25).
    EXPECT_EQ(
        std::vector<int>({g.CSk1, g.CSk2, g.Uhel, g.Vzd, g.Plocha, g.Pomocna1, g.Plo1, g.Pomocna2}),
        std::vector<int>({345, 12, 1234, 567, 255, PackPosition(45, 30), 51, 0}));
    EXPECT_TRUE(z.Zvlastni.empty());
    EXPECT_EQ(z.Skupiny[0].Fakule[0], 777);
    EXPECT_EQ(std::pair(z.Souhrn.gSev + z.Souhrn.gJih, z.Souhrn.fSev + z.Souhrn.fJih),
              std::pair(2, 4));

    // Refused, nothing changed: a record without a date, no group drafted.
    TZaznam undated{};
    const TZaznam before = undated;
    EXPECT_TRUE(WriteGroups(undated, drafts, 125));
    EXPECT_EQ(std::memcmp(&undated, &before, sizeof before), 0);
    const TZaznam written = z;
    EXPECT_EQ(WriteGroups(z, GroupDrafts{}, 125), NoGroupDraftedMessage);
    EXPECT_EQ(std::memcmp(&z, &written, sizeof z), 0);
}

TEST(MaskArea, PaintedPixelsToSquareMillimetres) {
    std::vector<std::uint8_t> mask(800 * 800, 255);
    const GreyImageView view{800, 800, 800, mask.data()};
    EXPECT_EQ(CountPainted(view), 0);
    for (int y = 100; y < 140; ++y)
        for (int x = 200; x < 240; ++x)
            mask[y * 800 + x] = 0;
    mask[5] = mask[800 * 7] = 0; // row 0 and column 0 are not counted
    EXPECT_EQ(CountPainted(view), 1600);
    EXPECT_DOUBLE_EQ(MaskArea(1600, 250), 100.0);
}

TEST(DisplayLut, ClampedAndAppliedToTheColourBytesOfTheBlockOnly) {
    EXPECT_EQ(MakeDisplayLut(0, ContrastNeutral)[77], 77);
    EXPECT_EQ(MakeDisplayLut(-100, 160)[150], 100); // (150 - 100) * 160 / 80
    EXPECT_EQ(MakeDisplayLut(-200, 80)[150], 0);
    EXPECT_EQ(MakeDisplayLut(50, 500)[100], 255);
    // Applied to the colour bytes of the block only.
    const DisplayLut lut = MakeDisplayLut(-100, 160); // v -> (v - 100) * 2
    // Two rows of two pixels in a stride of three pixels; the third pixel
    // of each row lies outside the block and stays as it was.
    std::vector<std::uint8_t> src(24), dst(24, 7);
    for (std::size_t i = 0; i < src.size(); ++i)
        src[i] = static_cast<std::uint8_t>(110 + i);
    ApplyDisplayLut(lut, src.data(), 12, dst.data(), 12, 2, 2);
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 3; ++x)
            for (int c = 0; c < 4; ++c) {
                const std::size_t i = std::size_t(y * 12 + x * 4 + c);
                const int expected = x == 2 ? 7 : c == 3 ? 255 : (src[i] - 100) * 2;
                EXPECT_EQ(dst[i], expected) << x << "," << y << " byte " << c;
            }
}

// Picture points of a scanned drawing as polar positions of the record.
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
