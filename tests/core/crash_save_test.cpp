// Saves killed with SIGKILL at seeded moments: the next start finds the file
// as it was before or after the save, and no temporary file of the
// interrupted save.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <functional>
#include <memory>
#include <random>
#include <unistd.h>

#include "core/child_process.h"
#include "core/store_fixtures.h"
#include "records/program_lock.h"
#include "records/session.h"
#include "records/silso_import.h"
#include "records/startup.h"
#include "tests_support/session_edit.h"
#include "tests_support/temp_dir.h"

using namespace hk;
using namespace hk::store_test;

namespace {

constexpr int RecordCount = 4000;

// HELIOKRES_CRASH_KILLS raises the number of kills for a longer campaign.
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

int tempFiles(const std::filesystem::path& folder) {
    int n = 0;
    for (const auto& e : std::filesystem::directory_iterator(folder))
        if (IsOwnTempFileName(e.path().filename().string())) ++n;
    return n;
}

// Runs `prepare()`'s save in a child process killed with SIGKILL at seeded
// moments spread over 1.5 times `saveTime`; before each run `before()`
// restores the old content, after each kill `after(kill)` checks what the
// next start finds.
void killDuringSaves(std::chrono::microseconds saveTime, const std::function<void()>& before,
                     const std::function<std::function<void()>()>& prepare,
                     const std::function<void(int kill)>& after) {
    std::mt19937 random(12);
    std::uniform_int_distribution<long> moment(0, saveTime.count() * 3 / 2);
    for (int kill = 0, n = kills(); kill < n; ++kill) {
        before();
        std::function<void()> save;
        Child child([&] { save = prepare(); }, [&] { save(); });
        ::usleep(static_cast<useconds_t>(moment(random)));
        child.end(); // while saving or just after
        after(kill);
    }
}

// The next start of the program: the directory's lock with its clean-up,
// then the start-up.
void nextStart(const std::filesystem::path& dir) {
    Session next(dir);
    StartupHooks hooks;
    const DirectoryLock lock = LockProgramDirectory(next.dir, "heliokres", hooks.notes);
    ASSERT_TRUE(lock.held());
    RunStartup(next, 768, Today, hooks);
}

std::chrono::microseconds timed(const std::function<void()>& save) {
    const auto t0 = std::chrono::steady_clock::now();
    save();
    return std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() -
                                                                 t0);
}

// The store of a few thousand records, every record changed, saved.
TEST(CrashDuringSave, LeavesOldOrNewAndTheNextStartCleansUp) {
    TempDir dir;
    const auto file = dir.path() / "datax.dat";
    const auto before = [&] { WriteRecords(file, archive()); };
    const auto prepare = [&] {
        auto s = std::make_shared<Session>(dir.path());
        s->load(Today);
        for (int k = 1; k <= s->recordCount(); ++k)
            ChangeRecord(*s, k, [](TZaznam& z) { z.Skupiny[0].Poc = 99; });
        return std::function<void()>([s] { s->save(); });
    };
    before();
    const std::string oldBytes = ReadWholeFile(file);
    // The new content, and how long one save takes here, to spread the kills
    // over it (the moments only need to fall in and after the save).
    const auto saveTime = timed(prepare());
    const std::string newBytes = ReadWholeFile(file);
    ASSERT_NE(newBytes, oldBytes);

    int sawOld = 0, sawNew = 0, leftTemp = 0;
    killDuringSaves(saveTime, before, prepare, [&](int kill) {
        leftTemp += tempFiles(dir.path()) > 0;
        nextStart(dir.path());
        EXPECT_EQ(tempFiles(dir.path()), 0) << "kill " << kill;
        const std::string bytes = ReadWholeFile(file);
        EXPECT_TRUE(bytes == oldBytes || bytes == newBytes) << "kill " << kill;
        sawOld += bytes == oldBytes;
        sawNew += bytes == newBytes;
    });
    RecordProperty("old", sawOld);
    RecordProperty("new", sawNew);
    RecordProperty("temporaryLeft", leftTemp);
}

// An import of the daily series over an older one, killed: the next start
// finds every year old or every year new, never a mix, and no temporary
// file or list of the set.
TEST(CrashDuringImport, LeavesTheOldYearsOrTheNewOnes) {
    TempDir dir;
    const ProgramDir pd(dir.path());
    auto series = [](int value) {
        std::string csv;
        for (int year = 1960; year < 2020; ++year)
            for (int day = 1; day <= 28; ++day)
                csv += std::to_string(year) + ";02;" + std::to_string(day) + ";" +
                       std::to_string(year) + ".1;" + std::to_string(value) + ";1;1\n";
        return ParseSilsoDaily(csv, 2027);
    };
    const SilsoImport oldSet = series(11), newSet = series(22);
    auto writeOld = [&] { WriteSilsoDaily(pd, oldSet); };
    writeOld();
    const auto saveTime = timed([&] { WriteSilsoDaily(pd, newSet); });
    int sawOld = 0, sawNew = 0;
    killDuringSaves(
        saveTime, writeOld,
        [&] { return std::function<void()>([&] { WriteSilsoDaily(pd, newSet); }); },
        [&](int kill) {
            nextStart(dir.path());
            int olds = 0, news = 0, others = 0;
            for (const auto& e : std::filesystem::directory_iterator(dir.path() / "SIDC")) {
                const std::string name = e.path().filename().string();
                const int year = name.size() == 12 ? std::atoi(name.substr(4, 4).c_str()) : 0;
                if (!oldSet.files.count(year)) {
                    ++others; // a temporary file or the list of the set
                    continue;
                }
                const std::string bytes = ReadWholeFile(e.path());
                olds += bytes == oldSet.files.at(year);
                news += bytes == newSet.files.at(year);
            }
            EXPECT_EQ(others, 0) << "kill " << kill;
            EXPECT_TRUE(olds == 60 || news == 60)
                << "kill " << kill << ": " << olds << " old, " << news << " new";
            sawOld += olds == 60;
            sawNew += news == 60;
        });
    RecordProperty("old", sawOld);
    RecordProperty("new", sawNew);
}

} // namespace
