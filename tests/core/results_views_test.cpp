// The further tables of the results window: observers per year, the
// central-meridian zones, the spotless days and their calendar, the largest
// groups, one observer's drawings, the group evolution and the official
// monthly sheet.
#include <gtest/gtest.h>

#include <cmath>
#include <sstream>
#include <tuple>

#include "core/results_fixtures.h"
#include "geometry/transforms.h"
#include "io/atomic_file.h"
#include "records/geometry_cache.h"
#include "records/record.h"
#include "results/group_evolution.h"
#include "results/largest_groups.h"
#include "results/observer_drawings.h"
#include "results/observer_periods.h"
#include "results/observer_statistics.h"
#include "results/official_csv.h"
#include "results/spotless_days.h"
#include "results/zone_positions.h"
#include "tests_support/butterfly_records.h"
#include "tests_support/records.h"
#include "tests_support/temp_dir.h"

using namespace hk;
using namespace hk::results_test;

namespace {

// The observers with the periods and numbers of their drawings.
TEST(ObserverPeriods, PeriodsAndCountsInTheOrderOfTheNames) {
    const std::vector<TZaznam> records = {
        Record("03.05.2001", 1200, "Šťastná"), Record("01.02.2000", 1200, "Novák"),
        Record("07.07.2003", 1200, "Novák"),   Record("15.01.1999", 1200, "novák"),
        Record("xx.yy.zzzz", 1200, "Šťastná"), Record("09.09.2009", 1200, "Nikdo v seznamu")};
    const auto periods = ObserverPeriods(records, {"Novák", "Šťastná", "Bez zákresu"});
    ASSERT_EQ(periods.size(), 2u);
    auto fields = [](const auto& p) { return std::tuple(p.name, p.count, p.first, p.last); };
    // The name compares exactly (not "novák").
    EXPECT_EQ(fields(periods[0]), std::tuple("Novák", 2, Date{2000, 2, 1}, Date{2003, 7, 7}));
    // A drawing whose date cannot be read counts but has no place in the period.
    EXPECT_EQ(fields(periods[1]), std::tuple("Šťastná", 2, Date{2001, 5, 3}, Date{2001, 5, 3}));
}

} // namespace

TEST(ObserverStatistics, UnknownSpellingCountsOnlyInGrandTotalAndEmptyYearsStayEmpty) {
    const std::vector<TZaznam> records = {
        Record("01.02.2001", 800, "Novák, Jan"), Record("03.03.2003", 800, "Novák, Jan"),
        Record("04.03.2003", 800, "NOVÁK, Jan"), // another spelling
        Record("05.03.2003", 800, "Černá, Eva")};
    const auto s = BuildObserverStatistics(records, {"Černá, Eva", "Novák, Jan", ""});
    ASSERT_FALSE(s.noObserver);
    const std::vector<std::vector<std::string>> expected = {
        {"", "2001", "2002", "2003", "Suma"},
        {"Černá, Eva", "", "", "    1", "    1"},
        {"Novák, Jan", "    1", "", "    1", "    2"},
        {"", "", "", "", ""},
        {"Suma", "    1", "    0", "    2", "    4"}};
    EXPECT_EQ(s.grid.cells, expected);
    EXPECT_EQ(ObserversCsv(s.grid).text.substr(0, 24), " ;2001;2002;2003;Suma;\r\n");
    EXPECT_TRUE(BuildObserverStatistics(records, {"", "Novák, Jan"}).noObserver);
    // Without a readable date there is no year column, only the sums.
    const std::vector<TZaznam> undated = {Record("31.02.2003", 800, "Novák, Jan")};
    EXPECT_EQ(BuildObserverStatistics(undated, {"Novák, Jan"}).grid.cells[0],
              (std::vector<std::string>{"", "Suma"}));
}

TEST(ZonePositions, BoundsAndTheCentralMeridianCountNowhere) {
    const std::pair<double, int> cases[] = {{-89.9, 0}, {-60.0, -1}, {-45.0, 1}, {-30.0, -1},
                                            {-0.1, 2},  {0.0, -1},   {0.1, 3},   {30.0, -1},
                                            {59.9, 4},  {90.0, -1},  {95.0, -1}};
    for (const auto& [cmd, zone] : cases)
        EXPECT_EQ(ZoneOf(cmd), zone) << cmd;
}

