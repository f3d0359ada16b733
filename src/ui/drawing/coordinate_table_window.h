#pragma once
// The yearly table of disk-centre coordinates ("Souřadnice středu slunce"):
// L0, B0 and P of every day of a year and the starts of the Carrington
// rotations, four months a page, shown, printed and saved as a picture. It
// lives in the work area and closes itself when another window there
// becomes active.
#include <QWidget>
#include <functional>

#include "drawing/coordinate_table.h"
#include "records/program_dir.h"
#include "render/coordinate_table_renderer.h"

class QLineEdit;
class QMdiArea;
class QPrinter;
class QScrollBar;
class QToolButton;
class QPushButton;

namespace hk {

class MainWindow;
class Messages;

// Connects the results panel's button "L B P" (`SpeedButton4`) and the menu
// item "Souřadnice slunce" (`souslunce`).
void installSlusouradnice(MainWindow& hlavni);

class CoordinateTableWindow : public QWidget {
    Q_OBJECT
  public:
    // Opens the window at the top left of the work area, at most `sirka`
    // pixels wide, with the year `rok`, or brings the one already open to
    // the front.
    static CoordinateTableWindow* otevrit(QMdiArea& plocha, const ProgramDir& dir, Messages& zpravy,
                                          int rok, int sirka);

    CoordinateTableWindow(const ProgramDir& dir, Messages& zpravy, int rok,
                          QWidget* parent = nullptr);

    int TableYear() const { return rok_.year; }
    int TableFirstMonth() const { return stranka_ * CoordinateTableMonthsPerPage; }
    int TableScale() const { return volby_.scale; }
    const CoordinateTablePage& strana() const { return strana_; }
    const CoordinateTableOptions& volby() const { return volby_; }

    // Page buttons: the year of the year box and page 0, 1 or 2.
    void stranaClick(int stranka);
    void SpeedButton4Click(); // "zve": the table scale
    void tisksouradnicClick();
    void ulozitobrClick(); // the whole page as "Obrázek/Souřadnice 2026 1 - 4.bmp"
    void klavesaT();       // prints the window's picture when it is high enough

    // Chooses the printer (a PDF file when there is none); the print dialog
    // unless a test answers.
    std::function<bool(QPrinter&)> vybratTiskarnu;

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void sestav();
    void nastavPosuv();

    ProgramDir dir_;
    Messages& zpravy_;
    CoordinateYear rok_;
    int stranka_ = 0;
    CoordinateTablePage strana_;
    CoordinateTableOptions volby_;

    QLineEdit* Edit1_;
    QToolButton* strany_[CoordinateTablePages];
    QPushButton* SpeedButton4_;
    QPushButton* tisksouradnic_;
    QPushButton* ulozitobr_;
    QScrollBar* ScrollBar1_;
    QWidget* tabulka_;
};

} // namespace hk
