#include "io/atomic_file.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <mutex>
#include <random>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace hk {

namespace {

std::string describe(const std::filesystem::path& p) {
    return "\"" + p.string() + "\"";
}

[[noreturn]] void fail(const std::string& what, const std::filesystem::path& p, int err) {
    std::string msg = what + " " + describe(p);
    if (err != 0) msg += ": " + std::string(std::strerror(err));
    throw std::runtime_error(msg);
}

bool writeAll(int fd, std::string_view bytes) {
    const char* p = bytes.data();
    std::size_t left = bytes.size();
    while (left > 0) {
        ssize_t n = ::write(fd, p, left);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        p += n;
        left -= static_cast<std::size_t>(n);
    }
    return true;
}

// After a rename the new name lives in the folder's entries: flushing the
// folder makes the rename survive a power loss.
void syncFolder(const std::filesystem::path& dir) {
    const int fd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

const char* kindOf(mode_t mode) {
    if (S_ISDIR(mode)) return "je to adresář";
    if (S_ISFIFO(mode)) return "je to roura (FIFO)";
    if (S_ISCHR(mode) || S_ISBLK(mode)) return "je to zařízení";
    if (S_ISSOCK(mode)) return "je to soket";
    return "není to obyčejný soubor";
}

[[noreturn]] void notRegular(const std::filesystem::path& p, mode_t mode) {
    throw std::runtime_error("Nelze číst soubor " + describe(p) + " (" + kindOf(mode) + ")");
}

} // namespace

std::optional<std::string> NotAFileWarning(const std::filesystem::path& path) {
    std::error_code ec;
    const auto st = std::filesystem::status(path, ec);
    if (std::filesystem::is_regular_file(st)) return std::nullopt;
    if (!std::filesystem::exists(st)) return std::nullopt;
    return "Soubor \"" + path.string() + "\" není obyčejný soubor; nepoužije se.";
}

namespace {

// The digits at the end of `s` ("" when it does not end in a digit).
std::string_view trailingDigits(std::string_view s) {
    std::size_t n = 0;
    while (n < s.size() && s[s.size() - 1 - n] >= '0' && s[s.size() - 1 - n] <= '9')
        ++n;
    return s.substr(s.size() - n);
}

// Removes ".<digits>" from the end of `name`; false when it does not end so
// or nothing would be left before it.
bool takeNumber(std::string_view& name, std::string_view& digits) {
    digits = trailingDigits(name);
    if (digits.empty() || name.size() < digits.size() + 2 ||
        name[name.size() - digits.size() - 1] != '.')
        return false;
    name.remove_suffix(digits.size() + 1);
    return true;
}

std::random_device& randomSource() {
    static std::random_device rd;
    return rd;
}

} // namespace

std::optional<TempFileName> ParseTempFileName(std::string_view name) {
    if (name.size() <= TempFileSuffix.size() || !name.ends_with(TempFileSuffix))
        return std::nullopt;
    name.remove_suffix(TempFileSuffix.size());
    std::string_view random;
    if (!takeNumber(name, random)) return std::nullopt;
    TempFileName parsed;
    std::string_view pid;
    std::string_view beforePid = name;
    // "<name>.<pid>.<digits>": a pid of at most 9 digits; otherwise the
    // older "<name>.<digits>", whose writer is unknown.
    if (takeNumber(beforePid, pid) && pid.size() <= 9 && pid.front() != '0') {
        std::from_chars(pid.data(), pid.data() + pid.size(), parsed.pid);
        name = beforePid;
    }
    parsed.target = std::string(name);
    return parsed;
}

bool IsOwnTempFileName(std::string_view name) {
    return ParseTempFileName(name).has_value();
}

std::string NewTempFileName(std::string_view target) {
    return std::string(target) + "." + std::to_string(::getpid()) + "." +
           std::to_string(randomSource()() % 1000000) + std::string(TempFileSuffix);
}

bool ProcessRunning(long pid) {
    if (pid <= 0) return false;
    return ::kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM;
}

void SyncFolder(const std::filesystem::path& dir) {
    syncFolder(dir);
}

namespace {

struct ReadOnlyEntry {
    std::filesystem::path folder; // absolute, symbolic links resolved
    std::string reason;
};
std::mutex readOnlyMutex;
std::vector<ReadOnlyEntry>& readOnlyFolders() {
    static std::vector<ReadOnlyEntry> folders;
    return folders;
}

std::filesystem::path resolvedPath(const std::filesystem::path& path) {
    std::error_code ec;
    std::filesystem::path resolved = std::filesystem::weakly_canonical(path, ec);
    if (ec) resolved = std::filesystem::absolute(path, ec).lexically_normal();
    return resolved;
}

bool isBelow(const std::filesystem::path& path, const std::filesystem::path& folder) {
    auto p = path.begin();
    for (auto f = folder.begin(); f != folder.end(); ++f, ++p) {
        if (f->empty()) continue; // a trailing separator
        if (p == path.end() || *p != *f) return false;
    }
    return true;
}

// The reason a write of `path` is refused, or nullopt. A copy: the entry
// may end once the lock is released.
std::optional<std::string> refusalReason(const std::filesystem::path& path) {
    const std::lock_guard<std::mutex> guard(readOnlyMutex);
    if (readOnlyFolders().empty()) return std::nullopt;
    const std::filesystem::path resolved = resolvedPath(path);
    for (const ReadOnlyEntry& entry : readOnlyFolders())
        if (isBelow(resolved, entry.folder)) return entry.reason;
    return std::nullopt;
}

} // namespace

ReadOnlyFolder::ReadOnlyFolder(const std::filesystem::path& folder, std::string reason)
    : folder_(resolvedPath(folder)) {
    const std::lock_guard<std::mutex> guard(readOnlyMutex);
    readOnlyFolders().push_back({folder_, std::move(reason)});
}

ReadOnlyFolder::~ReadOnlyFolder() {
    const std::lock_guard<std::mutex> guard(readOnlyMutex);
    auto& folders = readOnlyFolders();
    for (auto it = folders.begin(); it != folders.end(); ++it)
        if (it->folder == folder_) {
            folders.erase(it);
            break;
        }
}

bool WritesRefused(const std::filesystem::path& path) {
    return refusalReason(path).has_value();
}

namespace {

// The temporary file of WriteTempFile, its bytes written by `produce`.
std::filesystem::path writeTemp(const std::filesystem::path& path, const TextProducer& produce,
                                bool flush) {
    if (const std::optional<std::string> reason = refusalReason(path))
        throw std::runtime_error(*reason + " Soubor " + describe(path) + " nebyl uložen.");
    std::filesystem::path dir = path.parent_path();
    if (dir.empty()) dir = ".";
    // Something else than a file of that name (a FIFO, a device) is never
    // replaced: its reader was refused too.
    struct stat st {};
    if (::stat(path.c_str(), &st) == 0 && !S_ISREG(st.st_mode))
        throw std::runtime_error("Soubor " + describe(path) + " nelze přepsat (" +
                                 kindOf(st.st_mode) + ")");
    std::filesystem::path tmp;
    int fd = -1;
    // A name another save uses at this moment is not taken: another number.
    for (int attempt = 0; fd < 0 && attempt < 8; ++attempt) {
        tmp = dir / NewTempFileName(path.filename().string());
        fd = ::open(tmp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
        if (fd < 0 && errno != EEXIST) break;
    }
    if (fd < 0) fail("Nelze zapsat soubor", path, errno);
    // A failed write throws at once and stops the producer.
    try {
        off_t written = 0;
        off_t started = 0;
        produce([&](std::string_view bytes) {
#if defined(__linux__)
            // With a text in several pieces, the disk starts on what was
            // written while the rest is made, every few megabytes, so that
            // the flush at the end waits for less. Only a hint: the flush
            // below makes the file safe. A small text goes to the flush alone.
            constexpr off_t StartEvery = 4 << 20;
            if (flush && written - started >= StartEvery) {
                ::sync_file_range(fd, started, written - started, SYNC_FILE_RANGE_WRITE);
                started = written;
            }
#endif
            if (!writeAll(fd, bytes)) fail("Chyba při zápisu souboru", path, errno);
            written += static_cast<off_t>(bytes.size());
        });
        if (flush && ::fsync(fd) != 0) fail("Chyba při zápisu souboru", path, errno);
    } catch (...) {
        ::close(fd);
        ::unlink(tmp.c_str());
        throw;
    }
    if (::close(fd) != 0) {
        int err = errno;
        ::unlink(tmp.c_str());
        fail("Chyba při zápisu souboru", path, err);
    }
    return tmp;
}

} // namespace

std::filesystem::path WriteTempFile(const std::filesystem::path& path, std::string_view bytes,
                                    bool flush) {
    return writeTemp(
        path, [bytes](const auto& write) { write(bytes); }, flush);
}

void WriteFileAtomic(const std::filesystem::path& path, std::string_view bytes) {
    WriteFileAtomic(path, [bytes](const auto& write) { write(bytes); });
}

void WriteFileAtomic(const std::filesystem::path& path, const TextProducer& produce) {
    const std::filesystem::path tmp = writeTemp(path, produce, true);
    if (::rename(tmp.c_str(), path.c_str()) != 0) {
        int err = errno;
        ::unlink(tmp.c_str());
        fail("Nelze přepsat soubor", path, err);
    }
    std::filesystem::path dir = path.parent_path();
    syncFolder(dir.empty() ? std::filesystem::path(".") : dir);
}

TempFileCleanup RemoveTempFilesOfEndedWriters(const std::filesystem::path& folder) {
    TempFileCleanup result;
    std::error_code ec;
    for (std::filesystem::directory_iterator it(folder, ec), end; !ec && it != end;
         it.increment(ec)) {
        const std::string name = it->path().filename().string();
        const auto parsed = ParseTempFileName(name);
        if (!parsed) continue;
        std::error_code fec;
        // Only plain files are ours: a folder or link of that name is left.
        if (!it->is_regular_file(fec) || it->is_symlink(fec)) continue;
        if (parsed->pid == 0) {
            result.unknownWriter.push_back(name);
            continue;
        }
        if (ProcessRunning(parsed->pid)) continue; // a save running now
        if (std::filesystem::remove(it->path(), fec)) result.removed.push_back(name);
    }
    std::sort(result.removed.begin(), result.removed.end());
    std::sort(result.unknownWriter.begin(), result.unknownWriter.end());
    return result;
}

std::vector<std::string> FindOldTempFiles(const std::filesystem::path& folder) {
    std::vector<std::string> found;
    std::error_code ec;
    for (std::filesystem::directory_iterator it(folder, ec), end; !ec && it != end;
         it.increment(ec)) {
        const std::string name = it->path().filename().string();
        const std::size_t at = name.rfind(".tmp");
        if (at == std::string::npos || at == 0) continue;
        const std::string_view digits = std::string_view(name).substr(at + 4);
        if (digits.empty() || digits.size() > 6 ||
            digits.find_first_not_of("0123456789") != std::string_view::npos)
            continue;
        std::error_code fec;
        if (it->is_regular_file(fec) &&
            std::filesystem::is_regular_file(folder / name.substr(0, at), fec))
            found.push_back(name);
    }
    return found;
}

int OpenRegularFile(const std::filesystem::path& path, std::size_t& size) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) fail("Nelze otevřít soubor", path, errno);
    if (!S_ISREG(st.st_mode)) notRegular(path, st.st_mode);
    // Non-blocking, in case the name was replaced by a FIFO since the test.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) fail("Nelze otevřít soubor", path, errno);
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        const int err = errno;
        ::close(fd);
        if (!S_ISREG(st.st_mode)) notRegular(path, st.st_mode);
        fail("Nelze číst soubor", path, err);
    }
    size = static_cast<std::size_t>(st.st_size);
    return fd;
}

