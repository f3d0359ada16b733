#include "ui/frame/first_start_dialog.h"

#include <QApplication>
#include <QDate>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QPushButton>
#include <QSettings>
#include <QVBoxLayout>
#include <exception>
#include <system_error>

#include "records/program_dir.h"
#include "render/demo_scan.h"
#include "ui/frame/messages.h"
#include "ui/frame/ui_helpers.h"

namespace hk {

FirstStartDialog::FirstStartDialog(const std::filesystem::path& newArchive, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(QStringLiteral("První spuštění"));
    auto* layout = new QVBoxLayout(this);
    auto* text = new QLabel(
        QStringLiteral("Nebyl nalezen adresář programu s daty (soubor datax.dat).\n\n"
                       "Nový archiv se založí v adresáři %1.\n"
                       "Existující adresář je adresář stanice se souborem datax.dat, "
                       "třeba zkopírovaný z Windows.\n"
                       "Ukázková data jsou vymyšlená pozorování jedenácti let; tato volba "
                       "se nepamatuje.")
            .arg(pathText(newArchive)),
        this);
    text->setWordWrap(true);
    text->setObjectName(QStringLiteral("text"));
    layout->addWidget(text);

    const auto addButton = [&](const char* name, const QString& label, FirstStartChoice choice) {
        auto* button = new QPushButton(label, this);
        button->setObjectName(QString::fromLatin1(name));
        layout->addWidget(button);
        connect(button, &QPushButton::clicked, this, [this, choice] {
            choice_ = choice;
            choice == FirstStartChoice::Quit ? reject() : accept();
        });
        return button;
    };
    addButton("newArchive", QStringLiteral("Založit nový archiv"), FirstStartChoice::NewArchive);
    // The default and the focused button: Enter only opens the folder dialog,
    // nothing is written.
    QPushButton* open = addButton("openDirectory", QStringLiteral("Otevřít existující adresář…"),
                                  FirstStartChoice::OpenDirectory);
    open->setDefault(true);
    addButton("demo", QStringLiteral("Vyzkoušet ukázková data"), FirstStartChoice::Demo);
    addButton("quit", QStringLiteral("Konec"), FirstStartChoice::Quit);
    open->setFocus();
}

std::optional<std::filesystem::path> RememberedDirectory(const QSettings& settings) {
    const QString dir = settings.value(QLatin1String(RememberedDirectoryKey)).toString();
    if (dir.isEmpty()) return std::nullopt;
    return pathFromText(dir);
}

FirstStart::FirstStart(Messages& messages, QSettings& settings)
    : messages_(messages), settings_(settings) {
    ask = [] {
        FirstStartDialog dialog(UserDataFolder("Heliokres"));
        dialog.exec();
        return dialog.choice();
    };
    chooseDirectory = []() -> std::optional<std::filesystem::path> {
        const QString dir = QFileDialog::getExistingDirectory(
            nullptr, QStringLiteral("Adresář programu (se souborem datax.dat)"), QDir::homePath());
        if (dir.isEmpty()) return std::nullopt;
        return pathFromText(dir);
    };
    const QDate today = QDate::currentDate();
    demo.endDate = {today.year(), today.month(), today.day()};
}

std::optional<std::filesystem::path> FirstStart::run() {
    const auto remember = [this](const std::filesystem::path& dir) {
        settings_.setValue(QLatin1String(RememberedDirectoryKey), pathText(dir));
        settings_.sync();
        return dir;
    };
    for (;;) {
        switch (ask()) {
        case FirstStartChoice::Quit:
            return std::nullopt;
        case FirstStartChoice::NewArchive: {
            const std::filesystem::path dir = UserDataFolder("Heliokres");
            std::error_code ec;
            std::filesystem::create_directories(dir, ec);
            if (!std::filesystem::is_directory(dir, ec)) {
                messages_.showMessage(
                    QStringLiteral("Nelze vytvořit adresář programu \"%1\"").arg(pathText(dir)));
                break;
            }
            return remember(dir);
        }
        case FirstStartChoice::OpenDirectory:
            if (const auto dir = openDirectory()) return remember(*dir);
            break;
        case FirstStartChoice::Demo: {
            const std::filesystem::path dir = UserDataFolder("Heliokres-demo");
            if (ProgramDir(dir).exists("datax.dat")) return dir;
            QApplication::setOverrideCursor(Qt::WaitCursor);
            try {
                WriteDemoDirectory(dir, demo);
                WriteDemoScan(dir);
                QApplication::restoreOverrideCursor();
                return dir;
            } catch (const std::exception& e) {
                QApplication::restoreOverrideCursor();
                messages_.showMessage(QString::fromStdString(e.what()));
            }
            break;
        }
        }
    }
}

std::optional<std::filesystem::path> FirstStart::openDirectory() {
    const auto dir = chooseDirectory();
    if (!dir) return std::nullopt;
    if (ProgramDir(*dir).exists("datax.dat")) return dir;
    // Any folder may hold a new archive, but a wrong click must not start one.
    if (!messages_.askYesNo(
            QStringLiteral("V adresáři %1 není soubor datax.dat. Založit v něm nový archiv?")
                .arg(pathText(*dir))))
        return std::nullopt;
    return dir;
}

} // namespace hk