TEST(ZonePositions, FiveSpotsAtMinus45AddToColumns2And9) {
    TZaznam z = Record("10.05.2005", 900);
    const Ephemeris e = *RecordEphemeris(z);
    // The point 45 degrees west or east of the central meridian, whichever
    // the transform calls -45.
    for (double lon : {e.L0 - 45, e.L0 + 45}) {
        const DiskPolar p =
            HeliographicToPolar(e, static_cast<float>(std::fmod(lon + 360, 360)), 5);
        const int angle = static_cast<int>(std::round(p.Angle * 10));
        const int distance = static_cast<int>(std::round(p.Dist * 1250 / DiskRadiusPx));
        if (std::abs(PolarToHeliographic(e, angle, distance).CMD + 45) > 1) continue;
        AppendGroup(z, {"Dao", 5, 0, angle, distance});
    }
    ASSERT_EQ(z.PocetSkupin, 1);
    TZaznam special = z;
    Zvlastni(special);
    const std::vector<TZaznam> records = {z, special};
    const GeometryCache g = GeometryCache::of(records);

    const ResultsGrid all = BuildZonePositions(records, g, "vše");
    ASSERT_EQ(all.rowCount(), 5u); // header, drawing, month, year, all
    EXPECT_EQ(all.cells[1][0] + "|" + all.cells[2][0] + "|" + all.cells[3][0] + "|" +
                  all.cells[4][0],
              "10.05.2005|5 . 2005|2005|vše");
    for (std::size_t c = 1; c < 14; ++c)
        EXPECT_EQ(all.cells[4][c], c == 2 ? "1" : c == 9 ? "5" : c == 7 ? "" : "0") << c;
    EXPECT_EQ(BuildZonePositions(records, g, "C").cells[4][2], "0");
    EXPECT_EQ(BuildZonePositions(records, g, "D", {false, false, true, false}).rowCount(), 2u);
    const auto files = ZoneTextFiles(records, g, "vše");
    ASSERT_EQ(files.size(), 3u);
    EXPECT_EQ(files[2].name, "polohyrocni.dat");
    EXPECT_NE(files[2].text.find("vše" + std::string(17, ' ') + "0     1     0"), std::string::npos)
        << files[2].text;
}

TEST(ZonePositions, TextFilesSeparateEveryValueSoItReadsBack) {
    // Ten drawings of forty groups of 255 spots 45 degrees from the central
    // meridian: the month, the year and all data hold 102000 spots.
    std::vector<TZaznam> records(10, Record("10.05.2005", 900));
    const Ephemeris e = *RecordEphemeris(records[0]);
    const DiskPolar p = HeliographicToPolar(e, static_cast<float>(std::fmod(e.L0 + 405, 360)), 5);
    for (TZaznam& z : records)
        while (z.PocetSkupin < 40)
            AppendGroup(z, {"Dao", 255, 0, static_cast<int>(std::round(p.Angle * 10)),
                            static_cast<int>(std::round(p.Dist * 1250 / DiskRadiusPx))});
    const GeometryCache g = GeometryCache::of(records);
    const ResultsGrid grid = BuildZonePositions(records, g, "vše");
    std::string want, read;
    for (std::size_t r = 1; r < grid.rowCount(); ++r)
        for (std::size_t c = 1; c < grid.columnCount(); ++c)
            want += (c == 7 ? "|" : grid.cells[r][c]) + " ";
    for (const ReportFile& f : ZoneTextFiles(records, g, "vše")) {
        std::istringstream lines(f.text);
        std::string line;
        for (int n = 0; std::getline(lines, line); ++n) {
            std::istringstream values(n < 2 ? "" : line.substr(12)); // past the heads and labels
            for (std::string v; values >> v;)
                read += v + " ";
        }
    }
    EXPECT_EQ(read, want);
    EXPECT_NE(want.find(" 102000 "), std::string::npos);
}

