// The record store: load with its normalisation, save, the key order, the
// stored working record, the backup of the start and the split files.
#include <gtest/gtest.h>

#include <csignal>
#include <cstring>
#include <functional>
#include <sys/resource.h>

#include "core/store_fixtures.h"
#include "records/session.h"
#include "records/store.h"
#include "tests_support/session_edit.h"
#include "tests_support/temp_dir.h"

using namespace hk;
using namespace hk::store_test;
using namespace std::string_literals;

namespace {

// Makes every write past `bytes` fail with EFBIG, as a full disk would.
class FileSizeLimit {
  public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &saved_);
        previous_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = saved_;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, previous_);
    }

  private:
    rlimit saved_{};
    void (*previous_)(int) = nullptr;
};

class Store : public testing::Test {
  protected:
    std::filesystem::path datax() const { return dir.path() / "datax.dat"; }
    Session loaded(const std::vector<TZaznam>& records) {
        WriteRecords(datax(), records);
        Session s(dir.path());
        s.load(Today);
        return s;
    }
    TempDir dir;
};

TEST_F(Store, FirstStartHasOneRecordOfTodayAndTheFirstSaveWritesIt) {
    Session s(dir.path());
    EXPECT_FALSE(s.load(Today).fileExisted);
    ASSERT_EQ(std::pair(s.recordCount(), s.recordsAtStart()), std::pair(1, 0));
    EXPECT_EQ(std::pair(int(s.record(1).Cas), int(s.record(1).PocetSkupin)), std::pair(1200, 0));
    EXPECT_EQ(s.observers(), std::vector<std::string>{"N"});
    EXPECT_FALSE(s.drawingSettingOfRecord1());
    EXPECT_TRUE(s.drawingNumbers());

    s.save();
    const auto file = ReadRecordFile(datax()).records;
    ASSERT_EQ(file.size(), 1u);
    EXPECT_EQ(file[0].Datum.text(), "06.12.2026");
    // No radius chosen yet: the save takes 125 mm, polar entry.
    EXPECT_EQ(std::pair(double(file[0].NastaveniKresby), s.drawingRadius()),
              std::pair(125.0, 125.0));
}

// What the load mends, each on a record of its own; the first stays as written.
TEST_F(Store, LoadNormalisesEachRecord) {
    std::vector<TZaznam> r;
    for (int d = 1; d <= 7; ++d)
        r.push_back(Rec("0" + std::to_string(d) + ".02.2003", 800));
    r[1].Zvlastni.setText("zvlastni");
    r[2].Zvlastni.setText("zvl");
    r[3].Pozorovatel.setText("");
    r[4].PocetSkupin = 0;
    r[4].Skupiny[39].Vzd = 77;
    r[5].Skupiny[5].Uhel = 77;
    r[6].Cas = 0;
    Session s = loaded(r);
    ASSERT_EQ(s.recordCount(), 7);
    EXPECT_EQ(std::vector<std::string>({s.record(2).Zvlastni.text(), s.record(3).Zvlastni.text(),
                                        s.record(4).Pozorovatel.text()}),
              std::vector<std::string>({"zvlášťní", "zvl", "N"}));
    const TZaznam &cleared = s.record(5), &kept = s.record(6);
    EXPECT_EQ(
        std::vector<int>({cleared.Skupiny[0].Uhel, cleared.Skupiny[0].Vzd, cleared.Skupiny[39].Vzd,
                          kept.Skupiny[0].Uhel, kept.Skupiny[5].Uhel, s.record(7).Cas}),
        std::vector<int>({0, 0, 0, 300, 77, 1200}));
}

// A measurement stored over a record is undone once, also after the faculae
// area of the shown record was written into it, and not after the record
// was changed otherwise.
TEST_F(Store, MeasurementIsUndoneOnce) {
    Session s = loaded({Rec("01.02.2003", 800, "A"), Rec("03.02.2003", 800, "B")});
    const TZaznam before = s.record(2);
    TZaznam measured = before;
    measured.PocetSkupin = 0;
    s.replaceMeasured(2, measured);
    TZaznam counted = s.record(2);
    counted.PlochaFakuli.setText("1234");
    s.setFaculaeArea(2, counted);
    ASSERT_TRUE(s.undoMeasurement());
    EXPECT_EQ(std::memcmp(&s.record(2), &before, sizeof before), 0);
    EXPECT_FALSE(s.undoMeasurement());

    s.replaceMeasured(2, measured);
    TZaznam corrected = measured;
    corrected.Cas = 900;
    s.correctRecord(2, corrected);
    EXPECT_FALSE(s.undoMeasurement());
    EXPECT_EQ(s.record(2).Cas, 900);
}

