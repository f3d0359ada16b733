#pragma once
// Confirming the entry window ("Potvrdit  zadávání"): every field and cell
// is checked first; only when all pass is the working record filled, in the
// stored units, ready for the record store.
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "entry/entry_form.h"
#include "entry/entry_settings.h"
#include "entry/grid_cell.h"
#include "records/record_layout.h"
#include "records/session.h"

namespace hk {

struct EntryContext {
    EntryMode mode = EntryMode::New;
    EntrySettings settings;
    std::span<const TZaznam> records; // the records in the store
    int addedSinceStart = 0;          // records stored since the program started
};

struct EntryOutcome {
    std::vector<std::string> messages; // to show, in this order (warnings included)
    std::optional<TZaznam> record;     // the filled working record; nullopt when refused
    std::optional<GridCell> focus;     // the cell a grid error points at
    bool dateChanged = false;          // the date differs from the working record's
    EntryForm form;                    // the window's text afterwards (normalised)
};

// `working` is the working record as the window found it: its Rotace, L0,
// Rezerva1, NastaveniKresby and summary are carried along, and in correction
// mode also its faculae area.
EntryOutcome ConfirmEntry(const EntryForm& form, const TZaznam& working, const EntryContext& ctx);

} // namespace hk
