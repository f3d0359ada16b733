#pragma once
// Month sums of the daily values: the eight hemisphere quantities (whole disk,
// north, south) and the seven record-level quantities, with the rules for
// special records and hemisphere markers.
#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "records/record_layout.h"

namespace hk {

// Hemisphere selection of a statistics view.
enum class HemisphereChoice { Whole = 1, North = 2, South = 3 };

inline constexpr int QuantityCount = 8;       // g, f, R, Cv, SN, RB, plo, pol
inline constexpr int RecordQuantityCount = 7; // qc, fc, rc, F, PP, Obr, Q
inline constexpr int FirstRecordQuantity = 24;
inline constexpr int SumCount = 31;

// Column headers of the eight hemisphere and seven record-level quantities.
inline constexpr std::array<std::string_view, QuantityCount> QuantityNames = {
    "g", "f", "r", "Cv", "SN", "RB", "plo", "pol"};
inline constexpr std::array<std::string_view, RecordQuantityCount> RecordQuantityNames = {
    "gc", "fc", "rc", "F", "p", "O", "Q"};

// Element 3i holds north + south of quantity i, 3i + 1 the north, 3i + 2 the
// south; 24..30 the record-level quantities.
using MonthSums = std::array<std::int32_t, SumCount>;

inline int SumIndex(int quantity, HemisphereChoice v) {
    return 3 * quantity + static_cast<int>(v) - 1;
}

// A record whose Zvlastni is not empty.
bool IsSpecialRecord(const TZaznam& z);
// A record whose first group entry is a hemisphere marker.
bool IsMarkerRecord(const TZaznam& z);

// Value of hemisphere quantity i (0..7) of a summary.
int NorthValue(const TSouhrn& s, int quantity);
int SouthValue(const TSouhrn& s, int quantity);

// Adds one record, with the hemisphere values of `s`: the whole disk always,
// the hemispheres for ordinary records and special records with a marker,
// the areas for ordinary records only.
void AccumulateMonth(MonthSums& sums, const TZaznam& z, const TSouhrn& s);
// The same with the record's stored summary.
inline void AccumulateMonth(MonthSums& sums, const TZaznam& z) {
    AccumulateMonth(sums, z, z.Souhrn);
}

} // namespace hk