TEST(SpotlessDays, ASpotlessDrawingMarksItsDayOnceInItsYearOnly) {
    std::vector<TZaznam> records = {
        Souhrn("31.12.2005", 700, {0}, {0}), Souhrn("31.12.2005", 900, {1, 5, 15}, {0}),
        Souhrn("31.12.2005", 1100, {0}, {0}), Souhrn("02.01.2005", 700, {0}, {0})};
    const auto spotlessDates = SpotlessDaysOf(records);
    EXPECT_EQ(spotlessDates.size(), 3u);
    EXPECT_EQ(SpotlessDaysOfYear(spotlessDates, 2005),
              (std::vector<Date>{{2005, 1, 2}, {2005, 12, 31}}));
    // 15 columns of 60 pixels at 100 %: December from 13 * 60, row 31.
    const SpotlessCalendar c = BuildSpotlessCalendar(spotlessDates, 2005, 900, 600, 100);
    ASSERT_EQ(c.red.size(), 2u);
    EXPECT_EQ(std::vector<int>({c.red[1].left, c.red[1].right, c.red[1].top, c.red[1].bottom}),
              std::vector<int>({781, 839, 15 * 31 + 61, 15 * 31 + 74}));
    EXPECT_EQ(c.lines.size(), 14u + 33u);
    EXPECT_EQ(c.texts.at(11).x, 20 + 13 * 60); // "Prosinec" heads December's column
    EXPECT_TRUE(BuildSpotlessCalendar(spotlessDates, 2006, 900, 600, 100).red.empty());
    // The calendar opens on the latest spotless year, else on the latest year
    // of the archive.
    records.push_back(Souhrn("03.03.2007", 800, {1, 5, 15}, {0}));
    EXPECT_EQ(LatestSpotlessYear(SpotlessDaysOf(records), records), 2005);
    EXPECT_EQ(LatestSpotlessYear({}, records), 2007);
    EXPECT_EQ(LatestSpotlessYear({}, {}), SpotlessYearStart);
}

TEST(LargestGroups, FiftyLargestInDescendingOrderEqualAreasInDrawingOrder) {
    std::vector<TZaznam> records;
    // 51 groups of areas 100..150 over three drawings, one of area 0, and a
    // special record whose larger group must stay out.
    for (int k = 0; k < 3; ++k) {
        TZaznam z = Record(("0" + std::to_string(k + 1) + ".06.2004").c_str(), 800);
        for (int j = 0; j < 17; ++j) {
            AppendGroup(z, {"Cso", 1, 0, North, 300, 100 + 17 * k + j});
            z.Skupiny[j].CSk2 = static_cast<std::uint16_t>(k * 100 + j);
        }
        records.push_back(z);
    }
    records[0].Skupiny[3].Plocha = 150; // equal to the largest of drawing 3
    TZaznam zero = Record("04.06.2004", 800);
    AppendGroup(zero, {"Axx"});
    records.push_back(zero);
    TZaznam special = Record("05.06.2004", 800);
    AppendGroup(special, {"Fkc", 1, 0, North, 300, 900});
    records.push_back(Zvlastni(special));

    const ResultsGrid g = BuildLargestGroups(records, 2004);
    ASSERT_EQ(g.rowCount(), 51u);
    // The equal areas of 150 in drawing order (3 drawn first); 100 is the 51st.
    EXPECT_EQ(std::vector<std::string>({g.cells[1][5], g.cells[1][3], g.cells[2][3], g.cells[1][6],
                                        g.cells[1][4], g.cells[50][0], g.cells[50][5]}),
              std::vector<std::string>({"150", "3", "216", "1.79", "    Cso", "   50", "101"}));
    EXPECT_EQ(std::pair(LargestGroupsYear(records, 1990), LargestGroupsYear(records, 2010)),
              std::pair(2004, 2004));
}

