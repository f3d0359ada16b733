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
    EntryForm f;
    f.pozorovatel = "Novák, Jan";
    f.datum = "15.06.2014";
    f.cas = "905";
    f.pp = "2";
    f.obr = "3";
    f.q = "1";
    f.qc = "1";
    f.fc = "3";
    f.rc = "13";
    f.pocetFakuli = "4";
    f.pocetSkupin = "1";
    f.pocetFakKresleni = "0";
    f.stanice = "Úpice";
    f.cisloZakresu = "001/14";
    f.skupiny = {Group("Dkc", "45.0", "60.0", "4.9")};
    return f;
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
