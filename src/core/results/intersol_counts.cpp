#include "results/intersol_counts.h"

namespace hk {

InterSolValues InterSolCounts(const TZaznam& z) {
    InterSolValues h;
    h.gr = z.groupCount();
    for (int j = 0; j < z.groupCount(); ++j) {
        const TSkupina& s = z.Skupiny[j];
        h.grf += s.MalS;
        if (s.Poc == 1 && s.MalS == 1) {
            // a group of one small spot
            h.ef += 1;
            h.gr -= 1;
            h.grf -= 1;
        } else {
            h.grfp += s.Poc - s.MalS;
        }
        if (s.Poc == 1 && s.SPen == 1) {
            // a group of one spot with penumbra
            h.efp += 1;
            h.grfp -= 1;
            h.gr -= 1;
        }
    }
    h.Cond = 6 - z.Q;
    h.sum = h.gr + h.grfp + h.grf + h.efp + h.ef;
    return h;
}

} // namespace hk
