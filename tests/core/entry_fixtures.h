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
inline GroupRow Group(std::string groupClass, std::string angle, std::string distance,
                      std::string area = "0") {
    GroupRow r;
    r.fill("0");
    r[0] = "";
    r[column::Typ] = std::move(groupClass);
    r[column::Poc] = "3";
    r[column::SPen] = "1";
    r[column::Uhel] = std::move(angle);
    r[column::Vzd] = std::move(distance);
    r[column::Plocha] = std::move(area);
    return r;
}

// A complete polar form of one Dkc group on 15.06.2014 09:05.
inline EntryForm ValidForm() {
    return {.observer = "Novák, Jan",
            .date = "15.06.2014",
            .time = "905",
            .pp = "2",
            .image = "3",
            .q = "1",
            .qc = "1",
            .fc = "3",
            .rc = "13",
            .faculaeCount = "4",
            .groupCount = "1",
            .faculaeFieldCount = "0",
            .station = "Úpice",
            .drawingNumber = "001/14",
            .special = {},
            .groups = {Group("Dkc", "45.0", "60.0", "4.9")}};
}

inline EntryContext Context(EntryMode mode, const std::vector<TZaznam>& records,
                            bool numbering = true, double radius = 125) {
    EntryContext c;
    c.mode = mode;
    c.settings.radius = radius;
    c.settings.drawingNumbers = numbering;
    c.records = records;
    return c;
}

} // namespace hk::entry_test
