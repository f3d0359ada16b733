#pragma once
// Text exports of the main window: every sunspot group with its heliographic
// position (SoubASCI.dat) and the mean positions of the faculae fields of
// every record (CSVsoubory\Polohy fakuli.csv). Both are Windows-1250 text with
// CR LF line ends; the desktop program and heliokres-cli write the same bytes.
#include <filesystem>
#include <span>
#include <string>

#include "records/geometry_cache.h"
#include "records/record_layout.h"
#include "text/text_buffer.h"

namespace hk {

class ProgramDir;

inline constexpr std::string_view AsciiExportName = "SoubASCI.dat";
inline constexpr std::string_view CSVFolderName = "CSVsoubory";
inline constexpr std::string_view FaculaePositionsName = "Polohy fakuli.csv";

// "hh nn" of a time hhmm (minutes above 59 carry into the hour, the hour
// wraps at 24).
std::string ExportTime(std::uint16_t time);

// The whole SoubASCI.dat; a group without a class is written as "***" (the
// store keeps that class from then on: Session::fillMissingClasses). The
// positions come from the store's geometry cache. Throws std::runtime_error
// with a Czech message naming the record when a date cannot be read.
std::string AsciiExportText(std::span<const TZaznam> records, const GeometryCache& geometry);
// The same text in a buffer of its own.
TextBuffer AsciiExportBuffer(std::span<const TZaznam> records, const GeometryCache& geometry,
                             unsigned threads = 0);
std::string AsciiExportText(std::span<const TZaznam> records);

// The whole Polohy fakuli.csv: one line per record, the faculae fields by
// decreasing mean Carrington longitude. Throws like AsciiExportText.
std::string FaculaePositionsText(std::span<const TZaznam> records);

// Write the files into the program directory (the CSV folder is created
// when missing) and return the path written. The previous file stays intact
// when anything fails.
std::filesystem::path WriteAsciiExport(const ProgramDir& dir, std::span<const TZaznam> records,
                                       const GeometryCache& geometry);
std::filesystem::path WriteFaculaePositions(const ProgramDir& dir,
                                            std::span<const TZaznam> records);

} // namespace hk