TEST(ObserverDrawings, CaptionAndFileOfThreeDrawings) {
    std::vector<TZaznam> r = {
        Souhrn("03.02.2004", 800, {1, 2, 12}, {0}), Souhrn("04.02.2004", 800, {0}, {2, 3, 23}),
        Souhrn("05.02.2005", 800, {0}, {0}), Souhrn("06.02.2006", 800, {1, 1, 11}, {1, 1, 11})};
    r[2].Pozorovatel.setText("Jiný");
    r[3].PP = 2;
    const ObserverDrawings list = BuildObserverDrawings(r, "Novák, Jan");
    EXPECT_EQ(std::pair(list.n, list.summary),
              std::pair(3, std::string("3x      od -do  2004 - 2006")));
    const ReportFile f = ObserverDrawingsCsv(list, "Novák, Jan", r);
    EXPECT_EQ(f.folder + "/" + f.name, "Denni - pozorovatele/Denní-Novák, Jan.CSV");
    EXPECT_EQ(f.text, "Datum;    g;    f;    r;podmínky; Obraz;    Q;\r\n"
                      "03.02.2004;1;2;12;0;0;0;\r\n"
                      "04.02.2004;2;3;23;0;0;0;\r\n"
                      "06.02.2006;2;2;22;2;0;0;\r\n");
}

TEST(ObserverDrawings, FileNamePartKeepsWorkingNamesAndMendsTheOthers) {
    // A working name ("Novák, Jan") and a name ending in a full stop ("Novák,
    // J.") are in the file names of the two tests before and after this one.
    const std::pair<const char*, const char*> rows[] = {
        {"a..b", "a__b"}, {"...", "___"},  {"a.", "a_"},       {"..", "__"},
        {"C:x", "C_x"},   {"a\tb", "a_b"}, {"a/b\\c", "a_b_c"}};
    for (const auto& [in, out] : rows)
        EXPECT_EQ(SafeFileNamePart(in), out) << in;
    EXPECT_EQ(SafeFileNamePart(std::string("a\0b", 3)), "a_b");
}

TEST(ObserverDrawings, EveryObserverWritesItsOwnFile) {
    // Names the store accepts whose files were refused or shared one file
    // (names are looked up without regard to letter case), with the file
    // each gets: the observer who drew first keeps the plain name.
    const std::pair<const char*, const char*> rows[] = {
        {"Novák, J.", "Denní-Novák, J_.CSV"},
        {"NOVÁK, J.", "Denní-NOVÁK, J_ (2).CSV"},
        {"Eva", "Denní-Eva.CSV"},
        {"eva", "Denní-eva (2).CSV"},
        {"EVA", "Denní-EVA (3).CSV"},
        {"Novák, J_", "Denní-Novák, J_ (3).CSV"},
        {"Eva (2)", "Denní-Eva (2) (2).CSV"},
        {"Stanice: Ondřejov", "Denní-Stanice_ Ondřejov.CSV"}};
    std::vector<TZaznam> records;
    for (const auto& [name, file] : rows) {
        records.push_back(Souhrn("03.02.2004", 800, {0}, {0}));
        records.back().Pozorovatel.setText(name);
        records.back().PP = static_cast<std::uint8_t>(records.size()); // tells the files apart
    }
    TempDir dir;
    const ProgramDir program(dir.path());
    std::vector<std::pair<std::filesystem::path, std::string>> written;
    for (const auto& [name, file] : rows) {
        const ReportFile f =
            ObserverDrawingsCsv(BuildObserverDrawings(records, name), name, records);
        EXPECT_EQ(f.name, file) << name;
        written.emplace_back(WriteReportFile(program, f), ReportBytes(f));
    }
    for (const auto& [path, bytes] : written)
        EXPECT_EQ(ReadWholeFile(path), bytes) << path;
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(
                                program.resolve(std::string(DailyObserversFolder))),
                            {}),
              std::ssize(rows));
}

TEST(GroupEvolution, WindowStartsSevenRecordsEarlierOnlyForTheLastQuarter) {
    auto record = [](int rotation, int l0) {
        TZaznam z = Record("01.01.2005", 800);
        z.Rotace = static_cast<std::uint16_t>(rotation);
        z.L0 = static_cast<std::uint16_t>(l0);
        return z;
    };
    std::vector<TZaznam> late(10, record(2000, 50));
    late.push_back(record(2001, 300));
    late.push_back(record(2002, 300));
    auto w = FindEvolutionWindow(late, 2001);
    ASSERT_TRUE(w);
    // From seven records earlier to the end + 7, cut at the last record.
    EXPECT_EQ(std::tuple(w->first, w->lo, w->hi), std::tuple(10u, 3u, late.size() - 1));
    std::vector<TZaznam> early(10, record(2000, 200));
    early.push_back(record(2001, 300));
    EXPECT_EQ(FindEvolutionWindow(early, 2001)->lo, 10u);
    EXPECT_FALSE(FindEvolutionWindow(early, 1999));
    EXPECT_EQ(std::tuple(EvolutionRotationInput(early, 3), EvolutionRotationInput(early, 2001),
                         EvolutionRotationInput(early, 2005)),
              std::tuple(std::optional(2000), std::optional(2001), std::optional<int>()));
}

