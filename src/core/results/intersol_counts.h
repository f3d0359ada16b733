#pragma once
// The five Inter-Sol counts of one drawing.
#include <cstddef>

#include "records/record_layout.h"

namespace hk {

struct InterSolValues {
    int gr = 0;   // groups of two or more spots
    int grfp = 0; // spots with penumbra within groups
    int grf = 0;  // spots without penumbra within groups
    int efp = 0;  // single spots with penumbra
    int ef = 0;   // single spots without penumbra
    int Cond = 0; // 6 - Q
    int sum = 0;  // gr + grfp + grf + efp + ef
};

// Counted from the group entries as entered; contradictory counts may give
// negative values, which are kept as they are.
InterSolValues InterSolCounts(const TZaznam& z);

} // namespace hk
