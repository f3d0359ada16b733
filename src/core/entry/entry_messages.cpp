#include "entry/entry_messages.h"

#include "text/number_format.h"

namespace hk::zpravy {

namespace {
constexpr std::string_view Nezapsan = "\rzáznam nebude zapsán";
} // namespace

std::string SkupinyVzdalenost(double radius) {
    return "Špatně zadaná vzdálenst u skupin max. " + FormatNumber(radius, "###.#");
}

std::string FakuleVzdalenost(double limit) {
    return "Špatně zadaná vzdálenost u fakulí max. " + FormatNumber(limit, "###.#");
}

std::string SpatnePole(std::string_view label) {
    return "Špatně zadaná hodnota v poli " + std::string(label) + std::string(Nezapsan);
}

std::string SpatnaBunkaSkupiny(std::string_view columnTitle, int row) {
    return "Špatně zadaná hodnota ve sloupci " + std::string(columnTitle) + " u skupiny " +
           std::to_string(row) + std::string(Nezapsan);
}

std::string SpatnaBunkaFakule(std::string_view columnTitle, int row) {
    return "Špatně zadaná hodnota ve sloupci " + std::string(columnTitle) + " u fakule " +
           std::to_string(row) + std::string(Nezapsan);
}

} // namespace hk::zpravy
