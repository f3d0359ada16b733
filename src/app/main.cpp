// heliokres [DIR]: the desktop program. The main window runs the start-up of
// the program directory; then the record list and the other windows join it.
#include <QApplication>
#include <QDate>
#include <QGuiApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QScreen>
#include <QSettings>
#include <QTimer>
#include <QTranslator>
#include <filesystem>
#include <iostream>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "records/program_dir.h"
#include "records/session.h"
#include "ui/frame/dialog_messages.h"
#include "ui/frame/directory_access.h"
#include "ui/frame/first_start_dialog.h"
#include "ui/frame/geometry_warm_up.h"
#include "ui/frame/install_windows.h"
#include "ui/frame/main_window.h"

int main(int argc, char** argv) {
    // Answered before Qt starts, so that they need no display.
    if (argc > 1) {
        const std::string_view option = argv[1];
        if (option == "--version") {
            std::cout << "heliokres " HELIOKRES_VERSION "\n";
            return 0;
        }
        if (option == "--help" || option == "-h") {
            std::cout
                << "použití: heliokres [ADRESÁŘ] | heliokres --version\n"
                   "ADRESÁŘ: adresář s daty (datax.dat). Bez něj HELIOKRES_DIR, složka\n"
                   "programu, když obsahuje datax.dat, adresář zvolený při minulém spuštění,\n"
                   "~/.local/share/Heliokres s datax.dat; jinak se program zeptá\n"
                   "(man heliokres).\n";
            return 0;
        }
    }

    // datax.dat is read while Qt starts and the windows are built, from the
    // directory the start-up finds without asking (found here as below, but
    // before Qt); the start-up takes the records when it settles on the same
    // file, unchanged, and reads the file itself otherwise.
    std::unique_ptr<hk::RecordFileReadAhead> readAhead;
    {
        std::error_code ec;
        const std::filesystem::path executable =
            std::filesystem::read_symlink("/proc/self/exe", ec);
        const QSettings settings(QStringLiteral("Heliokres"), QStringLiteral("Heliokres"));
        std::optional<std::string> argument;
        if (argc > 1) argument = argv[1];
        if (const auto found = hk::FindProgramDirectory(argument, executable.parent_path(),
                                                        hk::RememberedDirectory(settings)))
            readAhead = hk::ReadRecordsAhead(*found);
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Heliokres"));
    QApplication::setApplicationDisplayName(QStringLiteral("Heliokres"));
    QApplication::setApplicationVersion(
        QStringLiteral(HELIOKRES_VERSION "." HELIOKRES_BUILD_NUMBER));
    QApplication::setDesktopFileName(QStringLiteral("cz.heliokres.Heliokres"));
    // The icon of the installed theme, else the program's own copy (a build
    // run from its folder).
    QIcon ownIcon;
    for (const int size : {16, 22, 24, 32, 48, 64, 128, 256})
        ownIcon.addFile(QStringLiteral(":/icons/%1.png").arg(size), QSize(size, size));
    QApplication::setWindowIcon(
        QIcon::fromTheme(QStringLiteral("cz.heliokres.Heliokres"), ownIcon));

    // Qt's own dialogs and menus (files, printing, the window menu) speak
    // Czech like the program; without the translation they stay English.
    // (Only the texts: numbers in files and fields keep their own format.)
    QTranslator qtCzech;
    if (qtCzech.load(QLocale(QLocale::Czech), QStringLiteral("qtbase"), QStringLiteral("_"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtCzech);

    hk::DialogMessages messages;
    const QStringList args = QApplication::arguments();
    std::optional<std::string> argument;
    if (args.size() > 1) argument = args.at(1).toStdString();
    // The directory chosen at the first start: ~/.config/Heliokres/Heliokres.conf.
    QSettings settings(QStringLiteral("Heliokres"), QStringLiteral("Heliokres"));
    std::optional<std::filesystem::path> directory =
        hk::FindProgramDirectory(argument, QApplication::applicationDirPath().toStdString(),
                                 hk::RememberedDirectory(settings));
    if (!directory) directory = hk::FirstStart(messages, settings).run();
    if (!directory) return 0;

    hk::Session session(*directory);
    // One program writes into a directory at a time: held for the whole run,
    // or the directory is only viewed.
    std::optional<hk::DirectoryAccess> access = hk::TakeDirectory(session.dir, messages);
    if (!access) return 0;
    hk::MainWindow mainWindow(session, messages);
    mainWindow.startupHooks.readAhead = readAhead.get();
    mainWindow.startupHooks.notes = std::move(access->notes);
    mainWindow.startupHooks.readOnly = access->viewOnly();
    messages.setParent(&mainWindow);
    const QRect screenRect = QGuiApplication::primaryScreen()->geometry();
    const QDate today = QDate::currentDate();
    if (!mainWindow.startUp(screenRect, {today.year(), today.month(), today.day()})) return 1;
    hk::installWindows(mainWindow);
    mainWindow.show();
    hk::GeometryWarmUp warmUp(mainWindow.model(), &mainWindow);
    QTimer::singleShot(0, &mainWindow,
                       [&mainWindow, screenRect] { mainWindow.checkScreen(screenRect); });
    return QApplication::exec();
}
