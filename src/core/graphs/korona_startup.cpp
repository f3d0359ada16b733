#include "graphs/korona_startup.h"

#include "graphs/korona.h"
#include "records/session.h"

namespace hk {

void LoadKoronaAtStartup(Session& session) {
    KoronaLoad load = LoadKorona(session.dir);
    if (load.warning) session.addWarning(*load.warning);
    session.setKorona(std::move(load.table));
}

} // namespace hk
