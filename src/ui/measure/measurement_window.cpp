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
#include <QSlider>
#include <QSpinBox>
#include <QTableWidget>
#include <QToolButton>
#include <QVBoxLayout>
#include <cmath>
#include <variant>

#include "measure/disk_finder.h"
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

const QString NeniKalibrace = QStringLiteral("Není zadán střed a sever zákresu");
const QString UzZadano =
    QStringLiteral(" Není nutné zadávání středu a sevsru . Hodnoty jsou již zadány.");

double polomerKresby(const Session& s) {
    return s.PolomerKresby();
}

// The picture area of the window: paints the scan and passes the mouse on.
class Platno : public QWidget {
  public:
    explicit Platno(MeasurementWindow& okno) : QWidget(&okno), okno_(okno) {
        setObjectName(QStringLiteral("Image1"));
        setMouseTracking(true);
        setAttribute(Qt::WA_OpaquePaintEvent);
        setMinimumSize(200, 200);
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        PaintScan(p, rect(), okno_.scan(), okno_.volby());
    }
    void mousePressEvent(QMouseEvent* e) override {
        const PicturePoint pt = WindowToPicture(e->position().toPoint(), okno_.volby());
        if (e->button() == Qt::LeftButton) okno_.levyKlik(pt);
        if (e->button() == Qt::RightButton) okno_.pravyKlik(pt);
    }
    void mouseMoveEvent(QMouseEvent* e) override {
        okno_.pohyb(WindowToPicture(e->position().toPoint(), okno_.volby()));
    }
    void resizeEvent(QResizeEvent*) override { okno_.rozsahPosuvniku(); }

  private:
    MeasurementWindow& okno_;
};

QPushButton* tlacitko(QWidget* rodic, const char* jmeno, const QString& text,
                      const QString& hint = {}) {
    auto* b = new QPushButton(text, rodic);
    b->setObjectName(QString::fromLatin1(jmeno));
    if (!hint.isEmpty()) b->setToolTip(hint);
    return b;
}

} // namespace

MeasurementWindow::MeasurementWindow(SessionModel& model, Messages& zpravy, QWidget* parent)
    : QWidget(parent), model_(model), zpravy_(zpravy) {
    setObjectName(QStringLiteral("MeasurementWindow"));
    setWindowTitle(QStringLiteral("Měření fakulí"));
    setFocusPolicy(Qt::StrongFocus);
    vybratObrazek = [this] {
        return QFileDialog::getOpenFileName(this, QStringLiteral("Otevřít"), QString(),
                                            QStringLiteral("Obrázky (*.bmp *.jpg *.jpeg *.png)"));
    };
    vytvorOvladani();
}

MeasurementWindow::~MeasurementWindow() {
    delete lupa_;
    delete mereniP_;
}

