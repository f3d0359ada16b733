// Record files: datax.dat as the start loads it (the store with its
// normalisation, observer names, drawing setting, key order and repair), the
// merge reader, and what every later step reads from a record (date, key,
// ephemeris, summary, group positions, list line).
#include <cstdint>

#include "drawing/record_merge.h"
#include "fuzz_support.h"
#include "geometry/transforms.h"
#include "records/record.h"
#include "records/record_file.h"
#include "records/record_list.h"
#include "records/session.h"

using namespace hk;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto path = fuzz::PutFile("datax.dat", fuzz::AsText(data, size));

    Session s(fuzz::WorkFolder());
    s.load(Date{2026, 12, 6});
    if (s.recordCount() < 1 || s.currentIndex() < 1 || s.currentIndex() > s.recordCount())
        __builtin_trap();
    s.sortRecords();
    for (int k = 1; k <= s.recordCount(); ++k) {
        const TZaznam& z = s.record(k);
        RecordListLine(k, z);
        const auto eph = RecordEphemeris(z);
        if (!eph) continue;
        ComputeSummary(z, *eph);
        for (int g = 0; g < z.groupCount(); ++g)
            PolarToHeliographic(*eph, z.Skupiny[g].Uhel, z.Skupiny[g].Vzd);
    }
    s.removeUnreadableDates();
    if (s.recordCount() < 1) __builtin_trap();

    try {
        const std::vector<TZaznam> merged = ReadRecordsForMerge(path);
        RecordsToAppend(s.records(), merged, true);
        MergeFaculae(s.records(), merged);
    } catch (const std::runtime_error&) {
        // A file the merge refuses, with its message.
    }
    return 0;
}
