#include "ui/measure/area_measurement_window.h"

#include <QApplication>
#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>
#include <QToolButton>

#include "measure/area_mask.h"
#include "render/scan_view.h"
#include "text/number_format.h"
#include "ui/frame/messages.h"
#include "ui/frame/picture_canvas.h"

namespace hk {

namespace {
constexpr QPoint CropOrigin(10, 40);
constexpr int CropShownHeight = 780; // (10, 40)-(810, 820)
const QColor Red(255, 0, 0);
constexpr int PenWidth = 6;
} // namespace

AreaMeasurementWindow::AreaMeasurementWindow(const QImage& crop, int calRadiusPx,
                                             Messages& messages, std::function<void(double)> done,
                                             QWidget* parent)
    : QWidget(parent, Qt::Window), crop_(crop),
      mask_(MaskSide, MaskSide, QImage::Format_Grayscale8),
      layer_(MaskSide, MaskSide, QImage::Format_ARGB32_Premultiplied), calRadiusPx_(calRadiusPx),
      messages_(messages), done_(std::move(done)), valueLabel_(new QLabel(this)),
      fillDoneButton_(new QPushButton(QStringLiteral("Ukončit vyplnění"), this)),
      runningAreaButton_(new QPushButton(QStringLiteral("Průběžné"), this)),
      horizontalScroll_(new QScrollBar(Qt::Horizontal, this)),
      verticalScroll_(new QScrollBar(Qt::Vertical, this)), canvas_(new PictureCanvas(this)) {
    setObjectName(QStringLiteral("Form12"));
    setWindowTitle(QStringLiteral("Okno pro měření plochy skupiny "));
    setAttribute(Qt::WA_DeleteOnClose);
    mask_.fill(255);
    layer_.fill(Qt::transparent);

    fillDoneButton_->setObjectName(QStringLiteral("Button1"));
    runningAreaButton_->setObjectName(QStringLiteral("Button2"));
    runningAreaButton_->setToolTip(QStringLiteral("Průběžná plocha "));
    auto* helpButton = new QToolButton(this);
    helpButton->setObjectName(QStringLiteral("SpeedButton1"));
    helpButton->setText(QStringLiteral("?"));
    auto* legendEntry = new QLabel(QStringLiteral("Hodnoty v mm^2 "), this);
    valueLabel_->setObjectName(QStringLiteral("Label1"));
    valueLabel_->setMinimumWidth(70);

    auto* strength = new QGroupBox(QStringLiteral("Síla čary"), this);
    strength->setObjectName(QStringLiteral("RadioGroup1"));
    auto* strengthLayout = new QHBoxLayout(strength);
    strengthLayout->setContentsMargins(4, 0, 4, 0);
    auto* group = new QButtonGroup(this);
    for (int s : {4, 8, 12, 16}) {
        auto* b = new QRadioButton(QString::number(s), strength);
        b->setObjectName(QStringLiteral("sila%1").arg(s));
        b->setChecked(s == 4);
        group->addButton(b, s);
        strengthLayout->addWidget(b);
    }
    connect(group, &QButtonGroup::idClicked, this, [this](int s) { brush_ = s; });

    auto* upper = new QWidget(this);
    auto* l = new QHBoxLayout(upper);
    l->setContentsMargins(10, 2, 10, 2);
    for (QWidget* w : std::initializer_list<QWidget*>{
             fillDoneButton_, runningAreaButton_, helpButton, legendEntry, valueLabel_, strength})
        l->addWidget(w);
    l->addStretch(1);
    upper->setGeometry(0, 0, 880, 38);

    horizontalScroll_->setObjectName(QStringLiteral("ScrollBar1"));
    verticalScroll_->setObjectName(QStringLiteral("ScrollBar2"));
    for (QScrollBar* sb : {horizontalScroll_, verticalScroll_}) {
        sb->setRange(-200, 200);
        sb->setValue(0);
        connect(sb, &QScrollBar::valueChanged, canvas_, qOverload<>(&QWidget::update));
    }
    // The crop and the red painting over it, moved by the scroll bars; the
    // right mouse button paints.
    canvas_->setGeometry(QRect(CropOrigin, QSize(MaskSide, CropShownHeight)));
    canvas_->setPainter([this](QPainter& p, const QRect& target) {
        p.fillRect(target, palette().window());
        const QRect r = image().translated(target.topLeft());
        p.drawImage(r, crop_);
        p.drawImage(QRect(r.topLeft(), QSize(MaskSide, MaskSide)), layer_);
    });
    canvas_->onPress([this](QMouseEvent& e) { pressed(e); });
    canvas_->onMove([this](QMouseEvent& e) {
        if (state_ == Painting) paintSquare(e.position().toPoint(), brush_);
    });
    canvas_->onRelease([this](QMouseEvent&) {
        if (state_ == Painting) state_ = Ready;
    });
    horizontalScroll_->setGeometry(10, 826, 800, 16);
    verticalScroll_->setGeometry(816, 40, 16, 780);
    setFixedSize(840, 850);

    connect(fillDoneButton_, &QPushButton::clicked, this,
            &AreaMeasurementWindow::onFillDoneClicked);
    connect(runningAreaButton_, &QPushButton::clicked, this,
            &AreaMeasurementWindow::onRunningAreaClicked);
    connect(helpButton, &QToolButton::clicked, this, &AreaMeasurementWindow::onHelpClicked);
}

void AreaMeasurementWindow::place(const QRect& mainWindow) {
    QPoint p(mainWindow.center().x() - 400 - width() / 2, mainWindow.top() + 60);
    if (const QScreen* s = screen()) {
        const QRect a = s->availableGeometry();
        p.setX(std::clamp(p.x(), a.left(), std::max(a.left(), a.right() - width())));
        p.setY(std::clamp(p.y(), a.top(), std::max(a.top(), a.bottom() - height())));
    }
    move(p);
}

QRect AreaMeasurementWindow::image() const {
    return {QPoint(horizontalScroll_->value(), verticalScroll_->value()),
            QSize(MaskSide, CropShownHeight)};
}

double AreaMeasurementWindow::area() const {
    const QImage& m = mask_;
    return MaskArea(CountPainted(GreyView(m)), calRadiusPx_);
}

// A painted square at the pointer: on the shown layer and on the mask.
void AreaMeasurementWindow::paintSquare(const QPoint& point, int size) {
    const QPoint m = point - image().topLeft();
    const QRect r(m, QSize(size, size));
    {
        QPainter p(&layer_);
        p.setPen(QPen(Red, PenWidth));
        p.setBrush(Red);
        p.drawRect(r);
    }
    {
        QPainter p(&mask_);
        p.setPen(QPen(Qt::black, PenWidth));
        p.setBrush(Qt::black);
        p.drawRect(r);
    }
    canvas_->update();
}

void AreaMeasurementWindow::pressed(const QMouseEvent& event) {
    if (event.button() != Qt::RightButton || state_ != Ready) return;
    state_ = Painting;
    horizontalScroll_->setEnabled(false);
    verticalScroll_->setEnabled(false);
    paintSquare(event.position().toPoint(), 4);
}

void AreaMeasurementWindow::onRunningAreaClicked() {
    if (state_ != Ready) return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    valueLabel_->setText(QString::fromStdString(FormatNumber(area(), "0.00")));
    QApplication::restoreOverrideCursor();
}

void AreaMeasurementWindow::onFillDoneClicked() {
    if (state_ != Ready) return;
    const double a = area();
    state_ = Done;
    horizontalScroll_->setEnabled(true);
    verticalScroll_->setEnabled(true);
    if (done_) done_(a);
    close();
}

void AreaMeasurementWindow::onHelpClicked() {
    messages_.showMessage(QStringLiteral(
        "Klik pravým tlačítkem myši, držet táhnout - vybarvit plochu včetně penumbry."));
}

} // namespace hk