void MeasurementWindow::vytvorOvladani() {
    auto* horni = new QHBoxLayout;
    horni->setSpacing(3);
    auto* Otevrit = tlacitko(this, "Otevrit", QStringLiteral("Otevřít"),
                             QStringLiteral("Vybrat obrázek zákresu "));
    auto* vet = tlacitko(this, "vet", QStringLiteral("+"));
    auto* men = tlacitko(this, "men", QStringLiteral("-"));
    for (QPushButton* b : {vet, men})
        b->setFixedWidth(28);
    connect(Otevrit, &QPushButton::clicked, this, &MeasurementWindow::OtevritClick);
    connect(vet, &QPushButton::clicked, this, &MeasurementWindow::vetClick);
    connect(men, &QPushButton::clicked, this, &MeasurementWindow::menClick);

    auto posuvnik = [this](const char* jmeno, int min, int max, int hodnota) {
        auto* s = new QSlider(Qt::Horizontal, this);
        s->setObjectName(QString::fromLatin1(jmeno));
        s->setRange(min, max);
        s->setValue(hodnota);
        s->setFixedWidth(110);
        return s;
    };
    auto* jas = posuvnik("jas", JasMin, JasMax, 0);
    auto* kont = posuvnik("kont", KontMin, KontMax, KontNeutral);
    jasLabel_ = new QLabel(QStringLiteral("Jas 0"), this);
    kontLabel_ = new QLabel(QStringLiteral("Kontr. %1").arg(KontNeutral), this);
    jasLabel_->setMinimumWidth(55);
    kontLabel_->setMinimumWidth(70);
    connect(jas, &QSlider::valueChanged, this, &MeasurementWindow::jasChange);
    connect(kont, &QSlider::valueChanged, this, &MeasurementWindow::kontChange);

    auto* param = tlacitko(this, "param", QStringLiteral("Param- Fakule"));
    auto* paramskvr = tlacitko(this, "paramskvr", QStringLiteral("Param skvrny"));
    auto* Horizont = tlacitko(this, "Horizont", QStringLiteral("Horizontálně"));
    auto* vertikal = tlacitko(this, "vertikal", QStringLiteral("Vertikálně"));
    auto* najit = tlacitko(this, "najitdisk", QStringLiteral("Najít disk"),
                           QStringLiteral("Navrhne střed a poloměr disku nalezeného v obrázku"));
    zobraz_ = tlacitko(this, "zobraz", QStringLiteral("Zobrazit výběr"));
    lupe_ = new QToolButton(this);
    lupe_->setObjectName(QStringLiteral("lupe"));
    lupe_->setText(QStringLiteral("Lupa"));
    lupe_->setCheckable(true);
    auto* zavrit = new QToolButton(this);
    zavrit->setObjectName(QStringLiteral("SpeedButton1"));
    zavrit->setText(QStringLiteral("X"));
    zavrit->setToolTip(QStringLiteral("Zavřít"));
    connect(param, &QPushButton::clicked, this, &MeasurementWindow::paramClick);
    connect(paramskvr, &QPushButton::clicked, this, &MeasurementWindow::paramskvrClick);
    connect(Horizont, &QPushButton::clicked, this, &MeasurementWindow::HorizontClick);
    connect(vertikal, &QPushButton::clicked, this, &MeasurementWindow::vertikalClick);
    connect(najit, &QPushButton::clicked, this, &MeasurementWindow::najitDiskClick);
    connect(zobraz_, &QPushButton::clicked, this, &MeasurementWindow::zobrazClick);
    connect(lupe_, &QToolButton::clicked, this, &MeasurementWindow::lupeClick);
    connect(zavrit, &QToolButton::clicked, this, [this] {
        // In the work area the sub-window closes, and with it this window.
        if (auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget()))
            sub->close();
        else
            close();
    });

    poloha_ = new QLabel(this);
    poloha_->setObjectName(QStringLiteral("poloha"));
    poloha_->setMinimumWidth(110);
    for (QWidget* w : std::initializer_list<QWidget*>{Otevrit, vet, men, jasLabel_, jas, kontLabel_,
                                                      kont, param, paramskvr, Horizont, vertikal,
                                                      lupe_, zobraz_, najit, poloha_})
        horni->addWidget(w);
    horni->addStretch(1);
    horni->addWidget(zavrit);

    platno_ = new Platno(*this);
    hory_ = new QScrollBar(Qt::Horizontal, this);
    very_ = new QScrollBar(Qt::Vertical, this);
    hory_->setObjectName(QStringLiteral("hory"));
    very_->setObjectName(QStringLiteral("very"));
    connect(hory_, &QScrollBar::valueChanged, this, [this](int v) {
        volby_.scroll.setX(v);
        platno_->update();
    });
    connect(very_, &QScrollBar::valueChanged, this, [this](int v) {
        volby_.scroll.setY(v);
        platno_->update();
    });

    fakule_ = vytvorFakule();
    skupiny_ = vytvorSkupiny();
    skupiny_->hide();
    auto* panel = new QVBoxLayout;
    panel->addWidget(fakule_);
    panel->addWidget(skupiny_);
    panel->addStretch(1);

    jinak_ = new QTableWidget(1, GroupColumnCount, this);
    jinak_->setObjectName(QStringLiteral("jinak"));
    QStringList popisky;
    for (const char* c : GroupColumnCaptions)
        popisky << QString::fromUtf8(c);
    jinak_->setHorizontalHeaderLabels(popisky);
    jinak_->setVerticalHeaderLabels({QStringLiteral("1")});
    jinak_->setStyleSheet(
        QStringLiteral("QHeaderView::section { background-color: rgb(%1,%2,%3); }")
            .arg(FixedCells.red())
            .arg(FixedCells.green())
            .arg(FixedCells.blue()));
    jinak_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    jinak_->setFixedHeight(jinak_->horizontalHeader()->sizeHint().height() +
                           jinak_->verticalHeader()->defaultSectionSize() + 6);
    jinak_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    jinak_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    for (int c = 0; c < GroupColumnCount; ++c)
        jinak_->setItem(0, c, new QTableWidgetItem);
    connect(jinak_, &QTableWidget::itemChanged, this,
            [this] { zapskvrnu_->setText(QStringLiteral("Zapiš skupinu")); });

    auto* mrizka = new QGridLayout(this);
    mrizka->setContentsMargins(4, 4, 4, 4);
    mrizka->setSpacing(2);
    mrizka->addLayout(horni, 0, 0, 1, 3);
    mrizka->addWidget(platno_, 1, 0);
    mrizka->addWidget(very_, 1, 1);
    mrizka->addWidget(hory_, 2, 0);
    mrizka->addLayout(panel, 1, 2, 2, 1);
    mrizka->addWidget(jinak_, 3, 0, 1, 3);
    mrizka->setColumnStretch(0, 1);
    mrizka->setRowStretch(1, 1);
    rozsahPosuvniku();
}

