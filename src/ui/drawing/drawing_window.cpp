#include "ui/drawing/drawing_window.h"

#include <QApplication>
#include <QCheckBox>
#include <QFileDialog>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QSpinBox>
#include <QStatusBar>
#include <cmath>
#include <cstring>

#include "drawing/drawing_scale.h"
#include "drawing/faculae.h"
#include "drawing/magnetic_map.h"
#include "drawing/record_merge.h"
#include "records/record.h"
#include "records/session.h"
#include "render/drawing_renderer.h"
#include "render/jpeg_writer.h"
#include "text/number_format.h"
#include "ui/drawing/group_list_panel.h"
#include "ui/drawing/merge_panel.h"
#include "ui/drawing/print_panel.h"
#include "ui/drawing/save_drawings_panel.h"
#include "ui/drawing/split_panel.h"
#include "ui/entry/record_list_window.h"
#include "ui/frame/main_window.h"
#include "ui/frame/messages.h"
#include "ui/frame/ui_helpers.h"

namespace hk {

namespace {

constexpr int KlientSirka = 800;   // client width at 100 %
constexpr int OdecetVysky = 48;    // the window is this much lower than the work area at 100 %
constexpr int OrezObrazku = 5;     // the saved picture leaves out the right 5 pixels
constexpr int VychoziKvalita = 90; // JPEG quality when the field is empty
constexpr int MaxHlaseni = 30;     // duplicate dates listed in one message

} // namespace

DrawingWindow* DrawingWindow::vytvor(MainWindow& hlavni) {
    auto* w = new DrawingWindow(hlavni.kontext(), nullptr);
    w->sub_ =
        hlavni.plocha()->addSubWindow(w, Qt::SubWindow | Qt::CustomizeWindowHint |
                                             Qt::WindowTitleHint | Qt::WindowMinMaxButtonsHint);
    w->sub_->setObjectName(QStringLiteral("Form2"));
    w->sub_->setAttribute(Qt::WA_DeleteOnClose, false);
    w->sub_->show();
    w->umistit();
    // The work area gets its size when the main window is shown.
    w->plochaViewport_ = hlavni.plocha()->viewport();
    w->plochaViewport_->installEventFilter(w);
    connect(&hlavni, &MainWindow::zakresPozadovan, w, [w] {
        if (!w->sub_) return;
        w->sub_->show();
        w->k_.plocha->setActiveSubWindow(w->sub_);
    });
    w->obnovit();
    return w;
}

void DrawingWindow::umistit() {
    if (!sub_) return;
    const int procento = std::max(10, session().ProcentoVelikosti());
    const int sirka = skalujUseknute(KlientSirka, procento);
    const int vyska =
        std::max(200, k_.plocha->viewport()->height() - 2 - skalujUseknute(OdecetVysky, procento));
    const QSize ram = sub_->size() - size();
    normalniVelikost_ = QSize(sirka, vyska);
    const QSize klient = zvetseno_ ? zvetsenaVelikost() : normalniVelikost_;
    sub_->setGeometry(2, 1, klient.width() + ram.width(), klient.height() + ram.height());
}

bool DrawingWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == plochaViewport_ && event->type() == QEvent::Resize) umistit();
    return QWidget::eventFilter(watched, event);
}

