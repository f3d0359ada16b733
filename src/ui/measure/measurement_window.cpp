#include "ui/measure/measurement_window.h"
#include "ui/frame/command_names.h"

#include <QCloseEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <QSlider>
#include <QSpinBox>
#include <QTableWidget>
#include <QToolButton>
#include <cmath>
#include <variant>

#include "measure/disk_finder.h"
#include "records/record.h"
#include "records/session.h"
#include "text/number_format.h"
#include "ui/frame/messages.h"
#include "ui/frame/session_model.h"
#include "ui/frame/ui_helpers.h"
#include "ui/frame/window_context.h"
#include "ui/measure/area_measurement_window.h"
#include "ui/measure/magnifier_window.h"

namespace hk {

namespace {

constexpr int LoupeCalibration = 20; // enlargement 10
constexpr int LoupeBrowsing = 40;    // enlargement 5
constexpr int AreaCropHalf = AreaMeasurementWindow::CropSide / 2;

const QString AlreadyGiven =
    QStringLiteral(" Není nutné zadávání středu a sevsru . Hodnoty jsou již zadány.");

double drawingRadius(const Session& s) {
    return s.drawingRadius();
}

// "06.12.2026 9:05 UT, Novák": the record a measurement writes into.
QString recordName(const TZaznam& z) {
    if (z.Datum.empty()) return QStringLiteral("záznam bez data");
    return QStringLiteral("%1 %2:%3 UT, %4")
        .arg(q(z.Datum.text()))
        .arg(z.Cas / 100)
        .arg(z.Cas % 100, 2, 10, QLatin1Char('0'))
        .arg(q(z.Pozorovatel.text()));
}

// The question before measured content replaces what the record holds;
// `what` counts it ("skupin: 3").
QString replaceQuestion(const QString& what, const TZaznam& z) {
    return QStringLiteral("Záznam %1 už má %2.\rZapsáním se nahradí. Nahradit?")
        .arg(recordName(z), what);
}

// The status line after a "Konec": what was stored where.
QString storedText(const QString& what, const TZaznam& z, int replaced) {
    QString text = QStringLiteral("Zapsáno do záznamu %1 – %2").arg(recordName(z), what);
    if (replaced > 0)
        text +=
            QStringLiteral(" (nahrazeno %1; Ctrl+Z v okně zákresu vrátí původní)").arg(replaced);
    return text;
}

} // namespace

QString MeasurementWindow::recordCaption() const {
    return QStringLiteral("Měření fakulí – zápis do: ") + recordName(model_.workingRecord());
}

MeasurementWindow::MeasurementWindow(SessionModel& model, Messages& messages, QWidget* parent)
    : QWidget(parent), model_(model), messages_(messages) {
    setObjectName(QStringLiteral("MeasurementWindow"));
    setFocusPolicy(Qt::StrongFocus);
    // The caption names the record the measurement writes into.
    auto caption = [this] { setWindowTitle(recordCaption()); };
    caption();
    connect(&model_, &SessionModel::currentChanged, this, caption);
    connect(&model_, &SessionModel::recordsChanged, this, caption);
    showStatus = [](const QString&) {};
    // The first scan is looked for in the program directory, where the demo
    // keeps its scan; later ones beside the last opened.
    scanFolder_ = QString::fromStdString(model_.session().dir.root().string());
    choosePicture = [this] {
        return QFileDialog::getOpenFileName(this, QStringLiteral("Otevřít"), scanFolder_,
                                            QStringLiteral("Obrázky (*.bmp *.jpg *.jpeg *.png)"));
    };
    createControls();
}

MeasurementWindow::~MeasurementWindow() {
    delete magnifier_;
    delete areaMeasurement_;
}

// ---------------------------------------------------------------------------
// Picture

void MeasurementWindow::onOpenClicked() {
    const QString file = choosePicture ? choosePicture() : QString();
    if (!file.isEmpty()) openScan(file);
}

bool MeasurementWindow::openScan(const QString& file) {
    LoadedScan s = LoadScan(file);
    if (s.picture.isNull()) {
        messages_.showMessage(s.message);
        return false;
    }
    if (!s.message.isEmpty()) messages_.showMessage(s.message);
    scanFolder_ = QFileInfo(file).absolutePath();
    scan_.picture = std::move(s.picture);
    // The marks of the last picture go, and with them their rows.
    const bool shown = scan_.overlay.showSelection;
    scan_.overlay = ScanOverlay{};
    scan_.overlay.showSelection = shown;
    vertexTable_->clearContents();
    showSpotRows();
    proposalEdit_ = ProposalEdit::NoEdit;
    showProposals();
    cal_ = Calibration{};
    centre_.reset();
    nextClick_ = Click::None;
    FacEntryActive_ = false;
    options_.zoom = 0;
    options_.scroll = {};
    updateScrollRanges();
    horizontalScroll_->setValue(0);
    very_->setValue(0);
    canvas_->update();
    return true;
}

void MeasurementWindow::updateScrollRanges() {
    const QSize shown = ShownSize(scan_.picture.size(), options_.zoom);
    horizontalScroll_->setRange(0, std::max(0, shown.width() - canvas_->width()));
    very_->setRange(0, std::max(0, shown.height() - canvas_->height()));
    horizontalScroll_->setPageStep(canvas_->width());
    very_->setPageStep(canvas_->height());
    options_.scroll = {horizontalScroll_->value(), very_->value()};
}

void MeasurementWindow::updateView() {
    canvas_->update();
    if (magnifier_ && magnifier_->isVisible()) magnifier_->update();
}

void MeasurementWindow::zoom(int step) {
    // The picture point in the middle of the view stays there.
    const QPoint middle(canvas_->width() / 2, canvas_->height() / 2);
    const int newRecord = std::clamp(options_.zoom + step, 0, MaxZoomStep);
    const QPoint offset = ScrollKeeping(middle, options_, newRecord);
    options_.zoom = newRecord;
    updateScrollRanges();
    horizontalScroll_->setValue(offset.x());
    very_->setValue(offset.y());
    canvas_->update();
}

void MeasurementWindow::onLargerClicked() {
    zoom(1);
}

void MeasurementWindow::onSmallerClicked() {
    zoom(-1);
}

void MeasurementWindow::onBrightnessChanged(int brightness) {
    brightnessLabel_->setText(QStringLiteral("Jas %1").arg(brightness));
    const int contrast = findChild<QSlider*>(QStringLiteral("kont"))->value();
    options_.lut = MakeDisplayLut(brightness, contrast);
    updateView();
}

void MeasurementWindow::onContrastChanged(int contrast) {
    contrastLabel_->setText(QStringLiteral("Kontr. %1").arg(contrast));
    const int brightness = findChild<QSlider*>(QStringLiteral("jas"))->value();
    options_.lut = MakeDisplayLut(brightness, contrast);
    updateView();
}

void MeasurementWindow::onHorizontalClicked() {
    scan_.picture = scan_.picture.mirrored(true, false);
    scan_.overlay.proposals = SpotProposals(); // their places no longer fit
    showProposals();
    updateView();
}

void MeasurementWindow::onVerticalClicked() {
    scan_.picture = scan_.picture.mirrored(false, true);
    scan_.overlay.proposals = SpotProposals(); // their places no longer fit
    showProposals();
    updateView();
}

void MeasurementWindow::onShowSelectionClicked() {
    scan_.overlay.showSelection = !scan_.overlay.showSelection;
    showSelectionButton_->setText(scan_.overlay.showSelection ? QStringLiteral("Skrýt výběr")
                                                              : QStringLiteral("Zobrazit výběr"));
    canvas_->update();
}

void MeasurementWindow::onParametersClicked() {
    groupBox_->hide();
    faculaeBox_->show();
}

void MeasurementWindow::onSpotParametersClicked() {
    faculaeBox_->hide();
    groupBox_->show();
}

// ---------------------------------------------------------------------------
// Magnifier

QImage MeasurementWindow::cutOut(PicturePoint centre, int half) const {
    QImage out(2 * half, 2 * half, QImage::Format_RGB32);
    out.fill(Qt::white);
    if (scan_.picture.isNull()) return out;
    const QRect source(centre.x - half, centre.y - half, 2 * half, 2 * half);
    const QRect cast = source.intersected(scan_.picture.rect());
    if (cast.isEmpty()) return out;
    QPainter p(&out);
    p.drawImage(cast.topLeft() - source.topLeft(),
                AdjustedBlock(scan_.picture, cast, options_.lut));
    return out;
}

void MeasurementWindow::showMagnifier(bool crosshair) {
    if (!magnifier_) {
        magnifier_ = new MagnifierWindow(window());
        magnifier_->place(QRect(mapToGlobal(QPoint(0, 0)), size()));
    }
    magnifier_->setCrosshair(crosshair);
    magnifier_->show();
    magnifier_->raise();
}

void MeasurementWindow::onMagnifierClicked() {
    if (magnifierButton_->isChecked()) {
        showMagnifier(false);
        magnifier_->LoupeHalf = LoupeBrowsing;
    } else if (magnifier_) {
        magnifier_->hide();
        magnifier_->LoupeHalf = LoupeCalibration;
    }
}

void MeasurementWindow::pointerMoved(PicturePoint p) {
    if (cal_.calibrated()) {
        const PolarPosition pp = PictureToPolar(cal_, p);
        positionLabel_->setText(q(FormatNumber(pp.angle, "0.0")) + QStringLiteral("°  ") +
                                q(FormatNumber(pp.distance, "0.0")));
    }
    if (magnifier_ && magnifier_->isVisible())
        magnifier_->present(cutOut(p, magnifier_->LoupeHalf));
}

// ---------------------------------------------------------------------------
// Calibration

QString MeasurementWindow::coordinatesText(PicturePoint p) const {
    return QStringLiteral("x=%1   y=%2").arg(p.x).arg(p.y);
}

void MeasurementWindow::onCentreClicked() {
    if (cal_.calibrated()) {
        messages_.showMessage(AlreadyGiven);
        return;
    }
    nextClick_ = Click::Centre;
    faculaeStatus_->setText(QStringLiteral("Vyber polohu středu"));
    groupStatus_->setText(QStringLiteral("Označ střed"));
    showMagnifier(!magnifierButton_->isChecked());
    magnifier_->LoupeHalf = LoupeCalibration;
}

void MeasurementWindow::onNorthClicked(bool byAxis) {
    if (!centre_) {
        onCentreClicked();
        return;
    }
    nextClick_ = byAxis ? Click::Axis : Click::North;
    faculaeStatus_->setText(QStringLiteral("Severní okraj"));
    groupStatus_->setText(QStringLiteral("Označ sever"));
}

void MeasurementWindow::setCentre(PicturePoint p) {
    centre_ = p;
    scan_.overlay.centre = p;
    scan_.overlay.north.reset();
    faculaeStatus_->setText(coordinatesText(p));
    groupStatus_->setText(coordinatesText(p));
    nextClick_ = Click::None;
    canvas_->update();
}

void MeasurementWindow::setNorth(PicturePoint p, bool byAxis) {
    nextClick_ = Click::None;
    Calibration c;
    if (byAxis) {
        const auto r = CalibrateByAxis(*centre_, p, model_.workingRecord());
        if (const auto* message = std::get_if<std::string>(&r)) {
            messages_.showMessage(q(*message));
            return;
        }
        c = std::get<Calibration>(r);
    } else {
        c = Calibrate(*centre_, p);
    }
    if (!c.calibrated()) {
        messages_.showMessage(QStringLiteral("Sever nemůže být ve středu zákresu"));
        return;
    }
    cal_ = c;
    scan_.overlay.north = p;
    scan_.overlay.proposedDisk.reset();
    faculaeStatus_->setText(coordinatesText(p));
    groupStatus_->setText(coordinatesText(p));
    canvas_->update();
}

void MeasurementWindow::onDailyMotionClicked() {
    if (!messages_.ask(
            QStringLiteral(" Po zadávání paremetru zákresu   střed - sever   \r   Pokračovat ? "),
            SafeAnswer::No))
        return;
    messages_.showMessage(
        QStringLiteral(" Prvně pravý bod přímky pak levý, střed a na konec okraj zákresu. "));
    cal_ = Calibration{};
    centre_.reset();
    dailyMotion_.clear();
    nextClick_ = Click::DailyMotion;
}

void MeasurementWindow::onFindDiskClicked() {
    if (cal_.calibrated()) {
        messages_.showMessage(AlreadyGiven);
        return;
    }
    if (scan_.picture.isNull()) {
        messages_.showMessage(QStringLiteral("Není otevřen obrázek zákresu"));
        return;
    }
    const QImage grey = scan_.picture.convertToFormat(QImage::Format_Grayscale8);
    const auto disk = FindDisk(GreyView(grey));
    if (!disk) {
        messages_.showMessage(QStringLiteral("Disk zákresu se v obrázku nepodařilo najít"));
        return;
    }
    scan_.overlay.proposedDisk = disk;
    canvas_->repaint();
    const PicturePoint centre{static_cast<int>(std::lround(disk->x)),
                              static_cast<int>(std::lround(disk->y))};
    const bool yes = messages_.ask(
        QStringLiteral("Navržený disk: střed x=%1  y=%2, poloměr %3 bodů.\rPoužít navržený střed ?")
            .arg(centre.x)
            .arg(centre.y)
            .arg(q(FormatNumber(disk->radius, "0.0"))),
        SafeAnswer::No);
    if (!yes) {
        scan_.overlay.proposedDisk.reset();
        canvas_->update();
        return;
    }
    setCentre(centre);
    onNorthClicked(false);
}

// ---------------------------------------------------------------------------
// Faculae and groups into the record

void MeasurementWindow::onFaculaeFieldChanged(int pole) {
    if (pole > MaxFacFields) {
        messages_.showMessage(QStringLiteral("Počet fakulí jen 40 !"));
        faculaeFieldSpin_->setValue(MaxFacFields);
    }
}

bool MeasurementWindow::faculaeFieldReady() {
    // Field number 0 would take the fields of the record away.
    if (faculaeFieldSpin_->value() < 1) {
        messages_.showMessage(QStringLiteral("Číslo fakule nula"));
        return false;
    }
    if (!cal_.calibrated()) {
        messages_.showMessage(NoCalibration);
        return false;
    }
    return true;
}

void MeasurementWindow::onEndClicked() {
    if (!faculaeFieldReady()) return;
    TZaznam z = model_.workingRecord();
    const int replaced = z.faculaeCount();
    if (replaced > 0 &&
        !messages_.askYesNo(replaceQuestion(QStringLiteral("polí fakulí: %1").arg(replaced),
                                            model_.workingRecord())))
        return;
    StoreFaculae(z, faculaeFieldSpin_->value(), FacPoints_, cal_);
    FacEntryActive_ = false;
    model_.replaceMeasuredRecord(z);
    showStatus(storedText(QStringLiteral("polí fakulí: %1").arg(z.faculaeCount()), z, replaced));
}

DraftRow MeasurementWindow::groupRow() const {
    DraftRow r;
    for (int c = 0; c < GroupColumnCount; ++c)
        r[c] = manualGroupTable_->item(0, c)->text().toStdString();
    return r;
}

void MeasurementWindow::groupRow(const DraftRow& r) {
    for (int c = 0; c < GroupColumnCount; ++c)
        manualGroupTable_->item(0, c)->setText(q(r[c]));
}

void MeasurementWindow::onGroupOrderChanged(int order) {
    if (const auto message = CheckGroupOrder(order)) {
        messages_.showMessage(q(*message));
        groupOrder_->setValue(MaxGroupOrder);
        return;
    }
    const GroupDraft& d = GroupDraft_[order - 1];
    groupRow(d.groupClass.empty() ? DraftRow{} : DraftRowOf(d));
    spotPoint_.reset();
    areaTarget_ = 0;
    storeGroupButton_->setText(QStringLiteral("Zapiš skupinu"));
}

void MeasurementWindow::onStoreGroupClicked() {
    const int order = groupOrder_->value();
    if (const auto message = CheckGroupOrder(order)) {
        messages_.showMessage(q(*message));
        return;
    }
    const auto r = ParseGroupRow(groupRow());
    if (const auto* message = std::get_if<std::string>(&r)) {
        messages_.showMessage(q(*message));
        return;
    }
    GroupDraft_[order - 1] = std::get<GroupDraft>(r);
    storeGroupButton_->setText(QStringLiteral("Zapsáno"));
}

void MeasurementWindow::onMeasureAreaClicked() {
    if (!spotPoint_ || areaTarget_ == 0) {
        messages_.showMessage(
            QStringLiteral("Prvně je třeba zadat souřadnice skvrny bebo druhotné skvrny !"));
        return;
    }
    const int target = areaTarget_;
    auto done = [this, target](double area) {
        const int column = target == 1 ? ColArea : target == 2 ? ColPlo1 : ColPlo2;
        manualGroupTable_->item(0, column)->setText(q(FormatNumber(area, "0.0")));
        measureAreaButton_->setText(QStringLiteral("Měřeni plochy skupiny"));
        measureAreaButton_->setEnabled(false);
        storeGroupButton_->setEnabled(true);
        onSpotParametersClicked();
        canvas_->update();
    };
    areaMeasurement_ = new AreaMeasurementWindow(cutOut(*spotPoint_, AreaCropHalf),
                                                 cal_.CalRadiusPx, messages_, done, window());
    connect(areaMeasurement_, &QObject::destroyed, this,
            [this] { storeGroupButton_->setEnabled(true); });
    areaMeasurement_->place(window()->frameGeometry());
    storeGroupButton_->setEnabled(false);
    measureAreaButton_->setEnabled(false);
    areaMeasurement_->show();
}

void MeasurementWindow::onEndSpotsClicked() {
    TZaznam z = model_.workingRecord();
    const int replaced = z.groupCount();
    const double radius = drawingRadius(model_.session());
    if (const auto message = WriteGroups(z, GroupDraft_, radius)) {
        messages_.showMessage(q(*message));
        return;
    }
    if (replaced > 0 && !messages_.askYesNo(replaceQuestion(
                            QStringLiteral("skupin: %1").arg(replaced), model_.workingRecord())))
        return;
    model_.replaceMeasuredRecord(z);
    showStatus(storedText(QStringLiteral("skupin: %1").arg(z.groupCount()), z, replaced));
}

void MeasurementWindow::onHelpClicked() {
    messages_.showMessage(QStringLiteral(
        "Klik pravým tlačítkem myši -úvodní bod. Klik levým, vytvoří čáru - max 6. bodů. Vytvoří "
        "se \robkreslení fakulového pole. Velkou fakuli možno rozdělit. "));
}

void MeasurementWindow::closeEvent(QCloseEvent* event) {
    const Session& s = model_.session();
    const int k = model_.currentIndex();
    if (k >= 1 && k <= s.recordCount() && s.record(k).Datum.empty())
        model_.replaceCurrentRecord(model_.workingRecord());
    if (magnifier_) magnifier_->deleteLater();
    if (areaMeasurement_) areaMeasurement_->deleteLater();
    event->accept();
}

void installMeasurement(WindowContext k) {
    k.frame.connectCommand(cmd::EntryFromPhoto, [k] {
        QMdiArea* area = k.area;
        for (QMdiSubWindow* sub : area->subWindowList())
            if (qobject_cast<MeasurementWindow*>(sub->widget())) {
                area->setActiveSubWindow(sub);
                return;
            }
        auto* w = new MeasurementWindow(k.model, k.messages);
        w->showStatus = [&frame = k.frame](const QString& text) { frame.showStatus(text); };
        QMdiSubWindow* sub = area->addSubWindow(w);
        sub->setObjectName(QStringLiteral("Form11"));
        sub->setAttribute(Qt::WA_DeleteOnClose);
        sub->setGeometry(area->viewport()->rect());
        sub->show();
        w->setFocus();
    });
}

} // namespace hk
