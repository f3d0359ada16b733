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
#include <vector>

#include "drawing/drawing_model.h"
#include "drawing/drawing_readout.h"
#include "drawing/drawing_records.h"
#include "render/drawing_options.h"
#include "ui/frame/window_context.h"

class QGroupBox;
class QLabel;
class QMdiSubWindow;
class QPrinter;
class QPushButton;

namespace hk {

class MainWindow;
class Session;
class GroupListPanel;
class SplitPanel;
class MergePanel;
class PrintPanel;
class SaveDrawingsPanel;

class DrawingWindow : public QWidget {
    Q_OBJECT
  public:
    // Creates the window in the main window's work area at (2, 1).
    static DrawingWindow* vytvor(MainWindow& hlavni);

    const DrawingOptions& volby() const { return volby_; }
    const DrawingModel& model() const { return model_; }
    bool zvetseno() const { return zvetseno_; }
    QMdiSubWindow* subWindow() const { return sub_; }

    // The picture of a record at the window's size and zoom (print colours:
    // white disk).
    QImage obrazek(const TZaznam& z, bool tisk, bool listy) const;

    // ---- Commands.
    void vetsimensi();          // zoom toggle
    void pomocne();             // list of auxiliary-spot distances
    void orientace();           // shows or hides the orientation panel
    void ukazUlozeni(bool bmp); // panel for saving a range as BMP or JPG
    void ukazTisk();            // printing panel
    void vyzaClick();
    void sejiClick();
    void listy(bool zobrazit); // leaves on or off
    void prepnoutSouradnice(); // polar <-> heliographic entry of the record file
    void prepocitat();         // every record's summary and faculae area again
    void slucitFakule();       // faculae of another record file
    void ulozitBitmapu();      // the drawing as "Obrázek/Zakres yyyy-mm-dd.bmp"
    void magnetosfera();       // magnetic-map overlay of the record's date
    void mereni();             // faculae measurement window
    void ukazSlucovani();
    void ukazRozdeleni();
    void shodneDatumy();      // records with the date of a neighbour
    void Button1Click();      // save the range
    void Button4Click();      // print
    void SpeedButton1Click(); // "?"
    void vyberpriClick();
    void potvrditpriClick();
    void zrusitpriClick();
    void rozdeleniClick();

    // Prints records `range` on the printer, one drawing per page, shifted
    // down by `posunProcent` percent of the page.
    void tiskDo(QPrinter& printer, const PrintRecordRange& range, double posunProcent);

    // Choosing a record file to open and a printer; tests put their own.
    std::function<QString(const QString& nadpis)> vybratSoubor;
    std::function<bool(QPrinter&)> vybratTiskarnu;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    DrawingWindow(WindowContext k, QWidget* parent);

    const Session& session() const;
    // The model of the current record again (the overlay is dropped).
    void obnovit();
    // The faculae area of the current stored record, written into it.
    void ulozitPlochuFakuli();
    void nadpis();
    void ukazPanel(QWidget* panel);
    void umistitPanely();
    // Places the window at (2, 1), as high as the work area allows.
    void umistit();
    // The client size of the enlarged window.
    QSize zvetsenaVelikost() const;
    // Sorts after records were added and keeps the current record current.

    WindowContext k_;
    QMdiSubWindow* sub_ = nullptr;
    // The main window's work area, watched for its size; compared without
    // calling into a main window that may be going away.
    QPointer<QWidget> plochaViewport_;
    DrawingOptions volby_;
    DrawingModel model_;
    std::vector<std::uint16_t> magnetickaMapa_;
    bool zvetseno_ = false;
    QSize normalniVelikost_;
    std::optional<DiskOffset> pravyStart_; // right-button drag start

    QLabel* Label1_;
    QGroupBox* GroupBox1_;
    QPushButton* vyza_;
    QPushButton* seji_;
    SaveDrawingsPanel* ulozzakresy_;
    PrintPanel* GroupBox2_;
    MergePanel* slucovani_;
    GroupListPanel* panel_;
    SplitPanel* Panel2_;
    std::vector<TZaznam> pridavane_; // records of the file chosen for merging
};

// Creates the drawing window and makes the main window's commands that
// forward to it live.
void installZakres(MainWindow& hlavni);

} // namespace hk
