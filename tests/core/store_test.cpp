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

namespace {

const Date Today{2026, 12, 6};

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
    const LoadResult r = s.load(Today);
    EXPECT_FALSE(r.fileExisted);
    ASSERT_EQ(s.recordCount(), 1);
    EXPECT_EQ(s.recordsAtStart(), 0);
    EXPECT_EQ(s.record(1).Cas, 1200);
    EXPECT_EQ(s.record(1).PocetSkupin, 0);
    EXPECT_EQ(s.observers(), std::vector<std::string>{"N"});
    EXPECT_FALSE(s.drawingSettingOfRecord1());
    EXPECT_TRUE(s.drawingNumbers());

    s.save();
    const auto file = ReadRecordFile(datax()).records;
    ASSERT_EQ(file.size(), 1u);
    EXPECT_EQ(file[0].Datum.text(), "06.12.2026");
    // No radius chosen yet: the save takes 125 mm, polar entry.
    EXPECT_EQ(file[0].NastaveniKresby, 125);
    EXPECT_EQ(s.drawingRadius(), 125);
}

struct NormaliseCase {
    const char* name;
    std::function<void(TZaznam&)> change;
    std::function<void(const TZaznam&)> check;
};

class LoadNormalisation : public testing::TestWithParam<NormaliseCase> {};

TEST_P(LoadNormalisation, OfOneRecord) {
    TempDir dir;
    std::vector<TZaznam> records = {Rec("01.02.2003", 800), Rec("02.02.2003", 900)};
    GetParam().change(records[1]);
    WriteRecords(dir.path() / "datax.dat", records);
    Session s(dir.path());
    s.load(Today);
    ASSERT_EQ(s.recordCount(), 2);
    GetParam().check(s.record(2));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LoadNormalisation,
    testing::Values(
        NormaliseCase{"MarkerAfterZvlBecomesTheMarker",
                      [](TZaznam& z) { z.Zvlastni.setText("zvlastni"); },
                      [](const TZaznam& z) { EXPECT_EQ(z.Zvlastni.text(), "zvlášťní"); }},
        NormaliseCase{"MarkerZvlItselfStays", [](TZaznam& z) { z.Zvlastni.setText("zvl"); },
                      [](const TZaznam& z) { EXPECT_EQ(z.Zvlastni.text(), "zvl"); }},
        NormaliseCase{"EmptyObserverBecomesN", [](TZaznam& z) { z.Pozorovatel.setText(""); },
                      [](const TZaznam& z) { EXPECT_EQ(z.Pozorovatel.text(), "N"); }},
        NormaliseCase{"NoGroupsClearsEveryPosition",
                      [](TZaznam& z) {
                          z.PocetSkupin = 0;
                          z.Skupiny[39].Vzd = 77;
                      },
                      [](const TZaznam& z) {
                          EXPECT_EQ(z.Skupiny[0].Uhel, 0);
                          EXPECT_EQ(z.Skupiny[0].Vzd, 0);
                          EXPECT_EQ(z.Skupiny[39].Vzd, 0);
                      }},
        NormaliseCase{"GroupsKeepPositions", [](TZaznam& z) { z.Skupiny[5].Uhel = 77; },
                      [](const TZaznam& z) {
                          EXPECT_EQ(z.Skupiny[0].Uhel, 300);
                          EXPECT_EQ(z.Skupiny[5].Uhel, 77);
                      }},
        NormaliseCase{"TimeZeroBecomes1200", [](TZaznam& z) { z.Cas = 0; },
                      [](const TZaznam& z) { EXPECT_EQ(z.Cas, 1200); }}),
    [](const auto& info) { return std::string(info.param.name); });

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
    EXPECT_EQ(s.recordsAtStart(), 4);
    ASSERT_EQ(s.recordCount(), 2);
    EXPECT_EQ(s.record(2).Pozorovatel.text(), "B");
    EXPECT_EQ(s.currentIndex(), 2);
    ASSERT_EQ(s.warnings().size(), 1u);
    EXPECT_NE(s.warnings()[0].find("2 prázdných"), std::string::npos);

    s.save();
    EXPECT_EQ(Observers(ReadRecordFile(datax()).records), (std::vector<std::string>{"A", "B"}));
}

