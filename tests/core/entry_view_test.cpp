// The two views of the group grid: heliographic positions back to the
// drawing, and the view toggle of the window.
#include <gtest/gtest.h>

#include <cmath>

#include "core/entry_fixtures.h"
#include "entry/entry_messages.h"
#include "entry/entry_text.h"
#include "entry/entry_view.h"
#include "geometry/calendar.h"
#include "geometry/transforms.h"
#include "text/number_format.h"

using namespace hk;
using namespace hk::entry_test;

namespace {

double angleDiff(double a, double b) {
    double d = std::fmod(std::fabs(a - b), 360.0);
    return d > 180 ? 360 - d : d;
}

// Polar -> heliographic -> polar returns to the same place within 0.1 unit
// (degree, millimetre) everywhere on the disk, for drawings of any radius, at
// the epoch, the largest B0 and the smallest P.
TEST(EntryPolar, UndoesPolarToHeliographic) {
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
}

TEST(EntryPolar, CentreOfTheDiskHasAFiniteAngle) {
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
TEST(ToggleEntryView, RoundTripKeepsPositionsAndMarkers) {
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
}

TEST(ToggleEntryView, RefusedWithoutADateOrTime) {
    EntryForm f = PolarForm();
    f.date = std::string(EmptyDateText);
    const EntryForm before = f;
    EXPECT_EQ(ToggleEntryView(f, 125), std::string(messages::NoDate));
    EXPECT_EQ(f.groups, before.groups);
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
