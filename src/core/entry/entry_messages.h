#pragma once
// The messages of the entry window, as the program has always worded them
// ("\r" separates lines in the message window).
#include <string>
#include <string_view>

namespace hk::messages {

inline constexpr std::string_view MaxGroups = "Maximálni počet skupin je 40 !";
inline constexpr std::string_view BadDate = "Bylo špatně zadáno datum\rzáznam nebude zapsán";
inline constexpr std::string_view ObserverExists = " Pozor  záznam již exisistuje !!! ";
inline constexpr std::string_view MaxTime = "Maximalní hodnota času 2359 !!!!!";
inline constexpr std::string_view BadClassClick = "Špatně zadaný typ skupiny!";
inline constexpr std::string_view NoDate = " Neni zadané datum !!!!";
inline constexpr std::string_view BadClass = "Špatně zadaný typ skupiny";
inline constexpr std::string_view TooManyRecords =
    "Již bylo uloženo 198 záktresů , pro jistotu zavři program a znona sputit ";
inline constexpr std::string_view RecordExists = "Záznam již exisistuje !!!";
inline constexpr std::string_view NoObserver = "Není zadáno jméno pozorovatele";
inline constexpr std::string_view BadNumber =
    "Špatně zadané číslo záznamu chybí   /  př. 001/01 \r     nebo je  nulová hodnota !!! ";
inline constexpr std::string_view MaxNumber = "Maximmální počet je 654 a rok ";
inline constexpr std::string_view MaxAngle = "Úhel je maximálně 360 stupňů ";
inline constexpr std::string_view MaxRotation = "Maximální číslo v otočce je 70";
inline constexpr std::string_view SwitchNumbersOff = "Vypnout číslování zákresů u všech záznamů ?";

// "Špatně zadaná vzdálenst u skupin max. " followed by the drawing radius.
std::string GroupDistance(double radius);
// "Špatně zadaná vzdálenost u fakulí max. " followed by the limit.
std::string FaculaeDistance(double limit);
// A header field whose text is not a number the field can hold.
std::string BadField(std::string_view label);
// A grid cell whose text is not a number the record can hold.
std::string BadGroupCell(std::string_view columnTitle, int row);
std::string BadFaculaeCell(std::string_view columnTitle, int row);

} // namespace hk::messages