TEST_F(Store, EmptyRecordsAreSkippedAndTheRecordsAfterThemKept) {
    TZaznam empty{};
    Session s = loaded({Rec("01.02.2003", 800, "A"), empty, Rec("03.02.2003", 800, "B"), empty});
    EXPECT_EQ(std::tuple(s.recordsAtStart(), s.recordCount(), s.currentIndex()),
              std::tuple(4, 2, 2));
    ASSERT_EQ(s.warnings().size(), 1u);
    EXPECT_NE(s.warnings()[0].find("2 prázdných"), std::string::npos);

    s.save();
    EXPECT_EQ(Observers(ReadRecordFile(datax()).records), (std::vector<std::string>{"A", "B"}));
}

TEST_F(Store, UnreadableFileIsReportedAndChangesNothing) {
    Session s = loaded({Rec("01.02.2003", 800)});
    std::filesystem::remove(datax());
    std::filesystem::create_directory(datax());
    EXPECT_THROW(s.load(Today), std::runtime_error);
    EXPECT_EQ(std::pair(s.recordCount(), s.record(1).Datum.text()), std::pair(1, "01.02.2003"s));
}

// Drawing numbers are in use when any record has one (or the store is new);
// switched off, they are cleared in every record and the working one.
TEST_F(Store, DrawingNumbersAreInUseWhenAnyRecordHasOneAndClearedWhenSwitchedOff) {
    std::vector<TZaznam> r = {Rec("01.02.2003", 800), Rec("02.02.2003", 900)};
    EXPECT_FALSE(loaded(r).drawingNumbers());
    EXPECT_TRUE(loaded({r[0]}).drawingNumbers());
    r[1].CisloZakresu = 103;
    EXPECT_TRUE(loaded(r).drawingNumbers());
    r[0].CisloZakresu = 121;
    Session s = loaded(r);
    s.setWorkingRecord(s.record(2));
    s.switchDrawingNumbersOff();
    EXPECT_FALSE(s.drawingNumbers());
    EXPECT_EQ(std::tuple(int(s.record(1).CisloZakresu), int(s.record(2).CisloZakresu),
                         int(s.workingRecord().CisloZakresu)),
              std::tuple(0, 0, 0));
}

TEST_F(Store, ObserverNamesOfEveryKindAreSortedWithoutALimit) {
    std::vector<TZaznam> records;
    for (const char* name :
         {"Novák, Jan", "1. pozorovatel", " Mezera", "Černý, Petr", "Adam", "Novák, Jan", "*"})
        records.push_back(Rec("01.02.2003", 800, name));
    Session s = loaded(records);
    // Windows-1250 byte order: space, "*", digits, letters, then Č (0xC8).
    EXPECT_EQ(s.observers(), (std::vector<std::string>{" Mezera", "*", "1. pozorovatel", "Adam",
                                                       "Novák, Jan", "Černý, Petr"}));

    records.clear();
    for (int i = 0; i < 250; ++i)
        records.push_back(Rec("01.02.2003", 800, "Pozorovatel " + std::to_string(1000 + i)));
    EXPECT_EQ(loaded(records).observers().size(), 250u);
}

TEST_F(Store, SaveWritesTheDrawingSettingIntoRecord1) {
    Session s = loaded({Rec("01.02.2003", 800), Rec("02.02.2003", 800)});
    s.setDrawingSetting({125, true});
    s.save();
    auto file = ReadRecordFile(datax()).records;
    EXPECT_EQ(file[0].NastaveniKresby, 1125);
    EXPECT_EQ(file[1].NastaveniKresby, 0);

    s.setDrawingSetting({100, false});
    s.save();
    file = ReadRecordFile(datax()).records;
    EXPECT_EQ(file[0].NastaveniKresby, 100);
}

