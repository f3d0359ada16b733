#pragma once
// The general data of the station (name, instrument, network numbers) that
// the report headers carry, kept in Obecdata.dat.
#include <array>
#include <filesystem>
#include <string>
#include <string_view>

#include "records/program_dir.h"

namespace hk {

inline constexpr int StationDataRows = 13;               // rows with a meaning
inline constexpr int StationDataFileRows = 14;           // lines of Obecdata.dat
inline constexpr std::size_t StationDataLineLength = 50; // characters per row
inline constexpr int StationDataSpareRow = 6;            // row kept as read, never edited
inline constexpr int StationNumberRow = 12;              // station number for processing

// Labels of rows 1..13 (index 0 = row 1); row 6 has none.
extern const std::array<std::string_view, StationDataRows> StationDataLabels;

struct StationData {
    // Rows 1..14 as UTF-8 (index 0 = row 1); row 14 is always empty.
    std::array<std::string, StationDataFileRows> lines;
    // True once the data were read from Obecdata.dat or confirmed.
    bool stationDataGiven = false;

    const std::string& row(int k) const { return lines[static_cast<std::size_t>(k - 1)]; }
    std::string& row(int k) { return lines[static_cast<std::size_t>(k - 1)]; }
};

// What the table shows before any data are read: "Refractor  " in row 2 and
// "Projection 25 cm" in row 11.
StationData StationDataTableDefaults();

// Obecdata.dat as Windows-1250 bytes: the first 13 lines, each cut to 50
// characters; CR LF or LF line ends.
StationData ParseStationData(std::string_view cp1250);
// The first ten lines of PopisNov.txt (as far as present, each cut to 50
// characters) replace rows 1 to 10.
void ApplyPopisNov(StationData& data, std::string_view cp1250);

// Reads Obecdata.dat (when `obecdata` names an existing file) and applies
// PopisNov.txt (when `popisNov` does). Missing files leave empty rows and
// stationDataGiven false. Throws std::runtime_error when a file exists but
// cannot be read.
StationData ReadStationData(const std::filesystem::path& stationFile,
                            const std::filesystem::path& popisNovPath);

// Row 12 as stored: "00" + value, then empty when that is just "00", else its
// last three characters (7 -> 007, 1234 -> 234).
std::string NormaliseStationNumber(std::string_view value);

// The confirmed table: rows 1..13 from `table` (index 0 = row 1) except row 6,
// which keeps its value from `current`; each row cut to 50 characters, row 12
// normalised; stationDataGiven set.
StationData ConfirmStationData(const StationData& current,
                               const std::array<std::string, StationDataRows>& table);

inline constexpr std::string_view StationDataFile = "Obecdata.dat";
inline constexpr std::string_view PopisNovFile = "PopisNov.txt";
// The same from the program directory (names looked up without regard to case).
StationData ReadStationData(const ProgramDir& dir);

// The 14 lines of Obecdata.dat, UTF-8, each ended by CR LF.
std::string StationDataText(const StationData& data);
// Writes Obecdata.dat atomically in Windows-1250.
void WriteStationData(const std::filesystem::path& stationFile, const StationData& data);
void WriteStationData(const ProgramDir& dir, const StationData& data);

} // namespace hk
