// heliokres-cli export ascii|faculae DIR: the main window's exports of a
// program directory, the same bytes as the desktop program writes.
#include <filesystem>
#include <ostream>

#include "cli/commands.h"
#include "records/exports.h"
#include "records/session.h"

namespace hk::cli {

int RunExport(const Args& argsIn, std::ostream& out, std::ostream& err) {
    if (!argsIn.empty() && IsResultsViewExport(argsIn[0])) return RunExportView(argsIn, out, err);
    Args args = argsIn;
    RejectUnknownOptions(args);
    if (args.size() != 2 || (args[0] != "ascii" && args[0] != "faculae"))
        throw UsageError(
            "čekám ascii, faculae, observers, observer, zones nebo official a adresář programu");
    const std::filesystem::path root = ExistingProgramDirectory(args[1]);
    Session session(root);
    const DirectoryLock lock = LockForWriting(session.dir, "export", err);
    LoadRecords(session, err,
                args[0] == "ascii" ? LoadGeometry::WhileReading : LoadGeometry::WhenAsked);

    // A class left empty is written as "***"; the record file stays as it is.
    const std::filesystem::path written =
        args[0] == "ascii" ? WriteAsciiExport(session.dir, session.records(), session.geometry())
                           : WriteFaculaePositions(session.dir, session.records());
    out << written.string() << "\n";
    return 0;
}

} // namespace hk::cli
