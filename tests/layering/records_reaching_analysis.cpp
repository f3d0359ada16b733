// Compiled with the include folder of the record store's library: the
// record header is found and the analysis header is not, which is the
// compiler error the test expects.
#include "records/record_layout.h"
#include "results/results_grid.h"