namespace {

template <class Bytes> Bytes readUpTo(int fd, const std::filesystem::path& path, std::size_t size) {
    Bytes data(size, 0);
    std::size_t got = 0;
    while (got < size) {
        const ssize_t n = ::read(fd, reinterpret_cast<char*>(data.data()) + got, size - got);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            const int err = errno;
            ::close(fd);
            fail("Chyba při čtení souboru", path, err);
        }
        if (n == 0) break; // the file became shorter: what is there is read
        got += static_cast<std::size_t>(n);
    }
    ::close(fd);
    data.resize(got);
    return data;
}

int openBounded(const std::filesystem::path& path, std::size_t maxBytes, std::size_t& size) {
    const int fd = OpenRegularFile(path, size);
    if (size > maxBytes) {
        ::close(fd);
        throw FileTooLarge("Soubor " + describe(path) + " je příliš velký (" +
                           std::to_string(size) + " bajtů, nejvýše " + std::to_string(maxBytes) +
                           "); nebyl načten.");
    }
    return fd;
}

} // namespace

std::string ReadWholeFile(const std::filesystem::path& path, std::size_t maxBytes) {
    std::size_t size = 0;
    const int fd = openBounded(path, maxBytes, size);
    return readUpTo<std::string>(fd, path, size);
}

std::vector<std::uint8_t> ReadWholeFileBytes(const std::filesystem::path& path,
                                             std::size_t maxBytes) {
    std::size_t size = 0;
    const int fd = openBounded(path, maxBytes, size);
    return readUpTo<std::vector<std::uint8_t>>(fd, path, size);
}

std::string ReadFileStart(const std::filesystem::path& path, std::size_t count) {
    std::size_t size = 0;
    const int fd = OpenRegularFile(path, size);
    return readUpTo<std::string>(fd, path, std::min(size, count));
}

} // namespace hk
