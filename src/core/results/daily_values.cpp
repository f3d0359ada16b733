#include "results/daily_values.h"

#include "records/record.h"

namespace hk {

TSouhrn LiveDailyValues(const TZaznam& z) {
    const auto eph = RecordEphemeris(z);
    if (!eph) return z.Souhrn;
    return StoredSummary(z, *eph);
}

} // namespace hk
