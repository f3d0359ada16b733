#pragma once
// Merging another record file into the records in memory: the merge panel
// (append the other file's drawings, optionally without the dates already
// present) and the faculae merge (take faculae fields from another copy of
// the data). The functions only compute; the caller changes the store once
// everything has been checked.
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "geometry/calendar.h"
#include "records/record_layout.h"

namespace hk {

// The merge panel takes files of fewer records than this.
inline constexpr std::size_t MergeFileLimit = 1999;

// Reads a record file to be merged. The file must consist of whole 1774-byte
// records; an empty Datum ends the data, as in datax.dat; every record before
// it must carry a calendar date. Throws std::runtime_error with a Czech
// message otherwise.
std::vector<TZaznam> ReadRecordsForMerge(const std::filesystem::path& path);

// For each added record: true when its date already occurs in `store`.
std::vector<bool> DuplicateDateMask(std::span<const TZaznam> store, std::span<const TZaznam> added);

// The records to append: all of `added`, or only those whose date is not in
// `store` when `excludeDuplicates` is set.
std::vector<TZaznam> RecordsToAppend(std::span<const TZaznam> store, std::span<const TZaznam> added,
                                     bool excludeDuplicates);

// The result of the faculae merge, to be applied to the store: records
// changed in place, then records appended (the store sorts afterwards).
struct FaculaeMergeResult {
    std::vector<std::pair<std::size_t, TZaznam>> changed; // 0-based store index, new record
    std::vector<TZaznam> added;                           // records of a date new here
    int fieldsReplaced = 0; // faculae fields taken from the other file
    int datesRewritten = 0; // dates of the store rewritten as dd.mm.yyyy
};

// Dates of both sets are rewritten as "dd.mm.yyyy"; records of `other` whose
// date is missing in `store` are added; for a record of `store` whose date
// occurs in `other` (the same time preferred), each faculae field of the
// other record whose first vertex is not 0 and that differs replaces the
// field here (its six vertices), and the faculae area of a changed record is
// counted again.
FaculaeMergeResult MergeFaculae(std::span<const TZaznam> store, std::span<const TZaznam> other);

} // namespace hk
