// heliokres-cli ephemeris: P, B0, L0 and the Carrington rotation.
#include <cstdio>
#include <ostream>

#include "cli/commands.h"
#include "geometry/ephemeris.h"

namespace hk::cli {

namespace {

Date parseDateArg(const std::string& text) {
    auto d = ParseDatum(text);
    if (!d) throw JobError("\"" + text + "\" není platné datum (dd.mm.yyyy)");
    return *d;
}

std::uint16_t parseTimeArg(const std::string& text) {
    if (text.empty() || text.size() > 4 ||
        text.find_first_not_of("0123456789") != std::string::npos)
        throw JobError("\"" + text + "\" není platný čas (hhmm)");
    int v = std::stoi(text);
    if (v / 100 > 23 || v % 100 > 59) throw JobError("\"" + text + "\" není platný čas (hhmm)");
    return static_cast<std::uint16_t>(v);
}

} // namespace

int RunEphemeris(const Args& argsIn, std::ostream& out, std::ostream&) {
    Args args = argsIn;
    auto from = TakeOption(args, "--from");
    auto to = TakeOption(args, "--to");
    auto time = TakeOption(args, "--time");
    RejectUnknownOptions(args);
    char line[256];
    if (from || to) {
        if (!from || !to || !args.empty()) throw UsageError("--from a --to patří k sobě");
        const Date a = parseDateArg(*from), b = parseDateArg(*to);
        if (DaySerial(b) < DaySerial(a))
            throw JobError("datum --from " + FormatDatum(a) + " je až po datu --to " +
                           FormatDatum(b));
        const std::uint16_t t = time ? parseTimeArg(*time) : 0;
        for (int s = DaySerial(a); s <= DaySerial(b); ++s) {
            const Date d = DateFromSerial(s);
            const Ephemeris e = SolarEphemeris(d, t);
            std::snprintf(line, sizeof line, "%s;%04u;%.6f;%.6f;%.6f;%d\n", FormatDatum(d).c_str(),
                          unsigned(t), e.P, e.B0, e.L0, e.CarrRotation);
            out << line;
        }
        return 0;
    }
    if (time || args.empty() || args.size() > 2) throw UsageError("čekám DATUM [ČAS]");
    const Date d = parseDateArg(args[0]);
    const std::uint16_t t = args.size() > 1 ? parseTimeArg(args[1]) : 0;
    const Ephemeris e = SolarEphemeris(d, t);
    std::snprintf(line, sizeof line, "P=%.6f B0=%.6f L0=%.6f CR=%d\n", e.P, e.B0, e.L0,
                  e.CarrRotation);
    out << line;
    return 0;
}

} // namespace hk::cli
