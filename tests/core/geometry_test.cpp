#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <numbers>
#include <string>
#include <vector>

#include "geometry/calendar.h"
#include "geometry/ephemeris.h"
#include "geometry/transforms.h"
#include "text/encoding.h"
#include "text/number_format.h"

using namespace hk;

namespace {

TEST(SolarEphemeris, MatchesTheWorkedValues) {
    const struct {
        const char* name;
        Date date;
        std::uint16_t time;
        double d, b0, p, l0;
        int rotation;
    } rows[] = {
        {"epoch", {1989, 1, 1}, 0, 0.0, -3.053, 2.039, 107.600, 1810},
        {"eclipse 1999", {1999, 8, 11}, 1100, 3874.458, 6.418, 14.502, 88.114, 1952},
        // L0 below 15: the rotation estimate of one day earlier.
        {"millennium", {2000, 1, 1}, 1200, 4017.5, -3.016, 2.127, 1.464, 1957},
        {"summer 2014", {2014, 6, 15}, 905, 9296.379, 1.028, -9.722, 167.396, 2151},
        {"equinox 2024", {2024, 3, 20}, 1230, 12862.521, -7.020, -25.255, 260.252, 2282},
        // Either side of a rotation's start: L0 below 15 takes the
        // estimate of the day before, above 345 that of the day after.
        {"rotation starts after", {2014, 1, 15}, 0, 9145.0, -4.541, -4.647, 5.132, 2145},
        {"rotation starts before", {2014, 1, 15}, 1200, 9145.5, -4.591, -4.882, 358.549, 2146},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.name);
        EXPECT_NEAR(EphemerisDays(r.date, r.time), r.d, 0.001);
        const Ephemeris e = SolarEphemeris(r.date, r.time);
        EXPECT_NEAR(e.B0, r.b0, 0.0005);
        EXPECT_NEAR(e.P, r.p, 0.0005);
        EXPECT_NEAR(e.L0, r.l0, 0.0005);
        EXPECT_EQ(e.CarrRotation, r.rotation);
    }
    // 1275 is not a valid time but is read as 12 h and 75 min, that is 13:15.
    EXPECT_NEAR(EphemerisDays({2010, 5, 5}, 1275), EphemerisDays({2010, 5, 5}, 1315), 1e-8);
}

TEST(ReducedJulianDay, ExactHalfDays) {
    EXPECT_EQ(ReducedJulianDay(1989, 1, 1), 47527.5f);
    // The other dates are in the reference rows above. Across the end of
    // February of a leap and a century year.
    EXPECT_EQ(ReducedJulianDay(2000, 3, 1) - ReducedJulianDay(2000, 2, 28), 2.0f);
    EXPECT_EQ(ReducedJulianDay(2100, 3, 1) - ReducedJulianDay(2100, 2, 28), 1.0f);
}

TEST(SolarEphemeris, L0StaysInRangeAndRotationAdvancesOverYears) {
    int last = 0;
    for (int s = DaySerial({1990, 1, 1}); s < DaySerial({2030, 1, 1}); s += 3) {
        const Ephemeris e = SolarEphemeris(DateFromSerial(s), 1200);
        ASSERT_GE(e.L0, 0.0);
        ASSERT_LT(e.L0, 360.0);
        ASSERT_LE(std::abs(e.B0), 7.26);
        ASSERT_GE(e.CarrRotation, last);
        last = e.CarrRotation;
    }
}

Ephemeris flat(double p = 0, double l0 = 100) {
    return Ephemeris{p, 0, l0, 0};
}

