// Damaged directories and wrong values on the command line: every command
// ends at once with a message and its exit status, nothing is written where
// it should not be.
#include <gtest/gtest.h>

#include <functional>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "io/atomic_file.h"
#include "records/record_file.h"
#include "tests_support/run_cli.h"
#include "tests_support/temp_dir.h"

using namespace hk;

namespace {

void fill(const std::filesystem::path& dir, const std::string& bytes) {
    WriteFileAtomic(dir / "datax.dat", bytes);
}

void demo(const std::filesystem::path& dir) {
    ASSERT_EQ(
        RunCli("demo " + ShellQuoted(dir) + " --years 1 --per-year 20 --seed 1 --force").status, 0);
}

TEST(Hostile, EndsWithItsStatusAndMessage) {
    const struct {
        const char* name;
        std::function<void(const std::filesystem::path&)> prepare; // in the program directory
        std::string args;                                          // "DIR" stands for it
        int status;
        const char* message;
        const char* absent = nullptr; // left unwritten in the program directory
    } rows[] = {
        {"CheckEmptyRecordFile", [](const auto& d) { fill(d, ""); }, "check DIR", 0,
         "Záznamy: 1 (soubor datax.dat neobsahuje žádný záznam)"},
        {"CheckMissingDirectoryIsNotMade", nullptr, "check DIR/none", 1, "neexistuje", "none"},
        {"CheckRecordFileAFolder",
         [](const auto& d) { std::filesystem::create_directory(d / "datax.dat"); }, "check DIR", 1,
         "datax.dat"},
        {"CheckFifo",
         [](const auto& d) { ASSERT_EQ(::mkfifo((d / "datax.dat").c_str(), 0600), 0); },
         "check DIR", 1, "roura"},
        {"DumpFolder", nullptr, "dump DIR", 1, "adresář"},
        {"DumpEmptyFile", [](const auto& d) { fill(d, ""); }, "dump DIR/datax.dat", 0,
         "neobsahuje žádný celý záznam"},
        // The temporary file of a save whose program has ended.
        {"StaleTemporaryFileIsRemovedAndListed",
         [](const auto& d) {
             const pid_t ended = ::fork();
             if (ended == 0) ::_exit(0);
             ::waitpid(ended, nullptr, 0);
             WriteFileAtomic(d / ("datax.dat." + std::to_string(ended) + ".5.heliokres-tmp"), "x");
         },
         "check DIR", 0, "Upozornění: Odstraněno 1 dočasných souborů"},
        {"ObserverWithLineBreak", demo, "report cv DIR 6.2025 --observer \"$(printf 'A\\nB')\"", 2,
         "řídicí znak"},
        {"MonthWithAFifthYearDigit", demo, "report sidc DIR 6.20251", 1, "Špatně zadaný měsíc"},
        // A FIFO for the instrument data is named, not taken as a missing file
        // (before the month, which lies before the archive, is refused).
        {"ReportWithAFifoForTheInstrumentData",
         [](const auto& d) {
             demo(d);
             std::filesystem::remove(d / "Obecdata.dat");
             ASSERT_EQ(::mkfifo((d / "Obecdata.dat").c_str(), 0600), 0);
         },
         "report own DIR 1.1990", 1, "Obecdata.dat\" není obyčejný soubor"},
        {"ReversedRange", nullptr, "ephemeris --from 02.01.2025 --to 01.01.2025", 1,
         "je až po datu"},
        {"FindDiskOnAFifo",
         [](const auto& d) { ASSERT_EQ(::mkfifo((d / "scan.png").c_str(), 0600), 0); },
         "find-disk DIR/scan.png", 1, "roura"},
        {"ImportFromAFifo",
         [](const auto& d) { ASSERT_EQ(::mkfifo((d / "sn.csv").c_str(), 0600), 0); },
         "import silso DIR DIR/sn.csv", 1, "roura"},
        // Every bad line counted, only the first hundred listed.
        {"ImportOfManyBadLines",
         [](const auto& d) {
             std::string lines;
             for (int i = 0; i < 5000; ++i)
                 lines += "x\n";
             WriteFileAtomic(d / "sn.csv", lines);
         },
         "import silso DIR DIR/sn.csv", 1,
         "Řádek 100: čekám rok, měsíc, den, desetinné datum, celkové, severní a jižní "
         "číslo\n... a dalších 4900\nheliokres-cli: Soubor"},
        // Years SILSO cannot hold are bad lines: nothing is written.
        {"ImportOfYearsFarApart",
         [](const auto& d) {
             WriteFileAtomic(d / "sn.csv", "1000;01;01;1000.001;1;1;1\n"
                                           "9999;12;31;9999.999;2;1;1\n");
         },
         "import silso DIR DIR/sn.csv", 1, "Řádek 1: rok 1000 není mezi 1700 a ", "SIDC"},
        {"MagnetosphereSumWithoutMagneto",
         [](const auto& d) {
             demo(d);
             std::filesystem::remove_all(d / "Magneto");
         },
         "magnetosphere-sum DIR", 1, "Nejsou data pro magnetosféru", "magn.dat"},
        {"DemoOverAnArchive", demo, "demo DIR --years 1 --per-year 5", 1, "--force"},
        {"DemoForcedOverAnArchive", demo, "demo DIR --years 1 --per-year 5 --force", 0,
         "Ukázková data zapsána"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        TempDir tmp;
        const auto dir = tmp.path();
        if (row.prepare) row.prepare(dir);
        std::string args = row.args;
        for (std::size_t at; (at = args.find("DIR")) != std::string::npos;)
            args.replace(at, 3, ShellQuoted(dir));
        const CliRun r = RunCli(args, true);
        EXPECT_EQ(r.status, row.status) << r.out;
        EXPECT_NE(r.out.find(row.message), std::string::npos) << r.out;
        if (row.absent) {
            EXPECT_FALSE(std::filesystem::exists(dir / row.absent));
        }
    }
}

} // namespace
