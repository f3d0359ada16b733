#pragma once
// Switching drawing numbers off for the whole record store.
#include "records/session.h"

namespace hk {

// Drawing numbers are no longer used: every record in memory, the working
// record included, gets CisloZakresu 0 (written at the next save).
void SwitchDrawingNumbersOff(Session& session);

} // namespace hk
