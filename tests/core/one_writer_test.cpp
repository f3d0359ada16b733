// One writer per program directory, with other real processes: the lock is
// refused while another process holds it and taken over once that process
// has ended; the clean-up removes the temporary files of ended writers in
// every folder the program writes and never those of a save still running.
#include <gtest/gtest.h>

#include <fstream>

#include "core/child_process.h"
#include "io/atomic_file.h"
#include "io/directory_lock.h"
#include "records/program_lock.h"
#include "tests_support/temp_dir.h"

using namespace hk;
using hk::store_test::Child;

namespace {

std::string hostName() {
    char name[256] = {};
    ::gethostname(name, sizeof name - 1);
    return name;
}

TEST(DirectoryLock, OneWriterAtATimeAnEndedOneIsTakenOver) {
    TempDir dir;
    const auto lockFile = dir.path() / LockFileName;
    std::optional<pid_t> holderPid;
    {
        Child holder([&] {
            static DirectoryLock lock = DirectoryLock::tryAcquire(dir.path(), "heliokres");
            if (!lock.held()) ::_exit(2);
        });
        holderPid = holder.pid();
        const DirectoryLock second = DirectoryLock::tryAcquire(dir.path(), "heliokres-cli report");
        ASSERT_FALSE(second.held());
        EXPECT_NE(
            second.refusal().message.find("heliokres (proces " + std::to_string(holder.pid())),
            std::string::npos)
            << second.refusal().message;
        ASSERT_TRUE(second.refusal().holder);
        EXPECT_EQ(second.refusal().holder->host, hostName());
    }
    // The file names the process by its start too (a pid is reused).
    EXPECT_GT(LockHolder::parse(ReadWholeFile(lockFile)).ticks, 0);
    // Killed with the lock: its file still names it; the next writer takes
    // the lock over with a note.
    ASSERT_TRUE(std::filesystem::exists(lockFile));
    {
        const DirectoryLock next = DirectoryLock::tryAcquire(dir.path(), "heliokres");
        ASSERT_TRUE(next.held()) << next.refusal().message;
        EXPECT_NE(next.takeoverNote().find("proces " + std::to_string(*holderPid)),
                  std::string::npos);
    }
    // Released: the file is gone and the next one starts without a note.
    EXPECT_FALSE(std::filesystem::exists(lockFile));
    EXPECT_TRUE(DirectoryLock::tryAcquire(dir.path(), "heliokres").takeoverNote().empty());

    // A file that names a running process although nobody holds the lock (a
    // file system without locks), or a program on another computer: refused.
    const struct {
        LockHolder holder;
        const char* message;
    } respected[] = {
        {{static_cast<long>(::getppid()), hostName(), "heliokres", "dnes", 0}, "právě zapisuje"},
        {{4242, "jiny-pocitac", "heliokres", "dnes", 0}, "smažte soubor"},
    };
    for (const auto& r : respected) {
        std::ofstream(lockFile) << r.holder.text();
        const DirectoryLock refused = DirectoryLock::tryAcquire(dir.path(), "heliokres");
        EXPECT_FALSE(refused.held()) << r.message;
        EXPECT_NE(refused.refusal().message.find(r.message), std::string::npos)
            << refused.refusal().message;
        EXPECT_NE(refused.refusal().message.find(r.holder.describe()), std::string::npos);
    }
}

// Saves of another process in the program directory and in every folder
// the program writes: one still running (its temporary file written, the
// rename to come), one killed. Only the killed one's files go.
TEST(CleanUp, RemovesOnlyTemporaryFilesOfEndedWriters) {
    TempDir dir;
    std::vector<std::filesystem::path> folders{dir.path(), dir.path() / "CSVsoubory" / "Rok2020"};
    for (std::string_view f : WrittenFolders)
        folders.push_back(dir.path() / f);
    for (const auto& f : folders)
        std::filesystem::create_directories(f);
    auto saveInEveryFolder = [&] {
        for (const auto& f : folders)
            WriteTempFile(f / "soubor.dat", "nový obsah");
    };
    Child running(saveInEveryFolder);
    Child killed(saveInEveryFolder);
    const pid_t killedPid = killed.pid();
    killed.end();
    // Not ours to remove: the user's files, a folder of such a name, an older
    // version's temporary file whose writer nobody can tell, and a file in a
    // folder the program never writes.
    std::filesystem::create_directory(dir.path() / "Mesice" / "x.txt.99.1.heliokres-tmp");
    WriteFileAtomic(dir.path() / "Mesice" / "poznamky.heliokres-tmp", "x");
    WriteFileAtomic(dir.path() / "datax.dat.123456.heliokres-tmp", "x");
    std::filesystem::create_directories(dir.path() / "Jine");
    WriteFileAtomic(
        dir.path() / "Jine" / ("y.txt." + std::to_string(99999999) + ".1.heliokres-tmp"), "x");

    auto tempFiles = [&](pid_t writer) {
        int n = 0;
        for (const auto& f : folders)
            for (const auto& e : std::filesystem::directory_iterator(f)) {
                const auto parsed = ParseTempFileName(e.path().filename().string());
                n += parsed && parsed->pid == writer && parsed->target == "soubor.dat";
            }
        return n;
    };
    ASSERT_EQ(tempFiles(running.pid()), static_cast<int>(folders.size()));
    ASSERT_EQ(tempFiles(killedPid), static_cast<int>(folders.size()));

    std::vector<std::string> notes;
    {
        const DirectoryLock lock = LockProgramDirectory(ProgramDir(dir.path()), "heliokres", notes);
        ASSERT_TRUE(lock.held());
    }
    EXPECT_EQ(tempFiles(running.pid()), static_cast<int>(folders.size()));
    EXPECT_EQ(tempFiles(killedPid), 0);
    int removedNotes = 0, unknownNotes = 0;
    for (const std::string& n : notes) {
        removedNotes += n.find("Odstraněno 1 dočasných") != std::string::npos;
        unknownNotes += n.find("program je neodstraňuje") != std::string::npos;
    }
    EXPECT_EQ(removedNotes, static_cast<int>(folders.size())) << testing::PrintToString(notes);
    EXPECT_EQ(unknownNotes, 1);
    for (const char* kept : {"Mesice/x.txt.99.1.heliokres-tmp", "Mesice/poznamky.heliokres-tmp",
                             "datax.dat.123456.heliokres-tmp"})
        EXPECT_TRUE(std::filesystem::exists(dir.path() / kept)) << kept;
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path() / "Jine"), {}), 1);

    // Once the running save's program has ended too, its files go.
    const pid_t wasRunning = running.pid();
    running.end();
    notes.clear();
    LockProgramDirectory(ProgramDir(dir.path()), "heliokres", notes);
    EXPECT_EQ(tempFiles(wasRunning), 0);
}

