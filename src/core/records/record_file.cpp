#include "records/record_file.h"

#include <cerrno>
#include <stdexcept>
#include <unistd.h>

#include "io/atomic_file.h"

namespace hk {

RecordFileContents ReadRecordFile(const std::filesystem::path& path) {
    std::size_t size = 0;
    const int fd = OpenRegularFile(path, size);
    RecordFileContents out;
    const std::size_t count = size / RecordSize;
    out.trailingBytes = size % RecordSize;
    // Read straight into the records: one block read of the whole records.
    out.records.resize(count);
    char* p = reinterpret_cast<char*>(out.records.data());
    std::size_t left = count * RecordSize;
    while (left > 0) {
        const ssize_t n = ::read(fd, p, left);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            ::close(fd);
            throw std::runtime_error("Chyba při čtení souboru \"" + path.string() + "\"");
        }
        p += n;
        left -= static_cast<std::size_t>(n);
    }
    ::close(fd);
    return out;
}

std::string_view RecordBytes(std::span<const TZaznam> records) {
    return {reinterpret_cast<const char*>(records.data()), records.size() * RecordSize};
}

void WriteRecordFile(const std::filesystem::path& path, std::span<const TZaznam> records) {
    WriteFileAtomic(path, RecordBytes(records));
}

} // namespace hk
