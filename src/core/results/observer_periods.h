#pragma once
// Each known observer with the period of his drawings and their number (the
// list shown over the results window by the key "q").
#include <span>
#include <string>
#include <vector>

#include "geometry/calendar.h"
#include "records/record_layout.h"

namespace hk {

struct ObserverPeriod {
    std::string name; // UTF-8
    Date first;       // the earliest drawing with a readable date
    Date last;        // the latest one
    int count = 0;    // drawings whose observer is exactly this name
};

// One entry per name, in the order given; names without a drawing are left
// out.
std::vector<ObserverPeriod> ObserverPeriods(std::span<const TZaznam> records,
                                            const std::vector<std::string>& names);

} // namespace hk
