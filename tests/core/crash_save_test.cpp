// A save of a large store killed with SIGKILL at seeded moments: the next
// start finds datax.dat as it was before or after the save, and no temporary
// file of the interrupted save.
#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <random>
#include <sys/wait.h>
#include <unistd.h>

#include "core/store_fixtures.h"
#include "records/session.h"
#include "records/startup.h"
#include "tests_support/temp_dir.h"

using namespace hk;
using namespace hk::store_test;

namespace {

const Date Today{2026, 12, 6};
constexpr int RecordCount = 4000;
// HELIOKRES_CRASH_KILLS raises the number for a longer campaign.
int kills() {
    const char* v = std::getenv("HELIOKRES_CRASH_KILLS");
    return v && std::atoi(v) > 0 ? std::atoi(v) : 10;
}

std::vector<TZaznam> archive() {
    std::vector<TZaznam> records;
    for (int i = 0; i < RecordCount; ++i) {
        const Date d = DateFromSerial(DaySerial(Date{1990, 1, 1}) + i);
        records.push_back(Rec(FormatDatum(d), 800, "Observer " + std::to_string(i % 7)));
    }
    return records;
}

// The change the child saves: every record's first group gets more spots.
void change(Session& s) {
    for (int k = 1; k <= s.PocetZaznamu(); ++k)
        s.mutableRecord(k).Skupiny[0].Poc = 99;
    s.ZmenaDat = true;
}

int tempFiles(const std::filesystem::path& dir) {
    int n = 0;
    for (const auto& e : std::filesystem::directory_iterator(dir))
        if (IsOwnTempFileName(e.path().filename().string())) ++n;
    return n;
}

TEST(CrashDuringSave, KilledSaveLeavesOldOrNewAndTheNextStartCleansUp) {
    TempDir dir;
    const auto datax = dir.path() / "datax.dat";
    WriteRecords(datax, archive());
    const std::string oldBytes = FileBytes(datax);

    // The new content, and how long one save takes here, to spread the kills
    // over it (the moments only need to fall before, in and after the save).
    std::string newBytes;
    std::chrono::microseconds saveTime{};
    {
        TempDir other;
        std::filesystem::copy_file(datax, other.path() / "datax.dat");
        Session s(other.path());
        s.load(Today);
        change(s);
        const auto t0 = std::chrono::steady_clock::now();
        s.save();
        saveTime = std::chrono::duration_cast<std::chrono::microseconds>(
            std::chrono::steady_clock::now() - t0);
        newBytes = FileBytes(other.path() / "datax.dat");
    }
    ASSERT_NE(newBytes, oldBytes);

    std::mt19937 random(12);
    std::uniform_int_distribution<long> moment(0, saveTime.count() * 3 / 2);
    int sawOld = 0, sawNew = 0, leftTemp = 0;
    for (int kill = 0, n = kills(); kill < n; ++kill) {
        WriteRecords(datax, archive());
        int ready[2];
        ASSERT_EQ(::pipe(ready), 0);
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            ::close(ready[0]);
            Session s(dir.path());
            s.load(Today);
            change(s);
            const char go = 1;
            if (::write(ready[1], &go, 1) != 1) ::_exit(3);
            s.save();
            ::pause(); // the kill comes while saving or just after
            ::_exit(0);
        }
        ::close(ready[1]);
        char go = 0;
        ASSERT_EQ(::read(ready[0], &go, 1), 1);
        ::close(ready[0]);
        ::usleep(static_cast<useconds_t>(moment(random)));
        ::kill(child, SIGKILL);
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);

        leftTemp += tempFiles(dir.path()) > 0;
        Session next(dir.path());
        RunStartup(next, 768, Today);
        EXPECT_EQ(tempFiles(dir.path()), 0) << "kill " << kill;
        const std::string bytes = FileBytes(datax);
        EXPECT_TRUE(bytes == oldBytes || bytes == newBytes) << "kill " << kill;
        sawOld += bytes == oldBytes;
        sawNew += bytes == newBytes;
        EXPECT_EQ(next.PocetZaznamu(), RecordCount);
    }
    RecordProperty("old", sawOld);
    RecordProperty("new", sawNew);
    RecordProperty("temporaryLeft", leftTemp);
}

} // namespace