TEST(ReadOnlyFolder, RefusesEveryWriteBelowItWhileItLives) {
    TempDir dir;
    const std::filesystem::path root = dir.path() / "stanice";
    std::filesystem::create_directories(root / "Vlastni");
    WriteFileAtomic(root / "datax.dat", "stará data");
    {
        const ReadOnlyFolder viewOnly(root / "." / "", "Adresář je otevřen jen pro čtení.");
        for (const auto& target : {root / "datax.dat", root / "Vlastni" / "VL-11_2026.Txt",
                                   root / "Vlastni" / ".." / "nový.dat"}) {
            EXPECT_TRUE(WritesRefused(target)) << target;
            try {
                WriteFileAtomic(target, "nová data");
                ADD_FAILURE() << "written: " << target;
            } catch (const std::runtime_error& e) {
                EXPECT_NE(std::string(e.what()).find("jen pro čtení"), std::string::npos);
            }
        }
        EXPECT_THROW(WriteTempFile(root / "x.dat", "x"), std::runtime_error);
        // Nothing was created or replaced, not even a temporary file.
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(root), {}), 2);
        EXPECT_EQ(ReadWholeFile(root / "datax.dat"), "stará data");
        // A folder whose name only begins the same is another folder.
        EXPECT_FALSE(WritesRefused(dir.path() / "stanice2" / "datax.dat"));
        WriteFileAtomic(dir.path() / "export.csv", "x");
    }
    WriteFileAtomic(root / "datax.dat", "nová data");
    EXPECT_EQ(ReadWholeFile(root / "datax.dat"), "nová data");
}

// A save whose file gets descriptor 0 (a program started with standard input
// closed) is written like any other.
TEST(AtomicWrite, DescriptorZeroIsAFileLikeAnyOther) {
    TempDir dir;
    const std::filesystem::path file = dir.path() / "datax.dat";
    const int input = ::dup(0);
    ::close(0);
    EXPECT_NO_THROW(WriteFileAtomic(file, "nová data"));
    ::dup2(input, 0);
    ::close(input);
    EXPECT_EQ(ReadWholeFile(file), "nová data");
}

} // namespace
