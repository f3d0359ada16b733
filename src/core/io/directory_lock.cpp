#include "io/directory_lock.h"

#include <cerrno>
#include <charconv>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

#include "io/atomic_file.h"

namespace hk {

namespace {

constexpr std::size_t MostLockBytes = 4096;

std::string hostName() {
    char name[256] = {};
    if (::gethostname(name, sizeof name - 1) != 0) return {};
    return name;
}

// Field 22 of /proc/<pid>/stat: when the process started, in clock ticks
// after boot. Together with the pid it names one process (a pid is reused).
long long startTicks(long pid) {
    char path[64];
    std::snprintf(path, sizeof path, "/proc/%ld/stat", pid);
    // Read as it comes: a file of /proc reports the size 0.
    const int fd = ::open(path, O_RDONLY | O_CLOEXEC);
    if (fd < 0) return 0;
    std::string text(1024, '\0');
    const ssize_t n = ::read(fd, text.data(), text.size());
    ::close(fd);
    text.resize(n > 0 ? static_cast<std::size_t>(n) : 0);
    std::size_t at = text.rfind(')');
    if (at == std::string::npos) return 0;
    // Fields after the command name start with field 3 (the state).
    int field = 2;
    for (std::size_t i = at + 1; i < text.size(); ++i) {
        if (text[i] != ' ') continue;
        if (++field == 22) {
            long long ticks = 0;
            const char* begin = text.data() + i + 1;
            std::from_chars(begin, text.data() + text.size(), ticks);
            return ticks;
        }
    }
    return 0;
}

std::string nowText() {
    const std::time_t t = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
    std::tm tm{};
    ::gmtime_r(&t, &tm);
    char b[64];
    std::strftime(b, sizeof b, "%d.%m.%Y %H:%M:%S UTC", &tm);
    return b;
}

std::string oneLine(std::string_view s) {
    std::string out(s.substr(0, 200));
    for (char& c : out)
        if (static_cast<unsigned char>(c) < 32) c = ' ';
    return out;
}

std::string readHolderText(int fd) {
    std::string text(MostLockBytes, '\0');
    const ssize_t n = ::pread(fd, text.data(), text.size(), 0);
    text.resize(n > 0 ? static_cast<std::size_t>(n) : 0);
    return text;
}

bool sameFile(int fd, const std::filesystem::path& path) {
    struct stat a {
    }, b{};
    return ::fstat(fd, &a) == 0 && ::stat(path.c_str(), &b) == 0 && a.st_dev == b.st_dev &&
           a.st_ino == b.st_ino;
}

std::string quoted(const std::filesystem::path& p) {
    return "\"" + p.string() + "\"";
}

} // namespace

std::string LockHolder::describe() const {
    std::string s = program.empty() ? std::string("program Heliokres") : program;
    s += " (proces " + std::to_string(pid);
    if (!host.empty()) s += " na počítači " + host;
    if (!started.empty()) s += ", spuštěn " + started;
    return s + ")";
}

std::string LockHolder::text() const {
    return "pid=" + std::to_string(pid) + "\nhost=" + oneLine(host) +
           "\nprogram=" + oneLine(program) + "\nstarted=" + oneLine(started) +
           "\nticks=" + std::to_string(ticks) + "\n";
}

LockHolder LockHolder::parse(std::string_view text) {
    LockHolder h;
    while (!text.empty()) {
        const std::size_t end = std::min(text.find('\n'), text.size());
        const std::string_view line = text.substr(0, end);
        text.remove_prefix(std::min(end + 1, text.size()));
        const std::size_t eq = line.find('=');
        if (eq == std::string_view::npos) continue;
        const std::string_view key = line.substr(0, eq);
        const std::string_view value = line.substr(eq + 1);
        if (key == "pid") std::from_chars(value.data(), value.data() + value.size(), h.pid);
        if (key == "ticks") std::from_chars(value.data(), value.data() + value.size(), h.ticks);
        if (key == "host") h.host = oneLine(value);
        if (key == "program") h.program = oneLine(value);
        if (key == "started") h.started = oneLine(value);
    }
    if (h.pid < 0) h.pid = 0;
    return h;
}

LockHolder DirectoryLock::thisProcess(std::string_view program) {
    LockHolder h;
    h.pid = ::getpid();
    h.host = hostName();
    h.program = oneLine(program);
    h.started = nowText();
    h.ticks = startTicks(h.pid);
    return h;
}

DirectoryLock DirectoryLock::tryAcquire(const std::filesystem::path& dir,
                                        std::string_view program) {
    DirectoryLock lock;
    lock.dir_ = dir;
    const std::filesystem::path path = dir / LockFileName;
    const LockHolder me = thisProcess(program);
    auto refuse = [&](std::string message, std::optional<LockHolder> holder = std::nullopt) {
        lock.refusal_ = {std::move(holder), std::move(message)};
        return std::move(lock);
    };
    auto heldBy = [&](const LockHolder& h) {
        return refuse("Do adresáře " + quoted(dir) +
                          " právě zapisuje jiný program: " + h.describe() +
                          ". Dva programy nesmějí zapisovat do jednoho adresáře; zkuste to "
                          "znovu, až skončí.",
                      h);
    };
    for (int attempt = 0; attempt < 10; ++attempt) {
        const int fd =
            ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK, 0644);
        if (fd < 0)
            return refuse("Nelze vytvořit zámek adresáře " + quoted(path) + ": " +
                          std::strerror(errno));
        struct stat st {};
        if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
            ::close(fd);
            return refuse("Zámek adresáře " + quoted(path) +
                          " není obyčejný soubor; do adresáře se nebude zapisovat.");
        }
        bool osLock = true;
        if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
            if (errno == EWOULDBLOCK) {
                // The holder may be between taking the lock and naming itself.
                std::string text = readHolderText(fd);
                for (int wait = 0; wait < 20 && text.empty(); ++wait) {
                    std::this_thread::sleep_for(std::chrono::milliseconds(10));
                    text = readHolderText(fd);
                }
                ::close(fd);
                if (text.empty())
                    return refuse("Do adresáře " + quoted(dir) +
                                  " právě zapisuje jiný program. Dva programy nesmějí "
                                  "zapisovat do jednoho adresáře; zkuste to znovu, až skončí.");
                return heldBy(LockHolder::parse(text));
            }
            if (errno != ENOLCK && errno != EOPNOTSUPP && errno != ENOSYS) {
                const int err = errno;
                ::close(fd);
                return refuse("Nelze zamknout adresář " + quoted(dir) + ": " + std::strerror(err));
            }
            osLock = false; // a file system without locks: the file alone tells
        }
        // The holder before removed the file between our open and our lock:
        // the lock is on a file nobody sees; try again with the new one.
        if (!sameFile(fd, path)) {
            ::close(fd);
            continue;
        }
        const std::string before = readHolderText(fd);
        if (!before.empty()) {
            const LockHolder previous = LockHolder::parse(before);
            if (previous.pid != 0) {
                if (previous.host != me.host) {
                    ::close(fd);
                    return refuse("Adresář " + quoted(dir) +
                                      " zamkl program na jiném počítači: " + previous.describe() +
                                      ". Jestli tam už neběží, smažte soubor " + quoted(path) + ".",
                                  previous);
                }
                // The lock was free, yet the process the file names runs: a
                // file system whose locks do not work here. It is respected.
                const bool couldHold = previous.pid != me.pid || !osLock;
                if (couldHold && ProcessRunning(previous.pid) &&
                    (previous.ticks == 0 || previous.ticks == startTicks(previous.pid))) {
                    ::close(fd);
                    return heldBy(previous);
                }
                lock.takeoverNote_ =
                    "Zámek adresáře " + quoted(path) +
                    " zůstal po programu, který už neběží: " + previous.describe() +
                    "; byl převzat.";
            }
        }
        const std::string text = me.text();
        if (::ftruncate(fd, 0) != 0 ||
            ::pwrite(fd, text.data(), text.size(), 0) != static_cast<ssize_t>(text.size())) {
            const int err = errno;
            ::close(fd);
            return refuse("Nelze zapsat zámek adresáře " + quoted(path) + ": " +
                          std::strerror(err));
        }
        lock.fd_ = fd;
        return lock;
    }
    return refuse("Zámek adresáře " + quoted(path) + " se stále mění; zkuste to znovu.");
}

DirectoryLock::DirectoryLock(DirectoryLock&& other) noexcept
    : dir_(std::move(other.dir_)), fd_(other.fd_), refusal_(std::move(other.refusal_)),
      takeoverNote_(std::move(other.takeoverNote_)) {
    other.fd_ = -1;
}

DirectoryLock& DirectoryLock::operator=(DirectoryLock&& other) noexcept {
    if (this != &other) {
        release();
        dir_ = std::move(other.dir_);
        fd_ = other.fd_;
        refusal_ = std::move(other.refusal_);
        takeoverNote_ = std::move(other.takeoverNote_);
        other.fd_ = -1;
    }
    return *this;
}

DirectoryLock::~DirectoryLock() {
    release();
}

void DirectoryLock::release() {
    if (fd_ < 0) return;
    // Removed while still locked, so nobody takes a lock on a file that is
    // about to disappear without seeing that it did.
    const std::filesystem::path path = dir_ / LockFileName;
    if (sameFile(fd_, path)) ::unlink(path.c_str());
    ::close(fd_);
    fd_ = -1;
}

} // namespace hk
