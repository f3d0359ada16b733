#pragma once
// What the monthly protocol and the certificate show: the station header and
// one table row per day of the chosen month, with the column sums and means.
#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "records/record_layout.h"
#include "results/station_data.h"

namespace hk {

// The numeric columns of the day table, in their order on the form.
enum class ProtocolColumn { g, f, R, RSev, RJih, Fakule, Q };
inline constexpr int ProtocolValueColumns = 7;

struct ProtocolDay {
    int day = 0;
    bool observed = false;                          // a drawing of this day is shown
    std::uint16_t time = 0;                         // time UT as hhmm
    std::array<int, ProtocolValueColumns> values{}; // by ProtocolColumn
    std::string observer;                           // UTF-8
};

struct ProtocolData {
    int year = 0;
    int month = 0;
    std::size_t firstRecord = 0; // 0-based index of the month's first record

    std::string station;    // general data row 1
    std::string instrument; // row 2
    std::string lens;       // row 3, aperture in mm
    std::string focus;      // row 4, focal length in mm
    std::string eyepiece;   // row 5, eyepiece in mm

    std::vector<ProtocolDay> days; // one per day of the month, day 1 first
    int observedDays = 0;
    std::array<long, ProtocolValueColumns> sums{}; // over the observed days

    // The column mean over the observed days, 0 for a month without one.
    double mean(ProtocolColumn c) const;
};

// Builds the month whose first record is records[first] (0-based). A day
// shows the last drawing of that day in store order, with g, f and R of its
// stored summary; the month has as many days as the calendar gives it.
// Empty `days` when `first` is not a record with a readable date.
ProtocolData BuildProtocolData(std::span<const TZaznam> records, std::size_t first,
                               const StationData& stationData);

// "hh:nn" (Czech protocol) and "hh : nn" (certificate).
std::string ProtocolTimeCz(std::uint16_t time);
std::string ProtocolTimeEn(std::uint16_t time);

// Focal length divided by the eyepiece, "100x"; empty when either row is not
// a positive number.
std::string ProtocolMagnification(const std::string& focus, const std::string& eyepiece);

// "Leden" .. "Prosinec" and "January" .. "December" of month 1..12.
std::string ProtocolMonthCz(int month);
std::string ProtocolMonthEn(int month);

} // namespace hk
