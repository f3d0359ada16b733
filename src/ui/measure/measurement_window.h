#pragma once
// The measurement window ("Měření fakulí"): a scanned hand drawing is opened,
// adjusted (brightness, contrast, zoom, mirroring), calibrated by its disk
// centre and north point (or the Sun's axis, or the daily-motion line, or
// the disk the assistant finds), and clicks on it become the faculae fields
// and the sunspot groups of the current record.
#include <QImage>
#include <QPointer>
#include <QWidget>
#include <array>
#include <functional>
#include <optional>

#include "measure/calibration.h"
#include "measure/faculae_entry.h"
#include "measure/group_draft.h"
#include "render/scan_view.h"
#include "ui/measure/area_measurement_window.h"
#include "ui/measure/magnifier_window.h"

class QGroupBox;
class QLabel;
class QPushButton;
class QScrollBar;
class QSpinBox;
class QTableWidget;
class QToolButton;

namespace hk {

class MainWindow;
class Messages;
class SessionModel;

class MeasurementWindow : public QWidget {
    Q_OBJECT
  public:
    MeasurementWindow(SessionModel& model, Messages& zpravy, QWidget* parent = nullptr);
    ~MeasurementWindow() override;

    // What the next left click on the picture means.
    enum class Klik { Zadny, Stred, Sever, Osa, DennyPohyb };

    // ---- Commands.
    void OtevritClick();
    bool otevrit(const QString& soubor); // false (message shown) when not opened
    void vetClick();
    void menClick();
    void jasChange(int jas);
    void kontChange(int kont);
    void HorizontClick();
    void vertikalClick();
    void paramClick();
    void paramskvrClick();
    void stredClick(); // "Střed" of either box
    void severClick(bool osa);
    void proupravuClick();
    void najitDiskClick();
    void SpinEdit1Change(int pole);
    void konecClick();
    void poradiChange(int poradi);
    void zapskvrnuClick();
    void merplochyClick();
    void konskvrClick();
    void zobrazClick();
    void lupeClick();
    void SpeedButton2Click();

    // The picture's clicks, in picture pixels (the canvas converts).
    void levyKlik(PicturePoint p);
    void pravyKlik(PicturePoint p);
    void pohyb(PicturePoint p);

    // The scroll ranges for the size of the picture area.
    void rozsahPosuvniku();

    // ---- State, for the tests and the canvas.
    const Calibration& kalibrace() const { return cal_; }
    const ScanModel& scan() const { return scan_; }
    const ScanOptions& volby() const { return volby_; }
    QWidget* platno() const { return platno_; }
    MagnifierWindow* lupa() const { return lupa_; }
    AreaMeasurementWindow* mereniPlochy() const { return mereniP_; }
    Klik dalsiKlik() const { return klik_; }
    int AreaTarget() const { return areaTarget_; }

    // Choosing the picture file; tests put their own.
    std::function<QString()> vybratObrazek;

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void vytvorOvladani();
    QGroupBox* vytvorFakule();
    QGroupBox* vytvorSkupiny();
    void zoom(int krok);
    void zobrazeni(); // the shown picture again (options changed)
    void nastavStred(PicturePoint p);
    void nastavSever(PicturePoint p, bool osa);
    QString souradnice(PicturePoint p) const;
    void ukazLupu(bool krizek);
    QImage vyrez(PicturePoint stred, int pul) const;
    void radekSkupiny(const DraftRow& r);
    DraftRow radekSkupiny() const;
    void prekreslit();

    SessionModel& model_;
    Messages& zpravy_;
    ScanModel scan_;
    ScanOptions volby_;
    Calibration cal_;
    Klik klik_ = Klik::Zadny;
    bool osa_ = false;
    std::optional<PicturePoint> stred_; // centre clicked, north not yet
    std::vector<PicturePoint> dennyPohyb_;

    FacPoints FacPoints_{};
    int FacField_ = 0;
    int FacPointCount_ = 1;
    bool FacEntryActive_ = false;
    GroupDrafts GroupDraft_{};
    std::optional<PicturePoint> skvrna_; // the spot clicked last, for its area
    int areaTarget_ = 0;

    QWidget* platno_;
    QScrollBar* hory_;
    QScrollBar* very_;
    QLabel* jasLabel_;
    QLabel* kontLabel_;
    QLabel* poloha_; // angle and distance under the pointer
    QGroupBox* fakule_;
    QGroupBox* skupiny_;
    QLabel* fakStav_;
    QLabel* skStav_;
    QLabel* cisloBodu_;
    QSpinBox* SpinEdit1_;
    QSpinBox* poradi_;
    QTableWidget* tabxy_;
    QTableWidget* jinak_;
    QPushButton* zapskvrnu_;
    QPushButton* merplochy_;
    QPushButton* zobraz_;
    QToolButton* lupe_;
    QPointer<MagnifierWindow> lupa_;
    QPointer<AreaMeasurementWindow> mereniP_;
};

// Makes "Foto" of the main window open the measurement window (the drawing
// window's "F" forwards to it).
void installZakreslit(MainWindow& hlavni);

} // namespace hk
