#pragma once
// Writing files without ever truncating the only copy: the bytes go to a
// temporary file in the same folder, which is flushed and renamed over the
// old file, and the folder is flushed after the rename. A failure leaves the
// old file untouched and throws.
//
// Reading files that come from outside: only regular files are opened (a
// FIFO, a folder or a device gets a message at once instead of blocking or
// reporting a meaningless size).
#include <cstddef>
#include <filesystem>
#include <limits>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace hk {

void WriteFileAtomic(const std::filesystem::path& path, std::string_view bytes);

// The temporary file of a save of `path`: "<name>.<digits>.heliokres-tmp" in
// the same folder. No file the user names ends like that, so a stale one can
// be recognised and removed safely.
inline constexpr std::string_view TempFileSuffix = ".heliokres-tmp";
bool IsOwnTempFileName(std::string_view fileName);

// Removes this program's temporary files directly in `folder` that were last
// written before `startedAt` (files of an interrupted save; a save running
// now is newer). Returns the names removed; files it cannot remove are left.
std::vector<std::string> RemoveStaleTempFiles(const std::filesystem::path& folder,
                                              std::filesystem::file_time_type startedAt);

// Files in `folder` that look like temporary files of earlier versions of
// the program ("<name>.tmp<digits>" beside an existing "<name>"). They are
// only reported: the pattern alone does not prove whose they are.
std::vector<std::string> FindOldTempFiles(const std::filesystem::path& folder);

// A file that is larger than its reader accepts.
struct FileTooLarge : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// The start-up list's warning for a name that exists but is not a regular
// file (a folder, a FIFO, a device): such a side file is not used. Empty
// for a regular file and for a missing one.
std::optional<std::string> NotAFileWarning(const std::filesystem::path& path);

// Reads a whole file; throws std::runtime_error with a Czech message naming
// the file when it is not a regular file or cannot be read, FileTooLarge
// when it holds more than `maxBytes`.
std::string ReadWholeFile(const std::filesystem::path& path,
                          std::size_t maxBytes = std::numeric_limits<std::size_t>::max());

// The first `count` bytes of a regular file (all of a shorter one), for
// readers that use only the start of a file. Throws as ReadWholeFile.
std::string ReadFileStart(const std::filesystem::path& path, std::size_t count);

// Opens a regular file for reading without ever blocking (a FIFO or device
// is refused before it is opened). Returns the descriptor and sets `size`;
// throws std::runtime_error with a Czech message.
int OpenRegularFile(const std::filesystem::path& path, std::size_t& size);

} // namespace hk
