#pragma once
// Choosing the month of a monthly report: "2.2000" or "2,2000".
#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "records/record_layout.h"
#include "results/station_data.h"

namespace hk {

inline constexpr std::string_view MonthPromptTitle = "Zadání";
inline constexpr std::string_view MonthPrompt = "Zadej měsíc a rok ? (2.2000)";
inline constexpr std::string_view MissingInstrumentParameters =
    " Pozor v obecných datach nejsou parametry přístroje.";
inline constexpr std::string_view LastRecordIsFrom = " Poalední záznam je z ";
inline constexpr std::string_view BadMonth = " Špatně zadaný měsíc a rok (2.2000) ";

struct MonthChoice {
    int year = 0;
    int month = 0;
    int chosenMonth() const { return year * 100 + month; }
};

// The month is the text before the first "." (else the first ","), the year
// the text after it. nullopt when they are not a month 1..12 and a four-digit
// year with nothing after it (spaces aside).
std::optional<MonthChoice> ParseMonthText(std::string_view text);

// The lowest index whose date lies in the month (year * 100 + month), found
// by a scan of the whole store.
std::optional<std::size_t> FirstRecordOfMonth(std::span<const TZaznam> records, int chosenMonth);

struct ChooseMonthResult {
    std::optional<std::size_t> first; // 0-based index of the month's first record
    int chosenMonth = 0;
    std::optional<std::string> message; // why no month was chosen
};

// Parses the text and finds the month's first record. Without a record in
// that month the message names the date of the latest drawing.
ChooseMonthResult ChooseMonth(std::span<const TZaznam> records, std::string_view text);

// The notices shown before the month is asked for: the warning when the
// aperture or the focal length is missing from the general data.
std::vector<std::string> ChooseMonthNotices(const StationData& data);

} // namespace hk
