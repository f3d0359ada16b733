#pragma once
// The first start: no program directory was given or found, so the program
// asks whether to start a new archive in the user's data folder, to open an
// existing directory, or to try the demo data, instead of making a folder
// unasked. A new archive or an opened directory is remembered for the next
// start; the demo is not, so the question comes again until a real archive
// is chosen.
#include <QDialog>
#include <filesystem>
#include <functional>
#include <optional>

#include "demo/demo.h"

class QSettings;

namespace hk {

class Messages;

enum class FirstStartChoice { NewArchive, OpenDirectory, Demo, Quit };

class FirstStartDialog : public QDialog {
    Q_OBJECT
  public:
    // `newArchive` is where a new archive would be made (shown in the text).
    explicit FirstStartDialog(const std::filesystem::path& newArchive, QWidget* parent = nullptr);

    // The button pressed; Quit when the dialog was closed otherwise.
    FirstStartChoice choice() const { return choice_; }

  private:
    FirstStartChoice choice_ = FirstStartChoice::Quit;
};

// The settings key of the directory chosen at an earlier start.
inline constexpr const char* RememberedDirectoryKey = "programDirectory";

// The directory remembered in `settings`, when one is.
std::optional<std::filesystem::path> RememberedDirectory(const QSettings& settings);

class FirstStart {
  public:
    FirstStart(Messages& messages, QSettings& settings);

    // Asks until a directory is chosen; nothing when the user quits. The
    // chosen directory exists (a new archive's folder is made here, the demo
    // written when its folder holds no datax.dat). A failure to make or write
    // a folder is told and the question comes again.
    std::optional<std::filesystem::path> run();

    // What a person would do; tests answer instead.
    std::function<FirstStartChoice()> ask;
    std::function<std::optional<std::filesystem::path>()> chooseDirectory;
    // The demo written at "Vyzkoušet ukázková data" (11 years ending today).
    DemoOptions demo;

  private:
    std::optional<std::filesystem::path> openDirectory();

    Messages& messages_;
    QSettings& settings_;
};

} // namespace hk