TEST_F(Store, PartialRecordAtTheEndIsIgnored) {
    WriteRecords(datax(), {Rec("01.02.2003", 800), Rec("02.02.2003", 800)});
    std::string bytes = ReadWholeFile(datax()) + std::string(100, 'x');
    WriteFileAtomic(datax(), bytes);
    Session s(dir.path());
    EXPECT_EQ(s.load(Today).trailingBytes, 100u);
    EXPECT_EQ(s.recordCount(), 2);
}

TEST_F(Store, UnreadableFileIsReportedAndChangesNothing) {
    Session s = loaded({Rec("01.02.2003", 800)});
    std::filesystem::remove(datax());
    std::filesystem::create_directory(datax());
    EXPECT_THROW(s.load(Today), std::runtime_error);
    EXPECT_EQ(s.recordCount(), 1);
    EXPECT_EQ(s.record(1).Datum.text(), "01.02.2003");
}

TEST_F(Store, DrawingNumbersAreInUseWhenAnyRecordHasOne) {
    EXPECT_FALSE(loaded({Rec("01.02.2003", 800), Rec("02.02.2003", 800)}).drawingNumbers());
    TZaznam numbered = Rec("02.02.2003", 800);
    numbered.CisloZakresu = 103;
    EXPECT_TRUE(loaded({Rec("01.02.2003", 800), numbered}).drawingNumbers());
    EXPECT_TRUE(loaded({Rec("01.02.2003", 800)}).drawingNumbers());
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
    {
        // Room for three records: the write stops in the middle of the fourth.
        FileSizeLimit limit(3 * RecordSize + 100);
        EXPECT_THROW(s.storeWorkingRecord(EntryMode::New), std::runtime_error);
    }
    EXPECT_EQ(ReadWholeFile(datax()), before);
    // The entry is not lost: it stays in memory for the next save.
    EXPECT_EQ(s.recordCount(), 10);
    EXPECT_EQ(s.record(10).Pozorovatel.text(), "Nový, Pozorovatel");
    for (const auto& entry : std::filesystem::directory_iterator(dir.path()))
        EXPECT_EQ(entry.path().filename(), "datax.dat") << "left behind: " << entry.path();

    s.save();
    EXPECT_EQ(ReadRecordFile(datax()).records.size(), 10u);
}

TEST_F(Store, SaveIntoAMissingFolderFails) {
    Session s(dir.path() / "missing");
    s.load(Today);
    EXPECT_THROW(s.save(), std::runtime_error);
}

struct SortCase {
    const char* name;
    std::vector<TZaznam> records;
    std::vector<std::string> order; // observers after the sort
};

class Sort : public testing::TestWithParam<SortCase> {};

