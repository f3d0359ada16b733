#pragma once
// What a drawing record means: classes, positions, drawing numbers, the
// record key and the per-hemisphere summary.
#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "geometry/ephemeris.h"
#include "geometry/transforms.h"
#include "records/record_layout.h"

namespace hk {

// The 60 McIntosh classes; a class's 1-based position is its McIntosh number.
extern const std::array<std::string_view, 60> GroupClasses;

// Exact, case-sensitive lookup; 1..60, or 0 when the class is not in the table.
int GroupClassIndex(std::string_view groupClass);

// Beck weight of a Zurich class letter; 0 for any other letter.
int BeckWeight(char zurichLetter);

// Packed positions of auxiliary spots and faculae vertices: whole-degree angle
// in the high 9 bits, whole distance (drawing millimetres) in the low 7 bits.
struct PackedPosition {
    int angle = 0;
    int dist = 0;
};
inline PackedPosition UnpackPosition(std::uint16_t v) {
    return {v >> 7, v & 127};
}
inline std::uint16_t PackPosition(int angle, int dist) {
    return static_cast<std::uint16_t>(angle * 128 + dist);
}

// Hemisphere markers: a group known only by its hemisphere.
inline constexpr std::uint16_t MarkerDistance = 1200;
inline constexpr std::uint16_t NorthMarkerAngle = 10;
inline constexpr std::uint16_t SouthMarkerAngle = 1790;
inline bool IsNorthMarker(const TSkupina& s) {
    return s.Uhel == NorthMarkerAngle && s.Vzd == MarkerDistance;
}
inline bool IsSouthMarker(const TSkupina& s) {
    return s.Uhel == SouthMarkerAngle && s.Vzd == MarkerDistance;
}
// Either marker. Its stored position is a placeholder: every view that places
// groups by their position leaves the group out; the hemisphere counts use it.
inline bool IsHemisphereMarker(const TSkupina& s) {
    return IsNorthMarker(s) || IsSouthMarker(s);
}

// Drawing number: "001/21" <-> 121, shown back as "1/21".
std::string DrawingNumberText(std::uint16_t number);
// Parses "serial/yy"; nullopt when either part is missing or not a number, or
// when the stored value would not fit the 16-bit field.
std::optional<std::uint16_t> ParseDrawingNumber(std::string_view text);

// NastaveniKresby of record 1: the disk radius in millimetres, +1000 for
// heliographic entry. nullopt for 0 (no choice made yet).
struct DrawingSetting {
    double radius = 125;
    bool heliographic = false;
};
std::optional<DrawingSetting> DecodeDrawingSetting(std::uint16_t value);
std::uint16_t EncodeDrawingSetting(const DrawingSetting& s);

// The record's date, nullopt when Datum is not a calendar date.
std::optional<Date> RecordDate(const TZaznam& z);

// Orientation of the disk at the record's date and time; nullopt when the date
// cannot be read.
std::optional<Ephemeris> RecordEphemeris(const TZaznam& z);

// Day serial of Datum plus Cas / 1440 (Cas taken as the hhmm number).
// nullopt when the date cannot be read.
std::optional<double> RecordKey(const TZaznam& z);
inline double RecordKey(const Date& d, std::uint16_t time) {
    return DaySerial(d) + time / 1440.0;
}

// The 16 hemisphere sums (copied fields left 0); sums wrap as 16-bit values.
TSouhrn ComputeSummary(const TZaznam& z, const Ephemeris& e);
// The summary as stored: the sums plus the fields copied from the record.
TSouhrn StoredSummary(const TZaznam& z, const Ephemeris& e);
// The same from the known positions of the record's groups (one per group in
// use): the hemisphere of each group is the sign of its latitude.
TSouhrn StoredSummaryFromPositions(const TZaznam& z, std::span<const Heliographic> groups);

// True when the group at index k (0-based) lies in the northern hemisphere.
bool IsNorthern(const TSkupina& s, const Ephemeris& e);

} // namespace hk
