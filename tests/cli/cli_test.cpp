// heliokres-cli's contract, one row a command line: its exit status, what it
// prints (standard error joined), and what it leaves in the directory. The
// numbers behind the outputs are the core tests' business; a row shows that
// the command parses its arguments, reaches its job and prints its form.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <regex>
#include <sstream>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "cli/program_dir.h"
#include "io/atomic_file.h"
#include "records/exports.h"
#include "records/geometry_cache.h"
#include "records/record_file.h"
#include "records/session.h"
#include "records/startup_series.h"
#include "results/cv_report.h"
#include "results/intersol_report.h"
#include "results/own_report.h"
#include "results/sidc_report.h"
#include "results/station_data.h"
#include "tests_support/pdf_pages.h"
#include "tests_support/png_size.h"
#include "tests_support/records.h"
#include "tests_support/run_cli.h"
#include "tests_support/temp_dir.h"

using namespace hk;
using namespace hk::test_records;
namespace fs = std::filesystem;

namespace {

using Dir = const fs::path&;
using Prepare = std::function<void(Dir)>;
using After = std::function<void(Dir, const std::string& out)>;

// A demo directory of one year (or of two), made once and copied for each row that asks for it.
const fs::path& DemoDir(bool twoYears = false) {
    static TempDir tmp;
    static const std::string options[] = {" --years 1 --per-year 30 --seed 3",
                                          " --years 2 --seed 5"};
    static const fs::path demos[] = {tmp.path() / "demo1", tmp.path() / "demo2"};
    if (!fs::exists(demos[twoYears])) {
        EXPECT_EQ(RunCli("demo " + ShellQuoted(demos[twoYears]) + options[twoYears]).status, 0);
    }
    return demos[twoYears];
}
std::string LastRotation() {
    return std::to_string(ReadRecordFile(DemoDir() / "datax.dat").records.back().Rotace);
}
// The month of the demo's last drawing, "M<separator>YYYY".
std::string LastMonth(char separator = '.') {
    const std::string date = ReadRecordFile(DemoDir() / "datax.dat").records.back().Datum.text();
    return std::to_string(std::stoi(date.substr(3, 2))) + separator + date.substr(6);
}

void demo(Dir d) {
    fs::copy(DemoDir(), d, fs::copy_options::recursive | fs::copy_options::overwrite_existing);
}
void demo2(Dir d) {
    fs::copy(DemoDir(true), d, fs::copy_options::recursive);
}
// DIR as `first` makes it, then with the file `name` of `bytes`, with a FIFO
// in place of `name`, or without `name`.
Prepare withFile(const char* name, std::string bytes, Prepare first = {}) {
    return [=](Dir d) {
        if (first) first(d);
        fs::create_directories((d / name).parent_path());
        WriteFileAtomic(d / name, bytes);
    };
}
Prepare withFifo(const char* name, Prepare first = {}) {
    return [=](Dir d) {
        if (first) first(d);
        fs::remove(d / name);
        ASSERT_EQ(::mkfifo((d / name).c_str(), 0600), 0);
    };
}
Prepare without(const char* name, Prepare first) {
    return [=](Dir d) {
        first(d);
        fs::remove_all(d / name);
    };
}
// Two drawings of January 2000, the first with one group.
void twoRecords(Dir d) {
    std::vector<TZaznam> records{Record("01.01.2000", 1200), Record("02.01.2000", 800)};
    AddGroup(records[0], "Dkc", 900, 500, 0, 12);
    WriteRecordFile(d / "datax.dat", records);
}
// Drawings of 1 March 2014 at 8:00 and 14:00 and of 2 March at 12:00.
void threeDrawings(Dir d) {
    std::vector<TZaznam> rs{Record("01.03.2014", 800), Record("01.03.2014", 1400),
                            Record("02.03.2014", 1200)};
    for (TZaznam& z : rs) {
        z.NastaveniKresby = 125;
        AddGroup(z, "Dkc", 450, 600, 300);
    }
    WriteRecordFile(d / "datax.dat", rs);
}
// Three days of June 2014 by one observer, the second at a time of 0 (read
// as 12:00), each with two groups and a faculae field.
void threeDays(Dir d) {
    std::vector<TZaznam> rs;
    for (const char* date : {"14.06.2014", "15.06.2014", "16.06.2014"}) {
        rs.push_back(Record(date, std::uint16_t(rs.size() == 1 ? 0 : 830 + rs.size()), "Nováček"));
        AddGroup(rs.back(), "Dkc", 450, 600);
        AddGroup(rs.back(), "Bxo", 2300, 300).Pomocna1 = PackPosition(240, 35);
        AddField(rs.back(), {{80, 100}, {85, 110}});
    }
    rs[0].NastaveniKresby = 125;
    WriteRecordFile(d / "datax.dat", rs);
}
// The records of DIR as the desktop program loads them.
std::vector<TZaznam> loaded(Dir d) {
    Session s(d);
    s.load({2024, 1, 1});
    return {s.records().begin(), s.records().end()};
}
// General data whose row k reads "údaj k".
StationData reportStation() {
    std::array<std::string, StationDataRows> rows;
    for (int k = 0; k < StationDataRows; ++k)
        rows[static_cast<std::size_t>(k)] = "údaj " + std::to_string(k + 1);
    return ConfirmStationData(StationData{}, rows);
}
// Drawings of two observers from January to April 2005, the general data and
// an observer table with Novák Jan as number 12.
void reportDir(Dir dir) {
    const char* dates[] = {"03.01.2005", "04.01.2005", "05.02.2005", "05.02.2005",
                           "17.02.2005", "21.02.2005", "01.03.2005", "12.04.2005"};
    std::vector<TZaznam> records;
    std::uint16_t time = 700;
    for (const char* date : dates) {
        TZaznam& z =
            records.emplace_back(Record(date, time, time % 200 ? "Dvořák Petr" : "Novák Jan"));
        z.Q = 2;
        for (int k = 0; k < 1 + time % 3; ++k)
            AddGroup(z, k % 2 ? "Dao" : "Cso", k % 2 ? 1800 : 0, 500, 20 * k, 3 + k);
        z.Souhrn = StoredSummary(z, *RecordEphemeris(z));
        time = static_cast<std::uint16_t>(time + 100);
    }
    WriteRecordFile(dir / "datax.dat", records);
    WriteStationData(dir / "Obecdata.dat", reportStation());
    WriteFileAtomic(dir / "pozorovateleP.dat", "12,Nov\xE1k Jan,Ulice 1,M\xECsto,10000,\r\n");
}
// The file at `relative` holds the bytes of the report `build` makes of the
// records of February 2005 (from the third drawing on).
After report(const char* relative,
             std::function<ReportFile(std::span<const TZaznam>, const GeometryCache&)> build) {
    return [=](Dir d, const std::string&) {
        const auto records = ReadRecordFile(d / "datax.dat").records;
        EXPECT_EQ(ReadWholeFile(d / relative),
                  ReportBytes(build(records, GeometryCache::of(records))))
            << relative;
    };
}

void oneRecord(Dir d) {
    WriteRecordFile(d / "datax.dat", std::vector<TZaznam>{Record("15.03.2014", 900)});
}
void badDate(Dir d) {
    std::vector<TZaznam> records(1);
    records[0].Datum.setText("99.99.2000");
    WriteRecordFile(d / "datax.dat", records);
}
// The temporary file of a save whose program has ended.
void staleTemporary(Dir d) {
    const pid_t ended = ::fork();
    if (ended == 0) ::_exit(0);
    ::waitpid(ended, nullptr, 0);
    WriteFileAtomic(d / ("datax.dat." + std::to_string(ended) + ".5.heliokres-tmp"), "x");
}
void manyBadLines(Dir d) {
    std::string lines;
    for (int i = 0; i < 5000; ++i)
        lines += "x\n";
    WriteFileAtomic(d / "sn.csv", lines);
}
// A drawing of the demo painted 1600 pixels wide: its outline spans pixels 52..927.
void renderedDrawing(Dir d) {
    demo(d);
    RunCli("render drawing " + ShellQuoted(d) + " --record 1 --width 1600 --out " +
           ShellQuoted(d / "d.png"));
}

// What check says of a directory: its records' number and dates, the SIDC
// years (those of the last two drawings), and no warning.
void checked(Dir d, const std::string& out) {
    const auto records = ReadRecordFile(d / "datax.dat").records;
    const std::string last = records.back().Datum.text();
    const int year = std::stoi(last.substr(6));
    for (const std::string& line :
         {"Záznamy: " + std::to_string(records.size()),
          "První datum: " + records.front().Datum.text(), "Poslední datum: " + last,
          "Řady SIDC: " + std::to_string(year - 1) + "-" + std::to_string(year)})
        EXPECT_NE(out.find("\n" + line + "\n"), std::string::npos) << line << "\nin:\n" << out;
    EXPECT_EQ(out.find("Upozornění"), std::string::npos) << out;
}
// find-spots of the demo's scan: a line a spot, then a line a group numbered
// from 1 with its spots' count and area; calibrated by hand on the disk the assistant
// finds there (centre 800,800, radius 720, north up), the same lines.
void spotsThenGroups(Dir d, const std::string& out) {
    const std::regex spot("spot;\\d+\\.\\d;\\d+\\.\\d;(\\d+\\.\\d)");
    const std::regex group("group;(\\d+);\\d+\\.\\d;\\d+\\.\\d;(\\d+);(\\d+\\.\\d)");
    std::istringstream lines(out);
    int spots = 0, groups = 0, inGroups = 0;
    double spotArea = 0, groupArea = 0;
    std::smatch m;
    for (std::string line; std::getline(lines, line);) {
        if (groups == 0 && std::regex_match(line, m, spot)) {
            ++spots;
            spotArea += std::stod(m[1]);
        } else if (std::regex_match(line, m, group) && std::stoi(m[1]) == ++groups) {
            inGroups += std::stoi(m[2]);
            groupArea += std::stod(m[3]);
        } else {
            ADD_FAILURE() << line;
        }
    }
    EXPECT_GT(groups, 0);
    EXPECT_EQ(inGroups, spots);
    EXPECT_NEAR(groupArea, spotArea, 0.05 * spots + 0.05);
    EXPECT_EQ(
        RunCli("find-spots " + ShellQuoted(d) + "/Sken*.png --centre 800,800 --north 800,80").out,
        out);
}

After png(const char* name, unsigned width, unsigned height) {
    return [=](Dir d, const std::string&) {
        const std::string bytes = ReadWholeFile(d / name);
        EXPECT_EQ(bytes.rfind("\x89PNG", 0), 0u) << name;
        EXPECT_EQ(PngSize(bytes), (std::pair{width, height})) << name;
    };
}
After pdf(const char* name, int pages = 1) {
    return [=](Dir d, const std::string&) { EXPECT_EQ(PdfPagesOfFile(d / name), pages) << name; };
}
// A picture file that starts with `magic` and holds more than a header.
After picture(const char* name, const char* magic) {
    return [=](Dir d, const std::string&) {
        const std::string bytes = ReadWholeFile(d / name);
        EXPECT_EQ(bytes.rfind(magic, 0), 0u) << name;
        EXPECT_GT(bytes.size(), 1000u) << name;
    };
}

struct Row {
    Prepare prepare; // the program directory DIR
    std::string args;
    int status;
    std::string says = {}; // fragments separated by "|", each in the output; DIR put in
    After after = nullptr;
};

void run(const Row& row) {
    TempDir tmp;
    const fs::path dir = tmp.path();
    if (row.prepare) row.prepare(dir);
    std::string args = row.args;
    for (std::size_t at; (at = args.find("DIR")) != std::string::npos;)
        args.replace(at, 3, ShellQuoted(dir));
    SCOPED_TRACE(args);
    const DirSnapshot before = SnapshotOf(dir);
    const CliRun r = RunCli(args, true);
    EXPECT_EQ(r.status, row.status) << r.out;
    // A refused or failed command leaves the directory as it was.
    if (row.status != 0) {
        const DirSnapshot after = SnapshotOf(dir);
        for (const auto& [name, content] : after)
            EXPECT_TRUE(before.count(name) && before.at(name) == content) << name << " written";
        for (const auto& [name, content] : before)
            EXPECT_TRUE(after.count(name)) << name << " removed";
    }
    for (std::size_t a = 0, b = 0; b != std::string::npos && !row.says.empty(); a = b + 1) {
        b = row.says.find('|', a);
        std::string fragment = row.says.substr(a, b - a);
        for (std::size_t at; (at = fragment.find("DIR")) != std::string::npos;)
            fragment.replace(at, 3, dir.string());
        EXPECT_NE(r.out.find(fragment), std::string::npos) << fragment << "\nin:\n" << r.out;
    }
    if (row.after) row.after(dir, r.out);
}

TEST(Cli, UsageAndRefusals) {
    const Prepare damagedCorona = withFile("KoronaX/HR1940.csv", "40 1 2 x\r\n", demo2);
    const Row rows[] = {
        {nullptr, "--version", 0, "heliokres-cli " HELIOKRES_VERSION "\n"},
        {nullptr, "nosuchcommand", 2},
        {nullptr, "ephemeris 01.01.1989", 0, "P=2.038705 B0=-3.053326 L0=107.600305 CR=1810\n"},
        {nullptr, "ephemeris --from 30.12.1999 --to 02.01.2000 --time 1200", 0,
         "30.12.1999;1200;|\n01.01.2000;1200;2.127434;-3.016294;1.464230;1957\n02.01.2000;"},
        {nullptr, "ephemeris 31.02.2000", 1, "heliokres-cli: "},
        {nullptr, "ephemeris 01.01.2000 2460", 1, "heliokres-cli: "},
        {nullptr, "ephemeris", 2},
        {nullptr, "ephemeris --from 01.01.2000", 2},
        {nullptr, "ephemeris --from 02.01.2025 --to 01.01.2025", 1, "je až po datu"},

        {twoRecords, "dump DIR/datax.dat", 0,
         "1;01.01.2000;1200;1;Dkc;900;500;23.574891;-1.913959;337.889339\n"},
        {twoRecords, "dump --summary DIR/datax.dat", 0,
         "1;01.01.2000;1200;0;0;0;0;0;0;0;0;1;12;22;55;12;216;0;0\n"
         "2;02.01.2000;800;0;0;0;0;0;0;0;0;0;0;0;0;0;0;0;0\n"},
        {nullptr, "dump DIR/missing.dat", 1, "missing.dat"},
        {badDate, "dump DIR/datax.dat", 1, "99.99.2000"},
        {nullptr, "dump DIR", 1, "adresář"},
        {withFile("datax.dat", ""), "dump DIR/datax.dat", 0, "neobsahuje žádný celý záznam"},
        {nullptr, "dump", 2},

        {nullptr, "check DIR", 0,
         "Záznamy: 1 (soubor datax.dat chybí)|Řady SIDC: žádné|"
         "Nastavení kresby: chybí|Vytvořen soubor Zvetsit.zve"},
        {withFile("datax.dat", ""), "check DIR", 0,
         "Záznamy: 1 (soubor datax.dat neobsahuje žádný záznam)"},
        {nullptr, "check DIR/none", 1, "neexistuje"},
        // A start-up that fails on the record file makes no Zvetsit.zve.
        {withFile("datax.dat/x", ""), "check DIR", 1, "datax.dat"},
        {withFifo("datax.dat"), "check DIR", 1, "roura"},
        {staleTemporary, "check DIR", 0, "Upozornění: Odstraněno 1 dočasných souborů"},
        // The demo directory is what check finds; a damaged corona year only
        // when the corona is asked for.
        {demo2, "check DIR", 0,
         "\nPozorovatelé: 5\n|\nNastavení kresby: průměr 250 mm, polární souřadnice\n", checked},
        {damagedCorona, "check DIR", 0, "", checked},
        {damagedCorona, "check DIR --corona", 0,
         "Upozornění: Soubor KoronaX\\HR1940.csv obsahuje hodnotu"},
        {nullptr, "check", 2},
        {nullptr, "check DIR --screen-height -5", 2},
        {nullptr, "demo", 2},
        {nullptr, "demo DIR/d --years 0", 2},
        {nullptr, "demo DIR/d --seed abc", 2},
        {demo, "demo DIR --years 1 --per-year 5", 1, "--force"},
        {demo, "demo DIR --years 1 --per-year 5 --force", 0,
         "Ukázková data zapsána|Sken zákresu k měření zapsán do DIR/Sken "},
        // The demo's scan of its newest drawing: the assistant finds its disk.
        {demo, "find-spots DIR/Sken*.png", 0, "", spotsThenGroups},

        {nullptr, "export ascii DIR", 1, "heliokres-cli: "},
        // The same bytes as the desktop program's exports; the record file untouched.
        {threeDays, "export ascii DIR", 0, "",
         [](Dir d, const std::string&) {
             const std::string ascii = ReadWholeFile(d / "SoubASCI.dat");
             EXPECT_EQ(ascii, AsciiExportText(loaded(d)));
             EXPECT_NE(ascii.find("15.06.2014 12 00 "), std::string::npos);
             EXPECT_EQ(ReadRecordFile(d / "datax.dat").records.size(), 3u);
         }},
        {threeDays, "export faculae DIR", 0, "",
         [](Dir d, const std::string&) {
             EXPECT_EQ(ReadWholeFile(d / "CSVsoubory" / "Polohy fakuli.csv"),
                       FaculaePositionsText(loaded(d)));
         }},
        {demo, "export pdf DIR", 2},
        {nullptr, "export ascii", 2},
        {demo, "stats DIR measured --hemisphere east", 2},
        {demo, "stats DIR types --hemisphere north", 2},
        {demo, "stats DIR", 2},

        {demo, "report cv DIR 6.2025 --observer \"$(printf 'A\\nB')\"", 2, "řídicí znak"},
        {demo, "report sidc DIR 6.20251", 1, "Špatně zadaný měsíc"},
        // A FIFO for a side file is named, not taken as a missing file, and
        // a file that could not be read is not written back.
        {withFifo("Obecdata.dat", demo), "report own DIR 1.1990", 1,
         "Obecdata.dat\" není obyčejný soubor"},
        {withFifo("pozorovateleP.dat", demo),
         "report intersol DIR 6.2025 --observer Nový --number 7", 1, "není obyčejný soubor"},
        {withFifo("magn.dat", demo), "magnetosphere-sum DIR", 1, "roura"},
        {without("Magneto", demo), "magnetosphere-sum DIR", 1, "Nejsou data pro magnetosféru"},
        // One block of 121 x 90 one-byte cells a rotation.
        {demo, "magnetosphere-sum DIR", 0, "Počítá se: 100 %|magn.dat\n",
         [](Dir d, const std::string&) {
             EXPECT_GT(fs::file_size(d / "magn.dat"), 0u);
             EXPECT_EQ(fs::file_size(d / "magn.dat") % 10890, 0u);
         }},

        {withFifo("scan.png"), "find-disk DIR/scan.png", 1, "roura"},
        {renderedDrawing, "find-disk DIR/d.png", 0, "489.5;489.5;437."},
        {oneRecord, "find-disk DIR/datax.dat", 1, "heliokres-cli: "},
        {withFile("p.pgm", "P5 400 400 255\n" + std::string(400 * 400, '\xE6')),
         "find-spots DIR/p.pgm", 1, "Disk zákresu se v obrázku nepodařilo najít"},
        {withFile("text.png", "no picture"), "find-spots DIR/text.png", 1, "není čitelný obrázek"},
        {nullptr, "find-spots DIR/x.png --centre 5,5", 2},

        {withFifo("sn.csv"), "import silso DIR DIR/sn.csv", 1, "roura"},
        // Every bad line counted, only the first hundred listed.
        {manyBadLines, "import silso DIR DIR/sn.csv", 1,
         "Řádek 100: čekám rok, měsíc, den, desetinné datum, celkové, severní a jižní číslo\n"
         "... a dalších 4900\nheliokres-cli: Soubor"},
        // Years SILSO cannot hold are bad lines: nothing is written.
        {withFile("sn.csv", "1000;01;01;1000.001;1;1;1\n9999;12;31;9999.999;2;1;1\n"),
         "import silso DIR DIR/sn.csv", 1, "Řádek 1: rok 1000 není mezi 1700 a "},
        // SILSO's daily hemispheric file of December 1999 to January 2001,
        // unchanged: a file a year, the leap day in its place.
        {withFile("sn.csv",
                  ReadWholeFile(HELIOKRES_SOURCE_DIR "/tests/data/SN_d_hem_1999-12_2001-01.csv")),
         "import silso DIR DIR/sn.csv", 0, "dssn2000.dat",
         [](Dir d, const std::string&) {
             const DailySeries s = ReadDailySeries(d / "SIDC", 2100);
             EXPECT_EQ(s.years, (std::vector<int>{1999, 2000, 2001}));
             EXPECT_EQ(std::vector<int>({s.value({1999, 12, 1}, 2), s.value({2000, 2, 29}, 1),
                                         s.value({2000, 12, 31}, 2), s.value({2001, 1, 31}, 0)}),
                       std::vector<int>({85, 119, 86, 128}));
         }},
        {withFile("sn.csv", "2004;01;01;2004.001; 12; 6; 6;1;1;1;1;1;1;1\n"
                            "2004;01;02;2004.004; 1x; 6; 6;1;1;1;1;1;1;1\n"),
         "import silso DIR DIR/sn.csv", 1, "Řádek 2"},
        {withFile("sn.csv", "2005;02;30;2005.001; 12; 6; 6;1;1;1;1;1;1;1\n"),
         "import silso DIR DIR/sn.csv", 1, "Řádek 1"},

        // 2028: a leap year whose January holds two starts, the second with the
        // lower L0. One line a day (L0, B0, P at 0h), then one a rotation start.
        {nullptr, "yearly-table 2028", 0,
         "\n29.02.2028;327.2;-7.2;-21.4\n|\n31.12.2028;246.5;-2.9;2.4\nrotace;2333;03.01.2028\n"
         "rotace;2334;31.01.2028\n",
         [](Dir, const std::string& out) {
             EXPECT_EQ(out.rfind("01.01.2028;24.0;-2.9;2.3\n", 0), 0u);
             EXPECT_EQ(std::count(out.begin(), out.end(), '\n'), 366 + 14);
         }},
        {nullptr, "yearly-table 2026 --out DIR/t.png --page 3", 0, "", png("t.png", 900, 1000)},
        {nullptr, "yearly-table 2026 --out DIR/t.pdf", 0, "", pdf("t.pdf", 3)},
        {nullptr, "yearly-table 2026 --out DIR/t.pdf --page 2", 0, "", pdf("t.pdf")},
        {nullptr, "yearly-table 20x6", 2},
        {nullptr, "yearly-table 2026 --out DIR/t.png --page 4", 2},
        {nullptr, "yearly-table 2026 --out DIR/t.gif", 1},
    };
    for (const Row& row : rows)
        run(row);
}

// report on drawings made here: the files are the bytes the results window
// builds; refusals write nothing.
TEST(Cli, Reports) {
    const Prepare oldSidc = withFile("MESICE/200502.txt", "older report", reportDir);
    const std::size_t february = 2; // the first drawing of February 2005
    const Row rows[] = {
        {reportDir, "report sidc DIR 2.2005", 0, "DIR/Mesice/200502.txt\n",
         report("Mesice/200502.txt",
                [&](auto records, const GeometryCache& g) {
                    return BuildSidcReport(records, g, february, reportStation());
                })},
        {reportDir, "report cv DIR 2,2005 --observer 'Novák Jan'", 0, "",
         report("CVdata/CV-02_2005.Txt",
                [&](auto records, const GeometryCache& g) {
                    return BuildCvReport(records, g, february, "Novák Jan", reportStation());
                })},
        {reportDir, "report own DIR 02.2005", 0,
         "DIR/Vlastni/VL-02_2005.Txt\nDIR/Vlastni/VLR-02_2005.Txt\n",
         [&](Dir d, const std::string&) {
             const auto records = ReadRecordFile(d / "datax.dat").records;
             const OwnReport own = BuildOwnReport(records, february, reportStation());
             EXPECT_EQ(ReadWholeFile(d / "Vlastni" / "VL-02_2005.Txt"), ReportBytes(own.basic));
             EXPECT_EQ(ReadWholeFile(d / "Vlastni" / "VLR-02_2005.Txt"), ReportBytes(own.extended));
         }},
        // The observer's number and address come from the observer table.
        {reportDir, "report intersol DIR 2.2005 --observer 'Novák Jan'", 0,
         "DIR/Intersol/0502_012.txt\n",
         report("Intersol/0502_012.txt",
                [](auto records, auto&) {
                    const StationData data = reportStation();
                    const InterSolObserver who{"Novák Jan", data.row(10), "Ulice 1  Město  10000",
                                               data.row(7)};
                    return BuildInterSolProtocol(
                        BuildInterSolTable(records, "2.2005", "Novák Jan", "12"), who, "12", data,
                        DefaultInterSolRecipient());
                })},
        // A new observer is added to the table with the number given.
        {reportDir, "report intersol DIR 2.2005 --observer 'Dvořák Petr' --number 7", 0,
         "0502_007.txt\n",
         [](Dir d, const std::string&) {
             EXPECT_NE(ReadWholeFile(d / "pozorovateleP.dat").find("7,Dvo\xF8\xE1k Petr,"),
                       std::string::npos);
         }},
        // An existing report is kept without --force.
        {oldSidc, "report sidc DIR 2.2005", 1, "Soubor již existuje !\n   Přepsat?"},
        {oldSidc, "report sidc DIR 2.2005 --force", 0, "",
         [](Dir d, const std::string&) {
             EXPECT_EQ(ReadWholeFile(d / "MESICE" / "200502.txt").rfind("SIDC200502", 0), 0u);
         }},
        {reportDir, "report sidc DIR 6.2005", 1, " Poalední záznam je z 12.04.2005"},
        {reportDir, "report monthly DIR 2.2005", 2, "neznámý druh zprávy"},
        {reportDir, "report cv DIR 2.2005", 2, "--observer"},
        {reportDir, "report sidc DIR 2.2005 --number 3", 2, "--number"},
        {reportDir, "report intersol DIR 2.2005 --observer 'Novák Jan' --number ../1", 1,
         "nevybrán pozorovatel"},
        {reportDir, "report sidc DIR/none 2.2005", 1, "neexistuje"},
        {without("datax.dat", reportDir), "report sidc DIR 2.2005", 1},
    };
    for (const Row& row : rows)
        run(row);
}

TEST(Cli, Measure) {
    const std::string axis = "measure --axis --date 15.03.2014 --centre 500,500 --north 500,250 ";
    const Row rows[] = {
        {nullptr, "measure --centre 500,500 --north 500,250 500,300 251,500 500,701", 0,
         "0.0;100.0\n270.0;124.5\n180.0;100.5\n"},
        // 130 units beyond the limb: that vertex lands at 124, the other at 95.
        {nullptr, "measure --faculae --centre 500,500 --north 500,250 760,500 500,300", 0,
         "90;124\n0;95\n"},
        // Same row as the centre: dy is taken as 0.2.
        {nullptr, "measure --centre 0,0 --north 0,-100 -100,0", 0, "270.1;125.0\n"},
        {nullptr, "measure --centre 500,500 1,1", 2},
        {nullptr, "measure --centre 500,500 --north 500,250", 2},
        {nullptr, "measure --centre 5,5 --north 5,5 1,1", 1, "heliokres-cli: "},
        // P is -24.48 degrees then: a point on the axis lies at 335.5.
        {oneRecord, axis + "--time 0900 DIR 500,300", 0, "335.5;100.0\n"},
        {oneRecord, axis + "--time 1000 DIR 500,300", 1, "Musí být zadám daný záznam"},
    };
    for (const Row& row : rows)
        run(row);
}

TEST(Cli, Pictures) {
    const std::string map = "render map DIR --rotation ", last = LastRotation() + " ";
    const std::string butterfly = "render butterfly DIR --out DIR/x.png ";
    const std::string protocol = "render protocol DIR " + LastMonth() + " ";
    const Row rows[] = {
        {demo, "render butterfly DIR --mean --out DIR/m.pdf", 0, "m.pdf\n", pdf("m.pdf")},
        {twoRecords, "render butterfly DIR --corona --out DIR/m.png", 0, "Nejsou data pro koronu",
         png("m.png", 1200, 800)},
        {twoRecords, butterfly + "--rotation-scale 3", 2},
        {twoRecords, butterfly + "--latitude-scale 10", 2},
        {twoRecords, butterfly + "--mode all", 2},
        {twoRecords, butterfly + "--size 12", 2},

        {demo, map + last + "--kind high --out DIR/v.pdf", 0, "", pdf("v.pdf")},
        {demo, map + last + "--kind two --no-faculae --no-areas --out DIR/m.png", 0, "",
         png("m.png", 1200, 820)},
        {demo, map + last + "--kind corona-graph --out DIR/k.pdf", 0, "", pdf("k.pdf")},
        {demo, map + last + "--kind corona-butterfly --out DIR/k.png", 0, "",
         png("k.png", 1200, 820)},
        {without("KoronaX", demo), map + last + "--kind corona-graph --out DIR/m.png", 1,
         "Nejsou data pro koronu"},
        {without("KoronaX", demo), map + last + "--corona --out DIR/m.png", 0,
         "Nejsou data pro koronu", png("m.png", 1200, 820)},
        {twoRecords, map + "1957 --magnetosphere --out DIR/m.png", 0,
         "Nejsou data pro magnetosféru"},
        {twoRecords, map + "1957 --kind long --corona --out x.png", 2},
        {twoRecords, map + "1957 --kind wide --out x.png", 2},
        {twoRecords, map + "1957 --kind single", 2},
        {twoRecords, map + "0 --out x.png", 2},
        {twoRecords, map + "2x --out x.png", 2},
        {twoRecords, map + "1500 --out DIR/m.bmp", 0},
        {twoRecords, map + "1957 --kind long --data DIR/x.csv", 2},
        // The calendar's table holds every day of the year, 1 for a day
        // whose stored summary has no spots; a year without drawings is refused.
        {twoRecords, "render spotless DIR 2000 --out DIR/s.pdf --data DIR/s.csv", 0, "s.pdf\n",
         [](Dir d, const std::string& out) {
             pdf("s.pdf")(d, out);
             const std::string csv = ReadWholeFile(d / "s.csv");
             EXPECT_EQ(std::count(csv.begin(), csv.end(), '\n'), 367);
             EXPECT_NE(csv.find("2000-01-01,1\n2000-01-02,1\n2000-01-03,0\n"), std::string::npos);
         }},
        {twoRecords, "render spotless DIR 2000 --window 600x820 --out DIR/s.png", 0, "",
         png("s.png", 600, 820)},
        {twoRecords, "render spotless DIR 2001 --out DIR/s.png", 1,
         "V roce 2001 není v datech žádný zákres"},
        {twoRecords, "render spotless DIR 2000 --window 100x820 --out DIR/s.png", 2,
         "neplatná hodnota --window \"100\""},
        {twoRecords, "render spotless DIR 20x0 --out DIR/s.png", 2},
        {twoRecords, "render spotless DIR 2000 --window 600x820 --out DIR/s.pdf", 2},
        // The list is cut at the window's edge.
        {twoRecords, "render observers DIR --window 600x820 --out DIR/o.png", 0, "",
         png("o.png", 600, 60)},
        {demo, "render observers DIR --out DIR/o.pdf", 0, "", pdf("o.pdf")},
        {oneRecord, "render drawing DIR --record 1 --out DIR/d.pdf", 0, "d.pdf\n", pdf("d.pdf")},
        // The certificate's form and the protocol's, twice as wide; a one-page PDF.
        {demo, protocol + "--sidc --out DIR/c.png", 0, "DIR/c.png\n", png("c.png", 680, 830)},
        {demo, protocol + "--own --width 1520 --out DIR/w.png", 0, "DIR/w.png\n",
         png("w.png", 1520, 1780)},
        {demo, "render protocol DIR " + LastMonth(',') + " --sidc --out DIR/Protokol.PDF", 0,
         "DIR/Protokol.PDF\n", pdf("Protokol.PDF")},
        {demo, "render protocol DIR 3.1990 --own --out DIR/a.pdf", 1, " Poalední záznam je z "},
        {demo, protocol + "--out DIR/a.pdf", 2, "--own"},
        {demo, protocol + "--own --sidc --out DIR/a.pdf", 2, "--own"},
        {demo, protocol + "--own --width 900 --out DIR/a.pdf", 2, "PDF"},
        {demo, protocol + "--own --window 600x820 --width 900 --out DIR/a.png", 2, "--window"},
        {demo, protocol + "--own --width 10 --out DIR/a.png", 2, "šířka"},
        {demo, protocol + "--own --out DIR/a.gif", 1},
        {twoRecords, "render graph --series g DIR", 2},
        {twoRecords, "render graph DIR --series g --out DIR/g.png --data DIR/g.png", 2},
        {demo2, "render graph DIR --series position --view all --size 400 --out DIR/a.png", 0, "",
         picture("a.png", "\x89PNG")},
        {demo2, "render smoothed DIR --series r --brussels 1.1 --out DIR/b.pdf", 0, "",
         picture("b.pdf", "%PDF")},
        {demo2, "render asymmetry DIR --series f --kind ratio --period year --out DIR/c.bmp", 0, "",
         picture("c.bmp", "BM")},
        {demo2,
         "render smoothed DIR --series f --hemisphere both --areas --flux adj --out DIR/d.png", 0,
         "", picture("d.png", "\x89PNG")},
        {demo2, "render smoothed DIR --series g --brussels 1.1 --out DIR/x.png", 2},
        {demo2, "render smoothed DIR --series g --flux xyz --out DIR/x.png", 2},
        {demo2, "render graph DIR --series g --size 400 --window 600x820 --out DIR/x.png", 2},
        // An area file without a single month: a failed job, no picture.
        {withFile("SIDC/Plochy.txt", "souhrn    12.0   10.0    2.0\r\n", demo2),
         "render smoothed DIR --series g --areas --out DIR/e.png", 1,
         "Plochy.txt nemá žádný měsíc"},
    };
    for (const Row& row : rows)
        run(row);
}

// render drawing: the record chosen by number or by date and time, the
// picture's width, and each refusal leaving no file.
TEST(Cli, RenderDrawing) {
    const std::string drawing = "render drawing DIR ";
    const Row rows[] = {
        {threeDrawings, drawing + "--record 2 --out DIR/a.png", 0, "", png("a.png", 800, 595)},
        {threeDrawings, drawing + "--date 02.03.2014 --width 1233 --out DIR/b.png", 0, "",
         png("b.png", 1233, 892)},
        {threeDrawings,
         drawing + "--date 1.3.2014 --time 1400 --print-colours --out "
                   "DIR/'Zakres 2014-03-01.BMP'",
         0, "", picture("Zakres 2014-03-01.BMP", "BM")},
        {threeDrawings, drawing + "--out DIR/x.png", 2},
        {threeDrawings, drawing + "--record 1 --date 01.03.2014 --out DIR/x.png", 2},
        {threeDrawings, drawing + "--record 0 --out DIR/x.png", 2},
        {threeDrawings, drawing + "--record 1 --time 800 --out DIR/x.png", 2},
        {threeDrawings, drawing + "--record 1", 2},
        {threeDrawings, drawing + "--record 4 --out DIR/x.png", 1},
        {threeDrawings, drawing + "--date 05.03.2014 --out DIR/x.png", 1},
        {threeDrawings, drawing + "--date 01.03.2014 --time 900 --out DIR/x.png", 1},
        {threeDrawings, drawing + "--date 31.02.2014 --out DIR/x.png", 2},
        {threeDrawings, drawing + "--record 1 --out DIR/x.gif", 1},
        {threeDrawings, drawing + "--record 1 --width 10 --out DIR/x.png", 2},
        {threeDrawings, drawing + "--record 1 --window 600x820 --width 600 --out DIR/x.png", 2},
        {threeDrawings, drawing + "--record 1 --magnetosphere --out DIR/x.png", 1},
        {threeDrawings, "render painting DIR --record 1", 2},
        {nullptr, "render", 2},
    };
    for (const Row& row : rows)
        run(row);
}

} // namespace
