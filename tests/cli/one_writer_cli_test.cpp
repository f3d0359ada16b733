// Two programs on one directory, each a process of its own: a writing
// command is refused while another program holds the directory and runs
// once it has ended. (That one lock excludes another, and that an import
// replaces its years all or none: the core's tests.)
#include <gtest/gtest.h>

#include <unistd.h>

#include "cli/program_dir.h"
#include "io/atomic_file.h"
#include "io/directory_lock.h"
#include "tests_support/run_cli.h"
#include "tests_support/temp_dir.h"

using namespace hk;

namespace {

std::string inDir(std::string args, const std::filesystem::path& dir) {
    for (std::size_t at; (at = args.find("DIR")) != std::string::npos;)
        args.replace(at, 3, ShellQuoted(dir));
    return args;
}

TEST(OneWriter, CommandsWaitForTheProgramThatHoldsTheDirectory) {
    TempDir tmp;
    const auto dir = tmp.path();
    ASSERT_EQ(RunCli(inDir("demo DIR --years 1 --per-year 30 --seed 3", dir)).status, 0);
    WriteFileAtomic(dir / "sn.csv", "2020;01;01;2020.001;5;2;3\n");
    const std::string holder = "(proces " + std::to_string(::getpid());
    {
        // This test's process is the desktop program that holds the directory.
        const DirectoryLock desktop = DirectoryLock::tryAcquire(dir, "heliokres");
        ASSERT_TRUE(desktop.held());
        for (const char* writer : {"report sidc DIR 6.2025", "import silso DIR DIR/sn.csv",
                                   "export ascii DIR", "magnetosphere-sum DIR"}) {
            const CliRun r = RunCli(inDir(writer, dir), true);
            EXPECT_EQ(r.status, 1) << writer;
            EXPECT_NE(r.out.find("právě zapisuje jiný program: heliokres " + holder),
                      std::string::npos)
                << writer << ": " << r.out;
        }
        EXPECT_FALSE(std::filesystem::exists(dir / "Mesice"));
        EXPECT_FALSE(std::filesystem::exists(dir / "SIDC" / "dssn2020.dat"));
        // Commands that only read run as ever; check says it only read.
        EXPECT_EQ(RunCli(inDir("stats DIR measured", dir)).status, 0);
        const CliRun check = RunCli(inDir("check DIR", dir), true);
        EXPECT_EQ(check.status, 0);
        EXPECT_NE(check.out.find("Kontrola adresář jen čte"), std::string::npos) << check.out;
    }
    // The desktop program ended without removing its lock (killed): the
    // next command takes the lock over and says so.
    WriteLockOf(dir, 999999999);
    const CliRun r = RunCli(inDir("export ascii DIR", dir), true);
    EXPECT_EQ(r.status, 0) << r.out;
    EXPECT_NE(r.out.find("proces 999999999"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("byl převzat"), std::string::npos) << r.out;
    EXPECT_FALSE(std::filesystem::exists(dir / LockFileName));
}

} // namespace
