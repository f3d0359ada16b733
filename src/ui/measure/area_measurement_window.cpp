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

namespace hk {

namespace {
constexpr QPoint CropOrigin(10, 40);
constexpr int CropShownHeight = 780; // (10, 40)-(810, 820)
const QColor Red(255, 0, 0);
constexpr int PenWidth = 6;
} // namespace

AreaMeasurementWindow::AreaMeasurementWindow(const QImage& crop, int calRadiusPx, Messages& zpravy,
                                             std::function<void(double)> hotovo, QWidget* parent)
    : QWidget(parent, Qt::Window), crop_(crop),
      maska_(MaskSide, MaskSide, QImage::Format_Grayscale8),
      vrstva_(MaskSide, MaskSide, QImage::Format_ARGB32_Premultiplied), calRadiusPx_(calRadiusPx),
      zpravy_(zpravy), hotovo_(std::move(hotovo)), hodnota_(new QLabel(this)),
      Button1_(new QPushButton(QStringLiteral("Ukončit vyplnění"), this)),
      Button2_(new QPushButton(QStringLiteral("Průběžné"), this)),
      ScrollBar1_(new QScrollBar(Qt::Horizontal, this)),
      ScrollBar2_(new QScrollBar(Qt::Vertical, this)) {
    setObjectName(QStringLiteral("Form12"));
    setWindowTitle(QStringLiteral("Okno pro měření plochy skupiny "));
    setAttribute(Qt::WA_DeleteOnClose);
    maska_.fill(255);
    vrstva_.fill(Qt::transparent);

    Button1_->setObjectName(QStringLiteral("Button1"));
    Button2_->setObjectName(QStringLiteral("Button2"));
    Button2_->setToolTip(QStringLiteral("Průběžná plocha "));
    auto* otaznik = new QToolButton(this);
    otaznik->setObjectName(QStringLiteral("SpeedButton1"));
    otaznik->setText(QStringLiteral("?"));
    auto* popis = new QLabel(QStringLiteral("Hodnoty v mm^2 "), this);
    hodnota_->setObjectName(QStringLiteral("Label1"));
    hodnota_->setMinimumWidth(70);

    auto* sila = new QGroupBox(QStringLiteral("Síla čary"), this);
    sila->setObjectName(QStringLiteral("RadioGroup1"));
    auto* silaLayout = new QHBoxLayout(sila);
    silaLayout->setContentsMargins(4, 0, 4, 0);
    auto* skupina = new QButtonGroup(this);
    for (int s : {4, 8, 12, 16}) {
        auto* b = new QRadioButton(QString::number(s), sila);
        b->setObjectName(QStringLiteral("sila%1").arg(s));
        b->setChecked(s == 4);
        skupina->addButton(b, s);
        silaLayout->addWidget(b);
    }
    connect(skupina, &QButtonGroup::idClicked, this, [this](int s) { stetec_ = s; });

    auto* horni = new QWidget(this);
    auto* l = new QHBoxLayout(horni);
    l->setContentsMargins(10, 2, 10, 2);
    for (QWidget* w :
         std::initializer_list<QWidget*>{Button1_, Button2_, otaznik, popis, hodnota_, sila})
        l->addWidget(w);
    l->addStretch(1);
    horni->setGeometry(0, 0, 880, 38);

    ScrollBar1_->setObjectName(QStringLiteral("ScrollBar1"));
    ScrollBar2_->setObjectName(QStringLiteral("ScrollBar2"));
    for (QScrollBar* sb : {ScrollBar1_, ScrollBar2_}) {
        sb->setRange(-200, 200);
        sb->setValue(0);
        connect(sb, &QScrollBar::valueChanged, this, qOverload<>(&QWidget::update));
    }
    ScrollBar1_->setGeometry(10, 826, 800, 16);
    ScrollBar2_->setGeometry(816, 40, 16, 780);
    setFixedSize(840, 850);

    connect(Button1_, &QPushButton::clicked, this, &AreaMeasurementWindow::Button1Click);
    connect(Button2_, &QPushButton::clicked, this, &AreaMeasurementWindow::Button2Click);
    connect(otaznik, &QToolButton::clicked, this, &AreaMeasurementWindow::SpeedButton1Click);
}

void AreaMeasurementWindow::umistit(const QRect& hlavni) {
    QPoint p(hlavni.center().x() - 400 - width() / 2, hlavni.top() + 60);
    if (const QScreen* s = screen()) {
        const QRect a = s->availableGeometry();
        p.setX(std::clamp(p.x(), a.left(), std::max(a.left(), a.right() - width())));
        p.setY(std::clamp(p.y(), a.top(), std::max(a.top(), a.bottom() - height())));
    }
    move(p);
}

QRect AreaMeasurementWindow::obraz() const {
    return {CropOrigin + QPoint(ScrollBar1_->value(), ScrollBar2_->value()),
            QSize(MaskSide, CropShownHeight)};
}

double AreaMeasurementWindow::plocha() const {
    const QImage& m = maska_;
    return MaskArea(CountPainted(GreyView(m)), calRadiusPx_);
}

void AreaMeasurementWindow::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setClipRect(QRect(CropOrigin, QSize(MaskSide, CropShownHeight)));
    const QRect r = obraz();
    p.drawImage(r, crop_);
    p.drawImage(QRect(r.topLeft(), QSize(MaskSide, MaskSide)), vrstva_);
}

// A painted square at the pointer: on the shown layer and on the mask.
void AreaMeasurementWindow::ctverec(const QPoint& bod, int velikost) {
    const QPoint m = bod - obraz().topLeft();
    const QRect r(m, QSize(velikost, velikost));
    {
        QPainter p(&vrstva_);
        p.setPen(QPen(Red, PenWidth));
        p.setBrush(Red);
        p.drawRect(r);
    }
    {
        QPainter p(&maska_);
        p.setPen(QPen(Qt::black, PenWidth));
        p.setBrush(Qt::black);
        p.drawRect(r);
    }
    update();
}

void AreaMeasurementWindow::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::RightButton || stav_ != Pripraveno) return;
    stav_ = Maluje;
    ScrollBar1_->setEnabled(false);
    ScrollBar2_->setEnabled(false);
    ctverec(event->position().toPoint(), 4);
}

void AreaMeasurementWindow::mouseMoveEvent(QMouseEvent* event) {
    if (stav_ == Maluje) ctverec(event->position().toPoint(), stetec_);
}

void AreaMeasurementWindow::mouseReleaseEvent(QMouseEvent*) {
    if (stav_ == Maluje) stav_ = Pripraveno;
}

void AreaMeasurementWindow::Button2Click() {
    if (stav_ != Pripraveno) return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    hodnota_->setText(QString::fromStdString(FormatNumber(plocha(), "0.00")));
    QApplication::restoreOverrideCursor();
}

void AreaMeasurementWindow::Button1Click() {
    if (stav_ != Pripraveno) return;
    const double a = plocha();
    stav_ = Hotovo;
    ScrollBar1_->setEnabled(true);
    ScrollBar2_->setEnabled(true);
    if (hotovo_) hotovo_(a);
    close();
}

void AreaMeasurementWindow::SpeedButton1Click() {
    zpravy_.Zprava(QStringLiteral(
        "Klik pravým tlačítkem myši, držet táhnout - vybarvit plochu včetně penumbry."));
}

} // namespace hk