TEST(PolarToHeliographic, ValuesLongitudeWrapAndLimb) {
    const struct {
        const char* name;
        double p, angle, dist, cmd, lat, lon;
    } rows[] = {
        {"centre", 0, 0, 0, 0, 0, 100},
        {"east", 0, 900, 1000, 53.130, 0, 46.870},
        {"west", 0, 2700, 1000, -53.130, 0, 153.130},
        {"north", 0, 0, 1000, 0, 53.130, 100},
        // The angle is counted from the rotation axis.
        {"axis tilted", 20, 200, 1000, 0, 53.130, 100},
    };
    for (const auto& c : rows) {
        const Heliographic h = PolarToHeliographic(flat(c.p), c.angle, c.dist);
        EXPECT_NEAR(h.CMD, c.cmd, 0.0005) << c.name;
        EXPECT_NEAR(h.Lat, c.lat, 0.0005) << c.name;
        EXPECT_NEAR(h.Lon, c.lon, 0.0005) << c.name;
    }
    // From picture pixels of a 250 px disk: 0.8 of the radius west, and off the disk.
    EXPECT_NEAR(PixelToHeliographic(flat(), -200, 0)->CMD, -53.130, 0.001);
    EXPECT_FALSE(PixelToHeliographic(flat(), 251, 0));
    // L0 = 5, a point 20 degrees east of the central meridian: longitude 345.
    Ephemeris e{0, 0, 5, 0};
    const double dist = std::sin(20 * std::numbers::pi / 180) * 1250; // on the equator
    EXPECT_NEAR(PolarToHeliographic(e, 900, dist).Lon, 345, 1e-6);
    // On the limb and beyond it the results stay finite.
    Ephemeris tilted{10, 7, 200, 0};
    for (double d : {1250.0, 1300.0}) {
        const Heliographic h = PolarToHeliographic(tilted, 0, d);
        EXPECT_TRUE(std::isfinite(h.CMD) && std::isfinite(h.Lat) && std::isfinite(h.Lon));
    }
}

// The latitude alone is that of the whole transform to the last bit, for
// every packed position (whole degrees, tenths of the radius to the limb
// and past it) at several orientations.
TEST(PolarToHeliographic, LatitudeAloneIsTheSame) {
    for (const Ephemeris& e : {Ephemeris{0, 0, 0, 0}, Ephemeris{-26.3, 7.2, 331.5, 2300},
                               Ephemeris{18.9, -6.8, 12.25, 2301}}) {
        const DiskOrientation o(e);
        int differ = 0;
        for (int angle = 0; angle < 360; ++angle)
            for (int dist = 0; dist < 128; ++dist)
                differ += PolarLatitude(o, angle * 10.0, dist * 10.0) !=
                          PolarToHeliographic(o, angle * 10.0, dist * 10.0).Lat;
        EXPECT_EQ(differ, 0) << e.P;
    }
}

// USAF groups of 2014 drawn on the limb (tests/data/SOURCES.md) from their
// position angle and distance as an observer draws them: each lands on its
// own limb at about its published longitude. The positions hold at 24:00 UT
// of the stated date; the drawn angle is the axis angle plus P. Some
// published rows lie past the limb of their own distance (their longitude
// belongs to another moment of the day), hence the wider bound for all.
TEST(PolarToHeliographic, LimbGroupsOfRealObservationsKeepTheirSide) {
    std::ifstream in(std::filesystem::path(HELIOKRES_SOURCE_DIR) /
                     "tests/data/usaf_groups_2014_limb.txt");
    ASSERT_TRUE(in) << "missing excerpt";
    std::vector<double> offs;
    int beyond = 0;
    for (std::string line; std::getline(in, line);) {
        const Date day{std::stoi(line.substr(0, 4)), std::stoi(line.substr(4, 2)),
                       std::stoi(line.substr(6, 2))};
        const double dist = std::stod(line.substr(45, 5)),
                     axisAngle = std::stod(line.substr(51, 5));
        const double lon = std::stod(line.substr(57, 5)), westCmd = std::stod(line.substr(69, 5));
        const Ephemeris e = SolarEphemeris(DateFromSerial(DaySerial(day) + 1), 0);
        const double angle = std::fmod(std::nearbyint(10 * (axisAngle + e.P)) + 3600, 3600);
        const Heliographic h =
            PolarToHeliographic(e, angle, std::min(1250.0, std::nearbyint(1250 * dist)));
        offs.push_back(std::abs(std::remainder(h.Lon - lon, 360.0)));
        EXPECT_LT(offs.back(), 20.0) << line;
        EXPECT_LT(h.CMD * westCmd, 0) << line; // east positive here, west positive there
        if (std::abs(h.CMD) > 90) ++beyond;
    }
    ASSERT_EQ(offs.size(), 144u);
    EXPECT_GT(beyond, 0) << "no group past the tilted limb: the excerpt tests nothing";
    std::sort(offs.begin(), offs.end());
    EXPECT_LT(offs[offs.size() / 2], 2.0) << "median deviation";
}

