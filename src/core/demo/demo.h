#pragma once
// Demo data: a complete, realistic program directory made from a model of
// the solar cycle, the same for the same seed. Groups emerge at the
// latitudes of the butterfly pattern, grow and decay over days, drift with
// the Sun's differential rotation, and are drawn by several observers at
// their stations; their positions on each drawing come from the program's
// own transforms at the drawing's time.
#include <array>
#include <cstdint>
#include <filesystem>
#include <vector>

#include "geometry/calendar.h"
#include "records/record_layout.h"

namespace hk {

struct DemoOptions {
    int years = 11;    // calendar years, the last one the year of `endDate`
    int perYear = 250; // drawings per year, about
    std::uint64_t seed = 1;
    Date endDate{2025, 12, 31}; // the last day with data (the CLI gives today)
};

// One day of the outside daily series: whole disk, north, south.
struct DemoDay {
    Date date;
    std::array<int, 3> sunspotNumber{}; // international relative number
    std::array<double, 3> area{};       // hemispheric area, millionths
};

struct DemoData {
    std::vector<TZaznam> records; // sorted by RecordKey, summaries stored
    std::vector<DemoDay> days;    // every day from 1 January of the first year to endDate
};

// The drawings and the outside series of the options.
DemoData GenerateDemo(const DemoOptions& options);

// Only the drawings (what tests of other subsystems need).
std::vector<TZaznam> GenerateDemoRecords(const DemoOptions& options);

// Writes a program directory: datax.dat, SIDC\dssn<year>.dat, SIDC\Plochy.txt,
// SIDC\tok-10cm.txt, pozorovateleP.dat, Obecdata.dat, pristroj.dat,
// Zvetsit.zve, Motfakul.dat, KoronaX\HR<year>.csv and Magneto\<yymmdd>.
// Existing files of these names are replaced. Throws std::runtime_error.
void WriteDemoDirectory(const std::filesystem::path& dir, const DemoOptions& options);

} // namespace hk
