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

std::string Text(std::string_view s) {
    return std::string(s);
}

EntryOutcome Confirm(const EntryForm& f, EntryMode mode = EntryMode::New,
                     const std::vector<TZaznam>& records = NoRecords, bool numbering = true,
                     double radius = 125) {
    return ConfirmEntry(f, TZaznam{}, Context(mode, records, numbering, radius));
}

// ---- Refused input: the message shown last and no record.

TEST(ConfirmEntry, RefusedEntryShowsItsMessageAndStoresNothing) {
    using messages::BadField, messages::BadGroupCell;
    const std::string groupDistance = messages::GroupDistance(125);
    using F = EntryForm;
    const struct {
        const char* name;
        std::string EntryForm::*field; // or nullptr: a cell of the first group
        int column;
        const char* value;
        std::string message;
    } rows[] = {
        // The header.
        {"number without a slash", &F::drawingNumber, 0, "12", Text(messages::BadNumber)},
        {"number above 654", &F::drawingNumber, 0, "655/21", Text(messages::MaxNumber)},
        {"time 2400", &F::time, 0, "2400", Text(messages::MaxTime)},
        {"negative time", &F::time, 0, "-5", BadField("Čas UT")},
        {"conditions not a number", &F::pp, 0, "dobré", BadField("PP")},
        {"quality too large for a byte", &F::image, 0, "256", BadField("Obr.")},
        {"empty central spots", &F::fc, 0, "", BadField("fc")},
        {"faculae count above 40", &F::faculaeFieldCount, 0, "41", Text(messages::MaxGroups)},
        {"29 February in a common year", &F::date, 0, "29.02.2014", Text(messages::BadDate)},
        {"no observer", &F::observer, 0, "  ", Text(messages::NoObserver)},
        // The classes.
        {"unknown class", nullptr, column::Typ, "Dkx", Text(messages::BadClass)},
        {"only an unset class in an ordinary record", nullptr, column::Typ, "***",
         Text(messages::BadClass)},
        // The grids.
        {"angle 360.1", nullptr, column::Uhel, "360.1", Text(messages::MaxAngle)},
        {"negative angle", nullptr, column::Uhel, "-1", Text(messages::MaxAngle)},
        {"distance beyond the radius", nullptr, column::Vzd, "125.1", groupDistance},
        {"auxiliary distance beyond the radius", nullptr, column::Distance2, "126", groupDistance},
        {"auxiliary angle above 360", nullptr, column::Angle1, "400", Text(messages::MaxAngle)},
        {"rotation number 71", nullptr, column::CSk2, "71", Text(messages::MaxRotation)},
        {"spots not a number", nullptr, column::Poc, "3a", BadGroupCell("poč", 1)},
        {"area too large for a word", nullptr, column::Plocha, "4000", BadGroupCell("plocha.", 1)},
    };
    const auto expectRefused = [](const EntryForm& f, const std::string& message) {
        const EntryOutcome out = Confirm(f);
        EXPECT_FALSE(out.record);
        ASSERT_FALSE(out.messages.empty());
        EXPECT_EQ(out.messages.back(), message);
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        EntryForm f = ValidForm();
        (row.field ? f.*row.field : f.groups[0][row.column]) = row.value;
        expectRefused(f, row.message);
    }
    // An unknown class beside a known one; faculae cells.
    EntryForm f = ValidForm();
    f.groupCount = "2";
    f.groups.push_back(Group("Xyz", "10", "10"));
    expectRefused(f, Text(messages::BadClass));
    f = ValidForm();
    f.faculaeFieldCount = "1";
    f.faculae = {{"", "10", "126"}};
    expectRefused(f, messages::FaculaeDistance(125));
    f.faculae = {{"", "10", "20", "x"}};
    expectRefused(f, messages::BadFaculaeCell("U2", 1));
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
    // Class, spots, penumbral spots, angle, distance, area, small spots, CSk1,
    // CSk2, then angle, distance and area of the two auxiliary spots.
    f.groups = {{"", "Dkc", "3", "1", "45", "12,5", "4.9", "2", "1234", "70", "45", "30", "3", "50",
                 "31", "0.5"},
                Group("Axx", "s", "999"),
                Group("Bxo", "J", "")};
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
    EXPECT_TRUE(IsNorthMarker(z.Skupiny[1]) && IsSouthMarker(z.Skupiny[2]));
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

TEST(ConfirmEntry, DrawingNumbersCountsAndTheWarningOfManyAdded) {
    for (const auto& [text, stored] : {std::pair{"001/21", 121}, {"1/5", 105}, {"0/21", -1}}) {
        EntryForm f = ValidForm();
        f.drawingNumber = text;
        const auto out = Confirm(f);
        EXPECT_EQ(out.record ? int(out.record->CisloZakresu) : -1, stored) << text;
    }
    // Empty counts, and drawing numbers off, store zero.
    EntryForm f = ValidForm();
    f.drawingNumber = "garbage";
    f.groupCount = "";
    f.faculaeFieldCount = " ";
    const EntryOutcome out = Confirm(f, EntryMode::New, NoRecords, false);
    ASSERT_TRUE(out.record);
    EXPECT_EQ(std::pair(int(out.record->CisloZakresu), int(out.record->PocetSkupin)),
              std::pair(0, 0));
    EXPECT_EQ(out.form.groupCount + out.form.faculaeFieldCount, "00");
    // After 197 records added it warns but stores.
    EntryContext c = Context(EntryMode::New, NoRecords);
    c.addedSinceStart = 198;
    const EntryOutcome warned = ConfirmEntry(ValidForm(), TZaznam{}, c);
    EXPECT_TRUE(warned.record);
    EXPECT_EQ(warned.messages, std::vector<std::string>{Text(messages::TooManyRecords)});
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
