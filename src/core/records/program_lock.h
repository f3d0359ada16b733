#pragma once
// The lock of a program directory and the clean-up that belongs to it: a
// program that writes takes the lock first, and with it clears what writers
// that have ended left behind in the directory and in every folder it
// writes. Only the lock holder cleans up, so no other writer of this program
// works in the directory meanwhile, and a temporary file whose writer still
// runs is never touched.
#include <string>
#include <string_view>
#include <vector>

#include "io/directory_lock.h"
#include "records/program_dir.h"

namespace hk {

// Takes the lock of `dir` for `program` (see DirectoryLock). When taken,
// runs CleanUpAfterEndedWriters; `notes` receives the takeover note and what
// the clean-up did, in Czech, for the start-up list or standard error.
DirectoryLock LockProgramDirectory(const ProgramDir& dir, std::string_view program,
                                   std::vector<std::string>& notes);

// In the program directory and each of WrittenFolders (with the yearly
// folders of CSVsoubory): completes the file sets whose writer ended after
// recording them, removes the temporary files of ended writers and names the
// temporary files whose writer is unknown (left alone). Needs the lock.
std::vector<std::string> CleanUpAfterEndedWriters(const ProgramDir& dir, const DirectoryLock& lock);

} // namespace hk
