#pragma once
// How the desktop program holds its program directory for the run: its
// lock, or, when another program writes into the directory (or the lock
// cannot be taken), a read-only view the observer chose.
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "io/atomic_file.h"
#include "io/directory_lock.h"
#include "records/program_dir.h"

namespace hk {

class Messages;

struct DirectoryAccess {
    DirectoryAccess(DirectoryLock lock, std::unique_ptr<ReadOnlyFolder> readOnly,
                    std::vector<std::string> notes)
        : lock(std::move(lock)), readOnly(std::move(readOnly)), notes(std::move(notes)) {}

    DirectoryLock lock;                       // held when the program writes
    std::unique_ptr<ReadOnlyFolder> readOnly; // set when it only views
    std::vector<std::string> notes;           // for the start-up's warning list
    bool viewOnly() const { return readOnly != nullptr; }
};

// The reason every refused write names.
inline constexpr const char* ReadOnlyReason = "Adresář je otevřen jen pro čtení.";

// Takes the directory's lock. When it is refused, asks whether to view the
// directory read-only (naming who holds it); nullopt when the observer
// leaves, the safe answer.
std::optional<DirectoryAccess> TakeDirectory(const ProgramDir& dir, Messages& messages);

} // namespace hk
