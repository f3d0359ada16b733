#include "ui/measure/measurement_window.h"

#include <QCloseEvent>
#include <QFileDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QSlider>
#include <QSpinBox>
#include <QTableWidget>
#include <QToolButton>
#include <QVBoxLayout>
#include <cmath>
#include <variant>

#include "measure/disk_finder.h"
#include "measure/spot_finder.h"
#include "records/record.h"
#include "records/session.h"
#include "text/number_format.h"
#include "ui/frame/main_window.h"
#include "ui/frame/messages.h"
#include "ui/frame/session_model.h"
#include "ui/frame/ui_helpers.h"
#include "ui/measure/area_measurement_window.h"
#include "ui/measure/magnifier_window.h"

namespace hk {

namespace {

constexpr int PanelWidth = 300;
constexpr int LoupeCalibration = 20; // enlargement 10
constexpr int LoupeBrowsing = 40;    // enlargement 5
constexpr int AreaCropHalf = AreaMeasurementWindow::CropSide / 2;
const QColor FixedCells(125, 255, 125);

const QString NoCalibration = QStringLiteral("Není zadán střed a sever zákresu");
const QString AlreadyGiven =
    QStringLiteral(" Není nutné zadávání středu a sevsru . Hodnoty jsou již zadány.");

double drawingRadius(const Session& s) {
    return s.drawingRadius();
}

// The picture area of the window: paints the scan and passes the mouse on.
class Canvas : public QWidget {
  public:
    explicit Canvas(MeasurementWindow& window) : QWidget(&window), window_(window) {
        setObjectName(QStringLiteral("Image1"));
        setMouseTracking(true);
        setAttribute(Qt::WA_OpaquePaintEvent);
        setMinimumSize(200, 200);
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        PaintScan(p, rect(), window_.scan(), window_.options());
    }
    void mousePressEvent(QMouseEvent* e) override {
        const PicturePoint pt = WindowToPicture(e->position().toPoint(), window_.options());
        if (e->button() == Qt::LeftButton) window_.leftClick(pt);
        if (e->button() == Qt::RightButton) window_.rightClick(pt);
    }
    void mouseMoveEvent(QMouseEvent* e) override {
        window_.pointerMoved(WindowToPicture(e->position().toPoint(), window_.options()));
    }
    void resizeEvent(QResizeEvent*) override { window_.updateScrollRanges(); }

