#include "results/month_totals.h"

namespace hk {

void MonthTotals::add(const TZaznam& z) {
    const bool special = IsSpecialRecord(z);
    const bool marker = IsMarkerRecord(z);
    ++PocetVMesici;
    PocetZvlastnich += special;
    PocetZnackovych += marker;
    PocetZvlastnichZnackovych += special && marker;
    AccumulateMonth(soucty, z);
}

} // namespace hk
