#pragma once
// The program directory (AdresarProgramu): every data file of the program lies
// in it or in a fixed folder under it. Station data are often copied from
// Windows, so names are looked up case-insensitively and both "\" and "/"
// separate folders.
#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace hk {

class ProgramDir {
  public:
    explicit ProgramDir(std::filesystem::path root);

    const std::filesystem::path& root() const { return root_; }

    // "SIDC\\Plochy.txt" or "SIDC/Plochy.txt": each component is looked up
    // case-insensitively (an exact match wins). Returns the existing path, or
    // the path to create: existing folders as found, missing parts as given.
    std::filesystem::path resolve(std::string_view relative) const;

    // True when `relative` names an existing file or folder.
    bool exists(std::string_view relative) const;

    // A folder for output files (Mesice, CVdata, ...), created when missing.
    // Throws std::runtime_error with a Czech message when it cannot be made,
    // std::logic_error for a folder that is not one of WrittenFolders.
    std::filesystem::path ensureFolder(std::string_view relative) const;

  private:
    std::filesystem::path root_;
};

// The folders the program writes into besides the program directory itself;
// "CSVsoubory" also holds the yearly folders "Rok<year>". Every file the
// program writes lies in one of them (ensureFolder makes no other), so the
// clean-up after interrupted saves looks in each of them and nowhere else.
inline constexpr std::array<std::string_view, 11> WrittenFolders = {"SIDC",
                                                                    "KoronaX",
                                                                    "Magneto",
                                                                    "Mesice",
                                                                    "CVdata",
                                                                    "Intersol",
                                                                    "Vlastni",
                                                                    "CSVsoubory",
                                                                    "Obrázek",
                                                                    "Polohy-skupin",
                                                                    "Denni - pozorovatele"};
inline constexpr std::string_view YearFolderPrefix = "Rok"; // CSVsoubory/Rok<year>

// True for "" (the program directory), a folder of WrittenFolders and
// "CSVsoubory/Rok<year>", in any letter case and with either separator.
bool IsWrittenFolder(std::string_view relative);

// Case-insensitive comparison of two UTF-8 file names (ASCII and the letters
// of the Windows-1250 code page).
bool SameFileName(std::string_view a, std::string_view b);

// A folder of the user's data: $XDG_DATA_HOME or ~/.local/share (the
// temporary folder without either), + `name`. Nothing is created.
std::filesystem::path UserDataFolder(std::string_view name);

// The program directory of a run, found without asking: the argument when
// given, else HELIOKRES_DIR, else the executable's folder when it holds
// datax.dat, else `remembered` (the directory chosen at an earlier start)
// while it is a folder, else UserDataFolder("Heliokres") when it holds
// datax.dat. Nothing when none applies: the program then asks. Nothing is
// created.
std::optional<std::filesystem::path>
FindProgramDirectory(const std::optional<std::string>& argument,
                     const std::filesystem::path& executableDir,
                     const std::optional<std::filesystem::path>& remembered = std::nullopt);

} // namespace hk
