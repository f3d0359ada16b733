// heliokres [DIR]: the desktop program. The main window runs the start-up of
// the program directory; then the record list and the other windows join it.
#include <QApplication>
#include <QDate>
#include <QGuiApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QScreen>
#include <QTimer>
#include <QTranslator>
#include <optional>
#include <string>

#include "records/program_dir.h"
#include "records/session.h"
#include "ui/frame/dialog_messages.h"
#include "ui/frame/main_window.h"
#include "ui/frame/install_windows.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Heliokres"));
    QApplication::setApplicationDisplayName(QStringLiteral("Heliokres"));
    QApplication::setApplicationVersion(
        QStringLiteral(HELIOKRES_VERSION "." HELIOKRES_BUILD_NUMBER));
    QApplication::setDesktopFileName(QStringLiteral("heliokres"));
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("heliokres")));

    // Qt's own dialogs and menus (files, printing, the window menu) speak
    // Czech like the program; without the translation they stay English.
    // (Only the texts: numbers in files and fields keep their own format.)
    QTranslator qtCesky;
    if (qtCesky.load(QLocale(QLocale::Czech), QStringLiteral("qtbase"), QStringLiteral("_"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtCesky);

    hk::DialogMessages zpravy;
    const QStringList args = QApplication::arguments();
    std::optional<std::string> argument;
    if (args.size() > 1) argument = args.at(1).toStdString();
    std::filesystem::path adresar;
    try {
        adresar =
            hk::FindProgramDirectory(argument, QApplication::applicationDirPath().toStdString());
    } catch (const std::exception& e) {
        zpravy.Zprava(QString::fromStdString(e.what()));
        return 1;
    }

    hk::Session session(adresar);
    hk::HlavniWindow hlavni(session, zpravy);
    zpravy.setParent(&hlavni);
    const QRect obrazovka = QGuiApplication::primaryScreen()->geometry();
    const QDate dnes = QDate::currentDate();
    if (!hlavni.FormCreate(obrazovka, {dnes.year(), dnes.month(), dnes.day()})) return 1;
    hk::installWindows(hlavni);
    hlavni.show();
    QTimer::singleShot(0, &hlavni, [&hlavni, obrazovka] { hlavni.kontrolaObrazovky(obrazovka); });
    return QApplication::exec();
}