QGroupBox* MeasurementWindow::vytvorFakule() {
    auto* box = new QGroupBox(QStringLiteral("Zadávání fakulí"), this);
    box->setObjectName(QStringLiteral("GroupBox1"));
    box->setFixedWidth(PanelWidth);
    auto* l = new QGridLayout(box);
    auto* stredovv =
        tlacitko(box, "stredovv", QStringLiteral("Střed"), QStringLiteral("Určení středu"));
    auto* severr =
        tlacitko(box, "severr", QStringLiteral("Sever"), QStringLiteral("Určení severu "));
    auto* dennipf = tlacitko(box, "dennipf", QStringLiteral("Osa Slunce"),
                             QStringLiteral(" Určení osy Slunce místo určení severu. "));
    connect(stredovv, &QPushButton::clicked, this, &MeasurementWindow::stredClick);
    connect(severr, &QPushButton::clicked, this, [this] { severClick(false); });
    connect(dennipf, &QPushButton::clicked, this, [this] { severClick(true); });
    l->addWidget(stredovv, 0, 0);
    l->addWidget(severr, 0, 1);
    l->addWidget(dennipf, 0, 2);
    fakStav_ = new QLabel(box);
    fakStav_->setObjectName(QStringLiteral("fakstav"));
    fakStav_->setWordWrap(true);
    l->addWidget(fakStav_, 1, 0, 1, 3);
    l->addWidget(new QLabel(QStringLiteral("Číslo fakule"), box), 2, 0, 1, 2);
    SpinEdit1_ = new QSpinBox(box);
    SpinEdit1_->setObjectName(QStringLiteral("SpinEdit1"));
    SpinEdit1_->setRange(0, MaxFacFields + 1);
    connect(SpinEdit1_, &QSpinBox::valueChanged, this, &MeasurementWindow::SpinEdit1Change);
    l->addWidget(SpinEdit1_, 2, 2);
    tabxy_ = new QTableWidget(FakuleVertices, 3, box);
    tabxy_->setObjectName(QStringLiteral("tabxy"));
    tabxy_->setHorizontalHeaderLabels(
        {QStringLiteral("bod"), QStringLiteral("úhel"), QStringLiteral("vzd.")});
    tabxy_->verticalHeader()->hide();
    tabxy_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    tabxy_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tabxy_->setFixedHeight(tabxy_->horizontalHeader()->sizeHint().height() +
                           FakuleVertices * tabxy_->verticalHeader()->defaultSectionSize() + 4);
    l->addWidget(tabxy_, 3, 0, 1, 3);
    cisloBodu_ = new QLabel(box);
    cisloBodu_->setObjectName(QStringLiteral("cislobodu"));
    l->addWidget(cisloBodu_, 4, 0, 1, 3);
    auto* konec = tlacitko(box, "konec", QStringLiteral("Konec zadání fakulí"));
    connect(konec, &QPushButton::clicked, this, &MeasurementWindow::konecClick);
    auto* otaznik = new QToolButton(box);
    otaznik->setObjectName(QStringLiteral("SpeedButton2"));
    otaznik->setText(QStringLiteral("?"));
    connect(otaznik, &QToolButton::clicked, this, &MeasurementWindow::SpeedButton2Click);
    l->addWidget(konec, 5, 0, 1, 2);
    l->addWidget(otaznik, 5, 2);
    return box;
}