DrawingWindow::DrawingWindow(WindowContext k, QWidget* parent)
    : QWidget(parent), k_(k), Label1_(new QLabel(this)),
      GroupBox1_(new QGroupBox(QStringLiteral("Orientace"), this)),
      vyza_(new QPushButton(QStringLiteral("Z - V"), GroupBox1_)),
      seji_(new QPushButton(QStringLiteral("S - J"), GroupBox1_)),
      ulozzakresy_(new SaveDrawingsPanel(this)), GroupBox2_(new PrintPanel(this)),
      slucovani_(new MergePanel(this)), panel_(new GroupListPanel(this)),
      Panel2_(new SplitPanel(this)) {
    setObjectName(QStringLiteral("DrawingWindow"));
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(false);
    setAttribute(Qt::WA_OpaquePaintEvent);

    Label1_->setObjectName(QStringLiteral("Label1"));
    Label1_->setAutoFillBackground(true);
    Label1_->setBackgroundRole(QPalette::ToolTipBase);
    Label1_->setForegroundRole(QPalette::ToolTipText);
    Label1_->setMargin(2);
    Label1_->hide();

    GroupBox1_->setObjectName(QStringLiteral("GroupBox1"));
    vyza_->setObjectName(QStringLiteral("vyza"));
    seji_->setObjectName(QStringLiteral("seji"));
    GroupBox1_->setAutoFillBackground(true);
    auto* orientaceLayout = new QHBoxLayout(GroupBox1_);
    orientaceLayout->addWidget(vyza_);
    orientaceLayout->addWidget(seji_);
    GroupBox1_->hide();

    connect(vyza_, &QPushButton::clicked, this, &DrawingWindow::vyzaClick);
    connect(seji_, &QPushButton::clicked, this, &DrawingWindow::sejiClick);
    connect(ulozzakresy_->Button1, &QPushButton::clicked, this, &DrawingWindow::Button1Click);
    connect(GroupBox2_->Button4, &QPushButton::clicked, this, &DrawingWindow::Button4Click);
    connect(GroupBox2_->SpeedButton1, &QPushButton::clicked, this,
            &DrawingWindow::SpeedButton1Click);
    connect(slucovani_->vyberpri, &QPushButton::clicked, this, &DrawingWindow::vyberpriClick);
    connect(slucovani_->potvrditpri, &QPushButton::clicked, this, &DrawingWindow::potvrditpriClick);
    connect(slucovani_->zrusitpri, &QPushButton::clicked, this, &DrawingWindow::zrusitpriClick);
    connect(panel_->Navrat, &QPushButton::clicked, panel_, &QWidget::hide);
    connect(Panel2_->rozdeleni, &QPushButton::clicked, this, &DrawingWindow::rozdeleniClick);

    vybratSoubor = [this](const QString& nadpis) {
        return QFileDialog::getOpenFileName(this, nadpis,
                                            QString::fromStdString(session().dir.root().string()),
                                            QStringLiteral("Datax (*.dat)"));
    };
    vybratTiskarnu = [this](QPrinter& printer) {
        // Without a printer the drawings go into a PDF file.
        if (QPrinterInfo::availablePrinters().isEmpty()) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            const auto datum = RecordDate(model_.record);
            const QString nazev = datum
                                      ? q("Tisk " + DrawingImageName(*datum))
                                            .replace(QStringLiteral(".bmp"), QStringLiteral(".pdf"))
                                      : QStringLiteral("Tisk zákresu.pdf");
            runCommand(k_.zpravy, [&] {
                printer.setOutputFileName(QString::fromStdString(
                    (session().dir.ensureFolder("Obrázek") / nazev.toStdString()).string()));
            });
        }
        QPrintDialog d(&printer, this);
        return d.exec() == QDialog::Accepted;
    };

    SessionModel& model = k.model;
    connect(&model, &SessionModel::currentChanged, this, &DrawingWindow::obnovit);
    connect(&model, &SessionModel::recordsChanged, this, &DrawingWindow::obnovit);
}

const Session& DrawingWindow::session() const {
    return k_.model.session();
}

// ---------------------------------------------------------------------------
// Picture

void DrawingWindow::obnovit() {
    const Session& s = session();
    if (s.AktualniZaznam().Datum.empty() && s.AktualniIndex() >= 1 &&
        s.AktualniIndex() <= s.PocetZaznamu()) {
        k_.model.setCurrent(s.AktualniIndex()); // comes back here
        return;
    }
    // An overlay belongs to one date: another record drops it.
    magnetickaMapa_.clear();
    volby_.showMagnetic = false;
    model_ = MakeDrawingModel(s.AktualniZaznam(), s.workingEphemeris());
    ulozitPlochuFakuli();
    nadpis();
    if (panel_->isVisible()) panel_->vypln(model_.record);
    update();
}

