#include "records/record_file.h"

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
    std::size_t size = 0;
    Fd fd(OpenRegularFile(path, size));

    RecordFileContents out;
    const std::size_t count = size / RecordSize;
    out.trailingBytes = size % RecordSize;
    out.records.reserve(count + spare);
    AdviseHugePages(out.records.data(), out.records.capacity() * RecordSize);
    out.records.resize(count);
    // Straight into the records: one block read of the whole records.
    char* p = reinterpret_cast<char*>(out.records.data());
    std::size_t left = count * RecordSize;
    while (left > 0) {
        const ssize_t n = ::read(fd.get(), p, left);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) readError("Chyba při čtení souboru", path, errno);
        if (n == 0) readError("Soubor se během čtení zkrátil:", path, 0);
        p += n;
        left -= static_cast<std::size_t>(n);
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
