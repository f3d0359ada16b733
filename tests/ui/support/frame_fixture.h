#pragma once
// A program directory with records, a session, scripted messages and the
// main window started on them, for the tests of the windows.
#include <QPrinter>
#include <QRect>
#include <filesystem>
#include <functional>
#include <memory>
#include <vector>

#include "records/record_layout.h"
#include "records/session.h"
#include "tests_support/temp_dir.h"
#include "ui/frame/main_window.h"
#include "ui/support/scripted_messages.h"

namespace hk::test {

inline const QRect TestScreen{0, 0, 1280, 1024};
inline constexpr Date TestToday{2024, 5, 1};

// n records, one a day from 1.1.2020 at 7:05, drawing numbers k*100 + 21,
// record 1 with a polar drawing of radius 125.
std::vector<TZaznam> DayRecords(int n);

// How far a Frame is brought as it is made (a failed start-up ends the test
// program).
enum class Run { NotStarted, Started, WithList };

struct Frame {
    // Writes the records as datax.dat (none: no file) into a fresh folder;
    // `run`: then start() or startWithList() with the defaults.
    explicit Frame(const std::vector<TZaznam>& records, Run run = Run::NotStarted);

    // Runs the start-up on TestScreen on the day `today`; the drawing setting,
    // when asked, is answered with `settings`. Returns startUp's result.
    bool start(DrawingSetting settings = {125, false}, Date today = TestToday);
    // Start-up, the record list, and the window shown.
    bool startWithList(DrawingSetting settings = {125, false}, Date today = TestToday);

    // Copies the files of `source` (a demo directory) into the folder.
    void copyIn(const std::filesystem::path& source);

    std::filesystem::path path(const char* name) const { return dir.path() / name; }

    TempDir dir;
    QRect screen = TestScreen; // the screen the start-up is given
    Session session;
    ScriptedMessages messages;
    std::unique_ptr<MainWindow> mainWindow;
    int settingAsked = 0;
};

// A print dialog that prints into the PDF file `pdf`, counting in `asked`
// (when given) how often it was opened.
inline std::function<bool(QPrinter&)> PrintToPdf(const std::filesystem::path& pdf,
                                                 int* asked = nullptr) {
    return [pdf, asked](QPrinter& printer) {
        if (asked) ++*asked;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(QString::fromStdString(pdf.string()));
        return true;
    };
}

} // namespace hk::test
