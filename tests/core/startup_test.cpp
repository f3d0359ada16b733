// Start-up: the side files, the outside series, the observer lines, the
// drawing setting and the program directory.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <set>

#include "core/store_fixtures.h"
#include "demo/demo.h"
#include "records/observers.h"
#include "records/program_dir.h"
#include "records/session.h"
#include "records/silso_import.h"
#include "records/startup.h"
#include "records/startup_files.h"
#include "records/startup_series.h"
#include "tests_support/temp_dir.h"

using namespace hk;
using namespace hk::store_test;

namespace {

void writeFile(const std::filesystem::path& path, const std::string& bytes) {
    std::filesystem::create_directories(path.parent_path());
    WriteFileAtomic(path, bytes);
}

TEST(SideFiles, SizeFactorSupplementaryBlockAndInstrumentLines) {
    const std::pair<const char*, std::optional<double>> rows[] = {
        {"100", 1.2},                                 // the lower bound is exclusive
        {"200\r\n", 1.2},                             // so is the upper
        {"199", 1.99},         {" 130 \n999\n", 1.3}, // spaces around, more lines
        {"1.5", std::nullopt}, {"", std::nullopt}};
    for (const auto& [file, factor] : rows) {
        const auto f = ParseEnlargementFactor(file);
        ASSERT_EQ(f.has_value(), factor.has_value()) << file;
        if (f) {
            EXPECT_DOUBLE_EQ(*f, *factor) << file;
        }
    }
    // The size percentage from the screen height: small screens raised to
    // 100, the height divided first, a tie going to the even number.
    for (const auto& [height, factor, percent] : {std::tuple{768, 1.2, 100},
                                                  {1080, 1.2, 130},
                                                  {1029, 1.2, 122},
                                                  {1010, 1.5, 152},
                                                  {1440, 1.99, 287}})
        EXPECT_EQ(SizePercentage(height, factor), percent) << height << " " << factor;

    // The supplementary block padded or cut, the instrument lines converted.
    const auto shortBlock = ParseSupplementaryData(std::string(10, '\x05'));
    ASSERT_EQ(shortBlock.size(), 25000u);
    EXPECT_EQ(std::pair(int(shortBlock[9]), int(shortBlock[10])), std::pair(5, 0));
    EXPECT_EQ(ParseSupplementaryData(std::string(30000, '\x07')).size(), 25000u);
    EXPECT_EQ(ParseInstrument("Hv\xECzd\xE1rna\r\nRefraktor\r\n150/2250"),
              (std::array<std::string, 6>{"Hvězdárna", "Refraktor", "150/2250", "", "", ""}));
    EXPECT_EQ(DefaultInstrument(),
              (std::array<std::string, 6>{"", "Přístroj", "80", "18", "1350", ""}));
}

// A line of a three-value daily file: date, decimal year, whole disk, north, south.
std::string dayLine(int y, int m, int d, int total, int north, int south) {
    char line[64];
    std::snprintf(line, sizeof line, "%04d %02d %02d %8.3f%3d %3d %3d\r\n", y, m, d, y + 0.5, total,
                  north, south);
    return line;
}

std::string yearFile(int year, int total, int north, int south) {
    std::string bytes;
    const Date first{year, 1, 1};
    for (int d = 0; d < (IsLeapYear(year) ? 366 : 365); ++d) {
        const Date date = DateFromSerial(DaySerial(first) + d);
        bytes += dayLine(date.year, date.month, date.day, total, north, south);
    }
    return bytes;
}

// Values of a day: whole disk, north, south and a fourth that does not exist.
std::vector<int> dayValues(const DailySeries& s, const Date& d) {
    return {s.value(d, 0), s.value(d, 1), s.value(d, 2), s.value(d, 3)};
}

TEST(DailySeries, ThreeValuesPerDayOrOneUnreadableCountedShortFilesStopAtTheirEnd) {
    DailySeries s;
    ParseDailySeriesFile(yearFile(2001, 312, 200, 112), 2001, s);
    EXPECT_EQ(std::pair(s.firstYear, s.days.size()), std::pair(2001, std::size_t{365}));
    EXPECT_EQ(dayValues(s, {2001, 7, 4}), (std::vector<int>{312, 200, 112, 0}));
    EXPECT_EQ(std::tuple(s.value({2001, 12, 31}, 2), s.value({2002, 1, 1}, 0), s.unreadableValues),
              std::tuple(112, 0, 0));
    // Text where a value stands reads as zero and is counted.
    DailySeries bad;
    std::string damaged = yearFile(2003, 50, 25, 25);
    damaged.replace(19, 3, "abc");
    ParseDailySeriesFile(damaged, 2003, bad);
    EXPECT_EQ(std::vector<int>({bad.value({2003, 1, 1}, 0), bad.value({2003, 1, 2}, 0)}),
              std::vector<int>({0, 50}));
    EXPECT_EQ(bad.unreadableValues, 1);

    DailySeries one;
    std::string bytes;
    for (int d = 1; d <= 40; ++d)
        bytes += "1990 01 01 1990.001 " + std::to_string(d) + "\r\n";
    ParseDailySeriesFile(bytes, 1990, one);
    EXPECT_EQ(one.value({1990, 1, 1}, 0), 1);
    EXPECT_EQ(dayValues(one, {1990, 2, 9}), (std::vector<int>{40, 0, 0, 0}));
    EXPECT_EQ(one.value({1990, 2, 10}, 0), 0);
    // Days missing from the end of the file read as nothing, not as data.
    EXPECT_EQ(one.unreadableValues, 0);
}

TEST(DailySeries, PlacesEveryFileByItsOwnYear) {
    TempDir dir;
    writeFile(dir.path() / "SIDC" / "dssn1982.dat", yearFile(1982, 11, 5, 6));
    writeFile(dir.path() / "SIDC" / "DSSN1984.DAT", yearFile(1984, 33, 20, 13));
    writeFile(dir.path() / "SIDC" / "dssn2030.dat", yearFile(2030, 99, 50, 49));
    writeFile(dir.path() / "SIDC" / "readme.dat", "not a series");
    writeFile(dir.path() / "SIDC" / "dssn-198.dat", yearFile(1982, 7, 7, 0));
    const DailySeries s = ReadDailySeries(dir.path() / "SIDC", 2026);
    EXPECT_EQ(s.years, (std::vector<int>{1982, 1984}));
    EXPECT_EQ(std::vector<int>({s.value({1982, 3, 1}, 0), s.value({1983, 3, 1}, 0),
                                s.value({1984, 3, 1}, 0), s.value({1984, 12, 31}, 2)}),
              std::vector<int>({11, 0, 33, 13}));
    EXPECT_TRUE(ReadDailySeries(dir.path() / "nothing", 2026).empty());
}

TEST(SilsoImport, ValuesRoundedCappedSignedAndMissing) {
    const SilsoImport r = ParseSilsoDaily("2003;01;02;+2003.004;+12.6;-1;1200.4;1;1;1;1;1;1;1\r\n"
                                          "2003;01;01;2003.001;  0.4;  6; 6.6;1;1;1;1;1;1;1\n",
                                          2027);
    ASSERT_TRUE(r.errors.empty()) << r.errors.front();
    ASSERT_EQ(std::pair(r.days, r.files.count(2003)), std::pair(2, std::size_t{1}));
    const std::string& y = r.files.at(2003);
    EXPECT_EQ(y.size(), 365u * 32u);
    EXPECT_EQ(y.substr(0, 64), "2003 01 01 2003.001  0   6   7\r\n"
                               "2003 01 02 2003.004 13  -1 999\r\n");
    EXPECT_EQ(y.substr(y.size() - 32), "2003 12 31 2003.999 -1  -1  -1\r\n");
    for (const char* bad : {"2003;01;01;2003.001;-2;1;1;1\n", "2003;01;01;2003.001;++1;1;1;1\n",
                            "1699;12;31;1699.999;1;1;1\n", "2028;01;01;2028.001;1;1;1\n"})
        EXPECT_EQ(ParseSilsoDaily(bad, 2027).errors.size(), 1u) << bad;
    // A file saved with a byte-order mark reads as without it.
    const std::string bom = "\xEF\xBB\xBF";
    EXPECT_EQ(ParseSilsoDaily(bom + "2003;01;01;2003.001;1;1;1\n", 2027).days, 1);
    // The text version separates its fields by spaces and tabs.
    EXPECT_EQ(
        ParseSilsoDaily("2003 01 01 2003.001\t 4   2   2\n", 2027).files.at(2003).substr(0, 32),
        "2003 01 01 2003.001  4   2   2\r\n");
    // A file of comments only is one bad line, not more.
    EXPECT_EQ(ParseSilsoDaily("# komentář\n", 2027).badLineCount, 1);
}

TEST(OutsideTables, AreasAndFluxByColumns) {
    // "yyyy mm " and three values of 7 characters.
    const OutsideTable areas = ParseAreasTable("2014 01  1234.4  600.5  634.0\r\n"
                                               "2014 02     0.0      x    2.6\r\n\r\nx\r\n");
    ASSERT_EQ(areas.rows.size(), 2u);
    EXPECT_EQ(areas.rows[0].month, 2014 * 12);
    EXPECT_EQ(std::pair(areas.undatedLines, areas.unreadableValues), std::pair(1, 1));
    EXPECT_EQ(areas.rows[0].values, (std::array<std::uint16_t, 3>{1234, 600, 634}));
    EXPECT_EQ(areas.rows[1].values, (std::array<std::uint16_t, 3>{0, 0, 3}));
    EXPECT_EQ(std::vector<int>({areas.at(3), areas.at(6), areas.at(7), areas.at(0)}),
              std::vector<int>({634, 3, 0, 0}));

    const OutsideTable flux = ParseFluxTable("2014 01         152.3     147.8      133.0 \r\n"
                                             "2014 02         70.05    \r\n");
    ASSERT_EQ(flux.rows.size(), 2u);
    EXPECT_EQ(flux.rows[0].values, (std::array<std::uint16_t, 3>{1523, 1478, 1330}));
    EXPECT_EQ(flux.rows[1].values[0], 700); // 700.5 rounds to even
    EXPECT_EQ(flux.unreadableValues, 2);    // the short line holds one value of three
}

class Startup : public testing::Test {
  protected:
    StartupResult run(int height = 1080) {
        session = std::make_unique<Session>(dir.path());
        return RunStartup(*session, height, Today);
    }
    TempDir dir;
    std::unique_ptr<Session> session;
};

TEST_F(Startup, EmptyDirectoryGetsDefaultsAndZvetsitZve) {
    const StartupResult r = run(1080);
    EXPECT_TRUE(r.enlargementFileCreated && r.askDrawingSetting);
    EXPECT_EQ(ReadWholeFile(dir.path() / "Zvetsit.zve"), "120\r\n");
    EXPECT_EQ(std::pair(session->recordCount(), session->observerTable().size()), std::pair(1, 0));
    EXPECT_TRUE(session->warnings().empty());

    EXPECT_FALSE(run().enlargementFileCreated);
    EXPECT_FALSE(std::filesystem::exists(dir.path() / "datax.dat"));
}

TEST_F(Startup, FilesAreFoundWhateverTheirLetterCase) {
    writeFile(dir.path() / "ZVETSIT.ZVE", "150\r\n");
    writeFile(dir.path() / "Pristroj.DAT", "Stanice\r\n");
    writeFile(dir.path() / "motfakul.dat", std::string(25000, '\x81'));
    writeFile(dir.path() / "sidc" / "plochy.TXT", "2014 01    10.0   20.0   30.0\r\n");
    writeFile(dir.path() / "sidc" / "Tok-10cm.txt",
              "2014 01          70.0      71.0       72.0 \r\n");
    writeFile(dir.path() / "sidc" / "dssn2020.dat", yearFile(2020, 1, 1, 0));
    EXPECT_FALSE(run().enlargementFileCreated);
    const auto& t = session->tables();
    EXPECT_DOUBLE_EQ(t.enlargementFactor, 1.5);
    EXPECT_EQ(t.instrument[0], "Stanice");
    EXPECT_EQ(std::vector<int>(
                  {t.supplementaryData[24999], int(t.areasTable.rows.size()), t.fluxTable.at(2)}),
              std::vector<int>({0x81, 1, 710}));
    EXPECT_EQ(t.sidcDaily.years, std::vector<int>{2020});
}

TEST_F(Startup, DrawingSettingComesFromRecord1) {
    TZaznam first = Rec("01.01.2010", 800);
    first.NastaveniKresby = 1125;
    WriteRecords(dir.path() / "datax.dat", {first, Rec("02.01.2010", 800)});
    EXPECT_FALSE(run().askDrawingSetting);
    EXPECT_DOUBLE_EQ(session->drawingRadius(), 125);
    EXPECT_TRUE(session->heliographicEntry());
    EXPECT_EQ(MainWindowCaption(*session),
              "Zákresy Sluneční fotosféry   Vizuálně   (Heliografické souřadnice)");

    first.NastaveniKresby = 100;
    WriteRecords(dir.path() / "datax.dat", {first});
    EXPECT_FALSE(run().askDrawingSetting);
    EXPECT_DOUBLE_EQ(session->drawingRadius(), 100);
    EXPECT_EQ(MainWindowCaption(*session),
              "Zákresy Sluneční fotosféry  (Polární souřadnice)  (průměr zákresu  200 mm)");

    first.NastaveniKresby = 0;
    WriteRecords(dir.path() / "datax.dat", {first});
    EXPECT_TRUE(run().askDrawingSetting);
}

TEST_F(Startup, ObDatIsReadOnceAndRenamed) {
    writeFile(dir.path() / "ob.dat",
              "12,Nov\xE1k Jan,Hlavn\xED 5,Brno,60200,\r\n3,Adam Petr,,Praha,11000,\r\n");
    EXPECT_TRUE(run().obRenamed);
    EXPECT_FALSE(std::filesystem::exists(dir.path() / "ob.dat"));
    EXPECT_TRUE(std::filesystem::exists(dir.path() / "ob-původní.dat"));
    ASSERT_EQ(session->observerTable().size(), 2);
    // Sorted by name.
    EXPECT_EQ(session->observerTable().entries()[0][1], "Adam Petr");
    EXPECT_EQ(session->observerTable().entries()[1][2], "Hlavní 5");

    EXPECT_FALSE(run().obRenamed);
    EXPECT_EQ(session->observerTable().size(), 0);
}

TEST_F(Startup, ReadOnlyStartupLeavesTheDirectoryAsItWas) {
    writeFile(dir.path() / "ob.dat", "3,Adam Petr,,Praha,11000,\r\n");
    const auto stale = dir.path() / "datax.dat.5.heliokres-tmp";
    writeFile(stale, "x");
    std::filesystem::last_write_time(stale, std::filesystem::file_time_type::clock::now() -
                                                std::chrono::hours(1));
    auto names = [this] {
        std::set<std::string> n;
        for (const auto& e : std::filesystem::directory_iterator(dir.path()))
            n.insert(e.path().filename().string());
        return n;
    };
    const auto before = names();
    Session s(dir.path());
    StartupHooks hooks;
    hooks.readOnly = true;
    const StartupResult r = RunStartup(s, 1080, Today, hooks);
    EXPECT_EQ(s.observerTable().size(), 1); // read all the same
    EXPECT_FALSE(r.obRenamed || r.enlargementFileCreated);
    EXPECT_EQ(names(), before);
}

TEST_F(Startup, PozorovatelePWinsOverObDat) {
    writeFile(dir.path() / "pozorovateleP.dat", "1,Nový Jan,\r\n");
    writeFile(dir.path() / "ob.dat", "2,Starý Jan,\r\n");
    EXPECT_FALSE(run().obRenamed);
    EXPECT_TRUE(std::filesystem::exists(dir.path() / "ob.dat"));
    ASSERT_EQ(session->observerTable().size(), 1);
    EXPECT_EQ(session->observerTable().entries()[0][0], "1");
}

TEST_F(Startup, AfterRecordsRunsBetweenTheRecordsAndTheOutsideSeries) {
    writeFile(dir.path() / "SIDC" / "dssn2020.dat", yearFile(2020, 1, 1, 0));
    Session s(dir.path());
    StartupHooks hooks;
    std::string seen;
    hooks.afterRecords = [&](Session& x) {
        seen = "records=" + std::to_string(x.recordCount()) +
               " series=" + std::to_string(x.tables().sidcDaily.years.size());
    };
    RunStartup(s, 800, Today, hooks);
    EXPECT_EQ(seen, "records=1 series=0");
}

TEST(ProgramDirectory, ResolveIsCaseInsensitiveWithBothSeparators) {
    TempDir dir;
    writeFile(dir.path() / "SIDC" / "Plochy.txt", "x");
    writeFile(dir.path() / "Obrázek" / "a.jpg", "x");
    writeFile(dir.path() / "datax.dat", "x");
    const ProgramDir p(dir.path());
    const std::pair<const char*, const char*> rows[] = {
        {"SIDC/Plochy.txt", "SIDC/Plochy.txt"},  {"\\SIDC\\Plochy.txt", "SIDC/Plochy.txt"},
        {"sidc/PLOCHY.TXT", "SIDC/Plochy.txt"},  {".\\sidc\\.\\PLOCHY.TXT", "SIDC/Plochy.txt"},
        {"OBRÁZEK\\A.JPG", "Obrázek/a.jpg"},     {"sidc/new.txt", "SIDC/new.txt"},
        {"Mesice\\2014.txt", "Mesice/2014.txt"}, {"DATAX.DAT", "datax.dat"}};
    for (const auto& [relative, expected] : rows)
        EXPECT_EQ(p.resolve(relative), dir.path() / expected) << relative;
}

TEST(ProgramDirectory, CodePageBytesInNamesAreLettersOfTheirOwn) {
    // A name copied from an old disk holds Windows-1250 bytes ("Černá"), not
    // UTF-8: a byte like 0xE8 is a letter, not the lead of a sequence.
    EXPECT_TRUE(SameFileName(std::string("\xC8") + "ern\xE1", std::string("\xE8") + "ERN\xC1"));
    EXPECT_TRUE(SameFileName("Žár", "žÁR")); // the last pair of letters the code page folds
    // A three-byte UTF-8 letter is one letter, not the byte "à" and two more.
    EXPECT_FALSE(SameFileName("\xE0\xA0\x80", "\xC3\x80\xA0\x80"));
}

TEST(ProgramDirectory, EnsureFolderCreatesOnceAndFindsTheExisting) {
    TempDir dir;
    const ProgramDir p(dir.path());
    EXPECT_EQ(p.ensureFolder("CVdata"), dir.path() / "CVdata");
    EXPECT_TRUE(std::filesystem::is_directory(dir.path() / "CVdata"));
    EXPECT_EQ(p.ensureFolder("cvDATA"), dir.path() / "CVdata");
    writeFile(dir.path() / "Vlastni", "x");
    EXPECT_THROW(p.ensureFolder("Vlastni"), std::runtime_error);
    // Only the folders the clean-up after interrupted saves looks into.
    EXPECT_EQ(p.ensureFolder("CSVsoubory\\Rok2014"), dir.path() / "CSVsoubory/Rok2014");
    EXPECT_THROW(p.ensureFolder("Jine"), std::logic_error);
    EXPECT_THROW(p.ensureFolder("CSVsoubory/Rok20x"), std::logic_error);
}

// Sets (or with nullopt removes) an environment variable for one scope.
struct ScopedEnv {
    ScopedEnv(const char* name, const std::optional<std::string>& value) : name(name) {
        if (const char* now = std::getenv(name)) old = now;
        set(value);
    }
    ~ScopedEnv() { set(old); }
    void set(const std::optional<std::string>& v) {
        v ? setenv(name, v->c_str(), 1) : unsetenv(name);
    }
    const char* name;
    std::optional<std::string> old;
};

TEST(ProgramDirectory, FoundInItsOrder) {
    TempDir exe, env, data, remembered;
    {
        ScopedEnv e("HELIOKRES_DIR", env.path().string());
        EXPECT_EQ(FindProgramDirectory(std::string("/given"), exe.path()), "/given");
        EXPECT_EQ(FindProgramDirectory(std::nullopt, exe.path(), remembered.path()), env.path());
    }
    ScopedEnv noEnv("HELIOKRES_DIR", std::nullopt);
    ScopedEnv xdg("XDG_DATA_HOME", data.path().string());
    // Nothing found: the program asks, and nothing has been created.
    EXPECT_EQ(FindProgramDirectory(std::nullopt, exe.path()), std::nullopt);
    EXPECT_EQ(FindProgramDirectory(std::nullopt, exe.path(), exe.path() / "gone"), std::nullopt);
    EXPECT_FALSE(std::filesystem::exists(data.path() / "Heliokres"));
    // An empty data folder (made by an earlier version) is not an archive.
    std::filesystem::create_directories(data.path() / "Heliokres");
    EXPECT_EQ(FindProgramDirectory(std::nullopt, exe.path()), std::nullopt);
    writeFile(data.path() / "Heliokres" / "datax.dat", "");
    EXPECT_EQ(FindProgramDirectory(std::nullopt, exe.path()), data.path() / "Heliokres");
    EXPECT_EQ(FindProgramDirectory(std::nullopt, exe.path(), remembered.path()), remembered.path());
    writeFile(exe.path() / "DATAX.DAT", "");
    EXPECT_EQ(FindProgramDirectory(std::nullopt, exe.path(), remembered.path()), exe.path());
}

// The observer table: parsing the lines, the two orders, writing the file so
// that the next read gives the same fields, adding an observer.
using Entry = ObserverTable::Entry;

TEST(ObserverTable, LineIntoSixFields) {
    const std::pair<const char*, Entry> rows[] = {
        {"\"7\",\"Observer B\",\"Street\"", {"7", "Observer B", "Street", "", "", ""}},
        {"Observer alone", {"Observer alone", "", "", "", "", ""}},
        {"1,2,3,4,5,6,7,8", {"1", "2", "3", "4", "5", "6"}},
        {"1,A,B,C,D,E", {"1", "A", "B", "C", "D", "E"}}};
    for (const auto& [line, fields] : rows) {
        const ObserverTable t = ObserverTable::parse({line});
        ASSERT_EQ(t.size(), 1) << line;
        EXPECT_EQ(t.entries()[0], fields) << line;
    }
    EXPECT_EQ(ObserverTable::parse({"", "1,A,", ""}).size(), 1); // empty lines skipped
}

std::vector<std::string> column(const ObserverTable& t, std::size_t field) {
    std::vector<std::string> out;
    for (const Entry& e : t.entries())
        out.push_back(e[field]);
    return out;
}

// By name in Czech order, entries without a number dropped; by number as text.
TEST(ObserverTable, SortedByNameOrByNumber) {
    ObserverTable t = ObserverTable::parse({"5,Žák Petr,", "3,Adam Jan,", ",Bez Čísla,",
                                            "8,Šimek Ota,", "9,,", "4,Adam Jan,", "1,zzzzzzzzz,"});
    t.sortByName();
    // Windows-1250 order: the empty name first, Latin letters, then Š (0x8A), Ž (0x8E).
    EXPECT_EQ(column(t, 1), (std::vector<std::string>{"", "Adam Jan", "Adam Jan", "zzzzzzzzz",
                                                      "Šimek Ota", "Žák Petr"}));
    EXPECT_EQ(column(t, 0), (std::vector<std::string>{"9", "3", "4", "1", "8", "5"}));
    t = ObserverTable::parse(
        {"9,Devět,", "10,Deset,", "1000,Tisíc,", "A1,Písmeno,", "2,,", "3,Tři,"});
    t.sortByNumber();
    EXPECT_EQ(column(t, 0), (std::vector<std::string>{"10", "1000", "3", "9", "A1"}));
}

TEST(ObserverTable, WrittenFileReadsBackToTheSameFields) {
    TempDir dir;
    ObserverTable t =
        ObserverTable::parse({"7,Observer B,,Town,60200,", "12,Novák Jan,Hlavní 5,Brno,60200,",
                              "9,Jen Jméno,", "3,Plný,U,M,P,Poznámka"});
    const auto file = dir.path() / "pozorovatelep.dat";
    t.write(file);
    EXPECT_EQ(ReadWholeFile(file), "12,Nov\xE1k Jan,Hlavn\xED 5,Brno,60200,\r\n"
                                   "3,Pln\xFD,U,M,P,Pozn\xE1mka,\r\n"
                                   "7,Observer B,,Town,60200,\r\n"
                                   "9,Jen Jm\xE9no,\r\n");
    EXPECT_EQ(column(t, 0), (std::vector<std::string>{"12", "3", "7", "9"}));

    std::vector<std::string> lines;
    for (const std::string& line : t.lines())
        lines.push_back(line);
    const ObserverTable again = ObserverTable::parse(lines);
    EXPECT_EQ(again.entries(), t.entries());
}

TEST(ObserverTable, AddingAnObserver) {
    ObserverTable t = ObserverTable::parse({"12,Novák Jan,Hlavní 5,Brno,60200,"});
    // The records write "surname, first name"; the file cannot hold the comma.
    EXPECT_FALSE(t.add({"13", "Novák, Jan", "", "", "", ""}));
    ASSERT_NE(t.findByName("Novák,  Jan"), nullptr);
    EXPECT_EQ((*t.findByName("Novák, Jan"))[0], "12");
    EXPECT_FALSE(t.add({"", "Bez Čísla", "", "", "", ""}));
    EXPECT_FALSE(t.add({"14", "", "", "", "", ""}));
    EXPECT_TRUE(t.add({"15", "Černý, Petr", "Fričova 1, byt 2", "Ondřejov", "25165", ""}));
    ASSERT_EQ(t.size(), 2);
    EXPECT_EQ(t.entries()[1],
              (Entry{"15", "Černý Petr", "Fričova 1 byt 2", "Ondřejov", "25165", ""}));
    for (int i = 0; i < 400; ++i)
        EXPECT_TRUE(t.add({std::to_string(100 + i), "P" + std::to_string(i), "", "", "", ""}));
    EXPECT_EQ(t.size(), 402);
}

// The demo data: the same for a seed, valid sorted records, and a program
// directory whose files the start-up reads.
// Cycle 24: minimum at the end of 2008, maximum 2014, minimum 2019.
const DemoOptions Cycle24{.years = 11, .perYear = 120, .seed = 7, .endDate = {2019, 12, 31}};

TEST(Demo, RecordsAreSortedDatedAndSummarisedLikeStoredEntries) {
    const std::vector<TZaznam> records = GenerateDemoRecords(Cycle24);
    ASSERT_GT(records.size(), 11u * 100);
    ASSERT_LT(records.size(), 11u * 140);
    std::set<double> keys;
    for (const TZaznam& z : records) {
        const auto key = RecordKey(z);
        ASSERT_TRUE(key) << z.Datum.text();
        EXPECT_TRUE(keys.insert(*key).second) << "duplicate " << z.Datum.text() << " " << z.Cas;
        const Ephemeris e = *RecordEphemeris(z);
        EXPECT_EQ(z.Rotace, e.CarrRotation);
        const TSouhrn s = StoredSummary(z, e);
        EXPECT_EQ(std::memcmp(&s, &z.Souhrn, sizeof s), 0) << z.Datum.text();
        EXPECT_LE(z.Cas % 100, 59);
        EXPECT_LT(z.Cas, 2400);
    }
    EXPECT_TRUE(
        std::is_sorted(records.begin(), records.end(), [](const TZaznam& a, const TZaznam& b) {
            return *RecordKey(a) < *RecordKey(b);
        }));
    EXPECT_EQ(records.front().NastaveniKresby, 125);
    EXPECT_EQ(RecordDate(records.front())->year, 2009);
    EXPECT_EQ(RecordDate(records.back())->year, 2019);
}

TEST(Demo, DirectoryIsReadByTheStartUp) {
    TempDir dir;
    DemoOptions o = Cycle24;
    o.years = 3;
    o.perYear = 60;
    WriteDemoDirectory(dir.path(), o);
    Session s(dir.path());
    const StartupResult r = RunStartup(s, 1024, {2020, 1, 15});
    EXPECT_TRUE(s.warnings().empty()) << s.warnings().front();
    EXPECT_FALSE(r.askDrawingSetting || r.enlargementFileCreated);
    EXPECT_EQ(std::string(RecordBytes(s.records())), Bytes(GenerateDemoRecords(o)));
    EXPECT_EQ(s.tables().sidcDaily.years, (std::vector<int>{2017, 2018, 2019}));
    int sum = 0;
    for (int d = 0; d < 365; ++d) {
        const Date date = DateFromSerial(DaySerial({2017, 1, 1}) + d);
        sum += s.tables().sidcDaily.value(date, 0);
        EXPECT_EQ(s.tables().sidcDaily.value(date, 0),
                  s.tables().sidcDaily.value(date, 1) + s.tables().sidcDaily.value(date, 2));
    }
    EXPECT_GT(sum, 365 * 5);
    EXPECT_FALSE(s.tables().areasTable.rows.empty() || s.tables().fluxTable.rows.empty());
    EXPECT_EQ(s.tables().areasTable.unreadableValues + s.tables().fluxTable.unreadableValues, 0);
    for (const std::string& name : s.observers())
        EXPECT_NE(s.observerTable().findByName(name), nullptr) << name;
    for (std::string_view row : SplitLines(ReadWholeFile(dir.path() / "Obecdata.dat")))
        EXPECT_LE(row.size(), 50u);
}

} // namespace
