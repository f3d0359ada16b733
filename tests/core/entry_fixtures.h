#pragma once
// Forms and records for the entry tests.
#include <string>
#include <vector>

#include "entry/entry_confirm.h"
#include "entry/entry_form.h"
#include "geometry/calendar.h"
#include "records/record.h"
#include "tests_support/records.h"

namespace hk::entry_test {

using test_records::Record;

// A group row: class, counts, polar position, area and the other columns 0.
inline GroupRow Group(std::string typ, std::string uhel, std::string vzd,
                      std::string plocha = "0") {
    GroupRow r;
    r.fill("0");
    r[0] = "";
    r[sloupec::Typ] = std::move(typ);
    r[sloupec::Poc] = "3";
    r[sloupec::SPen] = "1";
    r[sloupec::Uhel] = std::move(uhel);
    r[sloupec::Vzd] = std::move(vzd);
    r[sloupec::Plocha] = std::move(plocha);
    return r;
}

// A complete polar form of one Dkc group on 15.06.2014 09:05.
inline EntryForm ValidForm() {
    return {.pozorovatel = "Novák, Jan",
            .datum = "15.06.2014",
            .cas = "905",
            .pp = "2",
            .obr = "3",
            .q = "1",
            .qc = "1",
            .fc = "3",
            .rc = "13",
            .pocetFakuli = "4",
            .pocetSkupin = "1",
            .pocetFakKresleni = "0",
            .stanice = "Úpice",
            .cisloZakresu = "001/14",
            .zvlastni = {},
            .skupiny = {Group("Dkc", "45.0", "60.0", "4.9")}};
}

inline EntryContext Context(EntryMode mode, const std::vector<TZaznam>& records,
                            bool numbering = true, double radius = 125) {
    EntryContext c;
    c.mode = mode;
    c.settings.radius = radius;
    c.settings.cislovaniZakresu = numbering;
    c.records = records;
    return c;
}

} // namespace hk::entry_test
