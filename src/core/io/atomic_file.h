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
#include <cstdint>
#include <filesystem>
#include <functional>
#include <limits>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace hk {

// Throws std::runtime_error with a Czech message when the write fails, and
// refuses to replace something that is not a regular file (a FIFO, a device,
// a folder): such a name is left as it is.
void WriteFileAtomic(const std::filesystem::path& path, std::string_view bytes);

// The same for a text made in pieces: `produce(write)` calls write(piece)
// for each piece in order, and each is written to the temporary file at
// once. When `produce` throws, the temporary file is removed and the
// exception goes on; the old file stays.
using TextProducer = std::function<void(const std::function<void(std::string_view)>&)>;
void WriteFileAtomic(const std::filesystem::path& path, const TextProducer& produce);

// A folder this process only views: while the object lives, every write of
// this file's functions below the folder is refused (std::runtime_error with
// `reason` and the file's name), before anything is created. The desktop
// program views a directory read-only when another program writes into it
// or its lock cannot be taken; a write that slipped through would drop the
// other program's data.
class ReadOnlyFolder {
  public:
    ReadOnlyFolder(const std::filesystem::path& folder, std::string reason);
    ~ReadOnlyFolder();
    ReadOnlyFolder(const ReadOnlyFolder&) = delete;
    ReadOnlyFolder& operator=(const ReadOnlyFolder&) = delete;

  private:
    std::filesystem::path folder_;
};
// True when `path` lies below a folder held by a ReadOnlyFolder.
bool WritesRefused(const std::filesystem::path& path);

// The temporary file of a save of `path`: "<name>.<pid>.<digits>.heliokres-tmp"
// in the same folder, <pid> the writing process. No file the user names ends
// like that, so a file whose writer has ended can be recognised and removed
// safely. Versions before the writer's pid was part of the name wrote
// "<name>.<digits>.heliokres-tmp": those are recognised too, their writer
// unknown.
inline constexpr std::string_view TempFileSuffix = ".heliokres-tmp";
struct TempFileName {
    std::string target; // the name of the file being saved
    long pid = 0;       // the writer; 0 when the name does not say
};
std::optional<TempFileName> ParseTempFileName(std::string_view fileName);
bool IsOwnTempFileName(std::string_view fileName);
// A fresh temporary name for a save of the file named `target` by this process.
std::string NewTempFileName(std::string_view target);

// True while a process of that id runs on this computer (a process of
// another user counts as running).
bool ProcessRunning(long pid);

// Writes `bytes` to a new temporary file beside `path` (flushed to the disk
// when `flush`), for writers that rename several files together. Returns the
// temporary file's path; throws as WriteFileAtomic and leaves nothing behind.
std::filesystem::path WriteTempFile(const std::filesystem::path& path, std::string_view bytes,
                                    bool flush = true);
// Flushes a folder's entries after renames in it.
void SyncFolder(const std::filesystem::path& folder);

// Removes this program's temporary files directly in `folder` whose writer
// has ended (the process named in the name no longer runs); a save running
// now is never touched. `unknownWriter` lists the temporary files whose name
// does not name their writer: they are left.
struct TempFileCleanup {
    std::vector<std::string> removed;
    std::vector<std::string> unknownWriter;
};
TempFileCleanup RemoveTempFilesOfEndedWriters(const std::filesystem::path& folder);

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

// The same as bytes, for binary files.
std::vector<std::uint8_t>
ReadWholeFileBytes(const std::filesystem::path& path,
                   std::size_t maxBytes = std::numeric_limits<std::size_t>::max());

// The first `count` bytes of a regular file (all of a shorter one), for
// readers that use only the start of a file. Throws as ReadWholeFile.
std::string ReadFileStart(const std::filesystem::path& path, std::size_t count);

// Opens a regular file for reading without ever blocking (a FIFO or device
// is refused before it is opened). Returns the descriptor and sets `size`;
// throws std::runtime_error with a Czech message.
int OpenRegularFile(const std::filesystem::path& path, std::size_t& size);

} // namespace hk