QGroupBox* MeasurementWindow::vytvorSkupiny() {
    auto* box = new QGroupBox(QStringLiteral("Měření skupin"), this);
    box->setObjectName(QStringLiteral("GroupBox2"));
    box->setFixedWidth(PanelWidth);
    auto* l = new QGridLayout(box);
    auto* stredsk =
        tlacitko(box, "stredsk", QStringLiteral("Střed"), QStringLiteral("Určení středu"));
    auto* seversk =
        tlacitko(box, "seversk", QStringLiteral("Sever"), QStringLiteral("Určení severu "));
    auto* Dennip = tlacitko(box, "Dennip", QStringLiteral("Osa Slunce"),
                            QStringLiteral(" Určení osy Slunce místo určení severu. "));
    auto* proupravu = tlacitko(box, "proupravu", QStringLiteral("D. pohyb"),
                               QStringLiteral("Úprava když je znám v zákresu jen denní pohyb "));
    connect(stredsk, &QPushButton::clicked, this, &MeasurementWindow::stredClick);
    connect(seversk, &QPushButton::clicked, this, [this] { severClick(false); });
    connect(Dennip, &QPushButton::clicked, this, [this] { severClick(true); });
    connect(proupravu, &QPushButton::clicked, this, &MeasurementWindow::proupravuClick);
    l->addWidget(stredsk, 0, 0);
    l->addWidget(seversk, 0, 1);
    l->addWidget(Dennip, 1, 0);
    l->addWidget(proupravu, 1, 1);
    skStav_ = new QLabel(box);
    skStav_->setObjectName(QStringLiteral("skstav"));
    skStav_->setWordWrap(true);
    l->addWidget(skStav_, 2, 0, 1, 2);
    l->addWidget(new QLabel(QStringLiteral("Pořadové číslo skup.."), box), 3, 0);
    poradi_ = new QSpinBox(box);
    poradi_->setObjectName(QStringLiteral("SpinEdit2"));
    poradi_->setRange(1, MaxGroupOrder + 1);
    connect(poradi_, &QSpinBox::valueChanged, this, &MeasurementWindow::poradiChange);
    l->addWidget(poradi_, 3, 1);
    zapskvrnu_ = tlacitko(box, "zapskvrnu", QStringLiteral("Zapiš skupinu"));
    merplochy_ = tlacitko(box, "merplochy", QStringLiteral("Měřeni plochy skupiny"));
    auto* konskvr = tlacitko(box, "konskvr", QStringLiteral("Konec zadávání skvrn"));
    connect(zapskvrnu_, &QPushButton::clicked, this, &MeasurementWindow::zapskvrnuClick);
    connect(merplochy_, &QPushButton::clicked, this, &MeasurementWindow::merplochyClick);
    connect(konskvr, &QPushButton::clicked, this, &MeasurementWindow::konskvrClick);
    l->addWidget(zapskvrnu_, 4, 0, 1, 2);
    l->addWidget(merplochy_, 5, 0, 1, 2);
    l->addWidget(konskvr, 6, 0, 1, 2);
    auto* plochy =
        new QLabel(QStringLiteral("Hodnota plochy se zadává v mm^2 na průměr zákresu"), box);
    plochy->setWordWrap(true);
    l->addWidget(plochy, 7, 0, 1, 2);
    return box;
}

// ---------------------------------------------------------------------------
// Picture

void MeasurementWindow::OtevritClick() {
    const QString soubor = vybratObrazek ? vybratObrazek() : QString();
    if (!soubor.isEmpty()) otevrit(soubor);
}

bool MeasurementWindow::otevrit(const QString& soubor) {
    LoadedScan s = LoadScan(soubor);
    if (s.picture.isNull()) {
        zpravy_.Zprava(s.message);
        return false;
    }
    if (!s.message.isEmpty()) zpravy_.Zprava(s.message);
    scan_.picture = std::move(s.picture);
    scan_.overlay = ScanOverlay{};
    cal_ = Calibration{};
    stred_.reset();
    klik_ = Klik::Zadny;
    FacEntryActive_ = false;
    volby_.zoom = 0;
    volby_.scroll = {};
    rozsahPosuvniku();
    hory_->setValue(0);
    very_->setValue(0);
    platno_->update();
    return true;
}

void MeasurementWindow::rozsahPosuvniku() {
    const QSize shown = ShownSize(scan_.picture.size(), volby_.zoom);
    hory_->setRange(0, std::max(0, shown.width() - platno_->width()));
    very_->setRange(0, std::max(0, shown.height() - platno_->height()));
    hory_->setPageStep(platno_->width());
    very_->setPageStep(platno_->height());
    volby_.scroll = {hory_->value(), very_->value()};
}

void MeasurementWindow::zobrazeni() {
    platno_->update();
    if (lupa_ && lupa_->isVisible()) lupa_->update();
}

