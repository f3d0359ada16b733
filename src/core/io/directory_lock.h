#pragma once
// One writer per program directory. A program that writes into the
// directory (the desktop program for its whole run, a command of the
// command-line tool while it runs) holds an operating-system lock (flock) on
// the file "heliokres.lock" in it; the file names the holder: its process
// id, computer and start time. A second writer is refused with the holder
// named. A lock whose holder has ended (killed, crashed, a power loss) is
// free to the operating system and is taken over with a note; when the
// file names a process of this computer that still runs (a file system
// without locks), or one of another computer, it is respected.
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace hk {

inline constexpr std::string_view LockFileName = "heliokres.lock";

// The holder a lock file names.
struct LockHolder {
    long pid = 0;
    std::string host;
    std::string program; // "heliokres", "heliokres-cli report", ...
    std::string started; // "06.12.2026 14:05:03 UTC"
    long long ticks = 0; // the process's start in clock ticks after boot (0: unknown)

    // "heliokres-cli report (proces 1234 na počítači stanice, spuštěn
    // 06.12.2026 14:05:03 UTC)"
    std::string describe() const;
    // The lock file's text, and back (fields it does not hold stay empty).
    std::string text() const;
    static LockHolder parse(std::string_view text);
};

class DirectoryLock {
  public:
    struct Refusal {
        std::optional<LockHolder> holder; // who holds it, when the file says
        std::string message;              // Czech, names the holder
    };

    // Takes the lock of `dir` for `program`, or tells who holds it. Never
    // blocks.
    static DirectoryLock tryAcquire(const std::filesystem::path& dir, std::string_view program);

    DirectoryLock(DirectoryLock&& other) noexcept;
    DirectoryLock& operator=(DirectoryLock&& other) noexcept;
    DirectoryLock(const DirectoryLock&) = delete;
    DirectoryLock& operator=(const DirectoryLock&) = delete;
    // Releases the lock and removes the lock file.
    ~DirectoryLock();

    bool held() const { return fd_ >= 0; }
    // Why the lock was not taken (when !held()).
    const Refusal& refusal() const { return refusal_; }
    // When held: the note that a lock left by an ended program was taken
    // over (empty otherwise).
    const std::string& takeoverNote() const { return takeoverNote_; }
    const std::filesystem::path& dir() const { return dir_; }

    // The holder of this process, as it writes itself into the file.
    static LockHolder thisProcess(std::string_view program);

  private:
    DirectoryLock() = default;
    void release();

    std::filesystem::path dir_;
    int fd_ = -1;
    Refusal refusal_;
    std::string takeoverNote_;
};

} // namespace hk
