#pragma once
// The pieces of the record store that work on plain record arrays: the fast
// load of a record file, the load normalisation, the key order and the
// ordering of observer names.
#include <cstddef>
#include <filesystem>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "geometry/calendar.h"
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

struct LoadedBlock {
    RecordBlock records;
    std::size_t wholeRecords = 0;  // records in the file
    std::size_t trailingBytes = 0; // partial record at the end
};

// Reads all whole records of a file in one block read, with room for
// `spare` more records. Throws std::runtime_error with a Czech message.
LoadedBlock LoadRecordBlock(const std::filesystem::path& path, std::size_t spare);

// The load normalisation of one record: the special marker, an empty
// observer, the positions of a record without groups, a time of 0.
void NormaliseLoadedRecord(TZaznam& z);
// True when NormaliseLoadedRecord would change the record.
bool NeedsNormalising(const TZaznam& z);

// The one record of a new archive: dated `today`, time 1200, observer "N",
// nothing else.
TZaznam PlaceholderRecord(const Date& today);
// Today's date (UTC) from the system clock.
Date TodayUtc();

// The "zvlášťní" marker as stored (Windows-1250).
std::string_view SpecialMarkerCp1250();

// RecordKey, NaN when the date cannot be read.
double KeyOrNaN(const TZaznam& z);

// A stable order of the records by key in which records without a key keep
// their places: the permutation (new position -> old position), or empty
// when the records are in order already.
std::vector<std::size_t> KeyOrder(std::span<const TZaznam> records);

// Observer names sorted by their Windows-1250 bytes (UTF-8 in and out).
void SortNames(std::vector<std::string>& utf8Names);

} // namespace hk
