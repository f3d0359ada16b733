#pragma once
// Record files (datax.dat, the backup, the split files, merged files): whole
// 1774-byte records back to back, no header.
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string_view>
#include <thread>
#include <utility>
#include <vector>

#include "records/record_layout.h"

namespace hk {

// An allocator that leaves new elements uninitialised, so that a record
// block about to be overwritten by a file read is not cleared first.
template <class T> struct NoInitAllocator : std::allocator<T> {
    template <class U> struct rebind { using other = NoInitAllocator<U>; };
    NoInitAllocator() = default;
    template <class U> NoInitAllocator(const NoInitAllocator<U>&) noexcept {}
    template <class U> void construct(U* p) noexcept { ::new (static_cast<void*>(p)) U; }
    template <class U, class... Args> void construct(U* p, Args&&... args) {
        ::new (static_cast<void*>(p)) U(std::forward<Args>(args)...);
    }
};
using RecordBlock = std::vector<TZaznam, NoInitAllocator<TZaznam>>;

struct RecordFileContents {
    RecordBlock records;           // every whole record of the file
    std::size_t trailingBytes = 0; // bytes of a partial record at the end, ignored
};

// Reads every whole record of a file straight into one block (a large file
// in two halves on two threads at once), with room for `spare` more
// records; a partial tail is ignored. Throws std::runtime_error with a Czech
// message naming the file and the cause when it cannot be read (not a
// regular file, a read error, a file that shrank while it was read).
RecordFileContents ReadRecordFile(const std::filesystem::path& path, std::size_t spare = 0);

// Called while a file is read in pieces: `all` is the whole block the
// records go to (of the final size), of which the first `ready` are read.
using RecordsReadProgress = std::function<void(std::span<const TZaznam> all, std::size_t ready)>;
// The same, read in pieces of a few megabytes with `progress` told after each
// piece, so that work on the records read can go on beside the reading.
RecordFileContents ReadRecordFile(const std::filesystem::path& path, std::size_t spare,
                                  const RecordsReadProgress& progress);

// A record file read on a thread of its own while the caller does other
// work (the desktop program reads datax.dat while Qt starts and its windows
// are built). `take` hands the records over when it asks for the same room
// and its file is still the one that was read (the same device, inode, size
// and times of change); otherwise, and when the read ahead failed, it reads
// its file then, so that what it returns or throws is what ReadRecordFile
// would.
class RecordFileReadAhead {
  public:
    RecordFileReadAhead(std::filesystem::path path, std::size_t spare);
    ~RecordFileReadAhead();
    RecordFileReadAhead(const RecordFileReadAhead&) = delete;
    RecordFileReadAhead& operator=(const RecordFileReadAhead&) = delete;

    RecordFileContents take(const std::filesystem::path& path, std::size_t spare);

    // What stat tells of a file that changes when it is replaced or written.
    struct Identity {
        unsigned long long device = 0, inode = 0, size = 0;
        long long modified = 0, changed = 0; // nanoseconds
        bool operator==(const Identity&) const = default;
    };

  private:
    std::filesystem::path path_;
    std::size_t spare_;
    std::optional<RecordFileContents> contents_;
    Identity identity_;
    std::jthread reader_;
};

// Writes the records atomically (temporary file, then rename).
void WriteRecordFile(const std::filesystem::path& path, std::span<const TZaznam> records);

// The raw bytes of records, as they stand in a file.
std::string_view RecordBytes(std::span<const TZaznam> records);

} // namespace hk