TEST_F(Store, FailedSaveLeavesTheOldFileByteIdenticalAndSaysSo) {
    std::vector<TZaznam> records;
    for (int d = 1; d <= 9; ++d)
        records.push_back(Rec("0" + std::to_string(d) + ".02.2003", 800));
    Session s = loaded(records);
    const std::string before = ReadWholeFile(datax());
    s.setWorkingRecord(Rec("10.02.2003", 800, "Nový, Pozorovatel"));
    std::string message;
    {
        // Room for three records: the write stops in the middle of the fourth.
        FileSizeLimit limit(3 * RecordSize + 100);
        try {
            s.storeWorkingRecord(EntryMode::New);
        } catch (const std::runtime_error& e) {
            message = e.what();
        }
    }
    EXPECT_NE(message.find("\"" + datax().string() + "\""), std::string::npos) << message;
    EXPECT_EQ(ReadWholeFile(datax()), before);
    // The entry is not lost: it stays in memory for the next save.
    EXPECT_EQ(s.recordCount(), 10);
    EXPECT_EQ(s.record(10).Pozorovatel.text(), "Nový, Pozorovatel");
    for (const auto& entry : std::filesystem::directory_iterator(dir.path()))
        EXPECT_EQ(entry.path().filename(), "datax.dat") << "left behind: " << entry.path();

    s.save();
    EXPECT_EQ(ReadRecordFile(datax()).records.size(), 10u);
}

TEST_F(Store, SortByKey) {
    const struct {
        const char* name;
        std::vector<TZaznam> records;
        std::vector<std::string> order; // observers after the sort
    } rows[] = {
        {"two records in reverse stay",
         {Rec("02.01.2010", 800, "B"), Rec("01.01.2010", 800, "A")},
         {"B", "A"}},
        {"equal keys keep their order",
         {Rec("05.01.2010", 800, "X"), Rec("05.01.2010", 800, "Y"), Rec("01.01.2010", 800, "A"),
          Rec("05.01.2010", 800, "Z")},
         {"A", "X", "Y", "Z"}},
        // Cas is divided as the hhmm number: 23:00 weighs more than a day and 5:00.
        {"late evening after the next morning",
         {Rec("01.01.2010", 2300, "Late"), Rec("02.01.2010", 500, "Morning"),
          Rec("03.01.2010", 800, "C")},
         {"Morning", "Late", "C"}},
        {"an unreadable date keeps its place",
         {Rec("03.01.2010", 800, "C"), Rec("31.02.2010", 800, "Bad"), Rec("01.01.2010", 800, "A"),
          Rec("02.01.2010", 800, "B")},
         {"A", "Bad", "B", "C"}},
    };
    for (const auto& row : rows) {
        Session s = loaded(row.records);
        s.sortRecords();
        EXPECT_EQ(Observers(s.records()), row.order) << row.name;
    }
}

TEST_F(Store, FindByKeyTakesTheFirstEqualKeyAndReachesTheLastRecord) {
    Session s = loaded({Rec("01.01.2010", 800, "A"), Rec("02.01.2010", 800, "B"),
                        Rec("02.01.2010", 800, "C"), Rec("03.01.2010", 800, "D")});
    std::vector<int> found;
    for (const double key : {RecordKey(Date{2010, 1, 1}, 800), RecordKey(Date{2010, 1, 3}, 800),
                             RecordKey(Date{2011, 1, 2}, 800), *RecordKey(s.record(3))}) {
        s.findByKey(key);
        found.push_back(s.currentIndex());
    }
    // Equal keys: the first one.
    EXPECT_EQ(found, (std::vector<int>{1, 4, 4, 2}));
}