TEST(GroupEvolution, RowsEndFortyOneDaysAfterTheFirstAndNumberedGroupsOnly) {
    std::vector<TZaznam> records;
    int rotation = 0;
    for (const char* date : {"01.03.2005", "20.03.2005", "11.04.2005", "12.04.2005"}) {
        TZaznam z = test::RotationRecord(date);
        if (rotation == 0) rotation = z.Rotace;
        z.Rotace = static_cast<std::uint16_t>(rotation); // one rotation for the test
        AppendGroup(z, {"Dai", 7, 2, 0, 100, 40});
        AppendGroup(z, {"Axx", 1, 0, 0, 120, 0});
        AppendGroup(z, {"Hsx", 2, 1, 1800, 100, 10});
        z.Skupiny[0].CSk2 = 70; // the Axx group has no number
        z.Skupiny[2].CSk2 = 5;
        records.push_back(z);
    }
    const ResultsGrid g = BuildGroupEvolution(records, GeometryCache::of(records), rotation);
    ASSERT_EQ(g.rowCount(), 4u); // 12.04 lies 42 days after 01.03
    EXPECT_EQ(g.columnCount(), 71u);
    // 20: 40 * 0.5 / sqrt(1 - 0.079^2) = 20.06.
    EXPECT_EQ(std::vector<std::string>(
                  {g.cells[3][0], g.cells[0][70], g.cells[0][5], g.cells[1][70], g.cells[1][5]}),
              std::vector<std::string>({"11.04.2005", "   70", "   5", "7  Dai  20", "2  Hsx  5"}));
    for (std::size_t c = 1; c < 70; ++c)
        EXPECT_TRUE(c == 5 || g.cells[0][c].empty()) << c;
    Zvlastni(records[0]);
    EXPECT_EQ(BuildGroupEvolution(records, GeometryCache::of(records), rotation).rowCount(), 1u);
    // The view opens on the last drawing's rotation, a special record aside.
    records[2].Rotace = static_cast<std::uint16_t>(rotation + 1);
    Zvlastni(records[3]);
    EXPECT_EQ(LatestEvolutionRotation(records), rotation + 1);
    EXPECT_FALSE(LatestEvolutionRotation({}));
}

TEST(GroupEvolution, AGroupSeenEarlyInTheNextRotationBelongsToItOnlyBelowLongitude90) {
    // Rotation 2027: 10.03.2005 (L0 192); 29.03.2005 already lies in 2028
    // with L0 301, so a group at its central meridian (longitude about 301)
    // is a group of 2028, not one seen again at the end of 2027.
    std::vector<TZaznam> records;
    for (const char* date : {"10.03.2005", "29.03.2005"}) {
        TZaznam z = test::RotationRecord(date);
        AppendGroup(z, {"Cso", 3, 0, 0, 100, 30});
        z.Skupiny[0].CSk2 = static_cast<std::uint8_t>(records.empty() ? 5 : 6);
        records.push_back(z);
    }
    ASSERT_EQ(records[1].Rotace, 2028);
    ASSERT_GT(records[1].L0, 270);
    const ResultsGrid g = BuildGroupEvolution(records, GeometryCache::of(records), 2027);
    ASSERT_EQ(g.rowCount(), 3u);
    EXPECT_EQ(g.cells[1][5] + "|" + g.cells[0][6] + "|" + g.cells[2][6], "3  Cso  15||");
}

