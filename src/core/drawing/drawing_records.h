#pragma once
// Commands of the drawing window that work on the records: the duplicate-date
// check, the recomputation of every record, the range of drawings printed at
// once and the names of saved pictures.
#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "geometry/calendar.h"
#include "records/record_layout.h"

namespace hk {

// 0-based indices of the records whose date equals that of the record before
// or after it.
std::vector<std::size_t> DuplicateDateRecords(std::span<const TZaznam> records);

// Recomputes every record: a time of 0 becomes 1200, the rotation, L0 and
// the stored summary follow from the date and time, and the faculae area is
// counted again. Returns a Czech message and changes nothing when a record's
// date cannot be read.
std::optional<std::string> RecomputeRecords(std::span<TZaznam> records);

// Records printed at once: from the current one (1-based) `count` records,
// never beyond the last. nullopt when `count` is not a positive number.
struct PrintRecordRange {
    int first = 1;
    int last = 1;
};
std::optional<PrintRecordRange> PrintRange(int current, int recordCount,
                                           std::string_view countText);

// "Zakres yyyy-mm-dd.bmp": the date part of a drawing's name; a print
// without a printer names its PDF file after it.
std::string DrawingImageName(const Date& d);
// The message when a typed picture-name prefix could lead out of "Obrázek"
// (separators, "..", line breaks); nullopt when it is safe.
std::optional<std::string> PictureNamePrefixError(std::string_view prefix);
// The picture of one drawing of a range, saved in the folder "Obrázek":
// the prefix and a space when one is given (surrounding spaces dropped),
// then "Zakres yyyy-mm-dd hhmm" (the time UT) and the extension (".bmp" or
// ".jpg"). Throws std::runtime_error when the prefix could lead out of that
// folder.
std::string RangeImageName(const std::string& prefix, const Date& d, int time, bool bmp);
// The names of the pictures of `records`, one per drawing: RangeImageName,
// and where that repeats within the range (two drawings of one minute)
// "-2", "-3", ... before the extension. nullopt for a record without a valid
// date. Throws as RangeImageName.
std::vector<std::optional<std::string>> RangeImageNames(const std::string& prefix,
                                                        std::span<const TZaznam> records, bool bmp);
// The picture of drawing `index` (1-based) of `records` saved on its own
// (F8): the name a range from the first drawing gives it, without a prefix,
// as BMP. nullopt for an index outside `records` or a drawing without a
// valid date.
std::optional<std::string> SavedDrawingImageName(std::span<const TZaznam> records, int index);

} // namespace hk