void MeasurementWindow::zoom(int krok) {
    // The picture point in the middle of the view stays there.
    const QPoint uprostred(platno_->width() / 2, platno_->height() / 2);
    const int novy = std::clamp(volby_.zoom + krok, 0, MaxZoomStep);
    const QPoint posun = ScrollKeeping(uprostred, volby_, novy);
    volby_.zoom = novy;
    rozsahPosuvniku();
    hory_->setValue(posun.x());
    very_->setValue(posun.y());
    platno_->update();
}

void MeasurementWindow::vetClick() {
    zoom(1);
}

void MeasurementWindow::menClick() {
    zoom(-1);
}

void MeasurementWindow::jasChange(int jas) {
    jasLabel_->setText(QStringLiteral("Jas %1").arg(jas));
    const int kont = findChild<QSlider*>(QStringLiteral("kont"))->value();
    volby_.lut = MakeDisplayLut(jas, kont);
    zobrazeni();
}

void MeasurementWindow::kontChange(int kont) {
    kontLabel_->setText(QStringLiteral("Kontr. %1").arg(kont));
    const int jas = findChild<QSlider*>(QStringLiteral("jas"))->value();
    volby_.lut = MakeDisplayLut(jas, kont);
    zobrazeni();
}

void MeasurementWindow::HorizontClick() {
    scan_.picture = scan_.picture.mirrored(true, false);
    zobrazeni();
}

void MeasurementWindow::vertikalClick() {
    scan_.picture = scan_.picture.mirrored(false, true);
    zobrazeni();
}

void MeasurementWindow::zobrazClick() {
    scan_.overlay.showSelection = !scan_.overlay.showSelection;
    zobraz_->setText(scan_.overlay.showSelection ? QStringLiteral("Skrýt výběr")
                                                 : QStringLiteral("Zobrazit výběr"));
    platno_->update();
}

void MeasurementWindow::paramClick() {
    skupiny_->hide();
    fakule_->show();
}

void MeasurementWindow::paramskvrClick() {
    fakule_->hide();
    skupiny_->show();
}

// ---------------------------------------------------------------------------
// Magnifier

QImage MeasurementWindow::vyrez(PicturePoint stred, int pul) const {
    QImage out(2 * pul, 2 * pul, QImage::Format_RGB32);
    out.fill(Qt::white);
    if (scan_.picture.isNull()) return out;
    const QRect zdroj(stred.x - pul, stred.y - pul, 2 * pul, 2 * pul);
    const QRect cast = zdroj.intersected(scan_.picture.rect());
    if (cast.isEmpty()) return out;
    QPainter p(&out);
    p.drawImage(cast.topLeft() - zdroj.topLeft(), AdjustedBlock(scan_.picture, cast, volby_.lut));
    return out;
}

void MeasurementWindow::ukazLupu(bool krizek) {
    if (!lupa_) {
        lupa_ = new MagnifierWindow(window());
        lupa_->umistit(QRect(mapToGlobal(QPoint(0, 0)), size()));
    }
    lupa_->setKrizek(krizek);
    lupa_->show();
    lupa_->raise();
}

void MeasurementWindow::lupeClick() {
    if (lupe_->isChecked()) {
        ukazLupu(false);
        lupa_->LoupeHalf = LoupeBrowsing;
    } else if (lupa_) {
        lupa_->hide();
        lupa_->LoupeHalf = LoupeCalibration;
    }
}

void MeasurementWindow::pohyb(PicturePoint p) {
    if (cal_.calibrated()) {
        const PolarPosition pp = PictureToPolar(cal_, p);
        poloha_->setText(q(FormatNumber(pp.angle, "0.0")) + QStringLiteral("°  ") +
                         q(FormatNumber(pp.distance, "0.0")));
    }
    if (lupa_ && lupa_->isVisible()) lupa_->ukaz(vyrez(p, lupa_->LoupeHalf));
}

// ---------------------------------------------------------------------------
// Calibration

QString MeasurementWindow::souradnice(PicturePoint p) const {
    return QStringLiteral("x=%1   y=%2").arg(p.x).arg(p.y);
}

void MeasurementWindow::stredClick() {
    if (cal_.calibrated()) {
        zpravy_.Zprava(UzZadano);
        return;
    }
    klik_ = Klik::Stred;
    fakStav_->setText(QStringLiteral("Vyber polohu středu"));
    skStav_->setText(QStringLiteral("Označ střed"));
    ukazLupu(!lupe_->isChecked());
    lupa_->LoupeHalf = LoupeCalibration;
}

void MeasurementWindow::severClick(bool osa) {
    if (!stred_) {
        stredClick();
        return;
    }
    klik_ = osa ? Klik::Osa : Klik::Sever;
    fakStav_->setText(QStringLiteral("Severní okraj"));
    skStav_->setText(QStringLiteral("Označ sever"));
}

