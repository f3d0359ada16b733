#pragma once
// The frame of the program: the main menu, the tool bar with the button
// panels of the windows, the status bar with the hints, and the work area in
// which the other windows live. It owns the record commands, the exports, the
// help text, the save-window-image command and the exit sequence.
#include <QHash>
#include <QMainWindow>
#include <QRect>
#include <functional>
#include <tuple>
#include <vector>

#include "geometry/calendar.h"
#include "records/record.h"
#include "records/startup.h"
#include "ui/frame/session_model.h"
#include "ui/frame/window_context.h"

class QLabel;
class QMdiArea;
class QToolBar;

namespace hk {

class Messages;
class Session;
class RecordListWindow;

class MainWindow : public QMainWindow, public WindowFrame {
    Q_OBJECT
  public:
    // The hint of a command whose window does not exist yet.
    static const QString PripravujeSe;

    MainWindow(Session& session, Messages& zpravy, QWidget* parent = nullptr);
    ~MainWindow() override;

    // The start-up of the run for the given screen: window geometry, side
    // files, records, outside series, drawing setting (asked when record 1
    // has none), caption. False when the run cannot go on; the reason has
    // been shown.
    bool FormCreate(const QRect& screen, const Date& today);
    // The screen given to FormCreate.
    QRect obrazovka() const override { return obrazovka_; }

    // Asks for the drawing setting when record 1 has none; the coordinate-type
    // dialog unless a test puts its own answer here.
    std::function<DrawingSetting()> zeptatSeNaNastaveni;
    // How the start-up runs; main() puts the notes of the directory's lock
    // here, listed first among the start-up's warnings.
    StartupHooks startupHooks;

    // ---- For the windows that plug into the frame.
    // What every window gets: messages, the store, the work area, the frame.
    WindowContext kontext() { return {zpravy_, model_, plocha_, *this}; }
    QAction* akce(const QString& objectName) const override;
    // Makes a command live: enables it, restores its own hint and runs `fn`
    // when it is chosen. A tool button that does the same as a menu item
    // follows the menu item.
    void zapojit(const QString& objectName, std::function<void()> fn) override;
    QMdiArea* plocha() const { return plocha_; }
    Messages& zpravy() { return zpravy_; }
    SessionModel& model() { return model_; }
    const Session& session() const { return model_.session(); }
    void ukazPanel(const QString& name) override;
    QWidget* panel(const QString& name) const override { return panely_.value(name); }
    QString viditelnyPanel() const override;
    void ulozitObrazekOkna(const QString& nazev) override {
        NazevObrazku = nazev;
        ulozokno();
    }
    void ulozitObrazekOknaHned(const QString& nazev) override {
        NazevObrazku = nazev;
        ulozokno1();
    }
    void setUkladatBMP(bool bmp) override { UkladatBMP = bmp; }
    void setTitulek(const QString& text) override { setWindowTitle(text); }
    void ukazStav(const QString& text, int ms = 0) override;
    void posledniUprava() override { posledni1Click(); }
    void ukazPosuvnikZaznamu(bool viditelny) override;

    // The record selection window, once it exists.
    void setSeznam(RecordListWindow* seznam) { seznam_ = seznam; }
    RecordListWindow* seznam() const { return seznam_; }
    // Brings the drawing window to the front (the drawing window listens).
    void zobrazZakres() override { emit zakresPozadovan(); }

    // ---- Saving the picture of the front window.
    QString NazevObrazku;   // name of the next image, set by the window
    bool UkladatBMP = true; // the drawing window's batch export writes BMP
    // Asks first; then as ulozokno1.
    void ulozokno();
    // Saves the front child window as "Obrázek/<NazevObrazku>.jpg"; false
    // (message shown) when there is nothing to save or the write fails.
    bool ulozokno1();

    // ---- Commands of the main window itself.
    void ulozitdatClick();
    void ulozASCIClick();
    void Polohyfakul1Click();
    void posledni1Click();
    void napovedaClick();
    void About1Click();

    // The help text of "Nápověda".
    static const QString TextNapovedy;

    // The screen check: false (message shown, window closing) when the
    // screen is too narrow for the program.
    bool kontrolaObrazovky(const QRect& screen);

  signals:
    void zakresPozadovan();

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    QAction* pridejAkci(const QString& name, const QString& text, const QString& hint = {});
    void vytvorMenu();
    void vytvorPanely();
    QWidget* vytvorPanel(const QString& name,
                         const std::vector<std::tuple<QString, QString, QString>>& tlacitka);
    void pripravujeSe(QAction* a);
    void ukazPosledniUpravu();
    bool ukoncit();

    SessionModel model_;
    Messages& zpravy_;
    QMdiArea* plocha_;
    QToolBar* toolBar_;
    QLabel* versa_;
    QLabel* label1_;
    QLabel* pocitadla_;
    QHash<QString, QAction*> akce_;
    QHash<QString, QString> napovedy_; // the own hints of the commands
    QHash<QString, QString> dvojcata_; // tool button -> its menu item
    QHash<QString, QWidget*> panely_;
    QHash<QString, QAction*> panelAkce_; // the tool bar's action of each panel
    RecordListWindow* seznam_ = nullptr;
    QRect obrazovka_;
    bool konciSe_ = false;
};

} // namespace hk
