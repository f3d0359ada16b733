#pragma once
// The drawing window ("Zákres"): the current record drawn on the disk, with
// the observer's tools around it: mouse read-outs of coordinates and angular
// distances, the orientation, leaves, the magnetic-map overlay, saving and
// printing drawings, merging record files, the recount of every record, the
// list of auxiliary-spot distances and the split of the record file. It is
// created at start and lives for the whole run.
#include <QPoint>
#include <QPointer>
#include <QWidget>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "drawing/drawing_readout.h"
#include "drawing/drawing_records.h"
#include "drawing/drawing_scene.h"
#include "ui/frame/window_context.h"

class QGroupBox;
class QLabel;
class QMdiSubWindow;
class QPrinter;
class QPushButton;

namespace hk {

class Session;
class PictureCanvas;
class GroupListPanel;
class SplitPanel;
class MergePanel;
class PrintPanel;
class SaveDrawingsPanel;

class DrawingWindow : public QWidget {
    Q_OBJECT
  public:
    // Creates the window in the work area at (2, 1); the frame's showDrawing
    // brings it to the front.
    static DrawingWindow* createWindow(WindowContext k);

    // What the window shows (its scene) and the picture built of it.
    const DrawingScene& scene() const { return scene_; }
    const DrawingOptions& options() const { return picture_.options; }
    const DrawingModel& model() const { return *picture_.model; }
    bool enlarged() const { return scene_.enlarged; }
    QMdiSubWindow* subWindow() const { return sub_; }

    // Choosing a record file to open and a printer; tests put their own.
    std::function<QString(const QString& heading)> chooseFile;
    std::function<bool(QPrinter&)> choosePrinter;

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // The main window's commands for this window run the functions below.
    friend void installDrawing(WindowContext k);

    // ---- Commands.
    void toggleSize();            // zoom toggle
    void toggleGroupList();       // list of auxiliary-spot distances
    void toggleOrientation();     // shows or hides the orientation panel
    void showSavePanel(bool bmp); // panel for saving a range as BMP or JPG
    void showPrintPanel();        // printing panel
    void leaves(bool visible);    // leaves on or off
    void switchCoordinates();     // polar <-> heliographic entry of the record file
    void recompute();             // every record's summary and faculae area again
    // Ctrl+Z: the record as it was before the last measurement stored over it.
    void undoMeasurement();
    void mergeFaculae();      // faculae of another record file
    void saveBitmap();        // the drawing as "Obrázek/Zakres yyyy-mm-dd hhmm.bmp"
    void withMagnetosphere(); // magnetic-map overlay of the record's date
    void measurement();       // faculae measurement window
    void showMergePanel();
    void showSplitPanel();
    void duplicateDates(); // records with the date of a neighbour

    void onEastWestClicked();
    void onNorthSouthClicked();
    void onSaveRangeClicked(); // save the range
    void onPrintClicked();     // print
    void onHelpClicked();      // "?"
    void onChooseMergeFileClicked();
    void onConfirmMergeClicked();
    void onCancelMergeClicked();
    void onSplitClicked();

    // The canvas's mouse: coordinates (left), angular distances (right drag).
    void onCanvasPress(QMouseEvent& event);
    void onCanvasMove(QMouseEvent& event);
    void onCanvasRelease();
    // The canvas took a new size: the picture and the panels follow.
    void onCanvasResized();

    // The file name of the shown drawing's picture ("Zakres yyyy-mm-dd hhmm.bmp",
    // "-2" for a second drawing of the minute); nullopt without a valid date.
    std::optional<std::string> shownDrawingName() const;
    DrawingWindow(WindowContext k, QWidget* parent);

    const Session& session() const;
    // The working record again (the overlay is dropped).
    void refresh();
    // Builds the picture of the scene (when the scene or the store change,
    // never in a paint) and repaints.
    void rebuild();
    // The picture of the scene with only the drawing, in print colours, for
    // a file or paper: `record` of the store (0: the working record).
    DrawingPicture paperPicture(int record, const DrawingScene& view) const;
    // Prints records `range` on the printer, one drawing per page, shifted
    // down by `shiftPercent` percent of the page.
    void printTo(QPrinter& printer, const PrintRecordRange& range, double shiftPercent);
    // The faculae area of the current stored record, written into it.
    void saveFaculaeArea();
    void heading();
    // The window's panels; one is shown at a time, below or beside the
    // picture when there is room, never over the header or the values.
    std::vector<QWidget*> panels() const;
    void showPanel(QWidget* panel);
    void placePanels();
    // Hides every panel shown; false when none was.
    bool closePanels();
    // Places the window at (2, 1), as high as the work area allows.
    void place();
    // The client size of the enlarged window: the whole picture at the
    // largest zoom the work area holds.
    QSize enlargedSize() const;

    WindowContext k_;
    QMdiSubWindow* sub_ = nullptr;
    // The main window's work area, watched for its size; compared without
    // calling into a main window that may be going away.
    QPointer<QWidget> areaViewport_;
    PictureCanvas* canvas_;
    DrawingScene scene_;
    DrawingPicture picture_;
    // The magnetic map of the shown record's date (F9), beside the store.
    std::vector<std::uint16_t> magneticMap_;
    QSize normalSize_;
    std::optional<DiskOffset> rightDragStart_; // right-button drag start

    QLabel* statusLabel_;
    QGroupBox* orientationBox_;
    QPushButton* eastWestButton_;
    QPushButton* northSouthButton_;
    SaveDrawingsPanel* saveDrawingsPanel_;
    PrintPanel* printPanel_;
    MergePanel* mergePanel_;
    GroupListPanel* panel_;
    SplitPanel* splitPanel_;
    std::vector<TZaznam> recordsToAdd_; // records of the file chosen for merging
};

// Creates the drawing window and makes the main window's commands that
// forward to it live.
void installDrawing(WindowContext k);

// Where a panel of `panel` size goes in a client area: below the picture or
// right of it when there is room, else in the lower right corner but below
// the text panel, so that the header fields and the values stay visible.
QPoint PanelPosition(const QSize& client, const DrawingScale& scale, const QSize& panel);

} // namespace hk