void DrawingWindow::ulozitPlochuFakuli() {
    const Session& s = session();
    if (s.AktualniIndex() < 1 || s.AktualniIndex() > s.PocetZaznamu()) return;
    TZaznam z = s.record(s.AktualniIndex());
    FaculaeBitmap bitmap;
    if (StoreFaculaeArea(z, bitmap)) k_.model.setFaculaeArea(s.AktualniIndex(), z);
}

void DrawingWindow::nadpis() {
    const QString text = QStringLiteral("Zákres    ") + q(model_.record.Datum.text());
    setWindowTitle(text);
    if (sub_) sub_->setWindowTitle(text);
}

QImage DrawingWindow::obrazek(const TZaznam& z, bool tisk, bool listy) const {
    DrawingOptions o = volby_;
    o.print = tisk;
    o.showLeaves = listy;
    o.showMagnetic = false;
    const QSize velikost(std::max(1, width() - OrezObrazku), std::max(1, height()));
    QImage image(velikost, QImage::Format_RGB32);
    QPainter p(&image);
    const bool tentyz = std::memcmp(&z, &model_.record, sizeof z) == 0;
    if (tentyz) {
        o.showMagnetic = volby_.showMagnetic;
        PaintDrawing(p, image.rect(), model_, o);
    } else {
        PaintDrawing(p, image.rect(), MakeDrawingModel(z), o);
    }
    return image;
}

void DrawingWindow::paintEvent(QPaintEvent*) {
    QPainter p(this);
    PaintDrawing(p, rect(), model_, volby_);
}

void DrawingWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    volby_.zoomK = DrawingScale::ZoomForWidth(width(), zvetseno_ ? EnlargedZoomNumerator
                                                                 : NormalZoomNumerator);
    umistitPanely();
}

namespace {

// A panel as large as its contents need and at least as wide as its
// title, which the group box's own size leaves out.
void prizpusobit(QWidget* panel) {
    panel->adjustSize();
    if (const auto* box = qobject_cast<const QGroupBox*>(panel)) {
        const int titulek = box->fontMetrics().horizontalAdvance(box->title()) + 24;
        if (panel->width() < titulek) panel->resize(titulek, panel->height());
    }
}

} // namespace

void DrawingWindow::umistitPanely() {
    // The list of auxiliary spots at the right edge; the other panels at the
    // top right, over the text beside the disk.
    for (QWidget* w : std::initializer_list<QWidget*>{GroupBox1_, ulozzakresy_, GroupBox2_,
                                                      slucovani_, Panel2_}) {
        prizpusobit(w);
        w->move(std::max(0, width() - w->width() - 10), 10);
    }
    prizpusobit(panel_);
    panel_->move(std::max(0, width() - panel_->width() - 10), 10);
}

void DrawingWindow::ukazPanel(QWidget* panel) {
    prizpusobit(panel);
    panel->move(std::max(0, width() - panel->width() - 10), 10);
    panel->show();
    panel->raise();
}

// ---------------------------------------------------------------------------
// Mouse

void DrawingWindow::mousePressEvent(QMouseEvent* event) {
    setFocus();
    const DrawingScale scale{volby_.zoomK};
    const QPoint pos = event->position().toPoint();
    if (event->button() == Qt::LeftButton) {
        if (!model_.ephemeris) return;
        const auto h = ClickReadout(*model_.ephemeris, scale, pos.x(), pos.y(), volby_.orientEW,
                                    volby_.orientNS);
        if (!h) return;
        Label1_->setText(q(ClickReadoutText(*h)));
    } else if (event->button() == Qt::RightButton) {
        pravyStart_ = WindowToDiskOffset(scale, pos.x(), pos.y(), volby_.orientEW, volby_.orientNS);
        Label1_->setText(QStringLiteral("0.00"));
    } else {
        return;
    }
    Label1_->adjustSize();
    Label1_->move(pos.x() + 20, pos.y());
    Label1_->show();
    Label1_->raise();
}

