#include "ui/results/asymmetry_view.h"

#include "graphs/analysis_tables.h"
#include "io/atomic_file.h"
#include "records/session.h"
#include "results/report_file.h"
#include "text/encoding.h"
#include "ui/frame/messages.h"
#include "ui/frame/ui_helpers.h"

namespace hk {

ResultsGrid AsymmetryGrid(const Session& session, AnalysisTables& tables, bool monthly) {
    return BuildAsymmetryGrid(tables.asymmetry(), session.records(), monthly);
}

void AsymmetryToText(const Session& session, AnalysisTables& tables, Messages& messages,
                     bool yearly) {
    if (!messages.ask(q(AsymmetryQuestion), SafeAnswer::No)) return;
    runCommand(messages, [&] {
        session.dir.ensureFolder("Polohy-skupin");
        const ResultsGrid grid = AsymmetryGrid(session, tables, !yearly);
        const std::filesystem::path file = session.dir.resolve(AsymmetryFileName(!yearly));
        WriteFileAtomic(file, Utf8ToCp1250(AsymmetryText(grid)));
        messages.showMessage(q(SavedMessage(session.dir, {file})));
    });
}

} // namespace hk