  private:
    MeasurementWindow& window_;
};

QPushButton* button(QWidget* parent, const char* name, const QString& text,
                    const QString& hint = {}) {
    auto* b = new QPushButton(text, parent);
    b->setObjectName(QString::fromLatin1(name));
    if (!hint.isEmpty()) b->setToolTip(hint);
    return b;
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
    choosePicture = [this] {
        return QFileDialog::getOpenFileName(this, QStringLiteral("Otevřít"), QString(),
                                            QStringLiteral("Obrázky (*.bmp *.jpg *.jpeg *.png)"));
    };
    createControls();
}

MeasurementWindow::~MeasurementWindow() {
    delete magnifier_;
    delete areaMeasurement_;
}

void MeasurementWindow::createControls() {
    auto* upper = new QHBoxLayout;
    upper->setSpacing(3);
    auto* openButton = button(this, "Otevrit", QStringLiteral("Otevřít"),
                              QStringLiteral("Vybrat obrázek zákresu "));
    auto* largerButton = button(this, "vet", QStringLiteral("+"));
    auto* smallerButton = button(this, "men", QStringLiteral("-"));
    for (QPushButton* b : {largerButton, smallerButton})
        b->setFixedWidth(28);
    connect(openButton, &QPushButton::clicked, this, &MeasurementWindow::onOpenClicked);
    connect(largerButton, &QPushButton::clicked, this, &MeasurementWindow::onLargerClicked);
    connect(smallerButton, &QPushButton::clicked, this, &MeasurementWindow::onSmallerClicked);

    auto hasScrollBar = [this](const char* name, int min, int max, int value) {
        auto* s = new QSlider(Qt::Horizontal, this);
        s->setObjectName(QString::fromLatin1(name));
        s->setRange(min, max);
        s->setValue(value);
        s->setFixedWidth(110);
        return s;
    };
    auto* brightness = hasScrollBar("jas", BrightnessMin, BrightnessMax, 0);
    auto* contrast = hasScrollBar("kont", ContrastMin, ContrastMax, ContrastNeutral);
    brightnessLabel_ = new QLabel(QStringLiteral("Jas 0"), this);
    contrastLabel_ = new QLabel(QStringLiteral("Kontr. %1").arg(ContrastNeutral), this);
    brightnessLabel_->setMinimumWidth(55);
    contrastLabel_->setMinimumWidth(70);
    connect(brightness, &QSlider::valueChanged, this, &MeasurementWindow::onBrightnessChanged);
    connect(contrast, &QSlider::valueChanged, this, &MeasurementWindow::onContrastChanged);

    auto* param = button(this, "param", QStringLiteral("Param- Fakule"));
    auto* spotParameters = button(this, "paramskvr", QStringLiteral("Param skvrny"));
    auto* horizontalButton = button(this, "Horizont", QStringLiteral("Horizontálně"));
    auto* verticalButton = button(this, "vertikal", QStringLiteral("Vertikálně"));
    auto* findButton = button(this, "najitdisk", QStringLiteral("Najít disk"),
                              QStringLiteral("Navrhne střed a poloměr disku nalezeného v obrázku"));
    showSelectionButton_ = button(this, "zobraz", QStringLiteral("Zobrazit výběr"));
    magnifierButton_ = new QToolButton(this);
    magnifierButton_->setObjectName(QStringLiteral("lupe"));
    magnifierButton_->setText(QStringLiteral("Lupa"));
    magnifierButton_->setCheckable(true);
    auto* closeWindow = new QToolButton(this);
    closeWindow->setObjectName(QStringLiteral("SpeedButton1"));
    closeWindow->setText(QStringLiteral("X"));
    closeWindow->setToolTip(QStringLiteral("Zavřít"));
    connect(param, &QPushButton::clicked, this, &MeasurementWindow::onParametersClicked);
    connect(spotParameters, &QPushButton::clicked, this,
            &MeasurementWindow::onSpotParametersClicked);
    connect(horizontalButton, &QPushButton::clicked, this, &MeasurementWindow::onHorizontalClicked);
    connect(verticalButton, &QPushButton::clicked, this, &MeasurementWindow::onVerticalClicked);
    connect(findButton, &QPushButton::clicked, this, &MeasurementWindow::onFindDiskClicked);
    auto* findSpotsButton =
        button(this, "najitskvrny", QStringLiteral("Najít skvrny"),
               QStringLiteral("Navrhne skvrny a skupiny nalezené v kalibrovaném zákresu"));
    connect(findSpotsButton, &QPushButton::clicked, this, &MeasurementWindow::onFindSpotsClicked);
    connect(showSelectionButton_, &QPushButton::clicked, this,
            &MeasurementWindow::onShowSelectionClicked);
    connect(magnifierButton_, &QToolButton::clicked, this, &MeasurementWindow::onMagnifierClicked);
    connect(closeWindow, &QToolButton::clicked, this, [this] {
        // In the work area the sub-window closes, and with it this window.
        if (auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget()))
            sub->close();
        else
            close();
    });

    positionLabel_ = new QLabel(this);
    positionLabel_->setObjectName(QStringLiteral("poloha"));
    positionLabel_->setMinimumWidth(110);
    for (QWidget* w : std::initializer_list<QWidget*>{
             openButton, largerButton, smallerButton, brightnessLabel_, brightness, contrastLabel_,
             contrast, param, spotParameters, horizontalButton, verticalButton, magnifierButton_,
             showSelectionButton_, findButton, findSpotsButton, positionLabel_})
        upper->addWidget(w);
    upper->addStretch(1);
    upper->addWidget(closeWindow);