void DrawingWindow::mouseMoveEvent(QMouseEvent* event) {
    if (!(event->buttons() & Qt::RightButton) || !pravyStart_) return;
    const DrawingScale scale{volby_.zoomK};
    const QPoint pos = event->position().toPoint();
    const DiskOffset now =
        WindowToDiskOffset(scale, pos.x(), pos.y(), volby_.orientEW, volby_.orientNS);
    if (std::hypot(now.east, now.north) > scale.xy(DiskRadius)) return;
    const double d = AngularDistance(*pravyStart_, now, scale.diskRadiusPx());
    Label1_->setText(q(FormatNumber(d, "#0.00")));
    Label1_->adjustSize();
    Label1_->move(pos.x() + 20, pos.y());
}

void DrawingWindow::mouseReleaseEvent(QMouseEvent*) {
    Label1_->hide();
    pravyStart_.reset();
}

// ---------------------------------------------------------------------------
// Keys

void DrawingWindow::keyPressEvent(QKeyEvent* event) {
    if (event->text() == QStringLiteral("k")) {
        shodneDatumy();
        event->accept();
        return;
    }
    QWidget::keyPressEvent(event);
}

void DrawingWindow::keyReleaseEvent(QKeyEvent* event) {
    // Keys typed into the panels' fields are theirs.
    QWidget* fokus = focusWidget();
    if (fokus && fokus != this && isAncestorOf(fokus) && !qobject_cast<QPushButton*>(fokus)) {
        QWidget::keyReleaseEvent(event);
        return;
    }
    if (event->isAutoRepeat()) return;
    const bool ctrl = event->modifiers() & Qt::ControlModifier;
    const int key = event->key();
    if (ctrl) {
        if (key == Qt::Key_G || key == Qt::Key_F11)
            prepnoutSouradnice();
        else if (key == Qt::Key_S)
            ukazSlucovani();
        else if (key == Qt::Key_R || key == Qt::Key_F3)
            ukazRozdeleni();
        else
            return QWidget::keyReleaseEvent(event);
    } else if (key == Qt::Key_P || key == Qt::Key_F1) {
        prepocitat();
    } else if (key == Qt::Key_F12) {
        slucitFakule();
    } else if (key == Qt::Key_Z || key == Qt::Key_F11) {
        listy(true);
    } else if (key == Qt::Key_V || key == Qt::Key_F7) {
        listy(false);
    } else if (key == Qt::Key_F8) {
        if (k_.zpravy.Otazka(QStringLiteral("Uložit bitmapu zákresu"))) ulozitBitmapu();
    } else if (key == Qt::Key_F9) {
        magnetosfera();
    } else if (key == Qt::Key_F ||
               (key == Qt::Key_6 && (event->modifiers() & Qt::KeypadModifier))) {
        mereni();
    } else {
        return QWidget::keyReleaseEvent(event);
    }
    event->accept();
}

void DrawingWindow::closeEvent(QCloseEvent* event) {
    // The window lives for the whole run; the main window's end frees it.
    event->ignore();
}

// ---------------------------------------------------------------------------
// View commands

QSize DrawingWindow::zvetsenaVelikost() const {
    const QWidget* plocha = k_.plocha->viewport();
    const QSize ram = sub_ ? sub_->size() - size() : QSize();
    const int vyska = std::max(200, plocha->height() - 2 - ram.height());
    const int sirka = std::min(plocha->width() - 4 - ram.width(),
                               vyska * DrawingLogicalWidth / DrawingLogicalHeight);
    return {std::max(200, sirka), vyska};
}