TEST_F(Store, NewRecordIsStoredInItsPlaceSummarisedAndSaved) {
    Session s = loaded(
        {Rec("01.01.2010", 800, "A"), Rec("03.01.2010", 800, "C"), Rec("04.01.2010", 800, "D")});
    EXPECT_FALSE(s.needsBackupQuestion());
    s.setWorkingRecord(Rec("02.01.2010", 930, "Bartoš, Karel"));
    s.storeWorkingRecord(EntryMode::New);

    EXPECT_EQ(Observers(s.records()), (std::vector<std::string>{"A", "Bartoš, Karel", "C", "D"}));
    EXPECT_EQ(s.currentIndex(), 2);
    EXPECT_TRUE(s.dataChanged() && s.needsBackupQuestion());
    const TZaznam& stored = s.record(2);
    const Ephemeris e = SolarEphemeris(Date{2010, 1, 2}, 930);
    EXPECT_EQ(std::pair(int(stored.Rotace), int(stored.L0)),
              std::pair(e.CarrRotation, static_cast<int>(e.L0)));
    const TSouhrn expected = StoredSummary(stored, e);
    EXPECT_EQ(std::memcmp(&stored.Souhrn, &expected, sizeof expected), 0);
    EXPECT_EQ(std::pair(stored.Souhrn.gSev + stored.Souhrn.gJih, int(stored.Souhrn.Cas)),
              std::pair(1, 930));
    EXPECT_NE(std::find(s.observers().begin(), s.observers().end(), "Bartoš, Karel"),
              s.observers().end());
    EXPECT_EQ(ReadWholeFile(datax()), std::string(RecordBytes(s.records())));
}

TEST_F(Store, UnreadableDatesAreRemovedTheBackupKeepsTheStartAndTheStoreNeverEmpties) {
    Session s = loaded({Rec("01.01.2010", 800, "A"), Rec("3x.01.2010", 800, "Bad"),
                        Rec("03.01.2010", 800, "C"), Rec("99.99.2010", 800, "Bad2")});
    const std::string start = ReadWholeFile(datax());
    s.selectRecord(4);
    EXPECT_EQ(s.removeUnreadableDates(), 2);
    EXPECT_EQ(Observers(s.records()), (std::vector<std::string>{"A", "C"}));
    EXPECT_EQ(s.currentIndex(), 2);
    EXPECT_TRUE(s.dataChanged());
    EXPECT_EQ(s.removeUnreadableDates(), 0);
    s.writeBackup();
    EXPECT_EQ(ReadWholeFile(dir.path() / "datax-zaloha.dat"), start);
    // Without a readable date left, the store holds a new archive's record.
    Session none = loaded({Rec("31.02.2003", 800)});
    EXPECT_EQ(none.removeUnreadableDates(), 1);
    ASSERT_EQ(std::pair(none.recordCount(), none.currentIndex()), std::pair(1, 1));
    EXPECT_TRUE(RecordDate(none.record(1)));
    none.saveAtExit();
    EXPECT_EQ(ReadRecordFile(datax()).records.size(), 1u);
}

TEST_F(Store, StoredRecordIsFoundByItsMomentNotByAnEqualKey) {
    // 19:40 of the 1st and 5:00 of the 2nd have the same key (1940 = 1440 + 500).
    Session s = loaded(
        {Rec("01.01.2010", 800, "A"), Rec("01.01.2010", 1940, "B"), Rec("03.01.2010", 800, "C")});
    ASSERT_EQ(RecordKey(Date{2010, 1, 1}, 1940), RecordKey(Date{2010, 1, 2}, 500));
    s.setWorkingRecord(Rec("02.01.2010", 500, "New"));
    s.storeWorkingRecord(EntryMode::New);
    ASSERT_EQ(s.record(s.currentIndex()).Pozorovatel.text(), "New");
    EXPECT_EQ(s.record(s.currentIndex()).Datum.text(), "02.01.2010");
    // Among drawings of one moment, the one stored, also when it is the first.
    Session same = loaded({Rec("05.01.2010", 800, "A"), Rec("05.01.2010", 800, "B")});
    same.selectRecord(1);
    ChangeWorkingRecord(same, [](TZaznam& z) { z.Pozorovatel.setText("A2"); });
    same.storeWorkingRecord(EntryMode::Correction);
    EXPECT_EQ(same.currentIndex(), 1);
}

