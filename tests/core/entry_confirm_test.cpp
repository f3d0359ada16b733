// Confirming the entry window: what is refused (with which message, nothing
// stored) and what the accepted text becomes in the record.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <tuple>
#include <vector>

#include "core/entry_fixtures.h"
#include "entry/entry_messages.h"

using namespace hk;
using namespace hk::entry_test;

namespace {

const std::vector<TZaznam> NoRecords;

EntryOutcome Confirm(const EntryForm& f, EntryMode mode = EntryMode::New,
                     const std::vector<TZaznam>& records = NoRecords, bool numbering = true,
                     double radius = 125) {
    return ConfirmEntry(f, TZaznam{}, Context(mode, records, numbering, radius));
}

// ---- Refused input: the message shown last and no record.

TEST(ConfirmEntry, RefusedEntryShowsItsMessageAndStoresNothing) {
    const struct {
        const char* name;
        std::function<void(EntryForm&)> edit;
        std::string message;
    } rows[] = {
        // The header.
        {"number without a slash", [](EntryForm& f) { f.drawingNumber = "12"; },
         std::string(messages::BadNumber)},
        {"number above 654", [](EntryForm& f) { f.drawingNumber = "655/21"; },
         std::string(messages::MaxNumber)},
        {"time 2400", [](EntryForm& f) { f.time = "2400"; }, std::string(messages::MaxTime)},
        {"negative time", [](EntryForm& f) { f.time = "-5"; }, messages::BadField("Čas UT")},
        {"conditions not a number", [](EntryForm& f) { f.pp = "dobré"; }, messages::BadField("PP")},
        {"quality too large for a byte", [](EntryForm& f) { f.image = "256"; },
         messages::BadField("Obr.")},
        {"empty central spots", [](EntryForm& f) { f.fc = ""; }, messages::BadField("fc")},
        {"faculae count above 40", [](EntryForm& f) { f.faculaeFieldCount = "41"; },
         std::string(messages::MaxGroups)},
        {"29 February in a common year", [](EntryForm& f) { f.date = "29.02.2014"; },
         std::string(messages::BadDate)},
        {"no observer", [](EntryForm& f) { f.observer = "  "; }, std::string(messages::NoObserver)},
        // The classes.
        {"unknown class", [](EntryForm& f) { f.groups[0][column::Typ] = "Dkx"; },
         std::string(messages::BadClass)},
        {"only an unset class in an ordinary record",
         [](EntryForm& f) { f.groups[0][column::Typ] = "***"; }, std::string(messages::BadClass)},
        {"unknown class beside a known one",
         [](EntryForm& f) {
             f.groupCount = "2";
             f.groups.push_back(Group("Xyz", "10", "10"));
         },
         std::string(messages::BadClass)},
        // The grids.
        {"angle 360.1", [](EntryForm& f) { f.groups[0][column::Uhel] = "360.1"; },
         std::string(messages::MaxAngle)},
        {"negative angle", [](EntryForm& f) { f.groups[0][column::Uhel] = "-1"; },
         std::string(messages::MaxAngle)},
        {"distance beyond the radius", [](EntryForm& f) { f.groups[0][column::Vzd] = "125.1"; },
         messages::GroupDistance(125)},
        {"auxiliary distance beyond the radius",
         [](EntryForm& f) { f.groups[0][column::Distance2] = "126"; },
         messages::GroupDistance(125)},
        {"auxiliary angle above 360", [](EntryForm& f) { f.groups[0][column::Angle1] = "400"; },
         std::string(messages::MaxAngle)},
        {"rotation number 71", [](EntryForm& f) { f.groups[0][column::CSk2] = "71"; },
         std::string(messages::MaxRotation)},
        {"spots not a number", [](EntryForm& f) { f.groups[0][column::Poc] = "3a"; },
         messages::BadGroupCell("poč", 1)},
        {"area too large for a word", [](EntryForm& f) { f.groups[0][column::Plocha] = "4000"; },
         messages::BadGroupCell("plocha.", 1)},
        {"faculae distance beyond the radius",
         [](EntryForm& f) {
             f.faculaeFieldCount = "1";
             f.faculae = {{"", "10", "126"}};
         },
         messages::FaculaeDistance(125)},
        {"faculae angle not a number",
         [](EntryForm& f) {
             f.faculaeFieldCount = "1";
             f.faculae = {{"", "10", "20", "x"}};
         },
         messages::BadFaculaeCell("U2", 1)},
    };
    for (const auto& row : rows) {
        EntryForm f = ValidForm();
        row.edit(f);
        const EntryOutcome out = Confirm(f);
        EXPECT_FALSE(out.record) << row.name;
        ASSERT_FALSE(out.messages.empty()) << row.name;
        EXPECT_EQ(out.messages.back(), row.message) << row.name;
    }
}

TEST(ConfirmEntry, FaculaeDistanceErrorReplacesGroupAngleError) {
    EntryForm f = ValidForm();
    f.groups[0][column::Uhel] = "400";
    f.faculaeFieldCount = "2";
    f.faculae = {{"", "10", "20"}, {"", "10", "20", "30", "200"}};
    const EntryOutcome out = Confirm(f);
    EXPECT_EQ(out.messages, std::vector<std::string>{messages::FaculaeDistance(125)});
    ASSERT_TRUE(out.focus);
    EXPECT_EQ(*out.focus, (GridCell{GridCell::Grid::Fakule, 2, 4}));
}

TEST(ConfirmEntry, HeaderErrorsComeTogetherAndTheNumberErrorReplacesTheTimeError) {
    EntryForm f = ValidForm();
    f.time = "2400";
    f.drawingNumber = "12";
    f.observer = "";
    f.groups[0][column::Typ] = "Dkx";
    const EntryOutcome out = Confirm(f);
    EXPECT_EQ(out.messages, (std::vector<std::string>{std::string(messages::BadClass),
                                                      std::string(messages::NoObserver),
                                                      std::string(messages::BadNumber)}));
    EXPECT_FALSE(out.record);
}

TEST(ConfirmEntry, DuplicateDateAndTimeRefusedWhenNewAllowedInCorrection) {
    const std::vector<TZaznam> records = {Record("15.06.2014", 905)};
    for (EntryMode mode : {EntryMode::New, EntryMode::Special}) {
        const EntryOutcome out = Confirm(ValidForm(), mode, records);
        EXPECT_FALSE(out.record);
        EXPECT_EQ(out.messages, std::vector<std::string>{std::string(messages::RecordExists)});
    }
    EXPECT_TRUE(Confirm(ValidForm(), EntryMode::Correction, records).record);
    // 23:45 of the day before has the same record key as 9:05 (2345 = 905 +
    // 1440) but is another drawing.
    const std::vector<TZaznam> dayBefore = {Record("14.06.2014", 2345)};
    EXPECT_TRUE(Confirm(ValidForm(), EntryMode::New, dayBefore).record);
    const std::vector<TZaznam> otherSpelling = {Record("15.6.2014", 905)};
    EXPECT_FALSE(Confirm(ValidForm(), EntryMode::New, otherSpelling).record);
}

// ---- Accepted input.

TEST(ConfirmEntry, AcceptedEdgesOfTheChecks) {
    EntryForm f = ValidForm();
    f.time = "2359";
    f.groupCount = "2";
    f.groups = {Group("dkc", "360", "125"), Group("***", "10", "10")};
    f.faculaeFieldCount = "1";
    f.faculae = {{"", "360", "125"}};
    const EntryOutcome out = Confirm(f);
    ASSERT_TRUE(out.record) << (out.messages.empty() ? "" : out.messages.front());
    EXPECT_TRUE(out.messages.empty());
    const TZaznam& z = *out.record;
    EXPECT_EQ(std::tuple(int(z.Cas), int(z.Skupiny[0].Uhel), int(z.Skupiny[0].Vzd)),
              std::tuple(2359, 3600, 1250));
    EXPECT_EQ(z.Skupiny[0].Typ.text() + z.Skupiny[1].Typ.text(), "Dkc***");

    // A special record of unset classes only.
    f = ValidForm();
    f.special = std::string(SpecialMarker);
    f.groups[0][column::Typ] = "***";
    const EntryOutcome special = Confirm(f, EntryMode::Special);
    ASSERT_TRUE(special.record);
    EXPECT_EQ(special.record->Zvlastni.text(), "zvlášťní");
}

TEST(ConfirmEntry, FillsTheRecordInStoredUnits) {
    EntryForm f = ValidForm();
    f.groupCount = "3";
    f.groups = {Group("Dkc", "45", "12,5", "4.9"), Group("Axx", "s", "999"), Group("Bxo", "J", "")};
    GroupRow& g = f.groups[0];
    g[column::MalS] = "2";
    g[column::CSk1] = "1234";
    g[column::CSk2] = "70";
    g[column::Angle1] = "45";
    g[column::Distance1] = "30";
    g[column::Plo1] = "3";
    g[column::Angle2] = "50";
    g[column::Distance2] = "31";
    g[column::Plo2] = "0.5";
    f.faculaeFieldCount = "1";
    f.faculae = {{"", "10", "20", "30", "40"}};
    const EntryOutcome out = Confirm(f);
    ASSERT_TRUE(out.record);
    const TZaznam& z = *out.record;
    EXPECT_EQ(z.Datum.text() + "|" + z.Pozorovatel.text() + "|" + z.Stanice.text(),
              "15.06.2014|Novák, Jan|Úpice");
    // Number, time, conditions, rc, faculae, the three counts; the orientation
    // of 15.06.2014 09:05: rotation 2151, L0 167.396.
    EXPECT_EQ(std::vector<int>({z.CisloZakresu, z.Cas, z.PP, z.rc, z.PocetFakuli, z.PocetSkupin,
                                z.PocetFakKresleni, z.Rotace, z.L0}),
              std::vector<int>({114, 905, 2, 13, 4, 3, 1, 2151, 167}));
    // "12,5" is 12.5 mm; areas Round(4.9 * 20.4), Round(20.4 * 3), Round(20.4 * 0.5).
    const TSkupina& s = z.Skupiny[0];
    EXPECT_EQ(
        std::vector<int>({s.Uhel, s.Vzd, s.Plocha, s.Poc, s.SPen, s.MalS, s.CSk1, s.CSk2,
                          s.Pomocna1, s.Plo1, s.Pomocna2, s.Plo2}),
        std::vector<int>({450, 125, 100, 3, 1, 2, 1234, 70, 45 * 128 + 30, 61, 50 * 128 + 31, 10}));
    EXPECT_TRUE(IsNorthMarker(z.Skupiny[1]));
    EXPECT_TRUE(IsSouthMarker(z.Skupiny[2]));
    EXPECT_EQ(std::vector<int>(s.Fakule, s.Fakule + 3),
              std::vector<int>({10 * 128 + 20, 30 * 128 + 40, 0}));
    // Entries past the groups stay cleared.
    EXPECT_EQ(std::pair(z.Skupiny[3].Typ.text(), int(z.Skupiny[3].Poc)),
              std::pair(std::string("***"), 0));
    EXPECT_EQ(out.form.groups[0][column::Vzd], "12.5");
}

TEST(ConfirmEntry, RadiusScalesDistancesAndAreas) {
    EntryForm f = ValidForm();
    f.groups = {Group("Dkc", "90", "62.5", "2")};
    const EntryOutcome out = Confirm(f, EntryMode::New, NoRecords, true, 62.5);
    ASSERT_TRUE(out.record);
    // Round(2 * 20.4 * 2)
    EXPECT_EQ(std::pair(int(out.record->Skupiny[0].Vzd), int(out.record->Skupiny[0].Plocha)),
              std::pair(1250, 82));
}

TEST(ConfirmEntry, DrawingNumberIsSerialTimes100PlusYear) {
    for (const auto& [text, stored] : {std::pair{"001/21", 121}, {"1/5", 105}, {"0/21", -1}}) {
        EntryForm f = ValidForm();
        f.drawingNumber = text;
        const auto out = Confirm(f);
        EXPECT_EQ(out.record ? int(out.record->CisloZakresu) : -1, stored) << text;
    }
}

TEST(ConfirmEntry, EmptyCountsAndDrawingNumbersOffStoreZero) {
    EntryForm f = ValidForm();
    f.drawingNumber = "garbage";
    f.groupCount = "";
    f.faculaeFieldCount = " ";
    const EntryOutcome out = Confirm(f, EntryMode::New, NoRecords, false);
    ASSERT_TRUE(out.record);
    EXPECT_EQ(std::pair(int(out.record->CisloZakresu), int(out.record->PocetSkupin)),
              std::pair(0, 0));
    EXPECT_EQ(out.form.groupCount + out.form.faculaeFieldCount, "00");
}

TEST(ConfirmEntry, WarnsAfter197AddedRecordsButStores) {
    EntryContext c = Context(EntryMode::New, NoRecords);
    c.addedSinceStart = 198;
    const EntryOutcome out = ConfirmEntry(ValidForm(), TZaznam{}, c);
    EXPECT_TRUE(out.record);
    EXPECT_EQ(out.messages, std::vector<std::string>{std::string(messages::TooManyRecords)});
}

TEST(ConfirmEntry, CarriesFieldsTheEntryDoesNotOwn) {
    TZaznam working = Record("14.06.2014", 800);
    working.Rezerva1 = 77;
    working.PlochaFakuli.setText("1234");
    working.Zvlastni.setText("zvlášťní");
    EntryForm f = ValidForm();
    f.special = "zvlášťní";
    const auto correction =
        ConfirmEntry(f, working, Context(EntryMode::Correction, NoRecords)).record;
    ASSERT_TRUE(correction);
    EXPECT_EQ(correction->Rezerva1, 77);
    // A corrected special record stays special.
    EXPECT_EQ(correction->PlochaFakuli.text() + correction->Zvlastni.text(), "1234zvlášťní");
    // A new drawing does not inherit the faculae area of the current one.
    f.special = "";
    const auto added = ConfirmEntry(f, working, Context(EntryMode::New, NoRecords));
    ASSERT_TRUE(added.record);
    EXPECT_TRUE(added.record->PlochaFakuli.empty() && added.record->Zvlastni.empty());
    EXPECT_TRUE(added.dateChanged);
}

} // namespace
