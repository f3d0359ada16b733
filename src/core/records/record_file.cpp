#include "records/record_file.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <stdexcept>
#include <string>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

#include "io/atomic_file.h"
#include "io/huge_pages.h"

namespace hk {

namespace {

class Fd {
  public:
    explicit Fd(int fd) : fd_(fd) {}
    ~Fd() {
        if (fd_ >= 0) ::close(fd_);
    }
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    int get() const { return fd_; }

  private:
    int fd_;
};

[[noreturn]] void readError(const std::string& what, const std::filesystem::path& path, int err) {
    std::string msg = what + " \"" + path.string() + "\"";
    if (err != 0) msg += ": " + std::string(std::strerror(err));
    throw std::runtime_error(msg);
}

// Reads `bytes` bytes at `offset` into `to`; 0 or the errno of a failed
// read, or -1 when the file ended before them.
int readAt(int fd, char* to, std::size_t bytes, off_t offset) {
    while (bytes > 0) {
        const ssize_t n = ::pread(fd, to, bytes, offset);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return errno;
        if (n == 0) return -1;
        to += n;
        offset += n;
        bytes -= static_cast<std::size_t>(n);
    }
    return 0;
}

void throwReadResult(int result, const std::filesystem::path& path) {
    if (result > 0) readError("Chyba při čtení souboru", path, result);
    if (result < 0) readError("Soubor se během čtení zkrátil:", path, 0);
}

std::optional<RecordFileReadAhead::Identity> Identify(const std::filesystem::path& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) return std::nullopt;
    constexpr long long Giga = 1'000'000'000;
    return RecordFileReadAhead::Identity{
        static_cast<unsigned long long>(st.st_dev), static_cast<unsigned long long>(st.st_ino),
        static_cast<unsigned long long>(st.st_size), st.st_mtim.tv_sec * Giga + st.st_mtim.tv_nsec,
        st.st_ctim.tv_sec * Giga + st.st_ctim.tv_nsec};
}

} // namespace

RecordFileReadAhead::RecordFileReadAhead(std::filesystem::path path, std::size_t spare)
    : path_(std::move(path)), spare_(spare) {
    reader_ = std::jthread([this] {
        // A file that changed while it was read is left for `take` to read.
        const std::optional<Identity> before = Identify(path_);
        if (!before) return;
        try {
            RecordFileContents contents = ReadRecordFile(path_, spare_);
            if (Identify(path_) != before) return;
            contents_ = std::move(contents);
            identity_ = *before;
        } catch (const std::exception&) {
            // Read again by `take`, which then throws the message.
        }
    });
}

RecordFileReadAhead::~RecordFileReadAhead() = default;

RecordFileContents RecordFileReadAhead::take(const std::filesystem::path& path, std::size_t spare) {
    if (reader_.joinable()) reader_.join();
    std::optional<RecordFileContents> contents = std::move(contents_);
    contents_.reset();
    if (contents && spare == spare_ && Identify(path) == identity_) return std::move(*contents);
    return ReadRecordFile(path, spare);
}

RecordFileContents ReadRecordFile(const std::filesystem::path& path, std::size_t spare) {
    return ReadRecordFile(path, spare, {});
}

RecordFileContents ReadRecordFile(const std::filesystem::path& path, std::size_t spare,
                                  const RecordsReadProgress& progress) {
    std::size_t size = 0;
    Fd fd(OpenRegularFile(path, size));

    RecordFileContents out;
    const std::size_t count = size / RecordSize;
    out.trailingBytes = size % RecordSize;
    out.records.reserve(count + spare);
    AdviseHugePages(out.records.data(), out.records.capacity() * RecordSize);
    out.records.resize(count);
    char* const start = reinterpret_cast<char*>(out.records.data());
    const std::size_t bytes = count * RecordSize;
    constexpr std::size_t Huge = std::size_t{1} << 21;

    if (!progress) {
        // Straight into the records. Most of a large read is the kernel
        // providing the fresh pages the records go to and copying into
        // them, so two halves are read on two cores at once. The halves
        // meet on a huge page's edge, so that no page is asked for by both.
        const auto begin = reinterpret_cast<std::uintptr_t>(start);
        const std::size_t middle =
            bytes < 4 * Huge ? bytes : ((begin + bytes / 2) & ~(Huge - 1)) - begin;
        int upperResult = 0;
        {
            std::jthread upper;
            if (middle < bytes)
                upper = std::jthread([&] {
                    upperResult = readAt(fd.get(), start + middle, bytes - middle,
                                         static_cast<off_t>(middle));
                });
            throwReadResult(readAt(fd.get(), start, middle, 0), path);
        }
        throwReadResult(upperResult, path);
        return out;
    }

    // In pieces of about 8 MiB, each told when read, for someone who works
    // on the records beside the reading.
    constexpr std::size_t PieceBytes = 4 * Huge;
    for (std::size_t done = 0; done < bytes;) {
        const std::size_t piece = std::min(bytes - done, PieceBytes);
        throwReadResult(readAt(fd.get(), start + done, piece, static_cast<off_t>(done)), path);
        done += piece;
        progress(out.records, done / RecordSize);
    }
    return out;
}

std::string_view RecordBytes(std::span<const TZaznam> records) {
    return {reinterpret_cast<const char*>(records.data()), records.size() * RecordSize};
}

void WriteRecordFile(const std::filesystem::path& path, std::span<const TZaznam> records) {
    WriteFileAtomic(path, RecordBytes(records));
}

} // namespace hk