TEST_F(Store, CorrectionOverwritesInPlaceAndFollowsAChangedDate) {
    Session s = loaded(
        {Rec("01.01.2010", 800, "A"), Rec("02.01.2010", 800, "B"), Rec("03.01.2010", 800, "C")});
    s.selectRecord(2);
    ChangeWorkingRecord(s, [](TZaznam& z) { z.Pozorovatel.setText("B2"); });
    s.storeWorkingRecord(EntryMode::Correction);
    EXPECT_EQ(Observers(s.records()), (std::vector<std::string>{"A", "B2", "C"}));
    EXPECT_EQ(s.currentIndex(), 2);

    ChangeWorkingRecord(s, [](TZaznam& z) { z.Datum.setText("05.01.2010"); });
    s.storeWorkingRecord(EntryMode::Correction);
    EXPECT_EQ(Observers(s.records()), (std::vector<std::string>{"A", "C", "B2"}));
    EXPECT_EQ(s.currentIndex(), 3);
    EXPECT_EQ(ReadRecordFile(datax()).records.size(), 3u);
}

TEST_F(Store, RecordWithoutADateIsRefusedAndNothingChanges) {
    Session s = loaded({Rec("01.01.2010", 800, "A")});
    const std::string before = ReadWholeFile(datax());
    s.setWorkingRecord(Rec("31.02.2010", 800, "X"));
    EXPECT_THROW(s.storeWorkingRecord(EntryMode::New), std::runtime_error);
    EXPECT_EQ(std::pair(s.recordCount(), s.dataChanged()), std::pair(1, false));
    EXPECT_EQ(ReadWholeFile(datax()), before);
}

TEST_F(Store, StoreGrowsPastTheOldCapacity) {
    Session s = loaded({Rec("01.01.2000", 800)});
    std::vector<TZaznam> many;
    for (int i = 0; i < 2100; ++i)
        many.push_back(Rec(FormatDatum(DateFromSerial(DaySerial({2000, 1, 2}) + i)), 800));
    s.mergeRecords(many);
    s.setWorkingRecord(Rec("01.06.2000", 1000, "Uprostřed"));
    s.storeWorkingRecord(EntryMode::New);
    EXPECT_EQ(s.recordCount(), 2102);
    EXPECT_EQ(s.record(s.currentIndex()).Pozorovatel.text(), "Uprostřed");
    EXPECT_EQ(ReadRecordFile(datax()).records.size(), 2102u);
}

// The backup holds the records exactly as they were read at start, whatever
// happened to the store since.
TEST_F(Store, BackupHoldsTheRecordsOfTheStart) {
    const struct {
        const char* name;
        std::function<void(Session&)> changes;
    } rows[] = {
        {"nothing changed", [](Session&) {}},
        {"saved with a drawing setting",
         [](Session& s) {
             s.setDrawingSetting({110, true});
             s.save();
         }},
        {"newest appended",
         [](Session& s) {
             s.setWorkingRecord(Rec("09.01.2010", 800, "New"));
             s.storeWorkingRecord(EntryMode::New);
         }},
        {"oldest inserted, then corrected",
         [](Session& s) {
             s.setWorkingRecord(Rec("01.01.2009", 800, "Old"));
             s.storeWorkingRecord(EntryMode::New);
             s.selectRecord(3);
             ChangeWorkingRecord(s, [](TZaznam& z) { z.Datum.setText("08.01.2010"); });
             s.storeWorkingRecord(EntryMode::Correction);
         }},
    };
    std::vector<TZaznam> records = {Rec("01.01.2010", 0, "A"), Rec("02.01.2010", 800, ""),
                                    Rec("03.01.2010", 800, "C"), Rec("04.01.2010", 800, "D")};
    records[2].Zvlastni.setText("zvlastni");
    for (const auto& row : rows) {
        Session s = loaded(records);
        const std::string start = ReadWholeFile(datax());
        row.changes(s);
        s.writeBackup();
        EXPECT_EQ(ReadWholeFile(dir.path() / "datax-zaloha.dat"), start) << row.name;
    }
}

