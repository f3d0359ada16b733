#include "io/file_set.h"

#include <cstdio>
#include <stdexcept>
#include <system_error>

#include "io/atomic_file.h"

namespace hk {

namespace {

constexpr std::size_t MostListBytes = 1024 * 1024;

bool plainName(std::string_view name) {
    return !name.empty() && name != "." && name != ".." &&
           name.find_first_of("/\\") == std::string_view::npos &&
           name.find('\0') == std::string_view::npos;
}

} // namespace

FileSetWriter::FileSetWriter(std::filesystem::path folder) : folder_(std::move(folder)) {}

FileSetWriter::~FileSetWriter() {
    if (committed_) return;
    std::error_code ec;
    for (const auto& f : files_)
        std::filesystem::remove(f.first, ec);
}

void FileSetWriter::add(const std::string& name, std::string_view bytes) {
    if (!plainName(name)) throw std::logic_error("Neplatný název souboru \"" + name + "\"");
    const std::filesystem::path target = folder_ / name;
    files_.emplace_back(WriteTempFile(target, bytes), target);
}

std::vector<std::filesystem::path> FileSetWriter::commit() {
    std::string list;
    for (const auto& [tmp, target] : files_)
        list += tmp.filename().string() + "\t" + target.filename().string() + "\n";
    // From here on the set is complete: a kill during the renames is
    // finished by the next clean-up.
    const std::filesystem::path listPath = folder_ / NewTempFileName("soubory");
    const std::string listName =
        listPath.filename().string().substr(0, listPath.filename().string().size() -
                                                   TempFileSuffix.size()) +
        std::string(FileSetSuffix);
    WriteFileAtomic(folder_ / listName, list);
    committed_ = true;
    std::vector<std::filesystem::path> written;
    std::string failed;
    for (const auto& [tmp, target] : files_) {
        if (std::rename(tmp.c_str(), target.c_str()) == 0)
            written.push_back(target);
        else
            failed += (failed.empty() ? "" : ", ") + target.filename().string();
    }
    SyncFolder(folder_);
    std::error_code ec;
    if (!failed.empty())
        throw std::runtime_error("Soubory " + failed + " ve složce \"" + folder_.string() +
                                 "\" nelze přepsat; dokončí je příští spuštění programu.");
    std::filesystem::remove(folder_ / listName, ec);
    return written;
}

int CompleteInterruptedFileSets(const std::filesystem::path& folder) {
    int renamed = 0;
    std::error_code ec;
    std::vector<std::filesystem::path> lists;
    for (std::filesystem::directory_iterator it(folder, ec), end; !ec && it != end;
         it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (!name.ends_with(FileSetSuffix)) continue;
        // "<name>.<pid>.<digits>.heliokres-set" reads as a temporary name.
        const auto parsed = ParseTempFileName(name.substr(0, name.size() - FileSetSuffix.size()) +
                                              std::string(TempFileSuffix));
        std::error_code fec;
        if (!parsed || parsed->pid == 0 || !it->is_regular_file(fec) || it->is_symlink(fec))
            continue;
        if (ProcessRunning(parsed->pid)) continue; // its writer is renaming now
        lists.push_back(it->path());
    }
    for (const std::filesystem::path& listPath : lists) {
        std::string list;
        try {
            list = ReadWholeFile(listPath, MostListBytes);
        } catch (const std::exception&) {
            continue;
        }
        for (std::size_t at = 0; at < list.size();) {
            const std::size_t end = std::min(list.find('\n', at), list.size());
            const std::string_view line = std::string_view(list).substr(at, end - at);
            at = end + 1;
            const std::size_t tab = line.find('\t');
            if (tab == std::string_view::npos) continue;
            const std::string tmp(line.substr(0, tab));
            const std::string target(line.substr(tab + 1));
            // Only a temporary file of that very target is renamed to it.
            const auto parsed = ParseTempFileName(tmp);
            if (!plainName(tmp) || !plainName(target) || !parsed || parsed->target != target)
                continue;
            std::error_code fec;
            if (!std::filesystem::is_regular_file(folder / tmp, fec)) continue;
            const auto status = std::filesystem::status(folder / target, fec);
            if (std::filesystem::exists(status) && !std::filesystem::is_regular_file(status))
                continue;
            if (std::rename((folder / tmp).c_str(), (folder / target).c_str()) == 0) ++renamed;
        }
        SyncFolder(folder);
        std::filesystem::remove(listPath, ec);
    }
    return renamed;
}

} // namespace hk