    canvas_ = new Canvas(*this);
    horizontalScroll_ = new QScrollBar(Qt::Horizontal, this);
    very_ = new QScrollBar(Qt::Vertical, this);
    horizontalScroll_->setObjectName(QStringLiteral("hory"));
    very_->setObjectName(QStringLiteral("very"));
    connect(horizontalScroll_, &QScrollBar::valueChanged, this, [this](int v) {
        options_.scroll.setX(v);
        canvas_->update();
    });
    connect(very_, &QScrollBar::valueChanged, this, [this](int v) {
        options_.scroll.setY(v);
        canvas_->update();
    });

    faculaeBox_ = createFaculaeBox();
    groupBox_ = createGroupBox();
    groupBox_->hide();
    auto* panel = new QVBoxLayout;
    panel->addWidget(faculaeBox_);
    panel->addWidget(groupBox_);
    proposalBox_ = createProposalBox();
    proposalBox_->hide();
    panel->addWidget(proposalBox_);
    panel->addStretch(1);

    manualGroupTable_ = new QTableWidget(1, GroupColumnCount, this);
    manualGroupTable_->setObjectName(QStringLiteral("jinak"));
    QStringList pageLabels;
    for (const char* c : GroupColumnCaptions)
        pageLabels << QString::fromUtf8(c);
    manualGroupTable_->setHorizontalHeaderLabels(pageLabels);
    manualGroupTable_->setVerticalHeaderLabels({QStringLiteral("1")});
    manualGroupTable_->setStyleSheet(
        QStringLiteral("QHeaderView::section { background-color: rgb(%1,%2,%3); }")
            .arg(FixedCells.red())
            .arg(FixedCells.green())
            .arg(FixedCells.blue()));
    manualGroupTable_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    manualGroupTable_->setFixedHeight(manualGroupTable_->horizontalHeader()->sizeHint().height() +
                                      manualGroupTable_->verticalHeader()->defaultSectionSize() +
                                      6);
    manualGroupTable_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    manualGroupTable_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    for (int c = 0; c < GroupColumnCount; ++c)
        manualGroupTable_->setItem(0, c, new QTableWidgetItem);
    connect(manualGroupTable_, &QTableWidget::itemChanged, this,
            [this] { storeGroupButton_->setText(QStringLiteral("Zapiš skupinu")); });

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(4, 4, 4, 4);
    grid->setSpacing(2);
    grid->addLayout(upper, 0, 0, 1, 3);
    grid->addWidget(canvas_, 1, 0);
    grid->addWidget(very_, 1, 1);
    grid->addWidget(horizontalScroll_, 2, 0);
    grid->addLayout(panel, 1, 2, 2, 1);
    grid->addWidget(manualGroupTable_, 3, 0, 1, 3);
    grid->setColumnStretch(0, 1);
    grid->setRowStretch(1, 1);
    updateScrollRanges();
}

QGroupBox* MeasurementWindow::createFaculaeBox() {
    auto* box = new QGroupBox(QStringLiteral("Zadávání fakulí"), this);
    box->setObjectName(QStringLiteral("GroupBox1"));
    box->setFixedWidth(PanelWidth);
    auto* l = new QGridLayout(box);
    auto* centreButton =
        button(box, "stredovv", QStringLiteral("Střed"), QStringLiteral("Určení středu"));
    auto* northButton =
        button(box, "severr", QStringLiteral("Sever"), QStringLiteral("Určení severu "));
    auto* axisButton = button(box, "dennipf", QStringLiteral("Osa Slunce"),
                              QStringLiteral(" Určení osy Slunce místo určení severu. "));
    connect(centreButton, &QPushButton::clicked, this, &MeasurementWindow::onCentreClicked);
    connect(northButton, &QPushButton::clicked, this, [this] { onNorthClicked(false); });
    connect(axisButton, &QPushButton::clicked, this, [this] { onNorthClicked(true); });
    l->addWidget(centreButton, 0, 0);
    l->addWidget(northButton, 0, 1);
    l->addWidget(axisButton, 0, 2);
    faculaeStatus_ = new QLabel(box);
    faculaeStatus_->setObjectName(QStringLiteral("fakstav"));
    faculaeStatus_->setWordWrap(true);
    l->addWidget(faculaeStatus_, 1, 0, 1, 3);
    l->addWidget(new QLabel(QStringLiteral("Číslo fakule"), box), 2, 0, 1, 2);
    faculaeFieldSpin_ = new QSpinBox(box);
    faculaeFieldSpin_->setObjectName(QStringLiteral("SpinEdit1"));
    faculaeFieldSpin_->setRange(0, MaxFacFields + 1);
    connect(faculaeFieldSpin_, &QSpinBox::valueChanged, this,
            &MeasurementWindow::onFaculaeFieldChanged);
    l->addWidget(faculaeFieldSpin_, 2, 2);
    vertexTable_ = new QTableWidget(FaculaeVertexCount, 3, box);
    vertexTable_->setObjectName(QStringLiteral("tabxy"));
    vertexTable_->setHorizontalHeaderLabels(
        {QStringLiteral("bod"), QStringLiteral("úhel"), QStringLiteral("vzd.")});
    vertexTable_->verticalHeader()->hide();
    vertexTable_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    vertexTable_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    vertexTable_->setFixedHeight(
        vertexTable_->horizontalHeader()->sizeHint().height() +
        FaculaeVertexCount * vertexTable_->verticalHeader()->defaultSectionSize() + 4);
    l->addWidget(vertexTable_, 3, 0, 1, 3);
    pointNumberLabel_ = new QLabel(box);
    pointNumberLabel_->setObjectName(QStringLiteral("cislobodu"));
    l->addWidget(pointNumberLabel_, 4, 0, 1, 3);
    auto* end = button(box, "konec", QStringLiteral("Konec zadání fakulí"));
    connect(end, &QPushButton::clicked, this, &MeasurementWindow::onEndClicked);
    auto* helpButton = new QToolButton(box);
    helpButton->setObjectName(QStringLiteral("SpeedButton2"));
    helpButton->setText(QStringLiteral("?"));
    connect(helpButton, &QToolButton::clicked, this, &MeasurementWindow::onHelpClicked);
    l->addWidget(end, 5, 0, 1, 2);
    l->addWidget(helpButton, 5, 2);
    return box;
}

QGroupBox* MeasurementWindow::createGroupBox() {
    auto* box = new QGroupBox(QStringLiteral("Měření skupin"), this);
    box->setObjectName(QStringLiteral("GroupBox2"));
    box->setFixedWidth(PanelWidth);
    auto* l = new QGridLayout(box);
    auto* groupCentreButton =
        button(box, "stredsk", QStringLiteral("Střed"), QStringLiteral("Určení středu"));
    auto* groupNorthButton =
        button(box, "seversk", QStringLiteral("Sever"), QStringLiteral("Určení severu "));
    auto* groupAxisButton = button(box, "Dennip", QStringLiteral("Osa Slunce"),
                                   QStringLiteral(" Určení osy Slunce místo určení severu. "));
    auto* dailyMotionButton =
        button(box, "proupravu", QStringLiteral("D. pohyb"),
               QStringLiteral("Úprava když je znám v zákresu jen denní pohyb "));
    connect(groupCentreButton, &QPushButton::clicked, this, &MeasurementWindow::onCentreClicked);
    connect(groupNorthButton, &QPushButton::clicked, this, [this] { onNorthClicked(false); });
    connect(groupAxisButton, &QPushButton::clicked, this, [this] { onNorthClicked(true); });
    connect(dailyMotionButton, &QPushButton::clicked, this,
            &MeasurementWindow::onDailyMotionClicked);
    l->addWidget(groupCentreButton, 0, 0);
    l->addWidget(groupNorthButton, 0, 1);
    l->addWidget(groupAxisButton, 1, 0);
    l->addWidget(dailyMotionButton, 1, 1);
    groupStatus_ = new QLabel(box);
    groupStatus_->setObjectName(QStringLiteral("skstav"));
    groupStatus_->setWordWrap(true);
    l->addWidget(groupStatus_, 2, 0, 1, 2);
    l->addWidget(new QLabel(QStringLiteral("Pořadové číslo skup.."), box), 3, 0);
    groupOrder_ = new QSpinBox(box);
    groupOrder_->setObjectName(QStringLiteral("SpinEdit2"));
    groupOrder_->setRange(1, MaxGroupOrder + 1);
    connect(groupOrder_, &QSpinBox::valueChanged, this, &MeasurementWindow::onGroupOrderChanged);
    l->addWidget(groupOrder_, 3, 1);
    storeGroupButton_ = button(box, "zapskvrnu", QStringLiteral("Zapiš skupinu"));
    measureAreaButton_ = button(box, "merplochy", QStringLiteral("Měřeni plochy skupiny"));
    auto* endSpotsButton = button(box, "konskvr", QStringLiteral("Konec zadávání skvrn"));
    connect(storeGroupButton_, &QPushButton::clicked, this,
            &MeasurementWindow::onStoreGroupClicked);
    connect(measureAreaButton_, &QPushButton::clicked, this,
            &MeasurementWindow::onMeasureAreaClicked);
    connect(endSpotsButton, &QPushButton::clicked, this, &MeasurementWindow::onEndSpotsClicked);
    l->addWidget(storeGroupButton_, 4, 0, 1, 2);
    l->addWidget(measureAreaButton_, 5, 0, 1, 2);
    l->addWidget(endSpotsButton, 6, 0, 1, 2);
    auto* areasCurve =
        new QLabel(QStringLiteral("Hodnota plochy se zadává v mm^2 na průměr zákresu"), box);
    areasCurve->setWordWrap(true);
    l->addWidget(areasCurve, 7, 0, 1, 2);
    return box;
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
    scan_.picture = std::move(s.picture);
    scan_.overlay = ScanOverlay{};
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
// Proposed spots and groups

QGroupBox* MeasurementWindow::createProposalBox() {
    auto* box = new QGroupBox(QStringLiteral("Navržené skupiny"), this);
    box->setObjectName(QStringLiteral("navrh"));
    box->setFixedWidth(PanelWidth);
    auto* l = new QGridLayout(box);
    proposalTable_ = new QTableWidget(0, 5, box);
    proposalTable_->setObjectName(QStringLiteral("navrhy"));
    proposalTable_->setHorizontalHeaderLabels({QStringLiteral("skup."), QStringLiteral("Typ"),
                                               QStringLiteral("č.sk2"), QStringLiteral("poč"),
                                               QStringLiteral("plocha")});
    proposalTable_->verticalHeader()->hide();
    proposalTable_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    proposalTable_->setMinimumHeight(160);
    connect(proposalTable_, &QTableWidget::itemChanged, this, [this](QTableWidgetItem* item) {
        const std::string text = item->text().trimmed().toStdString();
        if (item->column() == 1) scan_.overlay.proposals.setClass(item->row(), text);
        if (item->column() == 2) scan_.overlay.proposals.setNumber(item->row(), text);
    });
    l->addWidget(proposalTable_, 0, 0, 1, 2);
    const std::pair<const char*, std::pair<const char*, ProposalEdit>> edits[] = {
        {"odebratskvrnu", {"Odebrat skvrnu", ProposalEdit::RemoveSpot}},
        {"odebratskupinu", {"Odebrat skupinu", ProposalEdit::RemoveGroup}},
        {"sloucit", {"Sloučit skupiny", ProposalEdit::MergeGroups}},
        {"rozdelit", {"Rozdělit skupinu", ProposalEdit::SplitGroup}},
        {"presunout", {"Přesunout skvrnu", ProposalEdit::MoveSpot}}};
    int k = 0;
    for (const auto& [name, legendEntry] : edits) {
        auto* b = button(box, name, QString::fromUtf8(legendEntry.first));
        const ProposalEdit u = legendEntry.second;
        connect(b, &QPushButton::clicked, this, [this, u] { onProposalEditClicked(u); });
        l->addWidget(b, 1 + k / 2, k % 2);
        ++k;
    }
    auto* acceptButton = button(box, "prijmout", QStringLiteral("Přijmout vše"),
                                QStringLiteral("Navržené skupiny do tabulky skupin"));
    connect(acceptButton, &QPushButton::clicked, this,
            &MeasurementWindow::onAcceptProposalsClicked);
    l->addWidget(acceptButton, 1 + k / 2, k % 2);
    proposalStatus_ = new QLabel(box);
    proposalStatus_->setObjectName(QStringLiteral("navrhstav"));
    proposalStatus_->setWordWrap(true);
    l->addWidget(proposalStatus_, 5, 0, 1, 2);
    return box;
}

void MeasurementWindow::showProposals() {
    const SpotProposals& n = scan_.overlay.proposals;
    const QSignalBlocker silence(proposalTable_);
    proposalTable_->setRowCount(static_cast<int>(n.groups().size()));
    for (int g = 0; g < static_cast<int>(n.groups().size()); ++g) {
        const ProposedGroup& group = n.groups()[g];
        double area = 0;
        for (int i : group.spots)
            area += n.spots()[i].area();
        const QString cells[] = {QString::number(g + 1), q(group.groupClass), q(group.number),
                                 QString::number(group.spots.size()), q(FormatTenths(area))};
        for (int c = 0; c < 5; ++c) {
            auto* item = new QTableWidgetItem(cells[c]);
            if (c != 1 && c != 2) item->setFlags(item->flags() & ~Qt::ItemIsEditable);
            proposalTable_->setItem(g, c, item);
        }
    }
    proposalBox_->setVisible(!n.empty());
    canvas_->update();
}

void MeasurementWindow::onFindSpotsClicked() {
    if (scan_.picture.isNull()) {
        messages_.showMessage(QStringLiteral("Není otevřen obrázek zákresu"));
        return;
    }
    if (!cal_.calibrated()) {
        messages_.showMessage(NoCalibration);
        return;
    }
    const QImage grey = scan_.picture.convertToFormat(QImage::Format_Grayscale8);
    // The Sun's orientation of the current record; without a date its axis
    // is taken as the drawing's north.
    const Ephemeris e = RecordEphemeris(model_.workingRecord()).value_or(Ephemeris{});
    const SpotFinding finding = FindSpots(GreyView(grey), cal_, e);
    proposalEdit_ = ProposalEdit::NoEdit;
    first_.reset();
    scan_.overlay.proposals = SpotProposals(finding);
    scan_.overlay.pxPerMm = cal_.CalRadiusPx / 125.0;
    if (finding.spots.empty())
        messages_.showMessage(QStringLiteral("Skvrny se v obrázku nepodařilo najít"));
    proposalStatus_->setText(QStringLiteral("Skvrn %1, skupin %2. Doplňte typ a číslo skupin.")
                                 .arg(finding.spots.size())
                                 .arg(finding.groups.size()));
    showProposals();
}

void MeasurementWindow::onProposalEditClicked(ProposalEdit u) {
    proposalEdit_ = u;
    first_.reset();
    static const char* const texts[] = {
        "",
        "Klikněte na skvrnu, která se odebere",
        "Klikněte na skvrnu skupiny, která se odebere",
        "Klikněte na skvrnu první a pak druhé skupiny",
        "Klikněte na skvrnu, která s bližšími skvrnami tvoří novou skupinu",
        "Klikněte na skvrnu a pak na skvrnu skupiny, kam patří (mimo skvrny: nová skupina)"};
    proposalStatus_->setText(QString::fromUtf8(texts[static_cast<int>(u)]));
}

void MeasurementWindow::editProposalAt(PicturePoint p) {
    SpotProposals& n = scan_.overlay.proposals;
    const double reach = std::max(6.0, 1.5 * scan_.overlay.pxPerMm);
    const auto spotIndex = n.spotAt(p, reach);
    const ProposalEdit u = proposalEdit_;
    bool done = false;
    if (u == ProposalEdit::MoveSpot && first_) {
        const auto target = n.groupAt(p, reach);
        done = n.moveSpot(*first_, target ? *target : static_cast<int>(n.groups().size()));
    } else if (!spotIndex) {
        return;
    } else if (u == ProposalEdit::RemoveSpot) {
        done = n.removeSpot(*spotIndex);
    } else if (u == ProposalEdit::RemoveGroup) {
        done = n.removeGroup(*n.groupOf(*spotIndex));
    } else if (u == ProposalEdit::SplitGroup) {
        done = n.splitGroup(*n.groupOf(*spotIndex), *spotIndex);
        if (!done)
            messages_.showMessage(QStringLiteral("Klikněte na jinou než největší skvrnu skupiny"));
    } else if (!first_) {
        first_ = *spotIndex; // merge or move: the first of two clicks
        proposalStatus_->setText(u == ProposalEdit::MergeGroups
                                     ? QStringLiteral("A teď na skvrnu druhé skupiny")
                                     : QStringLiteral("A teď kam patří"));
        return;
    } else {
        done = n.mergeGroups(*n.groupOf(*first_), *n.groupOf(*spotIndex));
    }
    proposalEdit_ = ProposalEdit::NoEdit;
    first_.reset();
    proposalStatus_->setText(done ? QString() : QStringLiteral("Nic se nezměnilo"));
    showProposals();
}

void MeasurementWindow::onAcceptProposalsClicked() {
    const auto proposedDrafts = scan_.overlay.proposals.drafts(cal_);
    if (const auto* message = std::get_if<std::string>(&proposedDrafts)) {
        messages_.showMessage(q(*message));
        return;
    }
    const auto& drafts = std::get<std::vector<GroupDraft>>(proposedDrafts);
    if (const auto message = AddDrafts(GroupDraft_, drafts)) {
        messages_.showMessage(q(*message));
        return;
    }
    // The groups are drafted as if clicked; "Konec zadávání skvrn" stores them.
    scan_.overlay.proposals = SpotProposals();
    proposalEdit_ = ProposalEdit::NoEdit;
    first_.reset();
    showProposals();
    onSpotParametersClicked();
    messages_.showMessage(QStringLiteral("Zapsáno skupin: %1. Do záznamu je uloží tlačítko "
                                         "\"Konec zadávání skvrn\".")
                              .arg(drafts.size()));
}

// ---------------------------------------------------------------------------
// Clicks

void MeasurementWindow::leftClick(PicturePoint p) {
    switch (nextClick_) {
    case Click::Centre:
        setCentre(p);
        return;
    case Click::North:
    case Click::Axis:
        setNorth(p, nextClick_ == Click::Axis);
        return;
    case Click::DailyMotion: {
        static const char* const names[] = {"Pravý   ", "Levý   ", "Střed   ", "Okraj   "};
        const QString text = QString::fromUtf8(names[dailyMotion_.size()]) +
                             QStringLiteral("%1   %2").arg(p.x).arg(p.y);
        groupStatus_->setText(text);
        faculaeStatus_->setText(text);
        dailyMotion_.push_back(p);
        if (dailyMotion_.size() < 4) return;
        const auto& d = dailyMotion_;
        setCentre(d[2]);
        onSpotParametersClicked();
        setNorth(DailyMotionNorth(d[0], d[1], d[2], d[3]), false);
        return;
    }
    case Click::None:
        break;
    }

    if (proposalEdit_ != ProposalEdit::NoEdit && !scan_.overlay.proposals.empty()) {
        editProposalAt(p);
        return;
    }

    const int column = manualGroupTable_->currentColumn();
    int target = 0;
    if (column == ColAngle || column == ColDistance) target = 1;
    if (column == ColAngle1 || column == ColDistance1) target = 2;
    if (column == ColAngle2 || column == ColDistance2) target = 3;
    if (!groupBox_->isHidden() && target != 0) {
        if (!cal_.calibrated()) {
            messages_.showMessage(NoCalibration);
            return;
        }
        const PolarPosition s = SpotPosition(cal_, p);
        if (s.distance > 125) {
            messages_.showMessage(
                QStringLiteral("Vzdálenost skvrny přesahuje poloměr zákresu, změnit"));
            return;
        }
        const int angle = target == 1 ? ColAngle : target == 2 ? ColAngle1 : ColAngle2;
        manualGroupTable_->item(0, angle)->setText(q(FormatTenths(s.angle)));
        manualGroupTable_->item(0, angle + 1)->setText(q(FormatTenths(s.distance)));
        spotPoint_ = p;
        areaTarget_ = target;
        measureAreaButton_->setEnabled(true);
        scan_.overlay.spots.push_back(p);
        canvas_->update();
        return;
    }

    if (!FacEntryActive_ || FacPointCount_ >= 7 || !cal_.calibrated()) return;
    const VertexPosition v = FaculaeVertex(cal_, p);
    const double radius =
        drawingRadius(model_.session()) > 0 ? drawingRadius(model_.session()) : 125;
    if (v.distance >= radius) {
        messages_.showMessage(QStringLiteral("Pozice přesahuje poloměr zákresu, změnit"));
        return;
    }
    FacPoints_[FacField_ - 1][FacPointCount_ - 1] = p;
    const int r = FacPointCount_ - 1;
    vertexTable_->setItem(r, 0, new QTableWidgetItem(QString::number(FacPointCount_)));
    vertexTable_->setItem(r, 1, new QTableWidgetItem(q(FormatNumber(v.angle, "#0.0"))));
    vertexTable_->setItem(r, 2, new QTableWidgetItem(q(FormatNumber(v.distance, "#0.0"))));
    pointNumberLabel_->setText(QStringLiteral("%1  č.bodu").arg(FacPointCount_));
    auto& pole = scan_.overlay.fields.back();
    if (FacPointCount_ == 1) pole.clear();
    pole.push_back(p);
    ++FacPointCount_;
    if (FacPointCount_ == 7) pointNumberLabel_->setText(QStringLiteral("Max. 6 bodů"));
    canvas_->update();
}

void MeasurementWindow::rightClick(PicturePoint p) {
    if (faculaeBox_->isHidden()) return;
    if (faculaeFieldSpin_->value() < 1) {
        messages_.showMessage(QStringLiteral("Číslo fakule nula"));
        return;
    }
    if (!cal_.calibrated()) {
        messages_.showMessage(NoCalibration);
        return;
    }
    FacField_ = faculaeFieldSpin_->value();
    FacEntryActive_ = true;
    FacPointCount_ = 1;
    FacPoints_[FacField_ - 1] = {};
    FacPoints_[FacField_ - 1][0] = p;
    vertexTable_->clearContents();
    const VertexPosition v = FaculaeVertex(cal_, p);
    vertexTable_->setItem(0, 0, new QTableWidgetItem(QStringLiteral("1")));
    vertexTable_->setItem(0, 1, new QTableWidgetItem(q(FormatNumber(v.angle, "#0.0"))));
    vertexTable_->setItem(0, 2, new QTableWidgetItem(q(FormatNumber(v.distance, "#0.0"))));
    pointNumberLabel_->clear();
    scan_.overlay.fields.push_back({p});
    canvas_->update();
}

// ---------------------------------------------------------------------------
// Faculae and groups into the record

void MeasurementWindow::onFaculaeFieldChanged(int pole) {
    if (pole > MaxFacFields) {
        messages_.showMessage(QStringLiteral("Počet fakulí jen 40 !"));
        faculaeFieldSpin_->setValue(MaxFacFields);
    }
}

void MeasurementWindow::onEndClicked() {
    // Field number 0 would take the fields of the record away.
    if (faculaeFieldSpin_->value() < 1) {
        messages_.showMessage(QStringLiteral("Číslo fakule nula"));
        return;
    }
    if (!cal_.calibrated()) {
        messages_.showMessage(NoCalibration);
        return;
    }
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

void installMeasurement(MainWindow& mainWindow) {
    mainWindow.connectCommand(QStringLiteral("zfota"), [&mainWindow] {
        QMdiArea* area = mainWindow.area();
        for (QMdiSubWindow* sub : area->subWindowList())
            if (qobject_cast<MeasurementWindow*>(sub->widget())) {
                area->setActiveSubWindow(sub);
                return;
            }
        auto* w = new MeasurementWindow(mainWindow.model(), mainWindow.messages());
        w->showStatus = [&mainWindow](const QString& text) { mainWindow.showStatus(text); };
        QMdiSubWindow* sub = area->addSubWindow(w);
        sub->setObjectName(QStringLiteral("Form11"));
        sub->setAttribute(Qt::WA_DeleteOnClose);
        sub->setGeometry(area->viewport()->rect());
        sub->show();
        w->setFocus();
    });
}

} // namespace hk