void DrawingWindow::vetsimensi() {
    if (!zvetseno_) normalniVelikost_ = size();
    zvetseno_ = !zvetseno_;
    const QSize klient = zvetseno_ ? zvetsenaVelikost() : normalniVelikost_;
    if (sub_) {
        const QSize ram = sub_->size() - size();
        sub_->resize(klient + ram);
    } else {
        resize(klient);
    }
    volby_.zoomK = DrawingScale::ZoomForWidth(width(), zvetseno_ ? EnlargedZoomNumerator
                                                                 : NormalZoomNumerator);
    const QString text = QStringLiteral("%1 x %2").arg(width()).arg(height());
    setWindowTitle(text);
    if (sub_) sub_->setWindowTitle(text);
    if (QAction* a = k_.ramec.akce(QStringLiteral("menvet")))
        a->setText(zvetseno_ ? QStringLiteral("Zmenšit") : QStringLiteral("Zvětšit"));
    update();
}

void DrawingWindow::pomocne() {
    panel_->vypln(model_.record);
    ukazPanel(panel_);
}

void DrawingWindow::orientace() {
    if (GroupBox1_->isVisible())
        GroupBox1_->hide();
    else
        ukazPanel(GroupBox1_);
}

void DrawingWindow::vyzaClick() {
    volby_.orientEW = -volby_.orientEW;
    vyza_->setText(volby_.orientEW == 1 ? QStringLiteral("Z - V") : QStringLiteral("V - Z"));
    GroupBox1_->hide();
    update();
}

void DrawingWindow::sejiClick() {
    volby_.orientNS = -volby_.orientNS;
    seji_->setText(volby_.orientNS == 1 ? QStringLiteral("S - J") : QStringLiteral("J - S"));
    GroupBox1_->hide();
    update();
}

void DrawingWindow::listy(bool zobrazit) {
    volby_.showLeaves = zobrazit;
    update();
}

void DrawingWindow::mereni() {
    QAction* a = k_.ramec.akce(QStringLiteral("zfota"));
    if (a && a->isEnabled()) {
        a->trigger();
        return;
    }
    k_.ramec.ukazStav(MainWindow::PripravujeSe, 3000);
}

void DrawingWindow::ukazSlucovani() {
    ukazPanel(slucovani_);
}
void DrawingWindow::ukazRozdeleni() {
    ukazPanel(Panel2_);
}

void DrawingWindow::ukazUlozeni(bool bmp) {
    k_.ramec.setUkladatBMP(bmp);
    ulozzakresy_->ukaz(bmp, session().PocetZaznamu());
    ukazPanel(ulozzakresy_);
}

void DrawingWindow::ukazTisk() {
    GroupBox2_->ukaz();
    ukazPanel(GroupBox2_);
}

// ---------------------------------------------------------------------------
// Records

void DrawingWindow::shodneDatumy() {
    const auto indexy = DuplicateDateRecords(session().records());
    if (indexy.empty()) return;
    QStringList radky;
    for (std::size_t i = 0; i < indexy.size() && radky.size() < MaxHlaseni; ++i)
        radky << QStringLiteral("Shodné datumy !     ") +
                     q(session().record(int(indexy[i]) + 1).Datum.text());
    if (indexy.size() > std::size_t(MaxHlaseni))
        radky << QStringLiteral("... a dalších %1").arg(indexy.size() - MaxHlaseni);
    k_.zpravy.Zprava(radky.join(QLatin1Char('\r')));
}

void DrawingWindow::prepnoutSouradnice() {
    Messages& zpravy = k_.zpravy;
    const bool helio = !session().HelioZadavani();
    // The switch rewrites the entry mode of the whole archive and saves it:
    // it is asked, not just announced.
    const QString zmena =
        helio ? QStringLiteral("Souřadnice dataxu se změní z  Polárnich na  Heliografické ")
              : QStringLiteral("Souřadnice dataxu se změní z  Heliografických na polární ");
    if (!zpravy.OtazkaAnoNe(zmena + QStringLiteral("\rZměnit?"))) return;
    k_.ramec.setTitulek(
        helio ? QStringLiteral("Zákresy Sluneční fotosféry   Vizuálně   (Heliografické souřadnice)")
              : QStringLiteral("Zákresy Sluneční fotosféry    (Polární souřadnice)"));
    runCommand(zpravy, [&] {
        BusyCursor busy;
        k_.model.switchEntryMode(helio);
    });
}

