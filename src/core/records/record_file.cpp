#include "records/record_file.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <stdexcept>
#include <string>
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

} // namespace

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
    // Straight into the records: one block read of the whole records, or
    // pieces of about 8 MiB when someone waits for them.
    constexpr std::size_t PieceBytes = 8 << 20;
    char* const start = reinterpret_cast<char*>(out.records.data());
    char* p = start;
    std::size_t left = count * RecordSize;
    std::size_t told = 0;
    while (left > 0) {
        if (progress) {
            const std::size_t ready = static_cast<std::size_t>(p - start) / RecordSize;
            if (ready > told) progress(out.records, told = ready);
        }
        const ssize_t n = ::read(fd.get(), p, progress ? std::min(left, PieceBytes) : left);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) readError("Chyba při čtení souboru", path, errno);
        if (n == 0) readError("Soubor se během čtení zkrátil:", path, 0);
        p += n;
        left -= static_cast<std::size_t>(n);
    }
    if (progress && count > told) progress(out.records, count);
    return out;
}

std::string_view RecordBytes(std::span<const TZaznam> records) {
    return {reinterpret_cast<const char*>(records.data()), records.size() * RecordSize};
}

void WriteRecordFile(const std::filesystem::path& path, std::span<const TZaznam> records) {
    WriteFileAtomic(path, RecordBytes(records));
}

} // namespace hk
