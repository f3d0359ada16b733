#pragma once
// The yearly table of disk-centre coordinates ("Souřadnice středu slunce"):
// L0, B0 and P of every day of a year and the starts of the Carrington
// rotations, four months a page, shown, printed and saved as a picture. It
// lives in the work area and closes itself when another window there
// becomes active.
#include <QWidget>
#include <functional>

#include "drawing/coordinate_table.h"
#include "drawing/coordinate_table_scene.h"
#include "records/program_dir.h"
#include "render/coordinate_table_renderer.h"

class QLineEdit;
class QMdiArea;
class QPrinter;
class QScrollBar;
class QToolButton;
class QPushButton;

namespace hk {

class Messages;
class PictureCanvas;
struct WindowContext;

// Connects the results panel's button "L B P" (`SpeedButton4`) and the menu
// item "Souřadnice slunce" (`souslunce`).
void installCoordinateTable(WindowContext k);

class CoordinateTableWindow : public QWidget {
    Q_OBJECT
  public:
    // Opens the window at the top left of the work area, at most `printWidth`
    // pixels wide, with the year `year`, or brings the one already open to
    // the front.
    static CoordinateTableWindow* openWindow(QMdiArea& area, const ProgramDir& dir,
                                             Messages& messages, int year, int printWidth);

    CoordinateTableWindow(const ProgramDir& dir, Messages& messages, int year,
                          QWidget* parent = nullptr);

    int TableYear() const { return scene_.year; }
    int TableFirstMonth() const { return scene_.page * CoordinateTableMonthsPerPage; }
    int TableScale() const { return picture_.scale; }
    const CoordinateTablePage& page() const { return picture_.page; }
    const CoordinateTableScene& scene() const { return scene_; }

    // Chooses the printer (a PDF file when there is none); the print dialog
    // unless a test answers.
    std::function<bool(QPrinter&)> choosePrinter;

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void printKey(); // "t": prints the window's picture when it is high enough
    // Page buttons: the year of the year box and page 0, 1 or 2.
    void onPageClicked(int pageIndex);
    void onEnlargeClicked(); // "zve": the table scale
    void onPrintClicked();
    void onSavePictureClicked(); // the whole page as "Obrázek/Souřadnice 2026 1 - 4.bmp"

    // Builds the picture of the scene and sets the page buttons and the
    // scroll bar from it.
    void rebuild();

    ProgramDir dir_;
    Messages& messages_;
    CoordinateTableScene scene_;
    CoordinateTablePicture picture_;

    QLineEdit* yearEdit_;
    QToolButton* pageButtons_[CoordinateTablePages];
    QPushButton* enlargeButton_;
    QPushButton* printButton_;
    QPushButton* savePictureButton_;
    QScrollBar* yearScroll_;
    PictureCanvas* table_;
};

} // namespace hk
