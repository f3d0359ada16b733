#pragma once
// Tests change a stored record as a correction does: through the store's
// own operation, so that the revision, the backup copy and dataChanged follow.
#include "records/session.h"

namespace hk {

template <class F> void ChangeRecord(Session& s, int index1, F&& change) {
    TZaznam z = s.record(index1);
    change(z);
    s.correctRecord(index1, z);
}

template <class F> void ChangeWorkingRecord(Session& s, F&& change) {
    TZaznam z = s.workingRecord();
    change(z);
    s.setWorkingRecord(z);
}

} // namespace hk
