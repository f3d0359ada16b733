#pragma once
// The pieces of the record store that work on plain record arrays: the load
// normalisation, the key order and the ordering of observer names.
#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "geometry/calendar.h"
#include "records/record_file.h"
#include "records/record_layout.h"

namespace hk {

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
