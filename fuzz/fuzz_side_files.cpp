// The side files read at start: the first byte chooses the reader, the rest
// is the file. Zvetsit.zve, Motfakul.dat, pristroj.dat, the observer lines
// (pozorovateleP.dat / ob.dat), SIDC\dssn<year>.dat, SIDC\Plochy.txt and
// SIDC\tok-10cm.txt.
#include <cstdint>

#include "fuzz_support.h"
#include "records/observers.h"
#include "records/startup_files.h"
#include "records/startup_series.h"
#include "text/encoding.h"

using namespace hk;

namespace {

void observers(std::string_view bytes) {
    std::vector<std::string> lines;
    ForEachLine(bytes, [&](std::string_view line) {
        if (!line.empty()) lines.push_back(Cp1250ToUtf8(line));
        return true;
    });
    ObserverTable t = ObserverTable::parse(lines);
    t.sortByName();
    if (t.size() > 0) t.findByName(t.entries().front()[1]);
    t.sortByNumber();
    t.add({"1", "Novák, Jan", {}, {}, {}, {}});
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1) return 0;
    const std::string_view bytes = fuzz::AsText(data + 1, size - 1);
    switch (data[0] % 7) {
    case 0:
        ParseEnlargementFactor(bytes);
        break;
    case 1:
        if (ParseSupplementaryData(bytes).size() != SupplementaryDataSize) __builtin_trap();
        break;
    case 2:
        ParseInstrument(bytes);
        break;
    case 3:
        observers(bytes);
        break;
    case 4: {
        // Two years, in either order, so that placing a year before another
        // is reached too.
        DailySeries series;
        const int year = 1982 + data[0] / 7 % 40;
        ParseDailySeriesFile(bytes, year, series);
        ParseDailySeriesFile(bytes.substr(bytes.size() / 2), year - 1 - data[0] % 3, series);
        series.value(Date{year, 2, 29}, 2);
        break;
    }
    case 5:
        ParseAreasTable(bytes).at(3);
        break;
    case 6:
        ParseFluxTable(bytes).at(4);
        break;
    }
    return 0;
}
