// Compiled with the include folder of the base library: the calendar is
// found and the record header is not, which is the compiler error the test
// expects.
#include "geometry/calendar.h"
#include "records/record_layout.h"
