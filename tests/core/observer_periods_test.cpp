// The observers with the periods and numbers of their drawings.
#include <gtest/gtest.h>

#include "results/observer_periods.h"
#include "tests_support/records.h"

using namespace hk;

namespace {

TZaznam drawing(const char* date, const char* observer) {
    return test_records::Record(date, 1200, observer);
}

} // namespace

TEST(ObserverPeriods, PeriodsAndCountsInTheOrderOfTheNames) {
    const std::vector<TZaznam> records = {
        drawing("03.05.2001", "Šťastná"), drawing("01.02.2000", "Novák"),
        drawing("07.07.2003", "Novák"),   drawing("15.01.1999", "novák"),
        drawing("xx.yy.zzzz", "Šťastná"), drawing("09.09.2009", "Nikdo v seznamu")};
    const auto periods = ObserverPeriods(records, {"Novák", "Šťastná", "Bez zákresu"});
    ASSERT_EQ(periods.size(), 2u);
    // The name compares exactly (not "novák").
    EXPECT_EQ(periods[0].name, "Novák");
    EXPECT_EQ(periods[0].count, 2);
    EXPECT_EQ(periods[0].first, (Date{2000, 2, 1}));
    EXPECT_EQ(periods[0].last, (Date{2003, 7, 7}));
    // A drawing whose date cannot be read counts but has no place in the period.
    EXPECT_EQ(periods[1].name, "Šťastná");
    EXPECT_EQ(periods[1].count, 2);
    EXPECT_EQ(periods[1].first, (Date{2001, 5, 3}));
    EXPECT_EQ(periods[1].last, (Date{2001, 5, 3}));
}