TEST(GroupAreaCorrected, CentreHalvesAndLimbGrows) {
    EXPECT_EQ(GroupAreaCorrected(100, 0), 50);
    // The offset at the centre puts half of an odd area just above the tie.
    EXPECT_EQ(GroupAreaCorrected(5, 0), 3);
    EXPECT_EQ(GroupAreaCorrected(100, 1250),
              static_cast<int>(std::nearbyint(50 / std::sqrt(1 - 0.9999 * 0.9999))));
    // A damaged distance past the limb is read as the limb, never NaN.
    EXPECT_EQ(GroupAreaCorrected(100, 1400), GroupAreaCorrected(100, 1250));
}

TEST(LongitudeAcrossRotations, Rules) {
    const std::vector<int> got = {LongitudeAcrossRotations(10, 1999, 350, 2000),
                                  LongitudeAcrossRotations(350, 2000, 10, 2000),
                                  LongitudeAcrossRotations(200, 2001, 300, 2000),
                                  LongitudeAcrossRotations(10, 1998, 350, 2000),
                                  LongitudeAcrossRotations(100, 1999, 100, 2000),
                                  LongitudeAcrossRotations(50, 2000, 300, 2000)};
    EXPECT_EQ(got, (std::vector<int>{370, -10, -160, 10, 460, 410}));
}

TEST(Calendar, ParseFormatAndSerials) {
    EXPECT_EQ(std::pair(ParseDatum("05.07.2014"), ParseDatum("5.7.2014")),
              std::pair(std::optional(Date{2014, 7, 5}), std::optional(Date{2014, 7, 5})));
    for (const char* bad : {"", "31.04.2014", "29.02.2100", "00.01.2000", "1.13.2000", "01.01.14",
                            "01.01.2014x", "aa.bb.cccc"})
        EXPECT_FALSE(ParseDatum(bad).has_value()) << bad;
    EXPECT_TRUE(ParseDatum("29.02.2000").has_value());
    EXPECT_EQ(FormatDatum({2014, 7, 5}), "05.07.2014");
    EXPECT_EQ(std::pair(DaySerial({1899, 12, 30}), DaySerial({2000, 1, 1})), std::pair(0, 36526));
    for (int s : {-1000, 0, 1, 36526, 45000, 80000})
        EXPECT_EQ(DaySerial(DateFromSerial(s)), s);
    EXPECT_EQ(DayOfWeek({2026, 12, 6}), 1); // a Sunday
}

TEST(NumberFormat, Prints) {
    const struct {
        double value;
        const char *pattern, *expected;
    } rows[] = {
        {7, "000", "007"},
        {12345, "000", "12345"},
        {3.14159, "0.00", "3.14"},
        {3, "0.00", "3.00"},
        {12.0, "###.#", "12"},
        {12.34, "###.#", "12.3"},
        {0, "###", ""},
        {0, "#0", "0"},
        {0.5, "#.##", ".5"},
        // Ties go to the even digit.
        {0.125, "0.00", "0.12"},
        {0.375, "0.00", "0.38"},
        {2.5, "0", "2"},
        {3.5, "0", "4"},
        {-4.25, "0.0", "-4.2"},
        {-0.04, "0.0", "0.0"},
        {5, "(0)", "(5)"},
        {-0.4, "000", "000"},
        {-6.5, "(00)", "(-06)"},
        {std::nan(""), "0", "nan"},
        {1e20, "0", "100000000000000000000"},
    };
    for (const auto& c : rows)
        EXPECT_EQ(FormatNumber(c.value, c.pattern), c.expected) << c.value << " " << c.pattern;
}

TEST(Encoding, Windows1250RoundTrip) {
    const std::string czech = "Žluťoučký kůň úpěl ďábelské ódy";
    const std::string bytes = Utf8ToCp1250(czech);
    EXPECT_EQ(bytes.size(), 31u);
    EXPECT_EQ(static_cast<unsigned char>(bytes[0]), 0x8E); // Ž
    EXPECT_EQ(Cp1250ToUtf8(bytes), czech);
    EXPECT_EQ(Utf8ToCp1250("zvlášťní"), std::string("zvl\xE1\x9A\x9D") + "n\xED");
    // Characters the code page lacks, and bytes that are not characters.
    EXPECT_EQ(Utf8ToCp1250("a€b日c"), std::string("a\x80") + "b?c");
    EXPECT_EQ(Cp1250ToUtf8("a\x98z"), "a\xEF\xBF\xBDz");
    EXPECT_EQ(Utf8ToCp1250(std::string("a\xFF") + "b"), "a?b");
}

} // namespace
