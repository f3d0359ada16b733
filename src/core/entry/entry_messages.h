#pragma once
// The messages of the entry window, as the program has always worded them
// ("\r" separates lines in the message window).
#include <string>
#include <string_view>

namespace hk::zpravy {

inline constexpr std::string_view MaxSkupin = "Maximálni počet skupin je 40 !";
inline constexpr std::string_view SpatneDatum = "Bylo špatně zadáno datum\rzáznam nebude zapsán";
inline constexpr std::string_view PozorExistuje = " Pozor  záznam již exisistuje !!! ";
inline constexpr std::string_view MaxCas = "Maximalní hodnota času 2359 !!!!!";
inline constexpr std::string_view SpatnyTypKlik = "Špatně zadaný typ skupiny!";
inline constexpr std::string_view NeniDatum = " Neni zadané datum !!!!";
inline constexpr std::string_view SpatnyTyp = "Špatně zadaný typ skupiny";
inline constexpr std::string_view MocZaznamu =
    "Již bylo uloženo 198 záktresů , pro jistotu zavři program a znona sputit ";
inline constexpr std::string_view ZaznamExistuje = "Záznam již exisistuje !!!";
inline constexpr std::string_view NeniPozorovatel = "Není zadáno jméno pozorovatele";
inline constexpr std::string_view SpatneCislo =
    "Špatně zadané číslo záznamu chybí   /  př. 001/01 \r     nebo je  nulová hodnota !!! ";
inline constexpr std::string_view MaxCislo = "Maximmální počet je 654 a rok ";
inline constexpr std::string_view UhelMax = "Úhel je maximálně 360 stupňů ";
inline constexpr std::string_view OtockaMax = "Maximální číslo v otočce je 70";
inline constexpr std::string_view VypnoutCislovani = "Vypnout číslování zákresů u všech záznamů ?";

// "Špatně zadaná vzdálenst u skupin max. " followed by the drawing radius.
std::string SkupinyVzdalenost(double radius);
// "Špatně zadaná vzdálenost u fakulí max. " followed by the limit.
std::string FakuleVzdalenost(double limit);
// A header field whose text is not a number the field can hold.
std::string SpatnePole(std::string_view label);
// A grid cell whose text is not a number the record can hold.
std::string SpatnaBunkaSkupiny(std::string_view columnTitle, int row);
std::string SpatnaBunkaFakule(std::string_view columnTitle, int row);

} // namespace hk::zpravy
