// What happens while the observer types: grids following the counts, the
// date and time fields, class spelling, numbers read from the cells.
#include <gtest/gtest.h>

#include "core/entry_fixtures.h"
#include "entry/entry_fields.h"
#include "entry/entry_messages.h"
#include "entry/entry_text.h"

using namespace hk;
using namespace hk::entry_test;

namespace {

struct CountCase {
    const char* name;
    const char* text;
    bool numeric;
    int rows;
    bool enabled;
    bool message;
    const char* textAfter;
};

class GroupCount : public testing::TestWithParam<CountCase> {};

TEST_P(GroupCount, ResizesTheGrid) {
    const CountCase& c = GetParam();
    EntryForm f;
    f.groups = std::vector<GroupRow>(2);
    f.groupCount = c.text;
    const GridCount g = ResizeGroupGrid(f);
    EXPECT_EQ(g.numeric, c.numeric);
    EXPECT_EQ(f.groups.size(), static_cast<std::size_t>(c.rows));
    EXPECT_EQ(g.enabled, c.enabled);
    EXPECT_EQ(g.message.has_value(), c.message);
    if (c.message) {
        EXPECT_EQ(*g.message, messages::MaxGroups);
    }
    EXPECT_EQ(f.groupCount, c.textAfter);
}

INSTANTIATE_TEST_SUITE_P(Counts, GroupCount,
                         testing::Values(CountCase{"Forty", "40", true, 40, true, false, "40"},
                                         CountCase{"FortyOne", "41", true, 40, true, true, "40"},
                                         CountCase{"Zero", "0", true, 1, false, false, "0"},
                                         CountCase{"NotANumber", "x", false, 2, false, false, "x"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(GroupCount, NewRowsGetZerosAndSpecialRecordsUnsetClasses) {
    EntryForm f;
    f.groups = {Group("Dkc", "45", "60", "4.9")};
    f.groupCount = "2";
    ResizeGroupGrid(f);
    EXPECT_EQ(f.groups[0][column::Vzd], "60");
    EXPECT_EQ(f.groups[1][column::Typ], "");
    for (int c = column::Poc; c < GroupColumns; ++c)
        EXPECT_EQ(f.groups[1][c], "0");
    f.special = "zvlášťní";
    ResizeGroupGrid(f);
    EXPECT_EQ(f.groups[0][column::Typ], "***");
    EXPECT_EQ(f.groups[1][column::Typ], "***");
}

TEST(FaculaeCount, ResizesWithoutFilling) {
    EntryForm f;
    f.faculaeFieldCount = "45";
    const GridCount g = ResizeFaculaeGrid(f);
    EXPECT_TRUE(g.message);
    EXPECT_EQ(f.faculae.size(), 40u);
    EXPECT_EQ(f.faculae[3][1], "");
}

struct DateCase {
    const char* name;
    const char* date;
    bool refused;
};

class DateField : public testing::TestWithParam<DateCase> {};

TEST_P(DateField, RefusesWhatIsNoDate) {
    EntryForm f = ValidForm();
    f.date = GetParam().date;
    const DateFieldCheck c = CheckDateField(f, EntryMode::Correction, {}, true);
    EXPECT_EQ(c.refocus, GetParam().refused);
    const std::vector<std::string> expected =
        GetParam().refused ? std::vector<std::string>{std::string(messages::BadDate)}
                           : std::vector<std::string>{};
    EXPECT_EQ(c.messages, expected);
}

INSTANTIATE_TEST_SUITE_P(Dates, DateField,
                         testing::Values(DateCase{"Ordinary", "15.06.2014", false},
                                         DateCase{"NothingTyped", "  .  .    ", false},
                                         DateCase{"LeapDayOf2000", "29.02.2000", false},
                                         DateCase{"April31", "31.04.2014", true},
                                         DateCase{"DayZero", "00.06.2014", true},
                                         DateCase{"HalfTyped", "15.06.    ", true}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(DateField, ProposesTheNextDrawingNumberOfTheYear) {
    std::vector<TZaznam> records = {Record("10.01.2014", 800), Record("20.12.2013", 800),
                                    Record("02.01.2114", 800)};
    records[0].CisloZakresu = 4114; // 41/14
    records[1].CisloZakresu = 9913; // another year
    records[2].CisloZakresu = 9914; // same two digits, another century
    EntryForm f = ValidForm();
    EXPECT_EQ(CheckDateField(f, EntryMode::New, records, true).drawingNumber, "042/14");
}

TEST(DateField, NewModeWarnsOfADuplicateAndSetsTheDrawingNumberYear) {
    const std::vector<TZaznam> records = {Record("15.06.2014", 905)};
    EntryForm f = ValidForm();
    DateFieldCheck c = CheckDateField(f, EntryMode::New, records, true);
    EXPECT_EQ(c.messages, std::vector<std::string>{std::string(messages::ObserverExists)});
    EXPECT_EQ(c.drawingNumber, "001/14"); // the only drawing of 2014 has no number
    f.time = "906";
    EXPECT_TRUE(CheckDateField(f, EntryMode::New, records, true).messages.empty());
    EXPECT_FALSE(CheckDateField(f, EntryMode::New, records, false).drawingNumber);
    f.time = "905";
    c = CheckDateField(f, EntryMode::Correction, records, true);
    EXPECT_TRUE(c.messages.empty());
    EXPECT_FALSE(c.drawingNumber);
}

TEST(TimeField, LimitAndDuplicateWarning) {
    const std::vector<TZaznam> records = {Record("15.06.2014", 2359)};
    EntryForm f = ValidForm();
    f.time = "2359";
    EXPECT_EQ(CheckTimeField(f, EntryMode::New, records),
              std::vector<std::string>{std::string(messages::ObserverExists)});
    EXPECT_TRUE(CheckTimeField(f, EntryMode::Correction, records).empty());
    f.time = "2400";
    EXPECT_EQ(CheckTimeField(f, EntryMode::Correction, records),
              std::vector<std::string>{std::string(messages::MaxTime)});
    f.time = "12:00";
    EXPECT_EQ(CheckTimeField(f, EntryMode::Correction, records),
              std::vector<std::string>{messages::BadField("Čas UT")});
}

TEST(HighestCSk1OfYear, LooksAtAllEntriesOfRecordsOfTheYear) {
    std::vector<TZaznam> records = {Record("01.01.2014", 800), Record("31.12.2014", 800),
                                    Record("01.01.2015", 800)};
    records[0].Skupiny[0].CSk1 = 12;
    records[1].Skupiny[39].CSk1 = 40; // past PocetSkupin, still counted
    records[2].Skupiny[0].CSk1 = 99;
    EXPECT_EQ(HighestCSk1OfYear(records, "15.06.2014"), 40);
    EXPECT_EQ(HighestCSk1OfYear(records, "15.06.2015"), 99);
    EXPECT_EQ(HighestCSk1OfYear(records, "15.06.2016"), 0);
    EXPECT_EQ(HighestCSk1OfYear(records, "  .  .    "), 0);
}

struct DecimalCase {
    const char* name;
    const char* text;
    std::optional<double> value;
    double leading;
};

class CellNumber : public testing::TestWithParam<DecimalCase> {};

TEST_P(CellNumber, ReadsDecimalsWithPointOrComma) {
    const DecimalCase& c = GetParam();
    EXPECT_EQ(ParseDecimalText(c.text), c.value);
    EXPECT_DOUBLE_EQ(LeadingNumber(c.text), c.leading);
}

INSTANTIATE_TEST_SUITE_P(Cells, CellNumber,
                         testing::Values(DecimalCase{"Point", "12.5", 12.5, 12.5},
                                         DecimalCase{"Comma", "12,5", 12.5, 12.5},
                                         DecimalCase{"Spaces", " 7 ", 7.0, 7},
                                         DecimalCase{"Negative", "-3.25", -3.25, -3.25},
                                         DecimalCase{"NoIntegerDigits", ".5", 0.5, 0.5},
                                         DecimalCase{"TrailingPoint", "5.", 5.0, 5},
                                         DecimalCase{"TrailingText", "12a", std::nullopt, 12},
                                         DecimalCase{"Empty", "", std::nullopt, 0},
                                         DecimalCase{"Infinity", "inf", std::nullopt, 0},
                                         DecimalCase{"Exponent", "1e5", std::nullopt, 1},
                                         DecimalCase{"TwoPoints", "1.2.3", std::nullopt, 1.2}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(NormaliseGroupClass, SpellsClassesAsTheTable) {
    EXPECT_EQ(NormaliseGroupClass("dkc"), "Dkc");
    EXPECT_EQ(NormaliseGroupClass("HSX"), "Hsx");
    EXPECT_EQ(NormaliseGroupClass(" axx "), "Axx");
    EXPECT_EQ(NormaliseGroupClass("***"), "***");
    EXPECT_EQ(NormaliseGroupClass("Dkx"), std::nullopt);
    EXPECT_EQ(NormaliseGroupClass("Dk"), std::nullopt);
    EXPECT_EQ(ParseIntegerText("+12"), 12);
    EXPECT_EQ(ParseIntegerText("1.0"), std::nullopt);
}

} // namespace
