// Damaged and hostile input: empty and all-zero record files, things that are
// not files, stale temporary files, oversized side files, names that would
// lead out of their folder.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <tuple>

#include "core/store_fixtures.h"
#include "drawing/drawing_records.h"
#include "graphs/analysis_tables.h"
#include "graphs/corona.h"
#include "graphs/magn_dat.h"
#include "io/file_names.h"
#include "records/session.h"
#include "records/startup.h"
#include "records/startup_files.h"
#include "results/cv_report.h"
#include "results/intersol_recipient.h"
#include "results/station_data.h"
#include "tests_support/temp_dir.h"

using namespace hk;
using namespace hk::store_test;

namespace {

const Date Today{2026, 12, 6};

std::string recordWithDate(const std::string& date) {
    return Bytes({Rec(date, 800)});
}

struct EmptyStoreCase {
    const char* name;
    std::string bytes;
};

class EmptyRecordFile : public testing::TestWithParam<EmptyStoreCase> {};

// Each starts like a missing file: one record of today, the setting asked for.
TEST_P(EmptyRecordFile, StartsAsANewArchive) {
    TempDir dir;
    WriteFileAtomic(dir.path() / "datax.dat", GetParam().bytes);
    Session s(dir.path());
    const StartupResult r = RunStartup(s, 768, Today);
    EXPECT_TRUE(r.load.noRecords);
    EXPECT_TRUE(r.askDrawingSetting);
    ASSERT_EQ(s.recordCount(), 1);
    EXPECT_EQ(s.record(1).Datum.text(), "06.12.2026");
    EXPECT_EQ(s.record(1).Pozorovatel.text(), "N");
    EXPECT_EQ(s.currentIndex(), 1);
    ASSERT_FALSE(s.warnings().empty());
    EXPECT_NE(s.warnings().front().find("novým archivem"), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, EmptyRecordFile,
    testing::Values(EmptyStoreCase{"ZeroBytes", ""},
                    EmptyStoreCase{"ShorterThanOneRecord",
                                   recordWithDate("01.02.2003").substr(0, 1000)},
                    EmptyStoreCase{"OnlyEmptyDates", std::string(3 * RecordSize, '\0')},
                    EmptyStoreCase{"ZerosAndAPartialRecord", std::string(RecordSize + 17, '\0')}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(EmptyStore, RemovingEveryUnreadableDateLeavesANewArchiveRecord) {
    TempDir dir;
    WriteRecords(dir.path() / "datax.dat", {Rec("31.02.2003", 800)});
    Session s(dir.path());
    s.load(Today);
    EXPECT_EQ(s.removeUnreadableDates(), 1);
    ASSERT_EQ(s.recordCount(), 1);
    EXPECT_TRUE(RecordDate(s.record(1)));
    EXPECT_EQ(s.currentIndex(), 1);
    s.saveAtExit();
    EXPECT_EQ(ReadRecordFile(dir.path() / "datax.dat").records.size(), 1u);
}

struct NotAFileCase {
    const char* name;
    std::function<void(const std::filesystem::path&)> make;
    const char* message;
};

class NotAFile : public testing::TestWithParam<NotAFileCase> {};

// Every reader refuses at once, with the kind in the message, never blocks.
TEST_P(NotAFile, IsRefusedByEveryReader) {
    TempDir dir;
    const auto path = dir.path() / "datax.dat";
    GetParam().make(path);
    for (const auto& read : std::vector<std::function<void()>>{[&] { ReadWholeFile(path); },
                                                               [&] { ReadRecordFile(path); }}) {
        try {
            read();
            ADD_FAILURE() << "no error";
        } catch (const std::runtime_error& e) {
            EXPECT_NE(std::string(e.what()).find(GetParam().message), std::string::npos)
                << e.what();
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, NotAFile,
    testing::Values(
        NotAFileCase{"Fifo", [](const auto& p) { ASSERT_EQ(::mkfifo(p.c_str(), 0600), 0); },
                     "roura"},
        NotAFileCase{"Folder", [](const auto& p) { std::filesystem::create_directory(p); },
                     "adresář"},
        NotAFileCase{"Device",
                     [](const auto& p) { std::filesystem::create_symlink("/dev/zero", p); },
                     "zařízení"}),
    [](const auto& info) { return std::string(info.param.name); });

// Side files that are not files: a warning each, nothing read or replaced.
TEST(SideFiles, ThatAreNotFilesAreWarnedAboutAndLeftAlone) {
    TempDir dir;
    std::filesystem::create_directories(dir.path() / "SIDC");
    ASSERT_EQ(::mkfifo((dir.path() / "Zvetsit.zve").c_str(), 0600), 0);
    ASSERT_EQ(::mkfifo((dir.path() / "SIDC/Plochy.txt").c_str(), 0600), 0);
    std::filesystem::create_directory(dir.path() / "pristroj.dat");
    Session s(dir.path());
    const StartupResult r = RunStartup(s, 768, Today);
    EXPECT_FALSE(r.enlargementFileCreated);
    EXPECT_EQ(std::filesystem::status(dir.path() / "Zvetsit.zve").type(),
              std::filesystem::file_type::fifo);
    int warned = 0;
    for (const auto& w : s.warnings())
        warned += w.find("není obyčejný soubor") != std::string::npos;
    EXPECT_EQ(warned, 3);
}

// Side files and folders read later, and the corona files: whatever stands
// in their place is named in the start-up list (the corona's when it is
// first read), and no reader blocks on it.
struct LaterSideFileCase {
    const char* name;
    const char* file;
    bool fifo; // else a folder, or a plain file where a folder belongs
    const char* warning;
};

class LaterSideFile : public testing::TestWithParam<LaterSideFileCase> {};

TEST_P(LaterSideFile, IsNamedAtStartAndNeverBlocks) {
    TempDir dir;
    WriteFileAtomic(dir.path() / "datax.dat", recordWithDate("01.02.2003"));
    const std::filesystem::path path = dir.path() / GetParam().file;
    std::filesystem::create_directories(path.parent_path());
    if (GetParam().fifo)
        ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0);
    else if (std::string(GetParam().warning).find("adresář") != std::string::npos)
        WriteFileAtomic(path, "x");
    else
        std::filesystem::create_directory(path);
    Session s(dir.path());
    RunStartup(s, 768, Today);
    AnalysisTables analysis(s);
    analysis.corona();
    std::vector<std::string> warnings = s.warnings();
    for (std::string& w : analysis.takeWarnings())
        warnings.push_back(std::move(w));
    int named = 0;
    for (const std::string& w : warnings)
        named += w.find(path.string()) != std::string::npos &&
                 w.find(GetParam().warning) != std::string::npos;
    EXPECT_EQ(named, 1) << testing::PrintToString(warnings);

    // The readers used later take it as missing or fail with a message.
    const ProgramDir pd(dir.path());
    EXPECT_NO_THROW(ReadStationData(pd));
    EXPECT_NO_THROW(ReadInterSolRecipient(pd.resolve("InterSolAdresa.txt")));
    if (GetParam().fifo && std::string(GetParam().file) == "magn.dat") {
        EXPECT_THROW(MagnDatCells::read(path, 2), std::runtime_error);
    }
    // Nothing is written over a FIFO or a folder.
    if (std::string(GetParam().warning).find("adresář") == std::string::npos) {
        EXPECT_THROW(WriteFileAtomic(path, "x"), std::runtime_error);
    }
    if (std::string(GetParam().file) == "pozorovateleP.dat") {
        EXPECT_THROW(s.writeObserverTable(path), std::runtime_error);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LaterSideFile,
    testing::Values(
        LaterSideFileCase{"ObecdataFifo", "Obecdata.dat", true, "není obyčejný soubor"},
        LaterSideFileCase{"PopisNovFifo", "PopisNov.txt", true, "není obyčejný soubor"},
        LaterSideFileCase{"InterSolAdresaFolder", "InterSolAdresa.txt", false,
                          "není obyčejný soubor"},
        LaterSideFileCase{"MagnDatFifo", "magn.dat", true, "není obyčejný soubor"},
        LaterSideFileCase{"ObserversFifo", "pozorovateleP.dat", true, "není obyčejný soubor"},
        LaterSideFileCase{"DailySeriesFifo", "SIDC/dssn2001.dat", true, "není obyčejný soubor"},
        LaterSideFileCase{"CoronaYearFifo", "KoronaX/HR1940.csv", true, "roura"},
        LaterSideFileCase{"CoronaFolderIsAFile", "KoronaX", false, "není adresář"},
        LaterSideFileCase{"SidcIsAFile", "SIDC", false, "není adresář"},
        LaterSideFileCase{"MagnetoIsAFile", "Magneto", false, "není adresář"}),
    [](const auto& info) { return std::string(info.param.name); });

// A FIFO among the corona years ends the loading there, the years before it
// stay.
TEST(corona, AFifoAmongTheYearsEndsTheLoadingWithAWarning) {
    TempDir dir;
    std::filesystem::create_directories(dir.path() / "KoronaX");
    std::string day = "1 1940 1 1 1 0";
    for (int k = 1; k <= CoronaValues; ++k)
        day += " " + std::to_string(k);
    WriteFileAtomic(dir.path() / "KoronaX/HR1940.csv", day + "\r\n");
    ASSERT_EQ(::mkfifo((dir.path() / "KoronaX/HR1941.csv").c_str(), 0600), 0);
    WriteFileAtomic(dir.path() / "KoronaX/HR1942.csv", day + "\r\n");
    const CoronaLoad load = LoadCorona(ProgramDir(dir.path()));
    EXPECT_EQ(load.years, 1);
    EXPECT_EQ(load.table.rows(), 1u);
    EXPECT_EQ(load.table.value(0, 72), 72);
    ASSERT_TRUE(load.warning);
    EXPECT_NE(load.warning->find("HR1941.csv"), std::string::npos);
}

struct TempNameCase {
    const char* name;
    const char* file;
    bool ours;
    long pid = 0;
    const char* target = "";
};

class TempName : public testing::TestWithParam<TempNameCase> {};

TEST_P(TempName, Recognised) {
    const auto parsed = ParseTempFileName(GetParam().file);
    ASSERT_EQ(parsed.has_value(), GetParam().ours);
    if (!parsed) return;
    EXPECT_EQ(parsed->pid, GetParam().pid);
    EXPECT_EQ(parsed->target, GetParam().target);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TempName,
    testing::Values(
        TempNameCase{"Save", "datax.dat.4242.123456.heliokres-tmp", true, 4242, "datax.dat"},
        TempNameCase{"YearFile", "dssn2020.dat.77.5.heliokres-tmp", true, 77, "dssn2020.dat"},
        TempNameCase{"OlderVersionWriterUnknown", "datax.dat.123456.heliokres-tmp", true, 0,
                     "datax.dat"},
        TempNameCase{"DigitsInTheNameAreNoPid", "CV202506.txt.7.heliokres-tmp", true, 0,
                     "CV202506.txt"},
        TempNameCase{"NoDigits", "datax.dat..heliokres-tmp", false},
        TempNameCase{"NoName", ".12.heliokres-tmp", false},
        TempNameCase{"SuffixOnly", ".heliokres-tmp", false},
        TempNameCase{"OldStyle", "datax.dat.tmp123456", false},
        TempNameCase{"UsersFile", "poznamky.tmp", false},
        TempNameCase{"LettersBeforeSuffix", "datax.dat.abc.heliokres-tmp", false}),
    [](const auto& info) { return std::string(info.param.name); });

struct DamagedCase {
    const char* name;
    const char* file;
    std::size_t size;
    char fill;
    const char* message = "příliš velký";
};

class DamagedSideFile : public testing::TestWithParam<DamagedCase> {};

// Larger than its format can hold, or zero bytes where text stands: refused
// with a warning, defaults kept.
TEST_P(DamagedSideFile, IsRefusedWithAWarning) {
    TempDir dir;
    std::filesystem::create_directories((dir.path() / GetParam().file).parent_path());
    WriteFileAtomic(dir.path() / GetParam().file, std::string(GetParam().size, GetParam().fill));
    Session s(dir.path());
    RunStartup(s, 768, Today);
    bool warned = false;
    for (const auto& w : s.warnings())
        warned = warned || w.find(GetParam().message) != std::string::npos;
    EXPECT_TRUE(warned);
    EXPECT_EQ(s.tables().instrument, DefaultInstrument());
    EXPECT_EQ(s.tables().enlargementFactor, DefaultEnlargementFactor);
    EXPECT_EQ(s.observerTable().size(), 0);
    // The observer table read nothing of the file: it never replaces it.
    if (std::string(GetParam().file) == "pozorovateleP.dat") {
        EXPECT_THROW(s.addObserver({"1", "Nový", "", "", "", ""}), std::runtime_error);
        EXPECT_THROW(s.writeObserverTable(dir.path() / "pozorovatelep.dat"), std::runtime_error);
        EXPECT_EQ(std::filesystem::file_size(dir.path() / GetParam().file), GetParam().size);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DamagedSideFile,
    testing::Values(DamagedCase{"Zvetsit", "Zvetsit.zve", SmallTextFileLimit + 1, '1'},
                    DamagedCase{"Pristroj", "pristroj.dat", SmallTextFileLimit + 1, 'x'},
                    DamagedCase{"Observers", "pozorovateleP.dat", ObserverFileLimit + 1, '\n'},
                    DamagedCase{"Year", "SIDC/dssn2020.dat", DailySeriesFileLimit + 1, '\n'},
                    DamagedCase{"Areas", "SIDC/Plochy.txt", OutsideTableFileLimit + 1, '\n'},
                    DamagedCase{"PristrojOfZeros", "pristroj.dat", 100, '\0', "nulové bajty"},
                    DamagedCase{"ObserversOfZeros", "pozorovateleP.dat", 100, '\0', "nulové bajty"},
                    DamagedCase{"ZvetsitOfZeros", "Zvetsit.zve", 100, '\0', "celé číslo"}),
    [](const auto& info) { return std::string(info.param.name); });

struct NameCase {
    const char* name;
    const char* prefix;
    bool safe;
};

class PictureName : public testing::TestWithParam<NameCase> {};

TEST_P(PictureName, StaysInItsFolder) {
    EXPECT_EQ(!PictureNamePrefixError(GetParam().prefix), GetParam().safe);
    if (!GetParam().safe) {
        EXPECT_THROW(RangeImageName(GetParam().prefix, Today, 705, true), std::runtime_error);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PictureName,
    testing::Values(NameCase{"Plain", "Úpice 2026", true}, NameCase{"Empty", "", true},
                    NameCase{"ParentFolders", "../../x", false},
                    NameCase{"Absolute", "/tmp/x", false}, NameCase{"Backslash", "..\\x", false},
                    NameCase{"DotDot", "..", false}, NameCase{"Drive", "C:x", false},
                    NameCase{"LineBreak", "a\nb", false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ReportNames, ALineBreakInTheObserverStaysInItsLine) {
    const std::vector<TZaznam> records = {Rec("01.06.2025", 800), Rec("02.06.2025", 900)};
    const ReportFile plain =
        BuildCvReport(records, GeometryCache::of(records), 0, "Novák Jan", StationData{});
    const ReportFile broken =
        BuildCvReport(records, GeometryCache::of(records), 0, "Novák\nJan", StationData{});
    EXPECT_EQ(broken.text, plain.text);
}

} // namespace
