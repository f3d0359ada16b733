#include "entry/entry_fields.h"

#include <algorithm>
#include <cstdio>

#include "entry/entry_messages.h"
#include "entry/entry_text.h"
#include "geometry/calendar.h"
#include "records/record.h"

namespace hk {

namespace {

constexpr int MaxRows = MaxGroups;
constexpr std::string_view TimeLabel = "Čas UT";

template <typename Row> GridCount resize(std::string& countText, std::vector<Row>& rows) {
    GridCount g;
    const auto n = ParseIntegerText(countText);
    if (!n) return g;
    g.numeric = true;
    long long count = *n;
    if (count > MaxRows) {
        g.message = std::string(messages::MaxGroups);
        count = MaxRows;
        countText = std::to_string(MaxRows);
    }
    g.enabled = count >= 1;
    g.rows = static_cast<int>(std::max<long long>(count, 1));
    rows.resize(static_cast<std::size_t>(g.rows));
    return g;
}

std::string_view lastTwo(std::string_view s) {
    return s.size() < 2 ? s : s.substr(s.size() - 2);
}

} // namespace

GridCount ResizeGroupGrid(EntryForm& form) {
    GridCount g = resize(form.groupCount, form.groups);
    if (!g.numeric) return g;
    if (g.enabled) {
        for (GroupRow& row : form.groups)
            if (row[column::Poc].empty())
                for (int c = column::Poc; c < GroupColumns; ++c)
                    row[static_cast<std::size_t>(c)] = "0";
    }
    if (form.isSpecial())
        for (GroupRow& row : form.groups)
            row[column::Typ] = "***";
    return g;
}

GridCount ResizeFaculaeGrid(EntryForm& form) {
    return resize(form.faculaeFieldCount, form.faculae);
}

TimeField ReadTimeField(std::string_view text) {
    TimeField t;
    const auto v = ParseIntegerText(text);
    if (!v || *v < 0)
        t.message = messages::BadField(TimeLabel);
    else if (*v > 2359)
        t.message = std::string(messages::MaxTime);
    else
        t.time = static_cast<std::uint16_t>(*v);
    return t;
}

bool SameDateAndTimeExists(std::span<const TZaznam> records, std::string_view date,
                           long long time) {
    return std::any_of(records.begin(), records.end(),
                       [&](const TZaznam& z) { return z.Cas == time && z.Datum.raw() == date; });
}

DateFieldCheck CheckDateField(const EntryForm& form, EntryMode mode,
                              std::span<const TZaznam> records, bool drawingNumbers) {
    DateFieldCheck c;
    // Nothing typed yet: the confirmation will ask for the date.
    if (TrimSpaces(form.date) == TrimSpaces(EmptyDateText)) return c;
    const auto date = ParseDatum(form.date);
    if (!date) {
        c.messages.emplace_back(messages::BadDate);
        c.refocus = true;
        return c;
    }
    if (mode != EntryMode::New) return c;
    if (const auto time = ParseIntegerText(form.time);
        time && SameDateAndTimeExists(records, form.date, *time))
        c.messages.emplace_back(messages::ObserverExists);
    if (drawingNumbers) {
        // The next drawing of the year: its highest number + 1.
        int highest = 0;
        for (const TZaznam& z : records)
            if (z.CisloZakresu != 0 && z.CisloZakresu % 100 == date->year % 100)
                if (const auto d = RecordDate(z); d && d->year == date->year)
                    highest = std::max(highest, z.CisloZakresu / 100);
        char order[16];
        std::snprintf(order, sizeof order, "%03d/", highest + 1);
        c.drawingNumber = order + std::string(lastTwo(FormatDatum(*date)));
    }
    return c;
}

std::vector<std::string> CheckTimeField(const EntryForm& form, EntryMode mode,
                                        std::span<const TZaznam> records) {
    std::vector<std::string> messages;
    const TimeField t = ReadTimeField(form.time);
    if (!t.time) {
        messages.push_back(*t.message);
        return messages;
    }
    if (mode == EntryMode::New && SameDateAndTimeExists(records, form.date, *t.time))
        messages.emplace_back(messages::ObserverExists);
    return messages;
}

int HighestCSk1OfYear(std::span<const TZaznam> records, std::string_view date) {
    const std::string_view year = lastTwo(date);
    int highest = 0;
    for (const TZaznam& z : records) {
        if (lastTwo(z.Datum.raw()) != year) continue;
        for (const TSkupina& s : z.Skupiny)
            highest = std::max<int>(highest, s.CSk1);
    }
    return highest;
}

} // namespace hk
