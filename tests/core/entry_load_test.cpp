// Opening the entry window: the text shown for a record, the cleared record
// of a new drawing, and that a correction left untouched stores the same
// bytes again.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

#include "core/entry_fixtures.h"
#include "entry/entry_load.h"
#include "entry/entry_messages.h"
#include "entry/entry_text.h"
#include "entry/entry_view.h"
#include "geometry/calendar.h"
#include "geometry/transforms.h"
#include "text/number_format.h"

using namespace hk;
using namespace hk::entry_test;

namespace {

TZaznam RecordWithGroups() {
    TZaznam z = Record("15.06.2014", 905);
    z.PocetSkupin = 4;
    // Spots, penumbral spots, angle, distance, area, small spots, CSk1, CSk2,
    // the two auxiliary spots' positions and areas; a faculae field.
    TSkupina& g = z.Skupiny[0];
    // clang-format off
    g = TSkupina{g.Typ, 12, 4, 450, 600, 100, 2, 1234, 7, PackPosition(45, 30), 61,
                 PackPosition(50, 31), 0, {}, 0};
    // clang-format on
    g.Fakule[0] = PackPosition(10, 20);
    g.Typ.setText("DKC");
    // A north marker, a south marker, and no marker: the distance differs.
    for (const auto& [k, angle, distance] :
         {std::tuple{1, 10, 1200}, {2, 1790, 1200}, {3, 10, 1199}}) {
        z.Skupiny[k].Uhel = static_cast<std::uint16_t>(angle);
        z.Skupiny[k].Vzd = static_cast<std::uint16_t>(distance);
    }
    z.PocetFakKresleni = 1;
    return z;
}

TEST(LoadRecordIntoForm, PolarText) {
    EntrySettings s;
    const EntryForm f = LoadRecordIntoForm(RecordWithGroups(), s);
    ASSERT_EQ(f.groups.size(), 4u);
    EXPECT_EQ(f.groupCount + "|" + f.time, "4|905");
    const GroupRow expected = {"",     "Dkc", "12", "4",  "45.0", "60.0", "4.9", "2",
                               "1234", "7",   "45", "30", "3",    "50",   "31",  "0"};
    EXPECT_EQ(f.groups[0], expected);
    // The markers, and a group at the marker's angle that is none.
    const auto position = [&](int k) {
        return f.groups[k][column::Uhel] + "/" + f.groups[k][column::Vzd];
    };
    EXPECT_EQ(std::vector({position(1), position(2), position(3)}),
              (std::vector<std::string>{"s/", "j/", "1.0/119.9"}));
    ASSERT_EQ(f.faculae.size(), 1u);
    EXPECT_EQ(f.faculae[0][1] + "," + f.faculae[0][2] + "," + f.faculae[0][3], "10,20,0");
}

TEST(LoadRecordIntoForm, RadiusAndHeliographicMode) {
    const TZaznam z = RecordWithGroups();
    EntrySettings half;
    half.radius = 62.5;
    EXPECT_EQ(LoadRecordIntoForm(z, half).groups[0][column::Vzd], "30.0");

    EntrySettings helio;
    helio.heliographic = true;
    const EntryForm f = LoadRecordIntoForm(z, helio);
    EXPECT_EQ(f.view, EntryView::Heliographic);
    const Heliographic h = PolarToHeliographic(SolarEphemeris({2014, 6, 15}, 905), 450, 600);
    const GroupRow& g = f.groups[0]; // areas in millionths
    EXPECT_EQ(std::vector({g[column::Uhel], g[column::Vzd], g[column::Plocha], g[column::Plo1],
                           f.groups[1][column::Uhel]}),
              (std::vector<std::string>{FormatNumber(h.Lon, "0.0"), FormatNumber(h.Lat, "0.0"),
                                        "100", "61", "s"}));
}

// A drawing typed once, then opened for correction and confirmed unchanged,
// is stored with the same bytes.
TEST(CorrectionRoundTrip, StoresTheSameBytesAtEveryRadius) {
    for (const double radius : {125.0, 100.0, 62.5}) {
        SCOPED_TRACE(radius);
        EntryForm typed = ValidForm();
        typed.groupCount = "3";
        typed.groups = {Group("Dkc", "45", "60.3", "4.9"), Group("Cao", "s", ""),
                        Group("Hsx", "271.4", "12", "0.7")};
        typed.groups[0][column::Angle1] = "40";
        typed.groups[0][column::Distance1] = "55";
        typed.groups[0][column::Plo1] = "2";
        typed.faculaeFieldCount = "1";
        typed.faculae = {{"", "10", "20", "30", "40"}};
        const std::vector<TZaznam> none;
        const EntryContext ctx = Context(EntryMode::New, none, true, radius);
        const auto first = ConfirmEntry(typed, TZaznam{}, ctx).record;
        ASSERT_TRUE(first);

        EntryContext correction = ctx;
        correction.mode = EntryMode::Correction;
        const EntryForm shown =
            OpenEntryForm(EntryMode::Correction, *first, none, ctx.settings, "Jiný, Pozorovatel");
        EXPECT_EQ(shown.drawingNumber, "1/14");
        const auto again = ConfirmEntry(shown, *first, correction).record;
        ASSERT_TRUE(again);
        EXPECT_EQ(std::memcmp(&*first, &*again, sizeof(TZaznam)), 0);
    }
}

TEST(OpenEntryForm, NewAndSpecialStartFromAClearedRecord) {
    TZaznam current = RecordWithGroups();
    current.Stanice.setText("Hradec");
    current.PP = current.Q = current.qc = current.fc = current.rc = 3;
    current.PocetFakuli = 3;
    std::vector<TZaznam> records = {Record("01.01.2014", 800), current};
    records[0].Stanice.setText("Úpice");
    EntrySettings s;
    s.drawingNumbers = true;
    const EntryForm n = OpenEntryForm(EntryMode::New, current, records, s, "Adam, Petr");
    EXPECT_EQ(std::vector({n.observer, n.date, n.time, n.groupCount, n.station, n.drawingNumber,
                           n.special}),
              (std::vector<std::string>{"Adam, Petr", std::string(EmptyDateText), "1200", "0",
                                        "Úpice", "000/00", ""}));
    EXPECT_EQ(n.pp + n.image + n.q + n.qc + n.fc + n.rc + n.faculaeCount, "0000000");
    EXPECT_EQ(OpenEntryForm(EntryMode::Special, current, records, s, "").special, "zvlášťní");
    s.drawingNumbers = false;
    EXPECT_EQ(OpenEntryForm(EntryMode::New, current, records, s, "").drawingNumber, "001/21");
    EXPECT_EQ(OpenEntryForm(EntryMode::Correction, current, records, s, "").drawingNumber,
              "001/21");
}

// The two views of the group grid: heliographic positions back to the
// drawing, and the view toggle of the window.
double angleDiff(double a, double b) {
    double d = std::fmod(std::fabs(a - b), 360.0);
    return d > 180 ? 360 - d : d;
}

// Polar -> heliographic -> polar returns to the same place within 0.1 unit
// (degree, millimetre) everywhere on the disk, for drawings of any radius, at
// the epoch, the largest B0 and the smallest P.
TEST(EntryPolar, UndoesPolarToHeliographicAndKeepsTheCentreFinite) {
    for (const auto& [date, time] :
         {std::pair{Date{1989, 1, 1}, 0}, {Date{1999, 8, 11}, 1100}, {Date{2024, 3, 20}, 1230}}) {
        const Ephemeris e = SolarEphemeris(date, static_cast<std::uint16_t>(time));
        for (double R : {125.0, 75.0})
            for (int angle = 0; angle < 3600; angle += 225)
                for (int dist : {50, 400, 800, 1200}) {
                    const Heliographic h = PolarToHeliographic(e, angle, dist);
                    EntryPolar p = HeliographicToEntryPolar(e, h.Lat, h.Lon, R);
                    if (p.angle > 360) p.angle -= 360;
                    SCOPED_TRACE(testing::Message() << FormatDatum(date) << " R " << R << " angle "
                                                    << angle << " dist " << dist);
                    EXPECT_NEAR(p.dist, dist / 10.0 * R / 125, 0.1);
                    EXPECT_LT(angleDiff(p.angle, angle / 10.0), 0.1);
                    EXPECT_GT(p.angle, 0);
                    EXPECT_LE(p.angle, 360);
                }
    }
    // The centre of the disk has a finite angle.
    const Ephemeris e = SolarEphemeris({2014, 6, 15}, 905);
    const EntryPolar p = HeliographicToEntryPolar(e, e.B0, e.L0, 125);
    EXPECT_NEAR(p.dist, 0, 1e-9);
    EXPECT_TRUE(std::isfinite(p.angle));
}

EntryForm PolarForm() {
    EntryForm f = ValidForm();
    f.groupCount = "4";
    f.groups = {Group("Dkc", "45.0", "60.0", "4.9"), Group("Cao", "200.3", "110.2", "1"),
                Group("Axx", "s", ""), Group("Axx", "j", "")};
    return f;
}

// There and back again: the l/b text has 0.1 degree, so the drawing
// position comes back within what one such step moves a point on the disk.
TEST(ToggleEntryView, RoundTripKeepsPositionsAndMarkersOrIsRefused) {
    const EntryForm before = PolarForm();
    EntryForm f = before;
    ASSERT_FALSE(ToggleEntryView(f, 125));
    ASSERT_FALSE(ToggleEntryView(f, 125));
    EXPECT_EQ(f.view, EntryView::Polar);
    for (int k : {0, 1}) {
        const GroupRow& a = before.groups[k];
        const GroupRow& b = f.groups[k];
        EXPECT_NEAR(LeadingNumber(b[column::Vzd]), LeadingNumber(a[column::Vzd]), 0.2);
        EXPECT_LT(angleDiff(LeadingNumber(b[column::Uhel]), LeadingNumber(a[column::Uhel])), 0.2);
        EXPECT_NEAR(LeadingNumber(b[column::Plocha]), LeadingNumber(a[column::Plocha]), 0.05);
    }
    for (int k : {2, 3}) {
        EXPECT_EQ(f.groups[k][column::Uhel], before.groups[k][column::Uhel]);
        EXPECT_EQ(f.groups[k][column::Vzd], "");
    }
    // An angle without a distance is a group at the centre: it is converted.
    f = PolarForm();
    f.groups[1][column::Vzd] = "";
    ASSERT_FALSE(ToggleEntryView(f, 125));
    EXPECT_NE(f.groups[1][column::Vzd], "");
    // Refused without a date or time.
    f = PolarForm();
    f.date = std::string(EmptyDateText);
    const EntryForm undated = f;
    EXPECT_EQ(ToggleEntryView(f, 125), std::string(messages::NoDate));
    EXPECT_EQ(f.groups, undated.groups);
    EXPECT_EQ(f.view, EntryView::Polar);
    f.date = "15.06.2014";
    f.time = "2400";
    EXPECT_EQ(ToggleEntryView(f, 125), std::string(messages::MaxTime));
}

// A group typed in l and b is stored where the polar entry of the same
// place would store it.
TEST(ToggleEntryView, HeliographicEntryStoresThePolarPosition) {
    EntryForm polar = PolarForm();
    EntryForm helio = polar;
    ASSERT_FALSE(ToggleEntryView(helio, 125));
    const std::vector<TZaznam> none;
    const auto a = ConfirmEntry(polar, TZaznam{}, Context(EntryMode::New, none)).record;
    const auto b = ConfirmEntry(helio, TZaznam{}, Context(EntryMode::New, none)).record;
    ASSERT_TRUE(a && b);
    for (int k = 0; k < 4; ++k) {
        EXPECT_NEAR(a->Skupiny[k].Uhel, b->Skupiny[k].Uhel, 3) << k;
        EXPECT_NEAR(a->Skupiny[k].Vzd, b->Skupiny[k].Vzd, 2) << k;
        EXPECT_EQ(a->Skupiny[k].Plocha, b->Skupiny[k].Plocha) << k;
    }
}

} // namespace
