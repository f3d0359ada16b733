#pragma once
// The frame of the program: the main menu, the tool bar with the button
// panels of the windows, the status bar with the hints, and the work area in
// which the other windows live. It owns the record commands, the exports, the
// help text, the save-window-image command and the exit sequence.
#include <QHash>
#include <QMainWindow>
#include <QMdiSubWindow>
#include <QPointer>
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
    MainWindow(Session& session, Messages& messages, QWidget* parent = nullptr);
    ~MainWindow() override;

    // The start-up of the run for the given screen: window geometry, side
    // files, records, outside series, drawing setting (asked when record 1
    // has none), caption. False when the run cannot go on; the reason has
    // been shown.
    bool startUp(const QRect& screen, const Date& today);
    // The screen given to startUp.
    QRect screenRect() const override { return screenRect_; }

    // Asks for the drawing setting when record 1 has none; the coordinate-type
    // dialog unless a test puts its own answer here.
    std::function<DrawingSetting()> askDrawingSettingFn;
    // How the start-up runs; main() puts the notes of the directory's lock
    // here, listed first among the start-up's warnings.
    StartupHooks startupHooks;

    // ---- For the windows that plug into the frame.
    // What every window gets: messages, the store, the work area, the frame.
    WindowContext context() { return {messages_, model_, area_, *this}; }
    QAction* action(const QString& objectName) const override;
    // Makes a command live: enables it, restores its own hint and runs `fn`
    // when it is chosen. A tool button that does the same as a menu item
    // follows the menu item.
    void connectCommand(const QString& objectName, std::function<void()> fn) override;
    QMdiArea* area() const { return area_; }
    Messages& messages() { return messages_; }
    SessionModel& model() { return model_; }
    const Session& session() const { return model_.session(); }
    void showPanel(const QString& name) override;
    QWidget* panel(const QString& name) const override { return panels_.value(name); }
    QString visiblePanel() const override;
    void saveWindowPicture(const QString& name) override {
        PictureFileName = name;
        saveWindowPicture();
    }
    void saveWindowPictureNow(const QString& name) override {
        PictureFileName = name;
        saveWindowPictureNow();
    }
    void setSaveAsBmp(bool bmp) override { saveAsBmp = bmp; }
    void setCaption(const QString& text) override { setWindowTitle(text); }
    void showStatus(const QString& text, int ms = 0) override;
    void lastEdit() override { onLastEditClicked(); }
    void showRecordScrollBar(bool visible) override;

    // The record selection window, once it exists.
    void setRecordList(RecordListWindow* list) { list_ = list; }
    RecordListWindow* recordList() const override { return list_; }
    void showDrawing() override;
    void setDrawingWindow(QMdiSubWindow* window) override { drawing_ = window; }

    // ---- Saving the picture of the front window.
    QString PictureFileName; // name of the next image, set by the window
    bool saveAsBmp = true;   // the drawing window's batch export writes BMP
    // Asks first; then as saveWindowPictureNow.
    void saveWindowPicture();
    // Saves the front child window as "Obrázek/<NazevObrazku>.jpg"; false
    // (message shown) when there is nothing to save or the write fails.
    bool saveWindowPictureNow();

    // The help text of "Nápověda".
    static const QString HelpText;

    // The screen check: false (message shown, window closing) when the
    // screen is too narrow for the program.
    bool checkScreen(const QRect& screen);

  signals:
    // showDrawing was called.
    void drawingRequested();

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    // ---- Commands of the main window itself.
    void onSaveDataClicked();
    void onSaveAsciiClicked();
    void onFaculaePositionsClicked();
    void onLastEditClicked();
    void onHelpClicked();
    void onAboutClicked();

    QAction* createAction(const QString& name, const QString& text, const QString& hint = {});
    void createMenu();
    void createPanels();
    QWidget* createPanel(const QString& name,
                         const std::vector<std::tuple<QString, QString, QString>>& buttons);
    void markNotReady(QAction* a);
    void showLastEdit();
    bool confirmEntry();

    SessionModel model_;
    Messages& messages_;
    QMdiArea* area_;
    QToolBar* toolBar_;
    QLabel* versa_;
    QLabel* captionLabel_;
    QLabel* countersLabel_;
    QHash<QString, QAction*> actions_;
    QHash<QString, QString> hints_; // the own hints of the commands
    QHash<QString, QString> twins_; // tool button -> its menu item
    QHash<QString, QWidget*> panels_;
    QHash<QString, QAction*> panelActions_; // the tool bar's action of each panel
    RecordListWindow* list_ = nullptr;
    QPointer<QMdiSubWindow> drawing_;
    QRect screenRect_;
    bool closing_ = false;
};

} // namespace hk