void DrawingWindow::prepocitat() {
    std::optional<std::string> chyba;
    {
        BusyCursor busy;
        chyba = k_.model.recomputeAll();
    }
    if (chyba) k_.zpravy.Zprava(q(*chyba));
}

void DrawingWindow::slucitFakule() {
    const QString soubor = vybratSoubor(QStringLiteral("Soubor dat pro fakule"));
    if (soubor.isEmpty()) return;
    Messages& zpravy = k_.zpravy;
    runCommand(zpravy, [&] {
        const std::vector<TZaznam> jine = ReadRecordsForMerge(cestaZTextu(soubor));
        const FaculaeMergeResult r = MergeFaculae(session().records(), jine);
        k_.model.mergeFaculae(r.changed, r.added);
        zpravy.Zprava(QStringLiteral("Přidáno zákresů: %1\rNahrazeno polí fakulí: %2")
                          .arg(r.added.size())
                          .arg(r.fieldsReplaced));
        if (zpravy.Otazka(QStringLiteral("Uložit změny do souboru datax?"))) {
            BusyCursor busy;
            k_.model.save();
        }
    });
}

void DrawingWindow::vyberpriClick() {
    const QString soubor = vybratSoubor(QStringLiteral("Vybrat soubor pro přidání"));
    if (soubor.isEmpty()) return;
    runCommand(k_.zpravy, [&] {
        std::vector<TZaznam> zaznamy = ReadRecordsForMerge(cestaZTextu(soubor));
        if (zaznamy.size() >= MergeFileLimit) {
            k_.zpravy.Zprava(QStringLiteral("Lze přidat jen 1999 zakresu !! "));
            return;
        }
        pridavane_ = std::move(zaznamy);
        slucovani_->setSoubor(soubor);
    });
}

void DrawingWindow::potvrditpriClick() {
    if (pridavane_.empty()) return;
    const Session& s = session();
    const auto duplicity = DuplicateDateMask(s.records(), pridavane_);
    const auto pocet = std::count(duplicity.begin(), duplicity.end(), true);
    bool vyloucit = false;
    if (pocet > 0)
        vyloucit = k_.zpravy.Otazka(QStringLiteral("V přidaných datech jsou shodné datumy ") +
                                    QString::number(pocet) + QStringLiteral("x! Vyloučit je?"));
    const std::vector<TZaznam> pridat = RecordsToAppend(s.records(), pridavane_, vyloucit);
    // The file is merged once: the buffer empties.
    pridavane_.clear();
    slucovani_->setSoubor({});
    k_.model.mergeRecords(pridat);
    k_.zpravy.Zprava(QStringLiteral("Přidáno zákresů: %1").arg(pridat.size()));
}

void DrawingWindow::zrusitpriClick() {
    pridavane_.clear();
    slucovani_->setSoubor({});
    slucovani_->hide();
}

void DrawingWindow::rozdeleniClick() {
    runCommand(k_.zpravy, [&] {
        const SplitResult r = session().split(Panel2_->radky());
        if (r.error) {
            k_.zpravy.Zprava(q(*r.error));
            return;
        }
        Panel2_->hide();
        QStringList text{QStringLiteral("Dokončno rozdělení")};
        for (const SplitRowResult& row : r.rows)
            if (!row.note.empty()) text << QStringLiteral("%1: ").arg(row.row) + q(row.note);
        k_.zpravy.Zprava(text.join(QLatin1Char('\r')));
    });
}

// ---------------------------------------------------------------------------
// Pictures and paper

void DrawingWindow::ulozitBitmapu() {
    const auto datum = RecordDate(model_.record);
    if (!datum) {
        k_.zpravy.Zprava(QStringLiteral("Zákres nemá platné datum, obrázek nelze pojmenovat"));
        return;
    }
    runCommand(k_.zpravy, [&] {
        const QImage image = obrazek(model_.record, true, false);
        const auto soubor = session().dir.ensureFolder("Obrázek") / DrawingImageName(*datum);
        SaveImage(image, soubor);
        k_.ramec.ukazStav(
            QStringLiteral("Obrázek uložen: ") + QString::fromStdString(soubor.string()), 5000);
    });
}

