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

struct WindowContext;
class Messages;
class SessionModel;

class MeasurementWindow : public QWidget {
    Q_OBJECT
  public:
    MeasurementWindow(SessionModel& model, Messages& messages, QWidget* parent = nullptr);
    ~MeasurementWindow() override;

    // What the next left click on the picture means.
    enum class Click { None, Centre, North, Axis, DailyMotion };

    bool openScan(const QString& file); // false (message shown) when not opened
    // What the next click on a proposed spot does.
    enum class ProposalEdit { NoEdit, RemoveSpot, RemoveGroup, MergeGroups, SplitGroup, MoveSpot };
    const SpotProposals& proposals() const { return scan_.overlay.proposals; }

    // Where a "Konec" reports what it stored (the main window's status line).
    std::function<void(const QString&)> showStatus;
    // The window's caption: the record the measurement writes into.
    QString recordCaption() const;

    // The picture's clicks, in picture pixels (the canvas converts).
    void leftClick(PicturePoint p);
    void rightClick(PicturePoint p);
    void pointerMoved(PicturePoint p);

    // The scroll ranges for the size of the picture area.
    void updateScrollRanges();

    // ---- State, for the tests and the canvas.
    const Calibration& calibration() const { return cal_; }
    const ScanModel& scan() const { return scan_; }
    const ScanOptions& options() const { return options_; }
    QWidget* canvas() const { return canvas_; }
    MagnifierWindow* magnifier() const { return magnifier_; }
    AreaMeasurementWindow* areaMeasurement() const { return areaMeasurement_; }
    Click nextClick() const { return nextClick_; }
    int AreaTarget() const { return areaTarget_; }

    // Choosing the picture file; tests put their own.
    std::function<QString()> choosePicture;

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    // ---- Handlers of the window's controls.
    void onOpenClicked();
    void onLargerClicked();
    void onSmallerClicked();
    void onBrightnessChanged(int brightness);
    void onContrastChanged(int contrast);
    void onHorizontalClicked();
    void onVerticalClicked();
    void onParametersClicked();
    void onSpotParametersClicked();
    void onCentreClicked(); // "Střed" of either box
    void onNorthClicked(bool byAxis);
    void onDailyMotionClicked();
    void onFindDiskClicked();
    // "Najít skvrny": the spots and groups proposed over the picture.
    void onFindSpotsClicked();
    void onProposalEditClicked(ProposalEdit u);
    // "Přijmout vše": the proposed groups into the group drafts.
    void onAcceptProposalsClicked();
    void onFaculaeFieldChanged(int field);
    void onEndClicked();
    void onGroupOrderChanged(int order);
    void onStoreGroupClicked();
    void onMeasureAreaClicked();
    void onEndSpotsClicked();
    void onShowSelectionClicked();
    // "Zpět bod": the point clicked last of the faculae field being entered,
    // or of the group in the entry grid, taken back with its mark and row.
    void onUndoVertexClicked();
    void onUndoSpotClicked();
    void onMagnifierClicked();
    void onHelpClicked();

    // A faculae field other than 0 and a calibrated scan; else says which is missing.
    bool faculaeFieldReady();
    inline static const QString NoCalibration = QStringLiteral("Není zadán střed a sever zákresu");

    void createControls();
    QGroupBox* createFaculaeBox();
    QGroupBox* createGroupBox();
    QGroupBox* createProposalBox();
    void showProposals();
    void editProposalAt(PicturePoint p);
    void zoom(int step);
    void updateView(); // the shown picture again (options changed)
    void setCentre(PicturePoint p);
    void setNorth(PicturePoint p, bool byAxis);
    QString coordinatesText(PicturePoint p) const;
    void showMagnifier(bool crosshair);
    QImage cutOut(PicturePoint centre, int half) const;
    void groupRow(const DraftRow& r);
    DraftRow groupRow() const;
    void repaintMap();
    void showVertexRow(int row, const QString& name, PicturePoint p);
    void showSpotRows();

    SessionModel& model_;
    Messages& messages_;
    QString scanFolder_; // where the open dialog starts: the last scan's folder
    ScanModel scan_;
    ScanOptions options_;
    Calibration cal_;
    Click nextClick_ = Click::None;
    bool axis_ = false;
    std::optional<PicturePoint> centre_; // centre clicked, north not yet
    std::vector<PicturePoint> dailyMotion_;

    FacPoints FacPoints_{};
    int FacField_ = 0;
    int FacPointCount_ = 1;
    bool FacEntryActive_ = false;
    // What the field being entered held before its start point was clicked,
    // for taking the start point back.
    FacField replacedVertices_{};
    std::optional<FieldMark> replacedMark_;
    GroupDrafts GroupDraft_{};
    std::optional<PicturePoint> spotPoint_; // the spot clicked last, for its area
    int areaTarget_ = 0;
    ProposalEdit proposalEdit_ = ProposalEdit::NoEdit;
    std::optional<int> first_; // the spot clicked first for a merge or a move

    QWidget* canvas_;
    QScrollBar* horizontalScroll_;
    QScrollBar* very_;
    QLabel* brightnessLabel_;
    QLabel* contrastLabel_;
    QLabel* positionLabel_; // angle and distance under the pointer
    QGroupBox* faculaeBox_;
    QGroupBox* groupBox_;
    QGroupBox* proposalBox_;
    QTableWidget* proposalTable_;
    QLabel* proposalStatus_;
    QLabel* faculaeStatus_;
    QLabel* groupStatus_;
    QLabel* pointNumberLabel_;
    QSpinBox* faculaeFieldSpin_;
    QSpinBox* groupOrder_;
    QTableWidget* vertexTable_;
    QTableWidget* manualGroupTable_;
    QTableWidget* spotTable_; // the clicked spots of the drafted groups
    QPushButton* storeGroupButton_;
    QPushButton* measureAreaButton_;
    QPushButton* showSelectionButton_;
    QToolButton* magnifierButton_;
    QPointer<MagnifierWindow> magnifier_;
    QPointer<AreaMeasurementWindow> areaMeasurement_;
};

// Makes "Foto" of the main window open the measurement window (the drawing
// window's "F" forwards to it).
void installMeasurement(WindowContext k);

} // namespace hk
