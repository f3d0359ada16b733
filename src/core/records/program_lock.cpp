#include "records/program_lock.h"

#include <stdexcept>
#include <system_error>

#include "io/atomic_file.h"
#include "io/file_set.h"

namespace hk {

namespace {

// The folders to look in: those of WrittenFolders that exist, and the
// yearly folders under CSVsoubory.
std::vector<std::filesystem::path> writtenFolders(const ProgramDir& dir) {
    std::vector<std::filesystem::path> folders{dir.root()};
    std::error_code ec;
    for (std::string_view name : WrittenFolders) {
        const std::filesystem::path folder = dir.resolve(name);
        if (!std::filesystem::is_directory(folder, ec)) continue;
        folders.push_back(folder);
        if (name != "CSVsoubory") continue;
        for (std::filesystem::directory_iterator it(folder, ec), end; !ec && it != end;
             it.increment(ec)) {
            const std::string sub = it->path().filename().string();
            std::error_code fec;
            if (IsWrittenFolder("CSVsoubory/" + sub) && it->is_directory(fec) &&
                !it->is_symlink(fec))
                folders.push_back(it->path());
        }
    }
    return folders;
}

std::string someNames(const std::vector<std::string>& names) {
    std::string text;
    for (std::size_t i = 0; i < names.size() && i < 3; ++i)
        text += (i ? ", " : "") + names[i];
    if (names.size() > 3) text += ", ...";
    return text;
}

} // namespace

std::vector<std::string> CleanUpAfterEndedWriters(const ProgramDir& dir,
                                                  const DirectoryLock& lock) {
    if (!lock.held()) throw std::logic_error("clean-up without the directory's lock");
    std::vector<std::string> notes;
    for (const std::filesystem::path& folder : writtenFolders(dir)) {
        const std::string where = "\"" + folder.string() + "\"";
        if (const int n = CompleteInterruptedFileSets(folder); n > 0)
            notes.push_back("V adresáři " + where + " bylo dokončeno přerušené ukládání " +
                            std::to_string(n) + " souborů.");
        const TempFileCleanup cleanup = RemoveTempFilesOfEndedWriters(folder);
        if (!cleanup.removed.empty())
            notes.push_back("Odstraněno " + std::to_string(cleanup.removed.size()) +
                            " dočasných souborů přerušeného ukládání v adresáři " + where + " (" +
                            someNames(cleanup.removed) + ").");
        std::vector<std::string> unknown = cleanup.unknownWriter;
        for (std::string& old : FindOldTempFiles(folder))
            unknown.push_back(std::move(old));
        if (!unknown.empty())
            notes.push_back("V adresáři " + where + " je " + std::to_string(unknown.size()) +
                            " souborů, které vypadají jako zbytky přerušeného ukládání "
                            "starší verze programu (" +
                            someNames(unknown) + "); program je neodstraňuje.");
    }
    return notes;
}

DirectoryLock LockProgramDirectory(const ProgramDir& dir, std::string_view program,
                                   std::vector<std::string>& notes) {
    DirectoryLock lock = DirectoryLock::tryAcquire(dir.root(), program);
    if (!lock.held()) return lock;
    if (!lock.takeoverNote().empty()) notes.push_back(lock.takeoverNote());
    for (std::string& note : CleanUpAfterEndedWriters(dir, lock))
        notes.push_back(std::move(note));
    return lock;
}

} // namespace hk
