#pragma once
// What the entry window does while the observer types: the grids follow the
// counts, the date and time fields are checked when they are left, the
// highest group number of the year is looked up.
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "entry/entry_form.h"
#include "records/record_layout.h"
#include "records/session.h"

namespace hk {

// The state of a grid after its count field changed.
struct GridCount {
    bool numeric = false;               // the count is a whole number (else nothing else changed)
    int rows = 1;                       // data rows of the grid now
    bool enabled = false;               // the grid takes input (count 1 or more)
    std::optional<std::string> message; // the count was above 40 and became 40
};

// The group count changed: the grid gets one row per group (at least one),
// rows without a spot count get "0" in columns 2..15, a count above 40
// becomes 40 with a message, and in a special record every class is "***".
GridCount ResizeGroupGrid(EntryForm& form);
// The same for the faculae grid, without the zero fill and the "***" rule.
GridCount ResizeFaculaeGrid(EntryForm& form);

// Leaving the date field.
struct DateFieldCheck {
    std::vector<std::string> messages;
    bool refocus = false;                     // the cursor goes back to the date field
    std::optional<std::string> drawingNumber; // new text of the drawing-number field
};
DateFieldCheck CheckDateField(const EntryForm& form, EntryMode mode,
                              std::span<const TZaznam> records, bool drawingNumbers);

// Leaving the time field: the messages to show.
std::vector<std::string> CheckTimeField(const EntryForm& form, EntryMode mode,
                                        std::span<const TZaznam> records);

// The time field as hhmm, or the message that refuses it.
struct TimeField {
    std::optional<std::uint16_t> time;
    std::optional<std::string> message; // why the time is refused
};
TimeField ReadTimeField(std::string_view text);

// True when a record has exactly this Datum text and this time.
bool SameDateAndTimeExists(std::span<const TZaznam> records, std::string_view date, long long time);

// The largest global group number (CSk1) in any entry of the records of the
// year whose last two digits end the date text.
int HighestCSk1OfYear(std::span<const TZaznam> records, std::string_view date);

} // namespace hk