void MeasurementWindow::nastavStred(PicturePoint p) {
    stred_ = p;
    scan_.overlay.centre = p;
    scan_.overlay.north.reset();
    fakStav_->setText(souradnice(p));
    skStav_->setText(souradnice(p));
    klik_ = Klik::Zadny;
    platno_->update();
}

void MeasurementWindow::nastavSever(PicturePoint p, bool osa) {
    klik_ = Klik::Zadny;
    Calibration c;
    if (osa) {
        const auto r = CalibrateByAxis(*stred_, p, model_.aktualniZaznam());
        if (const auto* zprava = std::get_if<std::string>(&r)) {
            zpravy_.Zprava(q(*zprava));
            return;
        }
        c = std::get<Calibration>(r);
    } else {
        c = Calibrate(*stred_, p);
    }
    if (!c.calibrated()) {
        zpravy_.Zprava(QStringLiteral("Sever nemůže být ve středu zákresu"));
        return;
    }
    cal_ = c;
    scan_.overlay.north = p;
    scan_.overlay.proposedDisk.reset();
    fakStav_->setText(souradnice(p));
    skStav_->setText(souradnice(p));
    platno_->update();
}

void MeasurementWindow::proupravuClick() {
    if (!zpravy_.Otazka(
            QStringLiteral(" Po zadávání paremetru zákresu   střed - sever   \r   Pokračovat ? ")))
        return;
    zpravy_.Zprava(
        QStringLiteral(" Prvně pravý bod přímky pak levý, střed a na konec okraj zákresu. "));
    cal_ = Calibration{};
    stred_.reset();
    dennyPohyb_.clear();
    klik_ = Klik::DennyPohyb;
}

void MeasurementWindow::najitDiskClick() {
    if (cal_.calibrated()) {
        zpravy_.Zprava(UzZadano);
        return;
    }
    if (scan_.picture.isNull()) {
        zpravy_.Zprava(QStringLiteral("Není otevřen obrázek zákresu"));
        return;
    }
    const QImage seda = scan_.picture.convertToFormat(QImage::Format_Grayscale8);
    const auto disk = FindDisk(GreyView(seda));
    if (!disk) {
        zpravy_.Zprava(QStringLiteral("Disk zákresu se v obrázku nepodařilo najít"));
        return;
    }
    scan_.overlay.proposedDisk = disk;
    platno_->repaint();
    const PicturePoint stred{static_cast<int>(std::lround(disk->x)),
                             static_cast<int>(std::lround(disk->y))};
    const bool ano = zpravy_.Otazka(
        QStringLiteral("Navržený disk: střed x=%1  y=%2, poloměr %3 bodů.\rPoužít navržený střed ?")
            .arg(stred.x)
            .arg(stred.y)
            .arg(q(FormatNumber(disk->radius, "0.0"))));
    if (!ano) {
        scan_.overlay.proposedDisk.reset();
        platno_->update();
        return;
    }
    nastavStred(stred);
    severClick(false);
}

// ---------------------------------------------------------------------------
// Clicks

