#pragma once
// The start-up of a run that is not a window: the side files of the program
// directory, the record file, the outside series, the drawing setting and the
// observer table, in the order the program has always used.
#include <functional>
#include <string>
#include <vector>

#include "geometry/calendar.h"
#include "records/session.h"

namespace hk {

// How a start-up runs for a caller that is not the desktop program.
struct StartupHooks {
    // A step of another subsystem that runs right after the records are
    // loaded, so that its warnings stand where they belong in the list
    // (the CLI's check reads the corona here).
    std::function<void(Session&)> afterRecords;
    // For commands that only read the directory (the CLI's pictures, a
    // program that could not take the directory's lock): no Zvetsit.zve is
    // created and ob.dat is not renamed (nothing would save its lines again).
    bool readOnly = false;
    // For commands that walk every record: the geometry computed while the
    // records are read.
    LoadGeometry geometry = LoadGeometry::WhenAsked;
    // datax.dat read ahead while the program started (ReadRecordsAhead).
    RecordFileReadAhead* readAhead = nullptr;
    // Found before the start-up (the directory's lock and the clean-up after
    // ended writers, LockProgramDirectory): listed first among the warnings.
    std::vector<std::string> notes;
};

struct StartupResult {
    LoadResult load;
    // Record 1 holds no drawing setting: the coordinate-type dialog asks, and
    // its answer goes to Session::setDrawingSetting.
    bool askDrawingSetting = false;
    bool enlargementFileCreated = false; // Zvetsit.zve was written with "120"
    bool obRenamed = false;              // ob.dat was renamed to ob-původní.dat
};

// Runs the start-up. `screenHeight` gives sizePercent. Throws
// std::runtime_error with a Czech message when datax.dat or another present
// file cannot be read; problems the run can live with go to
// session.warnings().
StartupResult RunStartup(Session& session, int screenHeight, const Date& today,
                         const StartupHooks& hooks = {});

// Only the outside series of the start-up (SIDC\dssn<year>.dat, Plochy.txt,
// tok-10cm.txt) into `t`, with their warnings; nothing is written, for
// commands that read a directory without starting the program on it.
void ReadOutsideSeries(Session& session, StartupTables& t, const Date& today);

// The main window's caption for the drawing setting of the session.
std::string MainWindowCaption(const Session& session);

} // namespace hk
