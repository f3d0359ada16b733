#pragma once
// A report file as text, kept apart from its writing so that the results
// window and heliokres-cli build the same bytes.
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "records/program_dir.h"

namespace hk {

// Shown after every report or export written.
inline constexpr std::string_view DataWereSaved = "Data byla uložena";

// DataWereSaved and where: the written files one a line ("\r" between
// lines), each relative to the program directory when it lies in it
// ("Vlastni/VL-11_2026.Txt"); a long list ends with how many more there are.
std::string SavedMessage(const ProgramDir& dir, const std::vector<std::filesystem::path>& written);

struct ReportFile {
    std::string folder; // sub-directory of the program directory, e.g. "Mesice"
    std::string name;   // file name, e.g. "200102.txt"
    std::string text;   // UTF-8 with CR LF line ends
};

// The file's bytes: the text in Windows-1250.
std::string ReportBytes(const ReportFile& report);

// Where the report lies in the program directory (folder and file looked up
// without regard to letter case, as the data may come from Windows).
std::filesystem::path ReportPath(const ProgramDir& dir, const ReportFile& report);
bool ReportExists(const ProgramDir& dir, const ReportFile& report);

// Writes the report atomically, creating its folder when it is missing;
// returns the path written. Throws std::runtime_error with a Czech message
// when the folder or the file cannot be written.
std::filesystem::path WriteReportFile(const ProgramDir& dir, const ReportFile& report);

} // namespace hk
