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
enum class VyberPolokoule { Celkova = 1, Sever = 2, Jih = 3 };

inline constexpr int PocetVelicin = 8;            // g, f, R, Cv, SN, RB, plo, pol
inline constexpr int PocetZaznamovychVelicin = 7; // qc, fc, rc, F, PP, Obr, Q
inline constexpr int PrvniZaznamovaVelicina = 24;
inline constexpr int PocetSouctu = 31;

// Column headers of the eight hemisphere and seven record-level quantities.
inline constexpr std::array<std::string_view, PocetVelicin> NazvyVelicin = {
    "g", "f", "r", "Cv", "SN", "RB", "plo", "pol"};
inline constexpr std::array<std::string_view, PocetZaznamovychVelicin> NazvyZaznamovychVelicin = {
    "gc", "fc", "rc", "F", "p", "O", "Q"};

// Element 3i holds north + south of quantity i, 3i + 1 the north, 3i + 2 the
// south; 24..30 the record-level quantities.
using MesicniSoucty = std::array<std::int32_t, PocetSouctu>;

inline int SoucetIndex(int quantity, VyberPolokoule v) {
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
void AccumulateMonth(MesicniSoucty& soucty, const TZaznam& z, const TSouhrn& s);
// The same with the record's stored summary.
inline void AccumulateMonth(MesicniSoucty& soucty, const TZaznam& z) {
    AccumulateMonth(soucty, z, z.Souhrn);
}

} // namespace hk
