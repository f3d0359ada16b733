#include "results/daily_values.h"

#include "records/record.h"

namespace hk {

TSouhrn LiveDailyValues(const TZaznam& z) {
    const auto eph = RecordEphemeris(z);
    if (!eph) return z.Souhrn;
    return StoredSummary(z, *eph);
}

TSouhrn LiveDailyValues(const TZaznam& z, const GeometryCache& geometry, int index1) {
    if (!geometry.record(index1).date) return z.Souhrn;
    return StoredSummaryFromPositions(z, geometry.groups(index1));
}

} // namespace hk
