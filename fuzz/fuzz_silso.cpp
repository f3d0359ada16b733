// The SILSO import: the daily hemispheric numbers (CSV or text) turned into
// the yearly SIDC\dssn<year>.dat files, which are then read back by the
// start-up reader of those files.
#include <cstdint>

#include "fuzz_support.h"
#include "records/silso_import.h"
#include "records/startup_series.h"

using namespace hk;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const SilsoImport import = ParseSilsoDaily(fuzz::AsText(data, size), 2100);
    if (import.errors.empty() == (import.days == 0)) __builtin_trap();
    if (!import.errors.empty() && !import.files.empty()) __builtin_trap();
    // Each year's file is what the start-up reads: one line a day.
    DailySeries series;
    for (const auto& [year, text] : import.files) {
        ParseDailySeriesFile(text, year, series);
        if (series.years.empty() || series.years.back() != year) __builtin_trap();
    }
    if (series.unreadableValues != 0) __builtin_trap();
    return 0;
}
