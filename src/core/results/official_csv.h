#pragma once
// The official monthly data sheet of the station as semicolon-separated
// text: CSVsoubory/RokYYYY/YYYYMM_SSSa.csv.
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "records/observers.h"
#include "records/record_layout.h"
#include "results/choose_month.h"
#include "results/station_data.h"
#include "results/report_file.h"

namespace hk {

inline constexpr std::string_view NejsouObecnaData = "Ještě nejsou zadána obecná data.";
inline constexpr std::string_view SpatneCisloSL = "Špatné číslo SL nebo nevybrána metoda";
inline constexpr std::string_view OficialniInformace =
    "Informace: Zobrazí se obecná data.  Šedá pole povinná.  \r Změny-úpravy jsou jen "
    "jednorázové, nikam se neukládají.";
inline constexpr std::string_view MetodaProjekce = "Projekce ";
inline constexpr std::string_view MetodaVizualne = "Vizuálně";
inline constexpr std::string_view ZadatMesicRok = "Zadat měsíc ,rok (1,2000)";
inline constexpr std::string_view ZadnyMesicDoKonce =
    "Není žádný měsíc před měsícem posledního záznamu";

// The station fields of the export panel; prefilled from the general data,
// changed for one export only.
struct OfficialFields {
    std::string observator; // row 1
    std::string cisloSL;    // row 12
    std::string adresa;     // row 8
    std::string telEmail;   // row 7
    std::string pristroj;   // row 2
    std::string metoda;     // MetodaProjekce or MetodaVizualne; empty = not chosen
    std::string prumer;     // row 3
    std::string ohnisko;    // row 4
    std::string okular;     // row 5
};

OfficialFields OfficialFieldsFrom(const ObecnaData& data, std::string_view metoda);

// The station number as the file name holds it (three digits), or nullopt
// when it is no number of 1 to 3 digits.
std::optional<std::string> OfficialStationNumber(std::string_view cisloSL);

// nullopt when the fields can be written, else SpatneCisloSL.
std::optional<std::string> CheckOfficialFields(const OfficialFields& f);

// The sheet of one month (fields checked before). See official_csv.cpp for
// the layout.
ReportFile BuildOfficialSheet(std::span<const TZaznam> records, const MonthChoice& month,
                              const OfficialFields& fields, const ObserverTable& observers);

// The months of "Celý  rok" (every month of the year) and of "Do konce" (from
// the month to the month before the last record's month; empty when there
// is none).
std::vector<MonthChoice> OfficialWholeYear(const MonthChoice& month);
std::vector<MonthChoice> OfficialToEnd(std::span<const TZaznam> records, const MonthChoice& month);

} // namespace hk
