#pragma once
// Opening the entry window: the cleared working record of a new drawing and
// the text the window shows for a record.
#include <span>
#include <string_view>

#include "entry/entry_form.h"
#include "entry/entry_settings.h"
#include "records/record_layout.h"
#include "records/session.h"

namespace hk {

// Resets the working record for a new drawing: no observer and no date, the
// station of record 1 when more than one record exists, time 1200, every
// count 0, not special, every entry of class "***" with its numbers 0.
// Rotace, L0, CisloZakresu, Rezerva1, NastaveniKresby, PlochaFakuli and the
// summary keep their values.
void ClearWorkingRecord(TZaznam& z, std::span<const TZaznam> records);

// The window's text for a record: header fields as decimal text, one grid
// row per group (polar or heliographic as the settings say, the hemisphere
// markers as "s" and "j") and one row per faculae field.
EntryForm LoadRecordIntoForm(const TZaznam& z, const EntrySettings& settings);

// The window's text when it opens in `mode`: a cleared record with the first
// known observer for a new or special drawing, the working record for a
// correction.
EntryForm OpenEntryForm(EntryMode mode, const TZaznam& working, std::span<const TZaznam> records,
                        const EntrySettings& settings, std::string_view firstObserver);

} // namespace hk