void MeasurementWindow::levyKlik(PicturePoint p) {
    switch (klik_) {
    case Klik::Stred:
        nastavStred(p);
        return;
    case Klik::Sever:
    case Klik::Osa:
        nastavSever(p, klik_ == Klik::Osa);
        return;
    case Klik::DennyPohyb: {
        static const char* const nazvy[] = {"Pravý   ", "Levý   ", "Střed   ", "Okraj   "};
        const QString text = QString::fromUtf8(nazvy[dennyPohyb_.size()]) +
                             QStringLiteral("%1   %2").arg(p.x).arg(p.y);
        skStav_->setText(text);
        fakStav_->setText(text);
        dennyPohyb_.push_back(p);
        if (dennyPohyb_.size() < 4) return;
        const auto& d = dennyPohyb_;
        nastavStred(d[2]);
        paramskvrClick();
        nastavSever(DailyMotionNorth(d[0], d[1], d[2], d[3]), false);
        return;
    }
    case Klik::Zadny:
        break;
    }

    const int sloupec = jinak_->currentColumn();
    int cil = 0;
    if (sloupec == ColUhel || sloupec == ColVzd) cil = 1;
    if (sloupec == ColUhel1 || sloupec == ColVzd1) cil = 2;
    if (sloupec == ColUhel2 || sloupec == ColVzd2) cil = 3;
    if (!skupiny_->isHidden() && cil != 0) {
        if (!cal_.calibrated()) {
            zpravy_.Zprava(NeniKalibrace);
            return;
        }
        const PolarPosition s = SpotPosition(cal_, p);
        if (s.distance > 125) {
            zpravy_.Zprava(QStringLiteral("Vzdálenost skvrny přesahuje poloměr zákresu, změnit"));
            return;
        }
        const int uhel = cil == 1 ? ColUhel : cil == 2 ? ColUhel1 : ColUhel2;
        jinak_->item(0, uhel)->setText(q(FormatTenths(s.angle)));
        jinak_->item(0, uhel + 1)->setText(q(FormatTenths(s.distance)));
        skvrna_ = p;
        areaTarget_ = cil;
        merplochy_->setEnabled(true);
        scan_.overlay.spots.push_back(p);
        platno_->update();
        return;
    }

    if (!FacEntryActive_ || FacPointCount_ >= 7 || !cal_.calibrated()) return;
    const VertexPosition v = FaculaeVertex(cal_, p);
    const double polomer =
        polomerKresby(model_.session()) > 0 ? polomerKresby(model_.session()) : 125;
    if (v.distance >= polomer) {
        zpravy_.Zprava(QStringLiteral("Pozice přesahuje poloměr zákresu, změnit"));
        return;
    }
    FacPoints_[FacField_ - 1][FacPointCount_ - 1] = p;
    const int r = FacPointCount_ - 1;
    tabxy_->setItem(r, 0, new QTableWidgetItem(QString::number(FacPointCount_)));
    tabxy_->setItem(r, 1, new QTableWidgetItem(q(FormatNumber(v.angle, "#0.0"))));
    tabxy_->setItem(r, 2, new QTableWidgetItem(q(FormatNumber(v.distance, "#0.0"))));
    cisloBodu_->setText(QStringLiteral("%1  č.bodu").arg(FacPointCount_));
    auto& pole = scan_.overlay.fields.back();
    if (FacPointCount_ == 1) pole.clear();
    pole.push_back(p);
    ++FacPointCount_;
    if (FacPointCount_ == 7) cisloBodu_->setText(QStringLiteral("Max. 6 bodů"));
    platno_->update();
}

void MeasurementWindow::pravyKlik(PicturePoint p) {
    if (fakule_->isHidden()) return;
    if (SpinEdit1_->value() < 1) {
        zpravy_.Zprava(QStringLiteral("Číslo fakule nula"));
        return;
    }
    if (!cal_.calibrated()) {
        zpravy_.Zprava(NeniKalibrace);
        return;
    }
    FacField_ = SpinEdit1_->value();
    FacEntryActive_ = true;
    FacPointCount_ = 1;
    FacPoints_[FacField_ - 1] = {};
    FacPoints_[FacField_ - 1][0] = p;
    tabxy_->clearContents();
    const VertexPosition v = FaculaeVertex(cal_, p);
    tabxy_->setItem(0, 0, new QTableWidgetItem(QStringLiteral("1")));
    tabxy_->setItem(0, 1, new QTableWidgetItem(q(FormatNumber(v.angle, "#0.0"))));
    tabxy_->setItem(0, 2, new QTableWidgetItem(q(FormatNumber(v.distance, "#0.0"))));
    cisloBodu_->clear();
    scan_.overlay.fields.push_back({p});
    platno_->update();
}

// ---------------------------------------------------------------------------
// Faculae and groups into the record

void MeasurementWindow::SpinEdit1Change(int pole) {
    if (pole > MaxFacFields) {
        zpravy_.Zprava(QStringLiteral("Počet fakulí jen 40 !"));
        SpinEdit1_->setValue(MaxFacFields);
    }
}

void MeasurementWindow::konecClick() {
    // Field number 0 would take the fields of the record away.
    if (SpinEdit1_->value() < 1) {
        zpravy_.Zprava(QStringLiteral("Číslo fakule nula"));
        return;
    }
    if (!cal_.calibrated()) {
        zpravy_.Zprava(NeniKalibrace);
        return;
    }
    TZaznam z = model_.aktualniZaznam();
    StoreFaculae(z, SpinEdit1_->value(), FacPoints_, cal_);
    FacEntryActive_ = false;
    model_.replaceCurrentRecord(z);
}

DraftRow MeasurementWindow::radekSkupiny() const {
    DraftRow r;
    for (int c = 0; c < GroupColumnCount; ++c)
        r[c] = jinak_->item(0, c)->text().toStdString();
    return r;
}