TEST(OfficialSheet, HandWorkedMonth) {
    // February 2005: two drawings on the 1st (the later fills the day, both
    // count in N), a special drawing on the 3rd; nothing else.
    std::vector<TZaznam> records = {Souhrn("01.02.2005", 705, {1, 3, 13}, {0}),
                                    Souhrn("01.02.2005", 1230, {2, 5, 25}, {1, 2, 12}),
                                    Souhrn("03.02.2005", 915, {0}, {1, 1, 11}),
                                    Souhrn("01.03.2005", 915, {1, 1, 11}, {0})};
    records[1].Souhrn.qc = 1, records[1].Souhrn.fc = 2, records[1].Souhrn.rc = 12;
    records[1].Souhrn.PocetFakuli = 4;
    records[1].PP = 2, records[1].Obr = 3, records[1].Q = 1;
    records[2].PP = 3, records[2].Obr = 2, records[2].Q = 2;
    records[2].Pozorovatel.setText("Černá, Eva");
    Zvlastni(records[2]);
    StationData data;
    for (int k = 1; k <= 13; ++k)
        data.row(k) = "r" + std::to_string(k);
    data.row(12) = "7";
    const OfficialFields f = OfficialFieldsFrom(data, MethodProjection);
    EXPECT_FALSE(CheckOfficialFields(f));
    const ObserverTable table = ObserverTable::parse({"12,Novák Jan"});
    const ReportFile sheet = BuildOfficialSheet(records, {2005, 2}, f, table);
    EXPECT_EQ(sheet.folder + "/" + sheet.name, "CSVsoubory/Rok2005/200502_007a.csv");
    std::string expected =
        "Den;U;T;g;f;r;gc;fc;rc;F;;;Oc;Obr.;Q;Č.Poz.;Poznámka;;Hvězdárna (stanice);r1;\r\n"
        ";h;m;;;;;;;;rS;rJ;;;;;;;číslo (stanice);007;\r\n"
        "1;12;30;3;7;37;1;2;12;4;25;12;2;3;1;12;;;Adresa    (stanice);r8;\r\n"
        "2;;;;;;;;;;;;;;;;;;tel..   email;r7;\r\n"
        "3;9;15;1;1;11;0;0;0;0;0;11;3;2;2;;zvl.;;rok;2005;\r\n"
        "4;;;;;;;;;;;;;;;;;;za měsíc;2;\r\n"
        "5;;;;;;;;;;;;;;;;;;Přístroj:;r2;\r\n"
        "6;;;;;;;;;;;;;;;;;;Průměr;r3;\r\n"
        "7;;;;;;;;;;;;;;;;;;Ohnisko;r4;\r\n"
        "8;;;;;;;;;;;;;;;;;;Okulár;r5;\r\n"
        "9;;;;;;;;;;;;;;;;;;Metoda:;Projekce ;\r\n"
        "10;;;;;;;;;;;;;;;;;;Pozorovatelé:;Novák, Jan, Černá, Eva;\r\n";
    for (int d = 11; d <= 28; ++d)
        expected += std::to_string(d) + ";;;;;;;;;;;;;;;;;\r\n";
    expected += "Suma;;;4;8;48;1;2;12;4;25;23;;;;N=3;;\r\n"
                "Prum.;;;2.00;4.00;24.0;0.50;1.00;6.0;2.00;12.5;11.5;2.5;2.5;1.5;;;\r\n";
    EXPECT_EQ(sheet.text, expected);

    OfficialFields bad = f;
    bad.stationNumber = "12a";
    EXPECT_EQ(CheckOfficialFields(bad), std::string(BadStationNumber));
    bad = f;
    bad.method.clear();
    EXPECT_TRUE(CheckOfficialFields(bad));
    // The observers in the order of their first drawings, though the store
    // holds Novák's first after Černá's.
    std::vector<TZaznam> late = {Souhrn("10.02.2005", 1200, {1}, {0}),
                                 Souhrn("05.02.2005", 900, {1}, {0}),
                                 Souhrn("01.02.2005", 800, {1}, {0})};
    late[1].Pozorovatel.setText("Černá, Eva");
    EXPECT_NE(BuildOfficialSheet(late, {2005, 2}, f, table)
                  .text.find("Pozorovatelé:;Novák, Jan, Černá, Eva;"),
              std::string::npos);
    // To February 2005.
    EXPECT_EQ(std::pair(OfficialToEnd(records, {2004, 11}).size(),
                        OfficialToEnd(records, {2005, 3}).size()),
              std::pair(std::size_t{4}, std::size_t{0}));
}
