#pragma once
// Record files (datax.dat, the backup, the split files, merged files): whole
// 1774-byte records back to back, no header.
#include <filesystem>
#include <functional>
#include <memory>
#include <span>
#include <string_view>
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

// Writes the records atomically (temporary file, then rename).
void WriteRecordFile(const std::filesystem::path& path, std::span<const TZaznam> records);

// The raw bytes of records, as they stand in a file.
std::string_view RecordBytes(std::span<const TZaznam> records);

} // namespace hk