TEST_F(Store, BackupAfterEveryRecordChangedInPlace) {
    std::vector<TZaznam> records;
    for (int i = 0; i < 300; ++i)
        records.push_back(Rec(FormatDatum(DateFromSerial(40000 + i)), 800));
    Session s = loaded(records);
    const std::string start = ReadWholeFile(datax());
    for (int k = 1; k <= s.recordCount(); ++k)
        ChangeRecord(s, k, [](TZaznam& z) { z.CisloZakresu = 0xBEEF; });
    s.save();
    s.writeBackup();
    EXPECT_EQ(ReadWholeFile(dir.path() / "datax-zaloha.dat"), start);
    EXPECT_EQ(ReadRecordFile(datax()).records[299].CisloZakresu, 0xBEEF);
}

TEST_F(Store, SaveAtExitOnlyWhenDataChanged) {
    Session s = loaded({Rec("01.01.2010", 800, "A")});
    std::filesystem::remove(datax());
    s.saveAtExit();
    EXPECT_FALSE(std::filesystem::exists(datax()));
    ChangeRecord(s, 1, [](TZaznam& z) { z.PP = 3; });
    s.saveAtExit();
    EXPECT_EQ(ReadRecordFile(datax()).records.size(), 1u);
}

TEST_F(Store, SplitWritesTheRangesOrExplainsWhy) {
    const std::vector<std::string> none = {"-"}, empty = {};
    const struct {
        const char* name;
        std::array<SplitRow, 5> rows;
        std::vector<std::vector<std::string>> files; // per row: observers written; {"-"}: no file
    } cases[] = {
        {"one date: its one record in row 1, none later",
         {{{"02.08.2011", "02.08.2011"},
           {"02.08.2011", "02.08.2011"},
           {},
           {},
           {"2.8.2011", "2.8.2011"}}},
         {{"b"}, empty, none, none, empty}},
        {"row 1 starts at the last record of its date",
         {{{"01.08.2011", "05.08.2011"}, {}, {}, {}, {}}},
         {{"a2", "b", "c"}, none, none, none, none}},
        {"later rows leave out the from-record",
         {{{"01.08.2011", "02.08.2011"}, {"02.08.2011", "10.08.2011"}, {}, {}, {}}},
         {{"a2", "b"}, {"c", "d"}, none, none, none}},
        {"a row whose dates match no record is skipped",
         {{{"03.08.2011", "05.08.2011"},
           {"01.08.2011", "04.08.2011"},
           {"05.08.2011", "01.08.2011"},
           {"01.08.2011", "05.08.2011"},
           {}}},
         {none, none, none, {"b", "c"}, none}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TempDir d;
        WriteRecords(d.path() / "datax.dat",
                     {Rec("01.08.2011", 700, "a1"), Rec("01.08.2011", 900, "a2"),
                      Rec("02.08.2011", 800, "b"), Rec("05.08.2011", 800, "c"),
                      Rec("10.08.2011", 800, "d")});
        Session s(d.path());
        s.load(Today);
        EXPECT_FALSE(s.split(c.rows).error);
        for (std::size_t row = 0; row < 5; ++row) {
            const auto path = d.path() / ("datax" + std::to_string(row + 1) + ".dat");
            if (c.files[row] == none)
                EXPECT_FALSE(std::filesystem::exists(path)) << row + 1;
            else if (std::filesystem::exists(path))
                EXPECT_EQ(Observers(ReadRecordFile(path).records), c.files[row]) << row + 1;
            else
                ADD_FAILURE() << "no file of row " << row + 1;
        }
    }

    Session s = loaded({Rec("01.08.2011", 700), Rec("02.08.2011", 700)});
    const SplitResult skipped =
        s.split({{{"03.08.2011", "02.08.2011"}, {"02.08.2011", "01.08.2011"}, {}, {}, {}}});
    ASSERT_EQ(skipped.rows.size(), 2u);
    EXPECT_FALSE(skipped.rows[0].written);
    EXPECT_NE(skipped.rows[0].note.find("03.08.2011"), std::string::npos);
    EXPECT_NE(skipped.rows[1].note.find("je až po datu"), std::string::npos);
    // A bad date anywhere writes nothing.
    const SplitResult bad =
        s.split({{{"01.08.2011", "02.08.2011"}, {"32.13.2011", "02.08.2011"}, {}, {}, {}}});
    ASSERT_TRUE(bad.error);
    EXPECT_NE(bad.error->find("řádku 2"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(dir.path() / "datax1.dat"));
}

} // namespace
