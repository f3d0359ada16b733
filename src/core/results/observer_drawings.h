#pragma once
// Every drawing of one observer with its whole-disk counts and observing
// conditions, and the same list as "Denni - pozorovatele/Denní-<name>.CSV".
#include <span>
#include <string>
#include <string_view>

#include "records/record_layout.h"
#include "results/report_file.h"
#include "results/results_grid.h"

namespace hk {

inline constexpr std::string_view DailyObserversFolder = "Denni - pozorovatele";
inline constexpr std::string_view ObserverDailyHint = " Uloži se do souboru CSV ";

struct ObserverDrawings {
    // Row 0: "Datum", "    g", "    f", "    r", "podmínky", " Obraz", "    Q";
    // rows 1..n: the drawings whose Pozorovatel equals the name exactly, in
    // store order: Datum, g, f and R of north + south of the stored
    // summary, PP, Obr and Q.
    ResultsGrid grid;
    int n = 0;
    // "<n>x      od -do  <first year> - <last year>"; "0x" without drawings.
    std::string summary;
};

ObserverDrawings BuildObserverDrawings(std::span<const TZaznam> records, std::string_view name);

// The name as part of a file name, so that no name leads out of the folder
// or is refused: each "/", "\", ":" and control character becomes "_", each
// ".." becomes "__", and a final "." becomes "_" (".CSV" follows it). A name
// without these characters is kept as it is.
std::string SafeFileNamePart(std::string_view name);

// "Denní-" + SafeFileNamePart(name) + ".CSV". File names are looked up
// without regard to letter case, so observers whose file names differ only in
// case (or whose safe parts are equal) would share one file: the observer
// with the earliest first drawing in `records` keeps the plain name, the
// others get " (2)", " (3)", ... in the order of their first drawings.
std::string ObserverCsvName(std::span<const TZaznam> records, std::string_view name);

// The file of the list (named by ObserverCsvName): every grid row, each cell
// followed by ";".
ReportFile ObserverDrawingsCsv(const ObserverDrawings& list, std::string_view name,
                               std::span<const TZaznam> records);

} // namespace hk
