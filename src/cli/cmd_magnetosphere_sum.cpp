// heliokres-cli magnetosphere-sum: every daily magnetogram from 01.01.1982
// to today into magn.dat, with a progress line on stderr.
#include <filesystem>
#include <ostream>

#include "cli/commands.h"
#include "maps/magnetosphere.h"
#include "records/program_dir.h"
#include "records/session.h"

namespace hk::cli {

int RunMagnetosphereSum(const Args& argsIn, std::ostream& out, std::ostream& err) {
    Args args = argsIn;
    RejectUnknownOptions(args);
    ExpectProgramDirectory(args);
    const std::filesystem::path root = ExistingProgramDirectory(args[0]);
    const ProgramDir dir(root);
    if (!HasMagnetoData(dir)) throw JobError(NoMagnetosphereData);
    const DirectoryLock lock = LockForWriting(dir, "magnetosphere-sum", err);
    Session session(root);
    LoadRecords(session, err);
    const Date today = Today();
    // The blocks reach at least the last drawing's rotation, when its date
    // agrees with it.
    const DrawingRotation drawing = MagnDrawingRotation(session.records(), today);
    if (drawing.warning) err << *drawing.warning << "\n";
    const int last = drawing.rotation;
    int shown = -1;
    MagnetosphereSumResult result;
    try {
        result = SumMagnetosphere(dir, today, last, [&](int done, int total) {
            const int percent = total > 0 ? done * 100 / total : 100;
            if (percent != shown) {
                shown = percent;
                err << "\rPočítá se: " << percent << " % (" << done << "/" << total << " dní)"
                    << std::flush;
            }
            return true;
        });
    } catch (const std::exception& e) {
        err << "\n";
        throw JobError(e.what());
    }
    err << "\nSoubory magnetogramů: " << result.files << ", bloky: " << result.blocks << "\n";
    out << result.file.string() << "\n";
    return 0;
}

} // namespace hk::cli
