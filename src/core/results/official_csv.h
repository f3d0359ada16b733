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
#include "results/report_file.h"
#include "results/station_data.h"

namespace hk {

inline constexpr std::string_view NoStationData = "Ještě nejsou zadána obecná data.";
inline constexpr std::string_view BadStationNumber = "Špatné číslo SL nebo nevybrána metoda";
inline constexpr std::string_view OfficialInformation =
    "Informace: Zobrazí se obecná data.  Šedá pole povinná.  \r Změny-úpravy jsou jen "
    "jednorázové, nikam se neukládají.";
inline constexpr std::string_view MethodProjection = "Projekce ";
inline constexpr std::string_view MethodVisual = "Vizuálně";
inline constexpr std::string_view EnterMonthYear = "Zadat měsíc ,rok (1,2000)";
inline constexpr std::string_view NoMonthToEnd = "Není žádný měsíc před měsícem posledního záznamu";

// The station fields of the export panel; prefilled from the general data,
// changed for one export only.
struct OfficialFields {
    std::string observatory;   // row 1
    std::string stationNumber; // row 12
    std::string address;       // row 8
    std::string telEmail;      // row 7
    std::string instrument;    // row 2
    std::string method;        // MethodProjection or MethodVisual; empty = not chosen
    std::string diameter;      // row 3
    std::string focalLength;   // row 4
    std::string eyepiece;      // row 5
};

OfficialFields OfficialFieldsFrom(const StationData& data, std::string_view method);

// The station number as the file name holds it (three digits), or nullopt
// when it is no number of 1 to 3 digits.
std::optional<std::string> OfficialStationNumber(std::string_view stationNumber);

// nullopt when the fields can be written, else BadStationNumber.
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
