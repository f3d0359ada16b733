// heliokres-cli import silso DIR FILE: the daily hemispheric sunspot numbers
// of the Royal Observatory of Belgium as the program's SIDC\dssn<year>.dat
// series, which the smoothed graphs compare with.
#include <filesystem>
#include <ostream>

#include "cli/commands.h"
#include "io/atomic_file.h"
#include "records/program_dir.h"
#include "records/silso_import.h"

namespace hk::cli {

int RunImport(const Args& argsIn, std::ostream& out, std::ostream& err) {
    Args args = argsIn;
    RejectUnknownOptions(args);
    if (args.empty() || args[0] != "silso") throw UsageError("čekám druh dat silso");
    if (args.size() != 3) throw UsageError("čekám adresář programu a soubor");
    const std::filesystem::path root = ExistingProgramDirectory(args[1]);
    const ProgramDir dir(root);
    const DirectoryLock lock = LockForWriting(dir, "import", err);
    const SilsoImport data =
        ParseSilsoDaily(ReadWholeFile(args[2], SilsoFileLimit), Today().year + 1);
    if (!data.errors.empty()) {
        for (const std::string& error : data.errors)
            err << error << "\n";
        if (data.badLineCount > static_cast<int>(data.errors.size()))
            err << "... a dalších " << data.badLineCount - static_cast<int>(data.errors.size())
                << "\n";
        throw JobError("Soubor " + args[2] + " má " + std::to_string(data.badLineCount) +
                       " chybných řádků, nic nebylo zapsáno");
    }
    for (const std::filesystem::path& p : WriteSilsoDaily(dir, data))
        out << p.string() << "\n";
    return 0;
}

} // namespace hk::cli
