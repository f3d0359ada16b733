#include "graphs/corona_startup.h"

#include "graphs/corona.h"
#include "records/session.h"

namespace hk {

void LoadKoronaAtStartup(Session& session) {
    KoronaLoad load = LoadKorona(session.dir);
    if (load.warning) session.addWarning(*load.warning);
    session.setKorona(std::move(load.table));
}

} // namespace hk
