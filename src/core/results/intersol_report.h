#pragma once
// The Inter-Sol coefficients of one observer and one month, and the protocol
// file Intersol\YYMM_NNN.txt built from them.
#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "records/observers.h"
#include "records/record_layout.h"
#include "results/intersol_recipient.h"
#include "results/report_file.h"
#include "results/results_grid.h"
#include "results/station_data.h"

namespace hk {

inline constexpr std::string_view InterSolFolder = "Intersol";
inline constexpr std::string_view BadInterSolInput =
    " Špatně zadán rok, měsíc, č.pozorovatele nebo nevybrán pozorovatel!  ";
inline constexpr std::string_view NoRecordsExist = "Danné záznamy neexsistují !";
inline constexpr std::string_view NoInstrument = " Není zadaný přístroj ! ";

struct InterSolTable {
    int month = 0;
    std::string yearText; // the year as typed (four digits to match any record)
    int days = 0;
    // Row 0 the headers, rows 1..days the days, the last row the sums.
    // Columns: day, time, gr, grfp, grf, efp, ef, Cond, comment, Suma.
    ResultsGrid grid;
    int found = 0;                      // drawings of the observer in the month
    std::optional<std::string> message; // why nothing was shown
};

// The coefficients of `observer`'s drawings in the month typed as "2.2001"
// (or "2,2001"). `number` is the observer's Inter-Sol number, digits only.
// A later drawing of the same day replaces the earlier row.
InterSolTable BuildInterSolTable(std::span<const TZaznam> records, std::string_view monthText,
                                 std::string_view observer, std::string_view number);

// The last two digits of the year, the month, "_" and the observer number in
// three digits: 0102_007.txt.
std::string InterSolFileName(std::string_view yearText, int month, std::string_view number);

// One row of the protocol's day table from a row of the coefficient grid.
std::string InterSolProtocolRow(const std::vector<std::string>& gridRow);

// What the address panel holds for the protocol.
struct InterSolObserver {
    std::string name;
    std::string observatory; // general data row 10 unless changed
    std::string address;     // street, town and postcode from the observer table
    std::string email;       // general data row 7 unless changed
};

// The address panel as it opens: the observatory and the e-mail from the
// general data, the address from the observer's entry in the observer table
// (street, town and postcode, two spaces apart) or empty without one.
InterSolObserver InterSolObserverFor(std::string_view name, const ObserverTable::Entry* entry,
                                     const StationData& data);

ReportFile BuildInterSolProtocol(const InterSolTable& table, const InterSolObserver& observer,
                                 std::string_view number, const StationData& data,
                                 const InterSolRecipient& recipient);

} // namespace hk
