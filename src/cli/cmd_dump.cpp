// heliokres-cli dump: the groups or the summaries of every record of a file.
#include <cstdio>
#include <ostream>

#include "cli/commands.h"
#include "geometry/transforms.h"
#include "records/record.h"
#include "records/record_file.h"

namespace hk::cli {

int RunDump(const Args& argsIn, std::ostream& out, std::ostream& err) {
    Args args = argsIn;
    const bool summary = TakeFlag(args, "--summary");
    RejectUnknownOptions(args);
    if (args.size() != 1) throw UsageError("čekám jeden soubor");
    const auto contents = ReadRecordFile(args[0]);
    if (contents.records.empty())
        err << "Soubor \"" << args[0] << "\" neobsahuje žádný celý záznam.\n";
    if (contents.trailingBytes > 0)
        err << "Soubor \"" << args[0] << "\" končí neúplným záznamem (" << contents.trailingBytes
            << " bajtů); vynechává se.\n";
    char line[512];
    std::size_t index = 0;
    for (const TZaznam& z : contents.records) {
        ++index;
        const auto eph = RecordEphemeris(z);
        if (!eph)
            throw JobError("záznam " + std::to_string(index) + " souboru \"" + args[0] +
                           "\" má nečitelné datum \"" + z.Datum.text() + "\"");
        const std::string date = z.Datum.text();
        if (summary) {
            const TSouhrn s = ComputeSummary(z, *eph);
            std::snprintf(line, sizeof line,
                          "%zu;%s;%u;%u;%u;%u;%u;%u;%u;%u;%u;%u;%u;%u;%u;%u;%u;%u;%u\n", index,
                          date.c_str(), unsigned(z.Cas), s.gSev, s.fSev, s.RSev, s.CVSev, s.SNSev,
                          s.RBSev, s.PlSev, s.PkSev, s.gJih, s.fJih, s.RJih, s.CVJih, s.SNJih,
                          s.RBJih, s.PlJih, s.PkJih);
            out << line;
            continue;
        }
        for (int k = 0; k < z.groupCount(); ++k) {
            const TSkupina& g = z.Skupiny[k];
            const Heliographic h = PolarToHeliographic(*eph, g.Uhel, g.Vzd);
            std::snprintf(line, sizeof line, "%zu;%s;%u;%d;%s;%u;%u;%.6f;%.6f;%.6f\n", index,
                          date.c_str(), unsigned(z.Cas), k + 1, g.Typ.text().c_str(),
                          unsigned(g.Uhel), unsigned(g.Vzd), h.CMD, h.Lat, h.Lon);
            out << line;
        }
    }
    return 0;
}

} // namespace hk::cli
