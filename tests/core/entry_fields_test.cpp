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

TEST(GroupCount, ResizesTheGrid) {
    const struct {
        const char* text;
        bool numeric;
        int rows;
        bool enabled, message;
        const char* textAfter;
    } rows[] = {{"40", true, 40, true, false, "40"},
                {"41", true, 40, true, true, "40"},
                {"0", true, 1, false, false, "0"},
                {"x", false, 2, false, false, "x"}};
    for (const auto& c : rows) {
        SCOPED_TRACE(c.text);
        EntryForm f;
        f.groups = std::vector<GroupRow>(2);
        f.groupCount = c.text;
        const GridCount g = ResizeGroupGrid(f);
        EXPECT_EQ(std::tuple(g.numeric, f.groups.size(), g.enabled, g.message.has_value()),
                  std::tuple(c.numeric, std::size_t(c.rows), c.enabled, c.message));
        EXPECT_EQ(g.message.value_or(std::string(messages::MaxGroups)), messages::MaxGroups);
        EXPECT_EQ(f.groupCount, c.textAfter);
    }
}

TEST(GroupCount, NewRowsGetZerosSpecialRecordsUnsetClassesFaculaeNothing) {
    EntryForm f;
    f.groups = {Group("Dkc", "45", "60", "4.9")};
    f.groupCount = "2";
    ResizeGroupGrid(f);
    EXPECT_EQ(f.groups[0][column::Vzd] + "|" + f.groups[1][column::Typ], "60|");
    for (int c = column::Poc; c < GroupColumns; ++c)
        EXPECT_EQ(f.groups[1][c], "0");
    f.special = "zvlášťní";
    ResizeGroupGrid(f);
    EXPECT_EQ(f.groups[0][column::Typ] + f.groups[1][column::Typ], "******");
    // The faculae grid is resized without filling.
    f.faculaeFieldCount = "45";
    EXPECT_TRUE(ResizeFaculaeGrid(f).message);
    EXPECT_EQ(std::pair(f.faculae.size(), f.faculae[3][1]), std::pair(40ul, std::string()));
}

TEST(DateField, RefusesWhatIsNoDate) {
    const std::pair<const char*, bool> dates[] = {{"15.06.2014", false}, {"  .  .    ", false},
                                                  {"29.02.2000", false}, {"31.04.2014", true},
                                                  {"00.06.2014", true},  {"15.06.    ", true}};
    for (const auto& [date, refused] : dates) {
        EntryForm f = ValidForm();
        f.date = date;
        const DateFieldCheck c = CheckDateField(f, EntryMode::Correction, {}, true);
        EXPECT_EQ(c.refocus, refused) << date;
        EXPECT_EQ(c.messages, refused ? std::vector<std::string>{std::string(messages::BadDate)}
                                      : std::vector<std::string>{})
            << date;
    }
}

TEST(DateField, ProposesTheDrawingNumberAndWarnsOfADuplicate) {
    std::vector<TZaznam> records = {Record("10.01.2014", 800), Record("20.12.2013", 800),
                                    Record("02.01.2114", 800)};
    records[0].CisloZakresu = 4114; // 41/14
    records[1].CisloZakresu = 9913; // another year
    records[2].CisloZakresu = 9914; // same two digits, another century
    EntryForm f = ValidForm();
    EXPECT_EQ(CheckDateField(f, EntryMode::New, records, true).drawingNumber, "042/14");

    // A duplicate warned of in the new mode; the drawing number's year set.
    records = {Record("15.06.2014", 905)};
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
    std::vector<int> highest;
    for (const char* date : {"15.06.2014", "15.06.2015", "15.06.2016", "  .  .    "})
        highest.push_back(HighestCSk1OfYear(records, date));
    EXPECT_EQ(highest, (std::vector<int>{40, 99, 0, 0}));
}

TEST(CellNumber, ReadsDecimalsWithPointOrComma) {
    const struct {
        const char* text;
        std::optional<double> value;
        double leading;
    } rows[] = {{"12.5", 12.5, 12.5},
                {"12,5", 12.5, 12.5},
                {" 7 ", 7.0, 7},
                {"-3.25", -3.25, -3.25},
                {".5", 0.5, 0.5},
                {"5.", 5.0, 5},
                {"12a", std::nullopt, 12},
                {"", std::nullopt, 0},
                {"inf", std::nullopt, 0},
                {"1e5", std::nullopt, 1},
                {"1.2.3", std::nullopt, 1.2}};
    for (const auto& c : rows) {
        EXPECT_EQ(ParseDecimalText(c.text), c.value) << c.text;
        EXPECT_DOUBLE_EQ(LeadingNumber(c.text), c.leading) << c.text;
    }
}

TEST(NormaliseGroupClass, SpellsClassesAsTheTable) {
    std::vector<std::string> spelt;
    for (const char* c : {"dkc", "HSX", " axx ", "***", "Dkx", "Dk"})
        spelt.push_back(NormaliseGroupClass(c).value_or("-"));
    EXPECT_EQ(spelt, (std::vector<std::string>{"Dkc", "Hsx", "Axx", "***", "-", "-"}));
    EXPECT_EQ(ParseIntegerText("+12"), 12);
    EXPECT_EQ(ParseIntegerText("1.0"), std::nullopt);
}

} // namespace