void DrawingWindow::magnetosfera() {
    magnetickaMapa_.clear();
    volby_.showMagnetic = false;
    const auto datum = RecordDate(model_.record);
    const Session& s = session();
    const std::string nazev = datum ? "Magneto/" + MagneticMapFileName(*datum) : std::string();
    if (!datum || !s.dir.exists("Magneto") || !s.dir.exists(nazev) ||
        !std::filesystem::is_regular_file(s.dir.resolve(nazev))) {
        k_.zpravy.Zprava(QStringLiteral("Nejsou data pro magnetosféru"));
        update();
        return;
    }
    runCommand(k_.zpravy, [&] {
        const MagneticMap mapa = ReadMagneticMap(s.dir.resolve(nazev));
        if (mapa.truncated)
            k_.zpravy.Zprava(QStringLiteral("Soubor magnetosféry je delší než 50002 slov, "
                                            "zobrazí se jen jeho začátek"));
        magnetickaMapa_ = mapa.words;
        model_ = MakeDrawingModel(model_.record, model_.ephemeris, magnetickaMapa_);
        volby_.showMagnetic = true;
    });
    update();
}

void DrawingWindow::Button1Click() {
    const Session& s = session();
    Messages& zpravy = k_.zpravy;
    const int od = ulozzakresy_->SpinEdit1->value(), po = ulozzakresy_->SpinEdit2->value();
    if (od < 1 || po > s.PocetZaznamu() || od > po) {
        zpravy.Zprava(QStringLiteral("Neplatný rozsah zákresů"));
        return;
    }
    const bool bmp = ulozzakresy_->bmp();
    int kvalita = VychoziKvalita;
    if (!bmp) {
        bool ok = false;
        kvalita = ulozzakresy_->Edit3->text().trimmed().toInt(&ok);
        if (!ok || kvalita < 1 || kvalita > 100) {
            zpravy.Zprava(QStringLiteral("Kvalita jpg musí být číslo od 1 do 100"));
            return;
        }
    }
    const std::string pred = ulozzakresy_->Edit2->text().toStdString();
    if (const auto chyba = PictureNamePrefixError(pred)) {
        zpravy.Zprava(QString::fromStdString(*chyba));
        return;
    }
    // The pictures are drawn at the enlarged size.
    DrawingOptions o = volby_;
    o.print = true;
    o.showMagnetic = false;
    const QSize velikost = zvetseno_ ? size() : zvetsenaVelikost();
    o.zoomK = DrawingScale::ZoomForWidth(velikost.width(), EnlargedZoomNumerator);
    runCommand(zpravy, [&] {
        BusyCursor busy;
        const auto slozka = s.dir.ensureFolder("Obrázek");
        int bezData = 0;
        QImage image(QSize(std::max(1, velikost.width() - OrezObrazku), velikost.height()),
                     QImage::Format_RGB32);
        for (int i = od; i <= po; ++i) {
            const TZaznam& z = s.record(i);
            const auto datum = RecordDate(z);
            if (!datum) {
                ++bezData;
                continue;
            }
            {
                QPainter p(&image);
                PaintDrawing(p, image.rect(), MakeDrawingModel(z, s.geometry().ephemeris(i)), o);
            }
            SaveImage(image, slozka / RangeImageName(pred, *datum, bmp), kvalita);
        }
        if (bezData > 0)
            zpravy.Zprava(
                QStringLiteral("Zákresy bez platného data nebyly uloženy: %1").arg(bezData));
    });
}

void DrawingWindow::SpeedButton1Click() {
    k_.zpravy.Zprava(QStringLiteral("Při oboustranném tisku , zapnout v panelu tiskárny. "));
}