TEST_P(Sort, ByKey) {
    TempDir dir;
    WriteRecords(dir.path() / "datax.dat", GetParam().records);
    Session s(dir.path());
    s.load(Today);
    s.sortRecords();
    EXPECT_EQ(Observers(s.records()), GetParam().order);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Sort,
    testing::Values(SortCase{"TwoRecordsInReverseStay",
                             {Rec("02.01.2010", 800, "B"), Rec("01.01.2010", 800, "A")},
                             {"B", "A"}},
                    SortCase{"EqualKeysKeepTheirOrder",
                             {Rec("05.01.2010", 800, "X"), Rec("05.01.2010", 800, "Y"),
                              Rec("01.01.2010", 800, "A"), Rec("05.01.2010", 800, "Z")},
                             {"A", "X", "Y", "Z"}},
                    // Cas is divided as the hhmm number: 23:00 weighs more than a day and 5:00.
                    SortCase{"LateEveningSortsAfterNextMorning",
                             {Rec("01.01.2010", 2300, "Late"), Rec("02.01.2010", 500, "Morning"),
                              Rec("03.01.2010", 800, "C")},
                             {"Morning", "Late", "C"}},
                    SortCase{"UnreadableDateKeepsItsPlace",
                             {Rec("03.01.2010", 800, "C"), Rec("31.02.2010", 800, "Bad"),
                              Rec("01.01.2010", 800, "A"), Rec("02.01.2010", 800, "B")},
                             {"A", "Bad", "B", "C"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Store, FindByKeyTakesTheFirstEqualKeyAndReachesTheLastRecord) {
    Session s = loaded({Rec("01.01.2010", 800, "A"), Rec("02.01.2010", 800, "B"),
                        Rec("02.01.2010", 800, "C"), Rec("03.01.2010", 800, "D")});
    s.findByKey(RecordKey(Date{2010, 1, 1}, 800));
    EXPECT_EQ(s.currentIndex(), 1);
    s.findByKey(RecordKey(Date{2010, 1, 3}, 800));
    EXPECT_EQ(s.currentIndex(), 4);
    s.findByKey(RecordKey(Date{2011, 1, 2}, 800));
    EXPECT_EQ(s.currentIndex(), 4);
    s.findByKey(*RecordKey(s.record(3)));
    EXPECT_EQ(s.currentIndex(), 2) << "equal keys: the first one";
}

TEST_F(Store, NewRecordIsStoredInItsPlaceSummarisedAndSaved) {
    Session s = loaded(
        {Rec("01.01.2010", 800, "A"), Rec("03.01.2010", 800, "C"), Rec("04.01.2010", 800, "D")});
    EXPECT_FALSE(s.needsBackupQuestion());
    s.setWorkingRecord(Rec("02.01.2010", 930, "Bartoš, Karel"));
    s.storeWorkingRecord(EntryMode::New);

    EXPECT_EQ(Observers(s.records()), (std::vector<std::string>{"A", "Bartoš, Karel", "C", "D"}));
    EXPECT_EQ(s.currentIndex(), 2);
    EXPECT_TRUE(s.dataChanged());
    EXPECT_TRUE(s.needsBackupQuestion());
    const TZaznam& stored = s.record(2);
    const Ephemeris e = SolarEphemeris(Date{2010, 1, 2}, 930);
    EXPECT_EQ(stored.Rotace, e.CarrRotation);
    EXPECT_EQ(stored.L0, static_cast<int>(e.L0));
    const TSouhrn expected = StoredSummary(stored, e);
    EXPECT_EQ(std::memcmp(&stored.Souhrn, &expected, sizeof expected), 0);
    EXPECT_EQ(stored.Souhrn.gSev + stored.Souhrn.gJih, 1);
    EXPECT_EQ(stored.Souhrn.Cas, 930);
    EXPECT_NE(std::find(s.observers().begin(), s.observers().end(), "Bartoš, Karel"),
              s.observers().end());
    EXPECT_EQ(ReadWholeFile(datax()), std::string(RecordBytes(s.records())));
}

TEST_F(Store, UnreadableDatesAreRemovedAndTheBackupKeepsTheStart) {
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
    EXPECT_EQ(s.recordCount(), 1);
    EXPECT_FALSE(s.dataChanged());
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
struct BackupCase {
    const char* name;
    std::function<void(Session&)> changes;
};

class Backup : public testing::TestWithParam<BackupCase> {};

TEST_P(Backup, HoldsTheRecordsOfTheStart) {
    TempDir dir;
    std::vector<TZaznam> records = {Rec("01.01.2010", 0, "A"), Rec("02.01.2010", 800, ""),
                                    Rec("03.01.2010", 800, "C"), Rec("04.01.2010", 800, "D")};
    records[2].Zvlastni.setText("zvlastni");
    WriteRecords(dir.path() / "datax.dat", records);
    const std::string start = ReadWholeFile(dir.path() / "datax.dat");
    Session s(dir.path());
    s.load(Today);
    GetParam().changes(s);
    s.writeBackup();
    EXPECT_EQ(ReadWholeFile(dir.path() / "datax-zaloha.dat"), start);
}

INSTANTIATE_TEST_SUITE_P(Cases, Backup,
                         testing::Values(BackupCase{"NothingChanged", [](Session&) {}},
                                         BackupCase{"SavedWithADrawingSetting",
                                                    [](Session& s) {
                                                        s.setDrawingSetting({110, true});
                                                        s.save();
                                                    }},
                                         BackupCase{"NewestAppended",
                                                    [](Session& s) {
                                                        s.setWorkingRecord(
                                                            Rec("09.01.2010", 800, "New"));
                                                        s.storeWorkingRecord(EntryMode::New);
                                                    }},
                                         BackupCase{"OldestInsertedThenCorrected",
                                                    [](Session& s) {
                                                        s.setWorkingRecord(
                                                            Rec("01.01.2009", 800, "Old"));
                                                        s.storeWorkingRecord(EntryMode::New);
                                                        s.selectRecord(3);
                                                        ChangeWorkingRecord(s, [](TZaznam& z) {
                                                            z.Datum.setText("08.01.2010");
                                                        });
                                                        s.storeWorkingRecord(EntryMode::Correction);
                                                    }}),
                         [](const auto& info) { return std::string(info.param.name); });

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

struct SplitCase {
    const char* name;
    std::array<SplitRow, 5> rows;
    std::vector<std::vector<std::string>> files; // per row: observers written; {"-"} = no file
};

class Split : public testing::TestWithParam<SplitCase> {};

TEST_P(Split, WritesTheRanges) {
    TempDir dir;
    WriteRecords(dir.path() / "datax.dat",
                 {Rec("01.08.2011", 700, "a1"), Rec("01.08.2011", 900, "a2"),
                  Rec("02.08.2011", 800, "b"), Rec("05.08.2011", 800, "c"),
                  Rec("10.08.2011", 800, "d")});
    Session s(dir.path());
    s.load(Today);
    const SplitResult r = s.split(GetParam().rows);
    EXPECT_FALSE(r.error);
    for (int row = 1; row <= 5; ++row) {
        const auto path = dir.path() / ("datax" + std::to_string(row) + ".dat");
        const auto& expected = GetParam().files[static_cast<std::size_t>(row - 1)];
        if (expected == std::vector<std::string>{"-"}) {
            EXPECT_FALSE(std::filesystem::exists(path)) << row;
            continue;
        }
        ASSERT_TRUE(std::filesystem::exists(path)) << row;
        EXPECT_EQ(Observers(ReadRecordFile(path).records), expected) << row;
    }
}

const std::vector<std::string> none = {"-"};
const std::vector<std::string> empty = {};

INSTANTIATE_TEST_SUITE_P(
    Cases, Split,
    testing::Values(SplitCase{"SameSingleDateGivesOneRecordInRow1AndNoneLater",
                              {{{"02.08.2011", "02.08.2011"},
                                {"02.08.2011", "02.08.2011"},
                                {},
                                {},
                                {"2.8.2011", "2.8.2011"}}},
                              {{"b"}, empty, none, none, empty}},
                    SplitCase{"Row1StartsAtTheLastRecordOfItsDate",
                              {{{"01.08.2011", "05.08.2011"}, {}, {}, {}, {}}},
                              {{"a2", "b", "c"}, none, none, none, none}},
                    SplitCase{
                        "LaterRowsLeaveOutTheFromRecord",
                        {{{"01.08.2011", "02.08.2011"}, {"02.08.2011", "10.08.2011"}, {}, {}, {}}},
                        {{"a2", "b"}, {"c", "d"}, none, none, none}},
                    SplitCase{"RowWhoseDatesMatchNoRecordIsSkipped",
                              {{{"03.08.2011", "05.08.2011"},
                                {"01.08.2011", "04.08.2011"},
                                {"05.08.2011", "01.08.2011"},
                                {"01.08.2011", "05.08.2011"},
                                {}}},
                              {none, none, none, {"b", "c"}, none}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Store, SplitWithABadDateWritesNothing) {
    Session s = loaded({Rec("01.08.2011", 700), Rec("02.08.2011", 700)});
    const SplitResult r =
        s.split({{{"01.08.2011", "02.08.2011"}, {"32.13.2011", "02.08.2011"}, {}, {}, {}}});
    ASSERT_TRUE(r.error);
    EXPECT_NE(r.error->find("řádku 2"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(dir.path() / "datax1.dat"));
}

TEST_F(Store, SplitExplainsSkippedRows) {
    Session s = loaded({Rec("01.08.2011", 700), Rec("02.08.2011", 700)});
    const SplitResult r =
        s.split({{{"03.08.2011", "02.08.2011"}, {"02.08.2011", "01.08.2011"}, {}, {}, {}}});
    ASSERT_EQ(r.rows.size(), 2u);
    EXPECT_FALSE(r.rows[0].written);
    EXPECT_NE(r.rows[0].note.find("03.08.2011"), std::string::npos);
    EXPECT_NE(r.rows[1].note.find("je až po datu"), std::string::npos);
}

} // namespace