void MeasurementWindow::radekSkupiny(const DraftRow& r) {
    for (int c = 0; c < GroupColumnCount; ++c)
        jinak_->item(0, c)->setText(q(r[c]));
}

void MeasurementWindow::poradiChange(int poradi) {
    if (const auto zprava = CheckGroupOrder(poradi)) {
        zpravy_.Zprava(q(*zprava));
        poradi_->setValue(MaxGroupOrder);
        return;
    }
    const GroupDraft& d = GroupDraft_[poradi - 1];
    radekSkupiny(d.typ.empty() ? DraftRow{} : DraftRowOf(d));
    skvrna_.reset();
    areaTarget_ = 0;
    zapskvrnu_->setText(QStringLiteral("Zapiš skupinu"));
}

void MeasurementWindow::zapskvrnuClick() {
    const int poradi = poradi_->value();
    if (const auto zprava = CheckGroupOrder(poradi)) {
        zpravy_.Zprava(q(*zprava));
        return;
    }
    const auto r = ParseGroupRow(radekSkupiny());
    if (const auto* zprava = std::get_if<std::string>(&r)) {
        zpravy_.Zprava(q(*zprava));
        return;
    }
    GroupDraft_[poradi - 1] = std::get<GroupDraft>(r);
    zapskvrnu_->setText(QStringLiteral("Zapsano"));
}

void MeasurementWindow::merplochyClick() {
    if (!skvrna_ || areaTarget_ == 0) {
        zpravy_.Zprava(
            QStringLiteral("Prvně je třeba zadat souřadnice skvrny bebo druhotné skvrny !"));
        return;
    }
    const int cil = areaTarget_;
    auto hotovo = [this, cil](double plocha) {
        const int sloupec = cil == 1 ? ColPlocha : cil == 2 ? ColPlo1 : ColPlo2;
        jinak_->item(0, sloupec)->setText(q(FormatNumber(plocha, "0.0")));
        merplochy_->setText(QStringLiteral("Měřeni plochy skupiny"));
        merplochy_->setEnabled(false);
        zapskvrnu_->setEnabled(true);
        paramskvrClick();
        platno_->update();
    };
    mereniP_ = new AreaMeasurementWindow(vyrez(*skvrna_, AreaCropHalf), cal_.CalRadiusPx, zpravy_,
                                         hotovo, window());
    connect(mereniP_, &QObject::destroyed, this, [this] { zapskvrnu_->setEnabled(true); });
    mereniP_->umistit(window()->frameGeometry());
    zapskvrnu_->setEnabled(false);
    merplochy_->setEnabled(false);
    mereniP_->show();
}

void MeasurementWindow::konskvrClick() {
    TZaznam z = model_.aktualniZaznam();
    const double polomer = polomerKresby(model_.session());
    if (const auto zprava = WriteGroups(z, GroupDraft_, polomer)) {
        zpravy_.Zprava(q(*zprava));
        return;
    }
    model_.replaceCurrentRecord(z);
}

void MeasurementWindow::SpeedButton2Click() {
    zpravy_.Zprava(QStringLiteral(
        "Klik pravým tlačítkem myši -úvodní bod. Klik levým, vytvoří čáru - max 6. bodů. Vytvoří "
        "se \robkreslení fakulového pole. Velkou fakuli možno rozdělit. "));
}

void MeasurementWindow::closeEvent(QCloseEvent* event) {
    const Session& s = model_.session();
    const int k = model_.aktualniIndex();
    if (k >= 1 && k <= s.PocetZaznamu() && s.record(k).Datum.empty())
        model_.replaceCurrentRecord(model_.aktualniZaznam());
    if (lupa_) lupa_->deleteLater();
    if (mereniP_) mereniP_->deleteLater();
    event->accept();
}

void installZakreslit(MainWindow& hlavni) {
    hlavni.zapojit(QStringLiteral("zfota"), [&hlavni] {
        QMdiArea* plocha = hlavni.plocha();
        for (QMdiSubWindow* sub : plocha->subWindowList())
            if (qobject_cast<MeasurementWindow*>(sub->widget())) {
                plocha->setActiveSubWindow(sub);
                return;
            }
        auto* w = new MeasurementWindow(hlavni.model(), hlavni.zpravy());
        QMdiSubWindow* sub = plocha->addSubWindow(w);
        sub->setObjectName(QStringLiteral("Form11"));
        sub->setAttribute(Qt::WA_DeleteOnClose);
        sub->setGeometry(plocha->viewport()->rect());
        sub->show();
        w->setFocus();
    });
}

} // namespace hk
