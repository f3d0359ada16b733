#include "ui/results/asymmetry_view.h"

#include "graphs/analysis_tables.h"
#include "io/atomic_file.h"
#include "records/session.h"
#include "text/encoding.h"
#include "ui/frame/messages.h"
#include "ui/frame/ui_helpers.h"

namespace hk {

ResultsGrid AsymetrieMrizka(const Session& session, AnalysisTables& tables, bool mesicni) {
    return BuildAsymmetryGrid(tables.asymmetry(), session.records(), mesicni);
}

void AsymetrieDoTextu(const Session& session, AnalysisTables& tables, Messages& zpravy,
                      bool rocni) {
    if (!zpravy.Otazka(q(AsymetrieOtazka))) return;
    runCommand(zpravy, [&] {
        session.dir.ensureFolder("Polohy-skupin");
        const ResultsGrid grid = AsymetrieMrizka(session, tables, !rocni);
        WriteFileAtomic(session.dir.resolve(AsymmetryFileName(!rocni)),
                        Utf8ToCp1250(AsymmetryText(grid)));
        zpravy.Zprava(QStringLiteral("Data byla uložena"));
    });
}

} // namespace hk
