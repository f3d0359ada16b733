#pragma once
// Shared pieces of the command-line tool: argument handling and the
// signature every command has.
#include <charconv>
#include <filesystem>
#include <iosfwd>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "geometry/calendar.h"
#include "io/directory_lock.h"
#include "records/session.h"

namespace hk {
class AnalysisTables;
struct CoronaTable;
struct StationData;
struct ResultsGrid;
class ObserverTable;
class ProgramDir;
} // namespace hk

namespace hk::cli {

using Args = std::vector<std::string>;

// Wrong usage: main prints the command's usage line and exits with 2.
struct UsageError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// A failed job: main prints the message and exits with 1.
struct JobError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

struct Command {
    const char* name;
    const char* usage; // one line, without the program name
    int (*run)(const Args& args, std::ostream& out, std::ostream& err);
};

// Removes "--name VALUE" from args and returns VALUE; UsageError when the
// value is missing.
std::optional<std::string> TakeOption(Args& args, const std::string& name);
// Removes "--name" from args; true when it was there.
bool TakeFlag(Args& args, const std::string& name);
// Throws UsageError when an unknown "--option" is left.
void RejectUnknownOptions(const Args& args);

// True when the file's extension is ".pdf" in any letter case.
bool IsPdf(const std::filesystem::path& file);

// Today's date (UTC), for start-ups that need it.
Date Today();

// The program directory named on the command line; JobError when it is not
// a directory.
std::filesystem::path ExistingProgramDirectory(const std::string& argument);
// The lock of the program directory for a command that writes into it,
// taken before it reads anything: JobError naming the holder when another
// program writes there. The notes of the lock (a lock of an ended program
// taken over, the clean-up after ended writers) go to `err`.
DirectoryLock LockForWriting(const ProgramDir& dir, std::string_view command, std::ostream& err);
// Loads datax.dat of the session's directory (JobError when there is none)
// and prints the load's warnings on `err`. A command that walks every
// record asks for the geometry while the file is read.
void LoadRecords(Session& session, std::ostream& err,
                 LoadGeometry geometry = LoadGeometry::WhenAsked);
// Runs the desktop program's start-up on the session's directory without
// writing to it, for the pictures that draw the start-up tables; JobError
// when datax.dat is missing or the start-up fails; the warnings go to `err`.
void StartSession(Session& session, std::ostream& err,
                  LoadGeometry geometry = LoadGeometry::WhenAsked);
// The corona table, read now for a picture that shows it; the warnings of
// the read (a damaged KoronaX year) go to `err` like the start-up's.
const CoronaTable& LoadCorona(AnalysisTables& tables, std::ostream& err);
// The observer table (pozorovateleP.dat, else ob.dat) sorted by name, as the
// start-up reads it; empty when neither file exists. A file that cannot be
// read gives an empty table, with its message on `err`, unless
// `forWriting`: the table is to be written back, so the command fails
// (JobError) before it writes anything.
ObserverTable ReadObserverTable(const ProgramDir& dir, std::ostream& err, bool forWriting = false);
// Names on `err` a side file of the directory that exists but is not a
// file (a folder, a FIFO): the reader takes it as missing.
void WarnIfNotAFile(const ProgramDir& dir, std::string_view name, std::ostream& err);
// Obecdata.dat with PopisNov.txt, as the reports read them, with the
// warning above for either.
StationData ReadReportData(const ProgramDir& dir, std::ostream& err);

// A table of the results window as `stats` prints it: one line per row,
// the cells as the window shows them separated by ";".
void PrintTable(const ResultsGrid& grid, std::ostream& out);

// The checks the picture commands share, in the order they make them.
// A whole decimal number within [min, max]; UsageError "neplatná hodnota
// <what> "<text>"" otherwise.
inline int ParseInt(const std::string& text, const char* what, int min, int max) {
    int v = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), v);
    if (ec != std::errc() || end != text.data() + text.size() || v < min || v > max)
        throw UsageError(std::string("neplatná hodnota ") + what + " \"" + text + "\"");
    return v;
}
// The command takes the program directory as its one argument.
void ExpectProgramDirectory(const Args& args);
// The files of a render command: --out for the picture, --data for the table
// of its numbers (CSV); one of them at least, and never the same file.
struct PictureFiles {
    std::optional<std::string> out;
    std::optional<std::string> data;
};
PictureFiles TakePictureFiles(Args& args);
// The width and height of "WxH" given to `option` (--size or --window),
// each 200..8000 (the default size without the option); UsageError naming
// the option and the default otherwise.
std::pair<int, int> ParseSize(const std::optional<std::string>& text, int width, int height,
                              const char* option = "--size");

} // namespace hk::cli
