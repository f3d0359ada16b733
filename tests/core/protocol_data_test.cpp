// The monthly protocol's data: which drawing fills a day, the month's length,
// the sums and means over the observed days, the time and magnification texts.
#include <gtest/gtest.h>

#include "results/protocol_data.h"
#include "results_fixtures.h"

using namespace hk;
using namespace hk::results_test;

namespace {

// A drawing whose stored summary holds g and f of the north and the south.
TZaznam drawing(const char* date, std::uint16_t time, int gS, int fS, int gJ, int fJ, int q = 2,
                int faculae = 0, const char* observer = "Novák") {
    TZaznam z = Souhrn(date, time, {gS, fS, 10 * gS + fS}, {gJ, fJ, 10 * gJ + fJ});
    z.Q = static_cast<std::uint8_t>(q);
    z.PocetFakuli = static_cast<std::uint16_t>(faculae);
    z.Pozorovatel.setText(observer);
    return z;
}

StationData station() {
    StationData o;
    o.row(1) = "Hvězdárna Úpice";
    o.row(5) = "25";
    return o;
}

// March 2001: drawings on the 3rd and two on the 17th, framed by February and
// April.
std::vector<TZaznam> march() {
    return {drawing("27.02.2001", 800, 1, 1, 0, 0),
            drawing("03.03.2001", 705, 3, 12, 1, 2, 2, 4, "Novák"),
            drawing("17.03.2001", 900, 1, 1, 1, 1, 3, 1, "Dvořák"),
            drawing("17.03.2001", 1330, 2, 5, 0, 0, 1, 6, "Šťastná"),
            drawing("02.04.2001", 1000, 5, 50, 5, 50)};
}

TEST(ProtocolData, MonthLengthByTheGregorianCalendar) {
    // The leap-year rules themselves are the calendar's and the reports' tests.
    for (const auto& [date, days] : {std::pair{"10.03.2001", 31},
                                     {"10.04.2001", 30},
                                     {"10.02.2000", 29},
                                     {"10.02.2001", 28}}) {
        const std::vector<TZaznam> records{drawing(date, 800, 1, 1, 0, 0)};
        const ProtocolData data = BuildProtocolData(records, 0, station());
        EXPECT_EQ(static_cast<int>(data.days.size()), days) << date;
        EXPECT_EQ(data.days.back().day, days) << date;
        EXPECT_EQ(data.observedDays, 1) << date;
    }
}

TEST(ProtocolData, LaterDrawingOfADayIsShownAndSumsCoverObservedDays) {
    const ProtocolData data = BuildProtocolData(march(), 1, station());
    EXPECT_EQ(std::tuple(data.year, data.month, data.firstRecord), std::tuple(2001, 3, 1u));
    const ProtocolDay& d17 = data.days[16];
    EXPECT_TRUE(d17.observed);
    EXPECT_EQ(std::pair(int(d17.time), d17.observer), std::pair(1330, std::string("Šťastná")));
    EXPECT_EQ(d17.values, (std::array<int, ProtocolValueColumns>{2, 5, 25, 25, 0, 6, 1}));
    EXPECT_EQ(data.days[2].values,
              (std::array<int, ProtocolValueColumns>{4, 14, 54, 42, 12, 4, 2}));
    // Neither the February nor the April drawing leaks into the month.
    EXPECT_FALSE(data.days[26].observed || data.days[1].observed);
    EXPECT_EQ(data.days[1].day, 2);

    EXPECT_EQ(data.observedDays, 2);
    EXPECT_EQ(data.sums, (std::array<long, ProtocolValueColumns>{6, 19, 79, 67, 12, 10, 3}));
    EXPECT_EQ(std::pair(data.mean(ProtocolColumn::R), data.mean(ProtocolColumn::Q)),
              std::pair(39.5, 1.5));
    EXPECT_EQ(data.station + "|" + data.eyepiece, "Hvězdárna Úpice|25");
}

TEST(ProtocolData, FirstRecordOutsideTheStoreGivesNoDays) {
    const ProtocolData data = BuildProtocolData(march(), 99, station());
    EXPECT_TRUE(data.days.empty());
    EXPECT_EQ(data.mean(ProtocolColumn::g), 0.0);
}

TEST(ProtocolData, TimeAndMonthTexts) {
    EXPECT_EQ(ProtocolTimeCz(705) + ProtocolTimeCz(0), "07:0500:00");
    EXPECT_EQ(ProtocolTimeEn(705) + "|" + ProtocolTimeEn(2359), "07 : 05|23 : 59");
    EXPECT_EQ(ProtocolMonthCz(1) + ProtocolMonthEn(12), "LedenDecember");
}

TEST(ProtocolData, MagnificationIsFocusOverEyepiece) {
    const struct {
        const char *focus, *eyepiece, *expected;
    } rows[] = {{"2250", "25", "90x"}, {" 1000 ", "12.5", "80x"}, {"1000", "30", "33x"},
                {"1000", "", ""},      {"1000", "0", ""},         {"asi metr", "25", ""},
                {"-1000", "25", ""}};
    for (const auto& r : rows)
        EXPECT_EQ(ProtocolMagnification(r.focus, r.eyepiece), r.expected)
            << r.focus << " / " << r.eyepiece;
}

} // namespace
