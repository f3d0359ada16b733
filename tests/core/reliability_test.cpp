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

// Each starts like a missing file: one record of today, the setting asked for.
TEST(EmptyRecordFile, StartsAsANewArchive) {
    const std::pair<const char*, std::string> rows[] = {
        {"zero bytes", ""},
        {"shorter than one record", Bytes({Rec("01.02.2003", 800)}).substr(0, 1000)},
        {"only empty dates", std::string(3 * RecordSize, '\0')},
        {"zeros and a partial record", std::string(RecordSize + 17, '\0')}};
    for (const auto& [name, bytes] : rows) {
        SCOPED_TRACE(name);
        TempDir dir;
        WriteFileAtomic(dir.path() / "datax.dat", bytes);
        Session s(dir.path());
        const StartupResult r = RunStartup(s, 768, Today);
        EXPECT_TRUE(r.load.noRecords && r.askDrawingSetting);
        ASSERT_EQ(std::pair(s.recordCount(), s.currentIndex()), std::pair(1, 1));
        EXPECT_EQ(s.record(1).Datum.text() + s.record(1).Pozorovatel.text(), "06.12.2026N");
        ASSERT_FALSE(s.warnings().empty());
        EXPECT_NE(s.warnings().front().find("novým archivem"), std::string::npos);
    }
}

// Every reader refuses at once, with the kind in the message, never blocks.
TEST(NotAFile, IsRefusedByEveryReader) {
    const struct {
        const char* message;
        std::function<void(const std::filesystem::path&)> make;
    } rows[] = {
        {"roura", [](const auto& p) { ASSERT_EQ(::mkfifo(p.c_str(), 0600), 0); }},
        {"adresář", [](const auto& p) { std::filesystem::create_directory(p); }},
        {"zařízení", [](const auto& p) { std::filesystem::create_symlink("/dev/zero", p); }},
    };
    for (const auto& row : rows) {
        TempDir dir;
        const auto path = dir.path() / "datax.dat";
        row.make(path);
        for (const auto& read : std::vector<std::function<void()>>{[&] { ReadWholeFile(path); },
                                                                   [&] { ReadRecordFile(path); }}) {
            try {
                read();
                ADD_FAILURE() << "no error: " << row.message;
            } catch (const std::runtime_error& e) {
                EXPECT_NE(std::string(e.what()).find(row.message), std::string::npos) << e.what();
            }
        }
    }
}

// Side files, folders read later and the corona files: whatever stands in
// their place is named in the start-up list (the corona's when it is first
// read), left as it is, and no reader blocks on it.
TEST(LaterSideFile, IsNamedAtStartAndNeverBlocks) {
    const char* const plain = "není obyčejný soubor";
    const struct {
        const char* file;
        bool fifo; // else a folder, or a plain file where a folder belongs
        const char* warning;
    } rows[] = {
        {"Zvetsit.zve", true, plain},       {"SIDC/Plochy.txt", true, plain},
        {"pristroj.dat", false, plain},     {"Obecdata.dat", true, plain},
        {"PopisNov.txt", true, plain},      {"InterSolAdresa.txt", false, plain},
        {"magn.dat", true, plain},          {"pozorovateleP.dat", true, plain},
        {"SIDC/dssn2001.dat", true, plain}, {"KoronaX/HR1940.csv", true, "roura"},
        {"KoronaX", false, "není adresář"}, {"SIDC", false, "není adresář"},
        {"Magneto", false, "není adresář"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.file);
        TempDir dir;
        WriteFileAtomic(dir.path() / "datax.dat", Bytes({Rec("01.02.2003", 800)}));
        const std::filesystem::path path = dir.path() / row.file;
        const bool folderExpected = std::string(row.warning).find("adresář") != std::string::npos;
        std::filesystem::create_directories(path.parent_path());
        if (row.fifo)
            ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0);
        else if (folderExpected)
            WriteFileAtomic(path, "x");
        else
            std::filesystem::create_directory(path);
        Session s(dir.path());
        // Zvetsit.zve is made where it is missing, never over what stands there.
        EXPECT_EQ(RunStartup(s, 768, Today).enlargementFileCreated,
                  std::string(row.file) != "Zvetsit.zve");
        EXPECT_EQ(std::filesystem::status(path).type(),
                  row.fifo         ? std::filesystem::file_type::fifo
                  : folderExpected ? std::filesystem::file_type::regular
                                   : std::filesystem::file_type::directory);
        AnalysisTables analysis(s);
        analysis.corona();
        std::vector<std::string> warnings = s.warnings();
        for (std::string& w : analysis.takeWarnings())
            warnings.push_back(std::move(w));
        int named = 0;
        for (const std::string& w : warnings)
            named += w.find(path.string()) != std::string::npos &&
                     w.find(row.warning) != std::string::npos;
        EXPECT_EQ(named, 1) << testing::PrintToString(warnings);

        // The readers used later take it as missing or fail with a message.
        const ProgramDir pd(dir.path());
        EXPECT_NO_THROW(ReadStationData(pd));
        EXPECT_NO_THROW(ReadInterSolRecipient(pd.resolve("InterSolAdresa.txt")));
        if (row.fifo && std::string(row.file) == "magn.dat") {
            EXPECT_THROW(MagnDatCells::read(path, 2), std::runtime_error);
        }
        // Nothing is written over a FIFO or a folder.
        if (!folderExpected) {
            EXPECT_THROW(WriteFileAtomic(path, "x"), std::runtime_error);
        }
        if (std::string(row.file) == "pozorovateleP.dat") {
            EXPECT_THROW(s.writeObserverTable(path), std::runtime_error);
        }
    }
}

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
    EXPECT_EQ(std::tuple(load.years, load.table.rows(), int(load.table.value(0, 72))),
              std::tuple(1, 1u, 72));
    ASSERT_TRUE(load.warning);
    EXPECT_NE(load.warning->find("HR1941.csv"), std::string::npos);
}

