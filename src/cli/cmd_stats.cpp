// heliokres-cli stats DIR (measured|smoothed|types|rotations): the statistics tables of
// the results window, one line per row, the cells as the window shows them
// separated by ";".
#include <chrono>
#include <filesystem>
#include <ostream>

#include "cli/commands.h"
#include "graphs/analysis_tables.h"
#include "records/session.h"
#include "results/measured_statistics.h"
#include "results/rotation_table.h"
#include "results/smoothed_statistics.h"
#include "results/type_occurrence.h"

namespace hk::cli {

namespace {

HemisphereChoice hemisphere(const std::optional<std::string>& option) {
    if (!option || *option == "all") return HemisphereChoice::Whole;
    if (*option == "north") return HemisphereChoice::North;
    if (*option == "south") return HemisphereChoice::South;
    throw UsageError("volba --hemisphere čeká all, north nebo south");
}

} // namespace

int RunStats(const Args& argsIn, std::ostream& out, std::ostream& err) {
    if (argsIn.size() >= 2 && IsResultsViewTable(argsIn[1])) return RunStatsView(argsIn, out, err);
    Args args = argsIn;
    const auto hemisphereOption = TakeOption(args, "--hemisphere");
    const bool monthly = TakeFlag(args, "--monthly");
    const bool yearly = TakeFlag(args, "--yearly");
    RejectUnknownOptions(args);
    if (args.size() != 2) throw UsageError("čekám adresář programu a druh tabulky");
    const std::string& kind = args[1];
    if (kind == "asymmetry") {
        if (monthly == yearly) throw UsageError("zadejte buď --monthly, nebo --yearly");
        if (hemisphereOption) throw UsageError("tabulka asymmetry se nedělí podle polokoulí");
        Session session(ExistingProgramDirectory(args[0]));
        LoadRecords(session, err);
        AnalysisTables analysis(session);
        PrintTable(BuildAsymmetryGrid(analysis.asymmetry(), session.records(), monthly), out);
        return 0;
    }
    if (monthly || yearly) throw UsageError("--monthly a --yearly patří k tabulce asymmetry");
    if (kind != "measured" && kind != "smoothed" && kind != "types" && kind != "rotations")
        throw UsageError("neznámá tabulka " + kind +
                         " (measured, smoothed, types, rotations, asymmetry, observers, zones, "
                         "spotless, largest, observer, evolution)");
    if ((kind == "types" || kind == "rotations") && hemisphereOption)
        throw UsageError("tabulka " + kind + " se nedělí podle polokoulí");
    const HemisphereChoice v = hemisphere(hemisphereOption);

    const std::filesystem::path root = ExistingProgramDirectory(args[0]);
    Session session(root);
    // The rotations walk every record's groups.
    LoadRecords(session, err,
                kind == "rotations" ? LoadGeometry::WhileReading : LoadGeometry::WhenAsked);

    if (kind == "measured") {
        PrintTable(BuildMeasuredStatistics(session.records(), v), out);
    } else if (kind == "smoothed") {
        const SmoothedStatistics r = CheckedSmoothedStatistics(session.records(), v);
        if (r.refusal) throw JobError(*r.refusal);
        if (session.records().size() < MinRecordsForSmoothing)
            throw JobError(std::string(NotEnoughData));
        PrintTable(r.grid, out);
    } else if (kind == "rotations") {
        PrintTable(BuildRotationStatistics(session.records(), session.geometry()), out);
    } else {
        PrintTable(BuildTypeOccurrence(session.records()).grid, out);
    }
    return 0;
}

} // namespace hk::cli