void DrawingWindow::Button4Click() {
    const Session& s = session();
    Messages& zpravy = k_.zpravy;
    const QString pocet =
        GroupBox2_->CheckBox1->isChecked() ? GroupBox2_->Edit1->text() : QStringLiteral("1");
    const auto rozsah = PrintRange(s.AktualniIndex(), s.PocetZaznamu(), pocet.toStdString());
    if (!rozsah) {
        zpravy.Zprava(QStringLiteral("Počet zákresů musí být kladné číslo"));
        return;
    }
    QPrinter printer(QPrinter::HighResolution);
    if (!vybratTiskarnu(printer)) return;
    const QRect strana = printer.pageLayout().paintRectPixels(printer.resolution());
    const double meritko = double(strana.width()) / std::max(1, width());
    const int procento =
        static_cast<int>(std::lround(100.0 * height() * meritko / std::max(1, strana.height())));
    zpravy.Zprava(QStringLiteral("Výška obrázku je  ") + QString::number(procento) +
                  QStringLiteral("%"));
    const auto posun =
        zpravy.ZadejHodnotu(QStringLiteral("Zadej procento posunutí"), QStringLiteral("0"));
    if (!posun) return;
    bool ok = false;
    const double procentoPosunu =
        posun->trimmed().replace(QLatin1Char(','), QLatin1Char('.')).toDouble(&ok);
    if (!ok || procentoPosunu < 0 || procentoPosunu > 100) {
        zpravy.Zprava(QStringLiteral("Posunutí musí být číslo od 0 do 100"));
        return;
    }
    tiskDo(printer, *rozsah, procentoPosunu);
}

void DrawingWindow::tiskDo(QPrinter& printer, const PrintRecordRange& range, double posunProcent) {
    const Session& s = session();
    QPainter p;
    if (!p.begin(&printer)) {
        k_.zpravy.Zprava(QStringLiteral("Tisk nelze zahájit"));
        return;
    }
    BusyCursor busy;
    const QRect strana = printer.pageLayout().paintRectPixels(printer.resolution());
    const QSize velikost(std::max(1, width()), std::max(1, height()));
    const double meritko = double(strana.width()) / velikost.width();
    DrawingOptions o = volby_;
    o.print = true;
    o.showMagnetic = false;
    for (int i = range.first; i <= range.last && i <= s.PocetZaznamu(); ++i) {
        if (i > range.first) printer.newPage();
        p.save();
        p.translate(0, strana.height() * posunProcent / 100.0);
        p.scale(meritko, meritko);
        PaintDrawing(p, QRect(QPoint(0, 0), velikost),
                     MakeDrawingModel(s.record(i), s.geometry().ephemeris(i)), o);
        p.restore();
    }
    p.end();
}

// ---------------------------------------------------------------------------

void installZakres(MainWindow& hlavni) {
    DrawingWindow* w = DrawingWindow::vytvor(hlavni);
    hlavni.zapojit(QStringLiteral("menvet"), [w] { w->vetsimensi(); });
    hlavni.zapojit(QStringLiteral("pomocnaskvrna"), [w] { w->pomocne(); });
    hlavni.zapojit(QStringLiteral("SpeedButton2"), [w] { w->orientace(); });
    hlavni.zapojit(QStringLiteral("Ulozkresy"), [w] { w->ukazUlozeni(true); });
    hlavni.zapojit(QStringLiteral("SpeedButton3"), [w] { w->ukazUlozeni(true); });
    hlavni.zapojit(QStringLiteral("SpeedButton14"), [w] { w->ukazUlozeni(false); });
    hlavni.zapojit(QStringLiteral("tisk1"), [w] { w->ukazTisk(); });
    hlavni.zapojit(QStringLiteral("SpeedButton7"), [w] { w->ukazTisk(); });
    if (QAction* a = hlavni.akce(QStringLiteral("menvet"))) a->setText(QStringLiteral("Zvětšit"));
    if (RecordListWindow* seznam = hlavni.seznam())
        QObject::connect(seznam, &RecordListWindow::klavesaF9, w, &DrawingWindow::magnetosfera);
}

} // namespace hk
