// The station data and the report side files: Obecdata.dat, PopisNov.txt and
// InterSolAdresa.txt; the first byte chooses the reader.
#include <cstdint>

#include "fuzz_support.h"
#include "results/intersol_recipient.h"
#include "results/station_data.h"

using namespace hk;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1) return 0;
    const std::string_view bytes = fuzz::AsText(data + 1, size - 1);
    switch (data[0] % 3) {
    case 0: {
        StationData d = ParseStationData(bytes);
        StationDataText(d);
        break;
    }
    case 1: {
        StationData d;
        ApplyPopisNov(d, bytes);
        StationDataText(d);
        break;
    }
    case 2:
        ParseInterSolRecipient(bytes);
        break;
    }
    return 0;
}
