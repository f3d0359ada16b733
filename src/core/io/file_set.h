#pragma once
// Several files of one folder replaced together (the yearly files of an
// import): each is written to its temporary file first; then a list of the
// temporary files and their names is saved in the folder, and only then are
// they renamed. A writer killed before the list was saved leaves the old
// files whole (its temporary files are removed by the next clean-up); one
// killed after it is completed by the next clean-up from the list. Either
// way the folder holds the old set or the new one, never a mix.
#include <filesystem>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace hk {

// The list's name ends like this: "<name>.<pid>.<digits>.heliokres-set".
inline constexpr std::string_view FileSetSuffix = ".heliokres-set";

class FileSetWriter {
  public:
    explicit FileSetWriter(std::filesystem::path folder);
    FileSetWriter(const FileSetWriter&) = delete;
    FileSetWriter& operator=(const FileSetWriter&) = delete;
    // Removes the temporary files of a set that was not committed.
    ~FileSetWriter();

    // Writes one file of the set (a plain name in the folder) under its
    // temporary name. Throws std::runtime_error as WriteFileAtomic.
    void add(const std::string& name, std::string_view bytes);
    // Replaces every file of the set; returns their paths in the order added.
    std::vector<std::filesystem::path> commit();

  private:
    std::filesystem::path folder_;
    std::vector<std::pair<std::filesystem::path, std::filesystem::path>> files_; // temp, target
    bool committed_ = false;
};

// Completes the sets in `folder` whose writer ended after saving the list:
// renames their remaining temporary files and removes the list. Returns the
// number of files renamed; lists of a writer still running are left.
int CompleteInterruptedFileSets(const std::filesystem::path& folder);

} // namespace hk
