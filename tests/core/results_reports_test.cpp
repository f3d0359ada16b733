// The monthly report files, byte for byte: SIDC, CV, own basic and extended,
// Inter-Sol; built from one month of drawings made here.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "io/atomic_file.h"
#include "records/program_dir.h"
#include "results/choose_month.h"
#include "results/cv_report.h"
#include "results/daily_values.h"
#include "results/intersol_report.h"
#include "results/own_report.h"
#include "results/protocol_data.h"
#include "results/sidc_report.h"
#include "results/station_data.h"
#include "results_fixtures.h"
#include "tests_support/temp_dir.h"

using namespace hk;
using namespace hk::results_test;

namespace {

// Lines joined with CR LF after each.
std::string crlf(std::initializer_list<const char*> lines) {
    std::string t;
    for (const char* l : lines)
        t += std::string(l) + "\r\n";
    return t;
}

// The day lines of a month, each ended with CR LF: the given lines on their
// days, the others as `empty` writes them from the two-digit day.
template <class Empty>
std::string dayLines(int days, const std::map<int, std::string>& observed, Empty empty) {
    std::string t;
    for (int d = 1; d <= days; ++d) {
        const auto it = observed.find(d);
        const std::string dd = (d < 10 ? "0" : "") + std::to_string(d);
        t += (it != observed.end() ? it->second : empty(dd)) + "\r\n";
    }
    return t;
}

StationData stationData() {
    StationData d;
    d.row(1) = "Hvězdárna v Testově";
    d.row(2) = "Refractor";
    d.row(3) = "80";
    d.row(4) = "1200";
    d.row(5) = "25";
    d.row(7) = "stanice@example.cz";
    d.row(9) = "42";
    d.row(10) = "Hvězdárna Test";
    d.row(11) = "Projection 25 cm";
    d.row(12) = "007";
    d.row(13) = "CZ-TEST";
    d.stationDataGiven = true;
    return d;
}

// February 2001 with a drawing in January before it and in March after it.
// The 5th has two drawings (06:00, then the worked example at 07:05: three
// northern groups of 12 spots, one southern group of 2 spots, Q 2, central
// zone 1/3/13); the 17th one drawing of a single southern spot.
std::vector<TZaznam> februaryFixture() {
    TZaznam early = Drawing("05.02.2001", 600, {{"Hsx", 1, 1, North, 500, 10}}, 4);
    early.PP = 1, early.Obr = 1;
    TZaznam example = Drawing("05.02.2001", 705,
                              {{"Dao", 5, 2, North, 500, 100},
                               {"Cso", 4, 1, North, 500, 40},
                               {"Bxi", 3, 0, North, 500, 0},
                               {"Bxo", 2, 0, South, 500, 20}},
                              2);
    example.qc = 1, example.fc = 3, example.rc = 13, example.PocetFakuli = 2, example.PP = 3,
    example.Obr = 2;
    return {Drawing("20.01.2001", 1000, {{"Axx"}}, 1), early, example,
            Drawing("17.02.2001", 1230, {{"Axx", 1, 0, South}}, 3),
            Drawing("01.03.2001", 800, {{"Hsx"}}, 1)};
}

constexpr std::size_t februaryFirst = 1;

TEST(SidcReport, WholeFile) {
    const ReportFile r = BuildSidcReport(februaryFixture(), GeometryCache::of(februaryFixture()),
                                         februaryFirst, stationData());
    EXPECT_EQ(r.folder + "/" + r.name, "Mesice/200102.txt");
    const std::string expected =
        crlf({"SIDC200102  CZ-TEST", "(CZECH REP.)  CZ-TEST", "      "}) +
        dayLines(28,
                 {{5, "05 0705 2 04 014 054 03 012 042 01 002 012 01 003 013"},
                  {17, "17 1230 3 01 001 011 00 000 000 01 001 011 00 000 000"}},
                 [](const std::string& dd) { return dd + " 9999"; }) +
        "99";
    EXPECT_EQ(r.text, expected);
}

TEST(SidcReport, DayLinesFollowTheGroupPositionsNotTheStoredBlockWithAllDigits) {
    auto records = februaryFixture();
    records[2].Souhrn = TSouhrn{}; // a stale block from an earlier save
    const ReportFile sidc =
        BuildSidcReport(records, GeometryCache::of(records), februaryFirst, stationData());
    EXPECT_NE(sidc.text.find("05 0705 2 04 014 054 03 012 042 01 002 012 01 003 013\r\n"),
              std::string::npos);
    // The own report reads the stored block.
    EXPECT_EQ(OwnBasicDayLine(5, records[2]).substr(12, 17), "000   000   000  ");
    // Wide values print all their digits.
    TZaznam z =
        Drawing("02.02.2001", 1200, {{"Fkc", 250}, {"Fkc", 250}, {"Fkc", 250}, {"Fkc", 250}});
    const TSouhrn live = LiveDailyValues(z);
    EXPECT_EQ(SidcDayLine(2, z, live), "02 1200 0 04 1000 1040 04 1000 1040 00 000 000 00 000 000");
}

TEST(CvReport, WholeFile) {
    const ReportFile r = BuildCvReport(februaryFixture(), GeometryCache::of(februaryFixture()),
                                       februaryFirst, "Novák, Jan", stationData());
    EXPECT_EQ(r.folder + "/" + r.name, "CVdata/CV-02_2001.Txt");
    // The 5th shows its later drawing; AVRG and OBS count all three drawings:
    // (10 + 35 + 1) / 3.
    const std::string expected =
        crlf({" ", "    MONTHLY OBSERVATIONS OF ZÜRICH/McINTOSH-classifications",
              "    Your E-mail adress          stanice@example.cz",
              "    Year                        2001", "    Month - number              02 - 42",
              "    Observer                    Novák, Jan",
              "    Station                     Hvězdárna Test",
              "    Instrument                  Refractor  80 / 1200 / 25",
              "    Method                      Projection 25 cm", " ", " ", " Date  CV  Time  Cond",
              " "}) +
        dayLines(28,
                 {{5, "  05    035  07:05  2    DAO CSO BXI BXO "},
                  {17, "  17    001  12:30  3    AXX "}},
                 [](const std::string& dd) { return "  " + dd + "  "; }) +
        crlf({" ", " ", "    AVRG  = 15.33", "    OBS   =  3"});
    EXPECT_EQ(r.text, expected);
}

TEST(CvReport, ClassesInOtherCaseInCapitalsCountZeroHeaderLinesCutTo82Characters) {
    std::vector<TZaznam> records{Drawing("03.09.2001", 800, {{"dao"}}, 1),
                                 Drawing("04.09.2001", 800, {}, 1)};
    const ReportFile r = BuildCvReport(records, GeometryCache::of(records), 0, "N", StationData{});
    EXPECT_NE(r.text.find("\r\n  03    000  08:00  1    DAO \r\n"), std::string::npos);
    EXPECT_NE(r.text.find("\r\n  04    000  08:00  1    \r\n"), std::string::npos);

    // Header lines are cut only past 82 characters: these fit whole.
    StationData d = stationData();
    d.row(10) = std::string(50, 'x');
    d.row(2) = std::string(50, 'y');
    const ReportFile cut = BuildCvReport(februaryFixture(), GeometryCache::of(februaryFixture()),
                                         februaryFirst, "N", d);
    EXPECT_NE(cut.text.find("\r\n    Station                     " + std::string(50, 'x') + "\r\n"),
              std::string::npos);
    EXPECT_NE(cut.text.find("\r\n    Instrument                  " + std::string(50, 'y') + "\r\n"),
              std::string::npos);
}

TEST(OwnReport, BasicAndExtendedFiles) {
    const OwnReport r = BuildOwnReport(februaryFixture(), februaryFirst, stationData());
    EXPECT_EQ(r.basic.folder, "Vlastni");
    EXPECT_EQ(r.basic.name + "|" + r.extended.name, "VL-02_2001.Txt|VLR-02_2001.Txt");
    const std::string head =
        crlf({"Stanice:     Hvězdárna v Testově", "Měsíc:     Únor           Rok:   2001",
              "Přístroj :      Refractor80 / 1200 / 25", ""});
    std::string expected =
        head + crlf({"den    UT    g    gs    gj      f     fs     fj      r     rs     rj     gc"
                     "     fc    rc      F     p     O     Q "});
    expected += dayLines(28,
                         {{5, "05   07:05  004   003   001   0014   0012   0002   0054   "
                              "0042   0012   001   0003   0013    002   03    02    02"},
                          {17, "17   12:30  001   000   001   0001   0000   0001   0011   "
                               "0000   0011   000   0000   0000    000   00    00    03"}},
                         [](const std::string& dd) { return dd; });
    // Sums over the three drawings, the 5th at 06:00 included; means over n = 3.
    expected += crlf({"",
                      "    Suma    006   004   002   0016   0013   0003   0076   0053   0023   001 "
                      "  0003   0013    002"
                      "   04    03    09",
                      "    Průměr   02.0  01.3  00.7  005.3  004.3  001.0  025.3  017.7  007.7  "
                      "00.3  001.0  004.3"
                      "   00.7  1.3   1.0   3.0"});
    EXPECT_EQ(r.basic.text, expected);

    expected =
        head + crlf({"den    UT    CV    CVs    CVj     SN    SNs    SNj     RB    RBs    RBj"
                     "     pl    pls    plj     pk    pks    pkj  "});
    // Areas 100, 40, 20 and 10 at 0.4 of the radius are 55, 22, 11 and 5 corrected.
    expected +=
        dayLines(28,
                 {{5, "05   07:05  00035  00033  00002  00035  00033  00002  00142  00134  "
                      "00008  00160  00140  00020  00088  00077  00011"},
                  {17, "17   12:30  00001  00000  00001  00001  00000  00001  00004  00000  "
                       "00004  00000  00000  00000  00000  00000  00000"}},
                 [](const std::string& dd) { return dd; });
    expected += crlf({"",
                      "    Suma    00046  00043  00003  00046  00043  00003  00190  00178  00012  "
                      "00170  00150  00020"
                      "  00093  00082  00011",
                      "    Průměr   0015.3 0014.3 0001.0 0015.3 0014.3 0001.0 0063.3 0059.3 0004.0 "
                      "0056.7 0050.0 0006.7"
                      " 0031.0 0027.3 0003.7"});
    EXPECT_EQ(r.extended.text, expected);
}

TEST(OwnReport, SpecialDrawingsLowerTheHemisphereMeans) {
    // An ordinary drawing, a special drawing without a marker (whole disk
    // only) and a special drawing whose first group is the south marker
    // (whole disk and hemispheres, no areas); n = 3 for every mean.
    TZaznam special = Drawing("04.03.2003", 900, {{"***", 6}}, 3);
    TZaznam marker =
        Drawing("06.03.2003", 900, {{"***", 2, 0, SouthMarkerAngle, MarkerDistance}}, 1);
    std::vector<TZaznam> records{Drawing("02.03.2003", 900, {{"Cso", 3, 0, North, 500, 30}}, 2),
                                 Zvlastni(special), Zvlastni(marker)};
    const OwnReport r = BuildOwnReport(records, 0, StationData{});
    const std::string basicTail = crlf({"",
                                        "    Suma    003   001   001   0011   0003   0002   0041   "
                                        "0013   0012   000   0000   0000    000   00"
                                        "    00    06",
                                        "    Průměr   01.0  00.3  00.3  003.7  001.0  000.7  013.7 "
                                        " 004.3  004.0  00.0  000.0  000.0   00.0  0.0"
                                        "   0.0   2.0"});
    const std::string extendedTail = crlf({"",
                                           "    Suma    00011  00011  00000  00011  00003  00002  "
                                           "00024  00024  00000  00030  00030  00000  00016"
                                           "  00016  00000",
                                           "    Průměr   0003.7 0003.7 0000.0 0003.7 0001.0 0000.7 "
                                           "0008.0 0008.0 0000.0 0010.0 0010.0 0000.0 0005.3"
                                           " 0005.3 0000.0"});
    ASSERT_GE(r.basic.text.size(), basicTail.size());
    EXPECT_EQ(r.basic.text.substr(r.basic.text.size() - basicTail.size()), basicTail);
    EXPECT_EQ(r.extended.text.substr(r.extended.text.size() - extendedTail.size()), extendedTail);
    EXPECT_NE(r.basic.text.find("Měsíc:     Březen           Rok:   2003\r\n"), std::string::npos);
}

TEST(MonthlyReports, MonthLengthIsGregorianInEveryReportAndTheProtocol) {
    const std::pair<const char*, int> months[] = {{"01.02.2000", 29}, {"01.02.2100", 28},
                                                  {"01.02.2001", 28}, {"01.02.2004", 29},
                                                  {"10.03.2001", 31}, {"10.04.2001", 30}};
    for (const auto& [date, days] : months) {
        SCOPED_TRACE(date);
        std::vector<TZaznam> records{Drawing(date, 800, {{"Axx"}}, 1)};
        const std::string last = std::to_string(days);
        const std::string after = std::to_string(days + 1);
        const std::string sidc =
            BuildSidcReport(records, GeometryCache::of(records), 0, StationData{}).text;
        EXPECT_NE(sidc.find("\r\n" + last + " 9999\r\n99"), std::string::npos);
        const std::string cv =
            BuildCvReport(records, GeometryCache::of(records), 0, "N", StationData{}).text;
        EXPECT_NE(cv.find("\r\n  " + last + "  \r\n"), std::string::npos);
        EXPECT_EQ(cv.find("\r\n  " + after + "  \r\n"), std::string::npos);
        const OwnReport own = BuildOwnReport(records, 0, StationData{});
        EXPECT_NE(own.basic.text.find("\r\n" + last + "\r\n\r\n    Suma"), std::string::npos);
        const ProtocolData data = BuildProtocolData(records, 0, StationData{});
        EXPECT_EQ(static_cast<int>(data.days.size()), days);
        EXPECT_EQ(std::pair(data.days.back().day, data.observedDays), std::pair(days, 1));
    }
}

TEST(MonthlyReports, AMonthWithMoreDrawingsThanDaysIsWalkedToItsEnd) {
    // Two drawings on each of the 28 days of February 2001: the last days
    // show their own later drawings, and every drawing counts.
    std::vector<TZaznam> records;
    for (int d = 1; d <= 28; ++d) {
        const std::string date = (d < 10 ? "0" : "") + std::to_string(d) + ".02.2001";
        records.push_back(Drawing(date.c_str(), 700, {{"Axx"}}, 1));
        records.push_back(Drawing(date.c_str(), 1400, {{"Hsx"}}, 2));
    }
    const std::string sidc =
        BuildSidcReport(records, GeometryCache::of(records), 0, StationData{}).text;
    EXPECT_NE(sidc.find("\r\n28 1400 2 01 001 011 01 001 011 00 000 000 00 000 000\r\n99"),
              std::string::npos);
    const std::string cv =
        BuildCvReport(records, GeometryCache::of(records), 0, "N", StationData{}).text;
    EXPECT_NE(cv.find("    AVRG  = 5.5\r\n    OBS   =  56\r\n"), std::string::npos);
}

TEST(InterSolReport, FileNamesAndWideRows) {
    EXPECT_EQ(InterSolFileName("2001", 11, "1234"), "0111_234.txt");
    EXPECT_EQ(InterSolFileName("1999", 12, "045"), "9912_045.txt");
    // Values wider than the day rows of the whole protocol end at their characters.
    EXPECT_EQ(InterSolProtocolRow({"28", "10:30", "-1", "123", "0", "1", "1", "0", "ok", "124"}),
              "|28 |  10:30|   -1 |  123 |    0 |    1 |    1 |    0|   ok           |");
}

TEST(InterSolReport, CoefficientTable) {
    auto records = februaryFixture();
    TZaznam other = Drawing("17.02.2001", 1300, {{"Dao", 7}}, 1);
    other.Pozorovatel.setText("Dvořák, Petr");
    records.insert(records.begin() + 4, other);
    const InterSolTable t = BuildInterSolTable(records, "2.2001", "Novák, Jan", "7");
    ASSERT_FALSE(t.message) << *t.message;
    ASSERT_EQ(t.grid.rowCount(), 30u);
    using Row = std::vector<std::string>;
    EXPECT_EQ(t.grid.cells[0], Row({"Den", "  Čas", "  gr", "  grfp", "  grf", "  efp", "  ef",
                                    "  Cond", " Poznámka", "   Suma   "}));
    EXPECT_EQ(t.grid.cells[5], Row({"5", "7:05", "4", "14", "0", "0", "0", "4", "", "18"}));
    // The other observer's later drawing of the 17th does not appear.
    EXPECT_EQ(t.grid.cells[17], Row({"17", "12:30", "1", "1", "0", "0", "0", "3", "", "2"}));
    EXPECT_EQ(t.grid.cells[1], Row({"1", "", "", "", "", "", "", "", "", ""}));
    EXPECT_EQ(t.found, 3);
    // Total of the day rows, mean over the two days that make it up.
    EXPECT_EQ(t.grid.cells[29], Row({"Suma", "", "", "", "", "", "", "", "10.0", "20"}));
}

TEST(InterSolReport, InputRefusedWithTheMessage) {
    const char* const badInput =
        " Špatně zadán rok, měsíc, č.pozorovatele nebo nevybrán pozorovatel!  ";
    const char* const noRecords = "Danné záznamy neexsistují !";
    const struct {
        const char *month, *observer, *number, *message;
    } rows[] = {
        {"", "Novák, Jan", "7", badInput},         {"2.2001", "", "7", badInput},
        {"2.2001", "Novák, Jan", "", badInput},    {"2.2001", "Novák, Jan", "../7", badInput},
        {"II.2001", "Novák, Jan", "7", badInput},  {"2.01", "Novák, Jan", "7", noRecords},
        {"6,2001", "Novák, Jan", "7", noRecords},  {"12.2001", "Novák, Jan", "7", noRecords},
        {"012.2001", "Novák, Jan", "7", badInput},
    };
    for (const auto& c : rows) {
        SCOPED_TRACE(std::string(c.month) + "|" + c.observer + "|" + c.number);
        const InterSolTable t =
            BuildInterSolTable(februaryFixture(), c.month, c.observer, c.number);
        EXPECT_EQ(t.message, c.message);
        EXPECT_EQ(t.grid.rowCount(), 0u);
    }
}

TEST(InterSolReport, WholeProtocol) {
    const InterSolTable t = BuildInterSolTable(februaryFixture(), "2.2001", "Novák, Jan", "7");
    const InterSolRecipient to{"Test Org * Box 1 * 12345 Town * Country",
                               "Tel. 1 * Fax 2 * E-Mail is@example.org", "is@example.org"};
    const InterSolObserver obs{"Novák, Jan", "Hvězdárna Test", "Ulice 5  Město  12345",
                               "stanice@example.cz"};
    const ReportFile r = BuildInterSolProtocol(t, obs, "7", stationData(), to);
    EXPECT_EQ(r.folder + "/" + r.name, "Intersol/0102_007.txt");
    const char* frame = "+---------------------------------------------------------------------+";
    std::string expected =
        std::string(frame) + "\r\n" +
        "    V O L K S S T E R N W A R T E  P A D E R B O R N   E. V.\r\n"
        "\r\n"
        "\r    >>>  I N T E R - S O L - P R O T O C O L   (V.2.2)   <<<\r\n" +
        frame + "\r\n" +
        "    Test Org * Box 1 * 12345 Town * Country\r\n"
        "    Tel. 1 * Fax 2 * E-Mail is@example.org\r\n" +
        frame + "\r\r\n" +
        "   Name ........... : Novák, Jan\r\n"
        "   Place of observ. : Hvězdárna Test\r\n"
        "   Address ........ : Ulice 5  Město  12345\r\n"
        "   E-Mail ......... : stanice@example.cz\r\r\n"
        "   Instrument ..... : Refractor   80  /  1200  /  25\r\n" +
        frame + "\r\n" +
        ">                                                                     <\r\n"
        ">          M O N T H : 02                    Y E A R : 2001            <\r\n"
        ">                                                                     <\r\n" +
        frame + "\r\n" +
        "|Day|Time UT|  gr  | grfp | grf  | efp  |  ef  |Cond.|   Comments     |\r\n" + frame +
        "\r\n";
    for (int d = 1; d <= 28; ++d) {
        if (d == 5)
            expected +=
                "| 5 |   7:05|    4 |   14 |    0 |    0 |    0 |    4|                |\r\n";
        else if (d == 17)
            expected +=
                "|17 |  12:30|    1 |    1 |    0 |    0 |    0 |    3|                |\r\n";
        else
            expected += std::string(d < 10 ? "| " : "|") + std::to_string(d) +
                        " |       |      |      |      |      |      |     |                |\r\n";
    }
    expected += std::string(frame) + "\r\n" +
                "  Please fill in your data, copy the protocol into an e-mail and send\r\n"
                "it to \"is@example.org\". If necessary, put any special comments a\r\n"
                "the end of the e-mail. Never change formate of this formular! Thanks.\r\n";
    EXPECT_EQ(r.text, expected);
}

TEST(InterSolRecipientFile, LinesReplaceTheDefaults) {
    const InterSolRecipient d = DefaultInterSolRecipient();
    const InterSolRecipient r = ParseInterSolRecipient("Adresa \xE8.1\r\n\r\nis@example.org\r\n");
    EXPECT_EQ(r.postalAddress + "|" + r.telephoneLine + "|" + r.email,
              "Adresa č.1|" + d.telephoneLine + "|is@example.org");
}

TEST(ChooseMonth, MonthTextParsedThenFirstRecordOrTheLastDate) {
    const std::pair<const char*, int> rows[] = {
        // 0: refused
        {"2.2000", 200002}, {"2,2000", 200002}, {"11.20011", 0},
        {"6.2025x", 0},     {"9.1999", 199909}, {" 6.2025 ", 202506},
        {"2.200", 0},       {"13.2000", 0},     {"22000", 0}};
    for (const auto& [text, chosen] : rows) {
        const auto m = ParseMonthText(text);
        EXPECT_EQ(m ? m->chosenMonth() : 0, chosen) << text;
    }

    const auto records = februaryFixture();
    const auto ok = ChooseMonth(records, "2.2001");
    EXPECT_EQ(std::tuple(ok.message, ok.first, ok.chosenMonth),
              std::tuple(std::optional<std::string>(), std::optional<std::size_t>(1), 200102));
    const auto none = ChooseMonth(records, "4.2001");
    EXPECT_FALSE(none.first.has_value());
    EXPECT_EQ(none.message, " Poalední záznam je z 01.03.2001");
    EXPECT_EQ(ChooseMonth(records, "abc").message, " Špatně zadaný měsíc a rok (2.2000) ");

    // The first record of a month among many, the first and last months, and
    // a record whose date cannot be read (it keeps its place in the sort).
    std::vector<TZaznam> many;
    for (int i = 0; i < 400; ++i)
        many.push_back(
            Record(FormatDatum(DateFromSerial(DaySerial({2001, 1, 1}) + i / 2)).c_str(), 800));
    std::vector<std::optional<std::size_t>> firsts;
    for (int month : {200101, 200103, 200107, 200108, 200012})
        firsts.push_back(FirstRecordOfMonth(many, month));
    EXPECT_EQ(firsts, (std::vector<std::optional<std::size_t>>{0, 118, 362, {}, {}}));
    for (std::size_t bad : {117u, 118u, 200u}) {
        std::vector<TZaznam> damaged = many;
        damaged[bad].Datum.setText("3x.03.2001");
        EXPECT_EQ(FirstRecordOfMonth(damaged, 200103), bad == 118u ? 119u : 118u) << bad;
    }

    StationData d = stationData();
    EXPECT_EQ(ChooseMonthNotices(d).size(), 0u);
    d.row(4).clear();
    EXPECT_EQ(ChooseMonthNotices(d),
              std::vector<std::string>({" Pozor v obecných datach nejsou parametry přístroje."}));
}

TEST(ReportFiles, WrittenInWindows1250IntoTheirFolder) {
    TempDir tmp;
    std::filesystem::create_directory(tmp.path() / "VLASTNI");
    const ProgramDir dir(tmp.path());
    const OwnReport r = BuildOwnReport(februaryFixture(), februaryFirst, stationData());
    // An existing folder of another letter case is used; a missing one is made.
    EXPECT_EQ(WriteReportFile(dir, r.basic), tmp.path() / "VLASTNI" / "VL-02_2001.Txt");
    const ReportFile sidc = BuildSidcReport(februaryFixture(), GeometryCache::of(februaryFixture()),
                                            februaryFirst, stationData());
    EXPECT_FALSE(ReportExists(dir, sidc));
    EXPECT_EQ(WriteReportFile(dir, sidc), tmp.path() / "Mesice" / "200102.txt");
    EXPECT_TRUE(ReportExists(dir, sidc));
    const std::string bytes = ReadWholeFile(tmp.path() / "VLASTNI" / "VL-02_2001.Txt");
    EXPECT_EQ(bytes.substr(0, 23), "Stanice:     Hv\xECzd\xE1rna ");
    EXPECT_EQ(bytes, ReportBytes(r.basic));
}

TEST(ReportFiles, SavedMessageNamesEveryFileWritten) {
    const std::filesystem::path root = "/data/pozorovani";
    const ProgramDir dir(root);
    // Inside the program directory relative with "/", outside as it is.
    EXPECT_EQ(SavedMessage(dir, {root / "Vlastni" / "VL-11_2026.Txt",
                                 root / "CSVsoubory" / "Rok2026" / "202611_007a.csv",
                                 root / ".." / "jinde" / "a.txt"}),
              "Data byla uložena:\rVlastni/VL-11_2026.Txt\rCSVsoubory/Rok2026/202611_007a.csv"
              "\r/data/jinde/a.txt");
    std::vector<std::filesystem::path> many;
    for (int i = 0; i < 20; ++i)
        many.push_back(root / "Polohy-skupin" / ("z" + std::to_string(i) + ".txt"));
    const std::string text = SavedMessage(dir, many);
    EXPECT_EQ(std::count(text.begin(), text.end(), '\r'), 13);
    EXPECT_TRUE(text.ends_with("\r... a dalších 8")) << text;
}

// The monthly protocol's data: which drawing fills a day, the month's length,
// the sums and means over the observed days, the time and magnification texts.
// A drawing whose stored summary holds g and f of the north and the south.
TZaznam drawing(const char* date, std::uint16_t time, int gS, int fS, int gJ, int fJ, int q = 2,
                int faculae = 0, const char* observer = "Novák") {
    TZaznam z = Souhrn(date, time, {gS, fS, 10 * gS + fS}, {gJ, fJ, 10 * gJ + fJ});
    z.Q = static_cast<std::uint8_t>(q);
    z.PocetFakuli = static_cast<std::uint16_t>(faculae);
    z.Pozorovatel.setText(observer);
    return z;
}

// March 2001: drawings on the 3rd and two on the 17th, framed by February and
// April.
std::vector<TZaznam> march() {
    return {drawing("27.02.2001", 800, 1, 1, 0, 0),
            drawing("03.03.2001", 705, 3, 12, 1, 2, 2, 4, "Novák"),
            drawing("17.03.2001", 900, 1, 1, 1, 1, 3, 1, "Dvořák"),
            drawing("17.03.2001", 1330, 2, 5, 0, 0, 1, 6, "Šťastná"),
            drawing("02.04.2001", 1000, 5, 50, 5, 50)};
}

TEST(ProtocolData, LaterDrawingOfADayIsShownAndSumsCoverObservedDays) {
    const ProtocolData data = BuildProtocolData(march(), 1, stationData());
    EXPECT_EQ(std::tuple(data.year, data.month, data.firstRecord), std::tuple(2001, 3, 1u));
    const ProtocolDay& d17 = data.days[16];
    EXPECT_TRUE(d17.observed);
    EXPECT_EQ(std::pair(int(d17.time), d17.observer), std::pair(1330, std::string("Šťastná")));
    EXPECT_EQ(d17.values, (std::array<int, ProtocolValueColumns>{2, 5, 25, 25, 0, 6, 1}));
    EXPECT_EQ(data.days[2].values,
              (std::array<int, ProtocolValueColumns>{4, 14, 54, 42, 12, 4, 2}));
    // Neither the February nor the April drawing leaks into the month.
    EXPECT_FALSE(data.days[26].observed || data.days[1].observed);
    EXPECT_EQ(data.days[1].day, 2);

    EXPECT_EQ(data.observedDays, 2);
    EXPECT_EQ(data.sums, (std::array<long, ProtocolValueColumns>{6, 19, 79, 67, 12, 10, 3}));
    EXPECT_EQ(std::pair(data.mean(ProtocolColumn::R), data.mean(ProtocolColumn::Q)),
              std::pair(39.5, 1.5));
    EXPECT_EQ(data.station + "|" + data.eyepiece, "Hvězdárna v Testově|25");
    // A first record outside the store gives no days.
    const ProtocolData none = BuildProtocolData(march(), 99, stationData());
    EXPECT_EQ(std::pair(none.days.size(), none.mean(ProtocolColumn::g)), std::pair(0ul, 0.0));
}

TEST(ProtocolData, TimeMonthAndMagnificationTexts) {
    EXPECT_EQ(ProtocolTimeCz(705) + ProtocolTimeCz(0), "07:0500:00");
    EXPECT_EQ(ProtocolTimeEn(705) + "|" + ProtocolTimeEn(2359), "07 : 05|23 : 59");
    EXPECT_EQ(ProtocolMonthCz(1) + ProtocolMonthEn(12), "LedenDecember");
    // The magnification is the focus over the eyepiece.
    const struct {
        const char *focus, *eyepiece, *expected;
    } rows[] = {{"2250", "25", "90x"}, {" 1000 ", "12.5", "80x"}, {"1000", "30", "33x"},
                {"1000", "", ""},      {"1000", "0", ""},         {"asi metr", "25", ""},
                {"-1000", "25", ""}};
    for (const auto& r : rows)
        EXPECT_EQ(ProtocolMagnification(r.focus, r.eyepiece), r.expected)
            << r.focus << " / " << r.eyepiece;
}

// The station's general data: Obecdata.dat read and written, PopisNov.txt,
// the station number row.

std::array<std::string, StationDataRows> table() {
    std::array<std::string, StationDataRows> t;
    for (int k = 0; k < StationDataRows; ++k)
        t[static_cast<std::size_t>(k)] = "řádek " + std::to_string(k + 1);
    return t;
}

TEST(StationData, ConfirmedTableWrittenAndReadBack) {
    TempDir tmp;
    const ProgramDir dir(tmp.path());
    StationData current;
    current.row(6) = "rezerva ze souboru";
    auto t = table();
    t[0] = std::string(60, 'x'); // cut to 50
    t[5] = "ignored";            // row 6 is never edited
    t[11] = "7";
    const StationData d = ConfirmStationData(current, t);
    EXPECT_TRUE(d.stationDataGiven);
    EXPECT_EQ(d.row(1) + "|" + d.row(6) + "|" + d.row(12),
              std::string(50, 'x') + "|rezerva ze souboru|007");
    // The station number: three digits or empty.
    for (const auto& [value, stored] :
         {std::pair{"", ""}, {"5", "005"}, {"007", "007"}, {"1234", "234"}})
        EXPECT_EQ(NormaliseStationNumber(value), stored) << value;

    WriteStationData(dir, d);
    const std::string bytes = ReadWholeFile(tmp.path() / "Obecdata.dat");
    // In Windows-1250 ("\370\341" is "řá"), row 6 as it was, row 14 left empty.
    std::string expected = std::string(50, 'x') + "\r\n";
    for (int k = 2; k <= 13; ++k)
        expected += (k == 6    ? "rezerva ze souboru"
                     : k == 12 ? "007"
                               : "\370\341dek " + std::to_string(k)) +
                    "\r\n";
    EXPECT_EQ(bytes, expected + "\r\n");

    const StationData back = ReadStationData(dir);
    EXPECT_EQ(std::pair(back.stationDataGiven, back.lines), std::pair(true, d.lines));
}

TEST(StationData, ReadingTakes13LinesCutTo50AndPopisNovReplacesItsLinesOnly) {
    TempDir tmp;
    const ProgramDir dir(tmp.path());
    std::string text;
    for (int k = 1; k <= 15; ++k)
        text += (k == 3 ? std::string(70, 'a') : "line " + std::to_string(k)) + "\n";
    WriteFileAtomic(tmp.path() / "OBECDATA.DAT", text);
    const StationData d = ReadStationData(dir);
    EXPECT_TRUE(d.stationDataGiven);
    EXPECT_EQ(d.row(3) + "|" + d.row(13) + "|" + d.row(14), std::string(50, 'a') + "|line 13|");
    EXPECT_FALSE(ReadStationData(ProgramDir(tmp.path() / "missing")).stationDataGiven);

    WriteFileAtomic(tmp.path() / "PopisNov.txt", "popis 1\r\npopis 2\r\npopis 3");
    const StationData p = ReadStationData(dir);
    EXPECT_EQ(p.row(1) + "|" + p.row(3) + "|" + p.row(4) + "|" + p.row(13),
              "popis 1|popis 3|line 4|line 13");
    // The line break that ends the last line starts no empty line.
    WriteFileAtomic(tmp.path() / "PopisNov.txt", "popis 1\r\n");
    EXPECT_EQ(ReadStationData(dir).row(2), "line 2");
}

} // namespace
