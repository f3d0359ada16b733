// heliokres-cli stats DIR (observers|zones|spotless|largest|observer|evolution)
// and export (observers|observer|zones|official): the further tables of the
// results window and the files it writes, the same texts and bytes.
#include <filesystem>
#include <ostream>

#include "cli/commands.h"
#include "records/observers.h"
#include "records/session.h"
#include "results/group_evolution.h"
#include "results/largest_groups.h"
#include "results/observer_drawings.h"
#include "results/observer_statistics.h"
#include "results/official_csv.h"
#include "results/spotless_days.h"
#include "results/zone_positions.h"

namespace hk::cli {

namespace {

int number(const std::string& text, const char* what) {
    try {
        std::size_t used = 0;
        const int n = std::stoi(text, &used);
        if (used == text.size()) return n;
    } catch (const std::exception&) {
    }
    throw UsageError(std::string("čekám ") + what + ", ne " + text);
}

std::string zoneClass(const std::optional<std::string>& option) {
    if (!option) return std::string(AllClasses);
    if (*option == "vse") return std::string(AllClasses);
    for (std::string_view item : ZoneClassItems)
        if (item == *option) return *option;
    throw UsageError("volba --class čeká A, B, C, D, E, F, H, J nebo vse");
}

ObserverStatistics observers(const Session& session) {
    ObserverStatistics s = BuildObserverStatistics(session.records(), session.observers());
    if (s.noObserver) throw JobError(std::string(NoNameGiven));
    return s;
}

ObserverDrawings observerDrawings(const Session& session, const std::string& name) {
    ObserverDrawings list = BuildObserverDrawings(session.records(), name);
    if (list.n == 0) throw JobError("Pozorovatel " + name + " nemá žádný zákres");
    return list;
}

} // namespace

bool IsResultsViewTable(const std::string& kind) {
    return kind == "observers" || kind == "zones" || kind == "spotless" || kind == "largest" ||
           kind == "observer" || kind == "evolution";
}

int RunStatsView(const Args& argsIn, std::ostream& out, std::ostream& err) {
    Args args = argsIn;
    const auto classOption = TakeOption(args, "--class");
    RejectUnknownOptions(args);
    if (args.size() < 2) throw UsageError("čekám adresář programu a druh tabulky");
    const std::string& kind = args[1];
    const bool argument =
        kind == "spotless" || kind == "largest" || kind == "observer" || kind == "evolution";
    if (args.size() != (argument ? 3u : 2u))
        throw UsageError(argument ? "tabulka " + kind + " čeká ještě jednu hodnotu"
                                  : "tabulka " + kind + " nečeká další hodnotu");
    if (classOption && kind != "zones") throw UsageError("volba --class patří jen k tabulce zones");

    Session session(ExistingProgramDirectory(args[0]));
    // The zones walk every record's groups.
    LoadRecords(session, err,
                kind == "zones" ? LoadGeometry::WhileReading : LoadGeometry::WhenAsked);
    const auto records = session.records();
    if (kind == "observers") {
        PrintTable(observers(session).grid, out);
    } else if (kind == "zones") {
        // The lines are written straight from the records, without a grid.
        const TextBuffer lines =
            ZonePositionLines(records, session.geometry(), zoneClass(classOption));
        out.write(lines.view().data(), static_cast<std::streamsize>(lines.size()));
    } else if (kind == "spotless") {
        for (const Date& d : SpotlessDaysOfYear(SpotlessDaysOf(records), number(args[2], "rok")))
            out << FormatDatum(d) << "\n";
    } else if (kind == "largest") {
        PrintTable(BuildLargestGroups(records, LargestGroupsYear(records, number(args[2], "rok"))),
                   out);
    } else if (kind == "observer") {
        PrintTable(observerDrawings(session, args[2]).grid, out);
    } else {
        PrintTable(
            BuildGroupEvolution(records, session.geometry(), number(args[2], "číslo otočky")), out);
    }
    return 0;
}

bool IsResultsViewExport(const std::string& kind) {
    return kind == "observers" || kind == "observer" || kind == "zones" || kind == "official";
}

int RunExportView(const Args& argsIn, std::ostream& out, std::ostream& err) {
    Args args = argsIn;
    const bool wholeYear = TakeFlag(args, "--whole-year");
    const bool toEnd = TakeFlag(args, "--to-end");
    const auto method = TakeOption(args, "--method");
    RejectUnknownOptions(args);
    const std::string& kind = args.at(0);
    const bool argument = kind == "observer" || kind == "official";
    if (args.size() != (argument ? 3u : 2u))
        throw UsageError(argument
                             ? "export " + kind + " čeká adresář programu a ještě jednu hodnotu"
                             : "export " + kind + " čeká adresář programu");
    if (kind != "official" && (wholeYear || toEnd || method))
        throw UsageError("volby --whole-year, --to-end a --method patří jen k exportu official");
    if (wholeYear && toEnd) throw UsageError("--whole-year a --to-end se vylučují");

    Session session(ExistingProgramDirectory(args[1]));
    const DirectoryLock lock = LockForWriting(session.dir, "export", err);
    LoadRecords(session, err);
    const auto records = session.records();
    auto write = [&](const ReportFile& f) {
        out << WriteReportFile(session.dir, f).string() << "\n";
    };
    if (kind == "observers") {
        write(ObserversCsv(observers(session).grid));
    } else if (kind == "observer") {
        write(ObserverDrawingsCsv(observerDrawings(session, args[2]), args[2], records));
    } else if (kind == "zones") {
        for (const ReportFile& f :
             ZoneTextFiles(records, session.geometry(), std::string(AllClasses)))
            write(f);
    } else {
        std::string_view methodText = MethodProjection;
        if (method && *method == "vizualne")
            methodText = MethodVisual;
        else if (method && *method != "projekce")
            throw UsageError("volba --method čeká projekce nebo vizualne");
        const StationData data = ReadReportData(session.dir, err);
        if (!data.stationDataGiven) throw JobError(std::string(NoStationData));
        const OfficialFields fields = OfficialFieldsFrom(data, methodText);
        if (const auto refused = CheckOfficialFields(fields)) throw JobError(*refused);
        const auto month = ParseMonthText(args[2]);
        if (!month) throw JobError(std::string(BadMonth));
        const std::vector<MonthChoice> months = wholeYear ? OfficialWholeYear(*month)
                                                : toEnd   ? OfficialToEnd(records, *month)
                                                          : std::vector<MonthChoice>{*month};
        if (months.empty()) throw JobError(std::string(NoMonthToEnd));
        const ObserverTable table = ReadObserverTable(session.dir, err);
        for (const MonthChoice& m : months)
            write(BuildOfficialSheet(records, m, fields, table));
    }
    return 0;
}

} // namespace hk::cli