TEST(TempName, Recognised) {
    const struct {
        const char* file;
        bool ours;
        long pid = 0;
        const char* target = "";
    } rows[] = {
        {"datax.dat.4242.123456.heliokres-tmp", true, 4242, "datax.dat"},
        {"dssn2020.dat.77.5.heliokres-tmp", true, 77, "dssn2020.dat"},
        {"datax.dat.123456.heliokres-tmp", true, 0, "datax.dat"},  // older version: writer unknown
        {"CV202506.txt.7.heliokres-tmp", true, 0, "CV202506.txt"}, // digits in the name, no pid
        {"datax.dat..heliokres-tmp", false},
        {".12.heliokres-tmp", false},
        {".heliokres-tmp", false},
        {"datax.dat.tmp123456", false},
        {"poznamky.tmp", false},
        {"datax.dat.abc.heliokres-tmp", false},
    };
    for (const auto& row : rows) {
        const auto parsed = ParseTempFileName(row.file);
        ASSERT_EQ(parsed.has_value(), row.ours) << row.file;
        if (!parsed) continue;
        EXPECT_EQ(parsed->pid, row.pid) << row.file;
        EXPECT_EQ(parsed->target, row.target) << row.file;
    }
}

// Larger than its format can hold, or zero bytes where text stands: refused
// with a warning, defaults kept.
TEST(DamagedSideFile, IsRefusedWithAWarning) {
    const char* const tooLarge = "příliš velký";
    const struct {
        const char* file;
        std::size_t size;
        char fill;
        const char* message;
    } rows[] = {
        {"Zvetsit.zve", SmallTextFileLimit + 1, '1', tooLarge},
        {"pristroj.dat", SmallTextFileLimit + 1, 'x', tooLarge},
        {"pozorovateleP.dat", ObserverFileLimit + 1, '\n', tooLarge},
        {"SIDC/dssn2020.dat", DailySeriesFileLimit + 1, '\n', tooLarge},
        {"SIDC/Plochy.txt", OutsideTableFileLimit + 1, '\n', tooLarge},
        {"pristroj.dat", 100, '\0', "nulové bajty"},
        {"pozorovateleP.dat", 100, '\0', "nulové bajty"},
        {"Zvetsit.zve", 100, '\0', "celé číslo"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(std::string(row.file) + " " + row.message);
        TempDir dir;
        std::filesystem::create_directories((dir.path() / row.file).parent_path());
        WriteFileAtomic(dir.path() / row.file, std::string(row.size, row.fill));
        Session s(dir.path());
        RunStartup(s, 768, Today);
        bool warned = false;
        for (const auto& w : s.warnings())
            warned = warned || w.find(row.message) != std::string::npos;
        EXPECT_TRUE(warned);
        EXPECT_EQ(s.tables().instrument, DefaultInstrument());
        EXPECT_EQ(std::pair(s.tables().enlargementFactor, s.observerTable().size()),
                  std::pair(DefaultEnlargementFactor, 0));
        // The observer table read nothing of the file: it never replaces it.
        if (std::string(row.file) == "pozorovateleP.dat") {
            EXPECT_THROW(s.addObserver({"1", "Nový", "", "", "", ""}), std::runtime_error);
            EXPECT_THROW(s.writeObserverTable(dir.path() / "pozorovatelep.dat"),
                         std::runtime_error);
        }
        // No file is replaced by a default one.
        EXPECT_EQ(std::filesystem::file_size(dir.path() / row.file), row.size);
    }
}

TEST(PictureName, StaysInItsFolder) {
    for (const char* safe : {"Úpice 2026", ""})
        EXPECT_FALSE(PictureNamePrefixError(safe)) << safe;
    for (const char* unsafe : {"../../x", "/tmp/x", "..\\x", "..", "C:x", "a\nb"}) {
        EXPECT_TRUE(PictureNamePrefixError(unsafe)) << unsafe;
        EXPECT_THROW(RangeImageName(unsafe, Today, 705, true), std::runtime_error) << unsafe;
    }
}

TEST(ReportNames, ALineBreakInTheObserverStaysInItsLine) {
    const std::vector<TZaznam> records = {Rec("01.06.2025", 800), Rec("02.06.2025", 900)};
    const ReportFile plain =
        BuildCvReport(records, GeometryCache::of(records), 0, "Novák Jan", StationData{});
    const ReportFile broken =
        BuildCvReport(records, GeometryCache::of(records), 0, "Novák\nJan", StationData{});
    EXPECT_EQ(broken.text, plain.text);
}

} // namespace
