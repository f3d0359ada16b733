#include "graphs/corona_startup.h"

#include "graphs/corona.h"
#include "records/session.h"

namespace hk {

void LoadCoronaAtStartup(Session& session) {
    CoronaLoad load = LoadCorona(session.dir);
    if (load.warning) session.addWarning(*load.warning);
    session.setCorona(std::move(load.table));
}

} // namespace hk
