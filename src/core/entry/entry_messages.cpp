#include "entry/entry_messages.h"

#include "text/number_format.h"

namespace hk::messages {

namespace {
constexpr std::string_view NotStored = "\rzáznam nebude zapsán";
} // namespace

std::string GroupDistance(double radius) {
    return "Špatně zadaná vzdálenst u skupin max. " + FormatNumber(radius, "###.#");
}

std::string FaculaeDistance(double limit) {
    return "Špatně zadaná vzdálenost u fakulí max. " + FormatNumber(limit, "###.#");
}

std::string BadField(std::string_view label) {
    return "Špatně zadaná hodnota v poli " + std::string(label) + std::string(NotStored);
}

std::string BadGroupCell(std::string_view columnTitle, int row) {
    return "Špatně zadaná hodnota ve sloupci " + std::string(columnTitle) + " u skupiny " +
           std::to_string(row) + std::string(NotStored);
}

std::string BadFaculaeCell(std::string_view columnTitle, int row) {
    return "Špatně zadaná hodnota ve sloupci " + std::string(columnTitle) + " u fakule " +
           std::to_string(row) + std::string(NotStored);
}

} // namespace hk::messages
