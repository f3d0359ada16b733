#pragma once
// How often each McIntosh class was drawn in each year.
#include <cstddef>
#include <span>

#include "records/record_layout.h"
#include "results/results_grid.h"

namespace hk {

struct TypeOccurrence {
    // Rows 1..60: the classes in table order; columns 1..: the years from the
    // earliest to the latest record. A count is right-aligned in 5
    // characters, 0 is an empty cell.
    ResultsGrid grid;
    long unknownClasses = 0; // group entries whose class is not in the table
};

TypeOccurrence BuildTypeOccurrence(std::span<const TZaznam> records);

} // namespace hk
