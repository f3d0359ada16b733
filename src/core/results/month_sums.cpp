#include "results/month_sums.h"

#include "records/record.h"

namespace hk {

bool IsSpecialRecord(const TZaznam& z) {
    return !z.Zvlastni.empty();
}

bool IsMarkerRecord(const TZaznam& z) {
    return IsHemisphereMarker(z.Skupiny[0]);
}

int NorthValue(const TSouhrn& s, int quantity) {
    switch (quantity) {
    case 0:
        return s.gSev;
    case 1:
        return s.fSev;
    case 2:
        return s.RSev;
    case 3:
        return s.CVSev;
    case 4:
        return s.SNSev;
    case 5:
        return s.RBSev;
    case 6:
        return s.PlSev;
    case 7:
        return s.PkSev;
    default:
        return 0;
    }
}

int SouthValue(const TSouhrn& s, int quantity) {
    switch (quantity) {
    case 0:
        return s.gJih;
    case 1:
        return s.fJih;
    case 2:
        return s.RJih;
    case 3:
        return s.CVJih;
    case 4:
        return s.SNJih;
    case 5:
        return s.RBJih;
    case 6:
        return s.PlJih;
    case 7:
        return s.PkJih;
    default:
        return 0;
    }
}

void AccumulateMonth(MonthSums& sums, const TZaznam& z, const TSouhrn& s) {
    constexpr int areasFrom = 6;
    for (int i = 0; i < areasFrom; ++i)
        sums[3 * i] += NorthValue(s, i) + SouthValue(s, i);
    const int record[RecordQuantityCount] = {z.qc, z.fc, z.rc, z.PocetFakuli, z.PP, z.Obr, z.Q};
    for (int j = 0; j < RecordQuantityCount; ++j)
        sums[FirstRecordQuantity + j] += record[j];

    const bool special = IsSpecialRecord(z);
    if (special && !IsMarkerRecord(z)) return;
    for (int i = 0; i < areasFrom; ++i) {
        sums[3 * i + 1] += NorthValue(s, i);
        sums[3 * i + 2] += SouthValue(s, i);
    }
    if (special) return;
    for (int i = areasFrom; i < QuantityCount; ++i) {
        sums[3 * i] += NorthValue(s, i) + SouthValue(s, i);
        sums[3 * i + 1] += NorthValue(s, i);
        sums[3 * i + 2] += SouthValue(s, i);
    }
}

} // namespace hk
