#include "ui/drawing/coordinate_table_window.h"

#include <QAction>
#include <QButtonGroup>
#include <QDate>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QScrollBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <cmath>

#include "records/record.h"
#include "records/session.h"
#include "render/jpeg_writer.h"
#include "ui/entry/record_list_window.h"
#include "ui/frame/main_window.h"
#include "ui/frame/messages.h"
#include "ui/frame/ui_helpers.h"

namespace hk {

namespace {

constexpr int VyskaOvladani = 40; // the row of controls above the table
constexpr int NizkeOkno = 990;    // "t" prints the window only when it is higher
constexpr double PomerTisknuteOblasti = 1.1;
constexpr int OkrajTisknuteOblasti = 5;
constexpr int MinSirkaVlevo = 400; // room left of the record list worth using
const QString Titulek = QStringLiteral("Souřadnice středu slunce");

// The page of the table, painted by the renderer.
class TabulkaView : public QWidget {
  public:
    TabulkaView(const CoordinateTableWindow& okno, QWidget* parent) : QWidget(parent), okno_(okno) {
        setObjectName(QStringLiteral("Tabulka"));
        setAttribute(Qt::WA_OpaquePaintEvent);
        setFocusPolicy(Qt::ClickFocus);
    }
    std::function<void()> zmenaVelikosti;

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        DrawCoordinateTable(p, rect(), okno_.strana(), okno_.volby());
    }
    void resizeEvent(QResizeEvent*) override {
        if (zmenaVelikosti) zmenaVelikosti();
    }

  private:
    const CoordinateTableWindow& okno_;
};

} // namespace

CoordinateTableWindow::CoordinateTableWindow(const ProgramDir& dir, Messages& zpravy, int rok,
                                             QWidget* parent)
    : QWidget(parent), dir_(dir), zpravy_(zpravy), rok_(MakeCoordinateYear(rok)),
      Edit1_(new QLineEdit(QString::number(rok), this)),
      SpeedButton4_(new QPushButton(QStringLiteral("zve"), this)),
      tisksouradnic_(new QPushButton(QStringLiteral("Tisk"), this)),
      ulozitobr_(new QPushButton(QStringLiteral("Uložit obr."), this)),
      ScrollBar1_(new QScrollBar(Qt::Vertical, this)) {
    setObjectName(QStringLiteral("CoordinateTableWindow"));
    setWindowTitle(Titulek);
    setFocusPolicy(Qt::StrongFocus);

    Edit1_->setObjectName(QStringLiteral("Edit1"));
    Edit1_->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), Edit1_));
    Edit1_->setMaxLength(4);
    Edit1_->setFixedWidth(60);
    SpeedButton4_->setObjectName(QStringLiteral("SpeedButton4"));
    tisksouradnic_->setObjectName(QStringLiteral("tisksouradnic"));
    ulozitobr_->setObjectName(QStringLiteral("ulozitobr"));
    ScrollBar1_->setObjectName(QStringLiteral("ScrollBar1"));
    ScrollBar1_->setToolTip(QStringLiteral("Posuv nahoru "));

    auto* ovladani = new QHBoxLayout;
    ovladani->setContentsMargins(4, 0, 4, 0);
    ovladani->addWidget(Edit1_);
    auto* skupina = new QButtonGroup(this);
    const QString popisky[CoordinateTablePages] = {QStringLiteral("leden-duben"),
                                                   QStringLiteral("květen-srpen"),
                                                   QStringLiteral("září- prosinec")};
    for (int i = 0; i < CoordinateTablePages; ++i) {
        auto* b = new QToolButton(this);
        b->setObjectName(QStringLiteral("SpeedButton%1").arg(i + 1));
        b->setText(popisky[i]);
        b->setCheckable(true);
        skupina->addButton(b, i);
        ovladani->addWidget(b);
        strany_[i] = b;
        connect(b, &QToolButton::clicked, this, [this, i] { stranaClick(i); });
    }
    strany_[0]->setChecked(true);
    for (QPushButton* b : {SpeedButton4_, tisksouradnic_, ulozitobr_})
        ovladani->addWidget(b);
    ovladani->addStretch(1);

    auto* view = new TabulkaView(*this, this);
    view->zmenaVelikosti = [this] { nastavPosuv(); };
    tabulka_ = view;
    auto* dole = new QHBoxLayout;
    dole->setContentsMargins(0, 0, 0, 0);
    dole->setSpacing(0);
    dole->addWidget(tabulka_, 1);
    dole->addWidget(ScrollBar1_);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    auto* radek = new QWidget(this);
    radek->setFixedHeight(VyskaOvladani);
    radek->setLayout(ovladani);
    layout->addWidget(radek);
    layout->addLayout(dole, 1);

    connect(SpeedButton4_, &QPushButton::clicked, this, &CoordinateTableWindow::SpeedButton4Click);
    connect(tisksouradnic_, &QPushButton::clicked, this,
            &CoordinateTableWindow::tisksouradnicClick);
    connect(ulozitobr_, &QPushButton::clicked, this, &CoordinateTableWindow::ulozitobrClick);
    connect(ScrollBar1_, &QScrollBar::valueChanged, this, [this](int v) {
        volby_.scroll = v;
        tabulka_->update();
    });

    vybratTiskarnu = [this](QPrinter& printer) {
        // Without a printer the page goes into a PDF file.
        if (QPrinterInfo::availablePrinters().isEmpty()) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            try {
                printer.setOutputFileName(
                    QString::fromStdString((dir_.ensureFolder("Obrázek") /
                                            CoordinateTableImageName(TableYear(), stranka_, ".pdf"))
                                               .string()));
            } catch (const std::exception& e) {
                zpravy_.Zprava(QString::fromUtf8(e.what()));
                return false;
            }
        }
        QPrintDialog d(&printer, this);
        return d.exec() == QDialog::Accepted;
    };

    sestav();
}

void CoordinateTableWindow::sestav() {
    strana_ = MakeCoordinateTablePage(rok_, stranka_);
    strany_[stranka_]->setChecked(true);
    nastavPosuv();
    tabulka_->update();
}

void CoordinateTableWindow::nastavPosuv() {
    // Enough steps to bring the bottom of the page into view.
    const double krok = TableScrollStep * volby_.scale / double(CoordinateTableUnitScale);
    const int prebyva = CoordinateTablePictureSize(volby_.scale).height() - tabulka_->height();
    ScrollBar1_->setRange(0, prebyva > 0 ? static_cast<int>(std::ceil(prebyva / krok)) : 0);
    ScrollBar1_->setPageStep(std::max(1, static_cast<int>(tabulka_->height() / krok)));
}

void CoordinateTableWindow::stranaClick(int stranka) {
    const auto rok = ParseTableYear(Edit1_->text().toStdString());
    if (!rok) {
        zpravy_.Zprava(q(SpatnyRokTabulky));
        strany_[stranka_]->setChecked(true);
        return;
    }
    if (*rok != rok_.year) rok_ = MakeCoordinateYear(*rok);
    stranka_ = stranka;
    sestav();
}

void CoordinateTableWindow::SpeedButton4Click() {
    const auto text = zpravy_.ZadejHodnotu(
        QStringLiteral("Měřítko tabulky (16 = skutečná velikost)"), QString::number(volby_.scale));
    if (!text) return;
    const auto meritko = ParseTableScale(text->toStdString());
    if (!meritko) {
        zpravy_.Zprava(q(SpatneMeritkoTabulky));
        return;
    }
    volby_.scale = *meritko;
    nastavPosuv();
    tabulka_->update();
}

void CoordinateTableWindow::tisksouradnicClick() {
    QPrinter printer(QPrinter::HighResolution);
    if (!vybratTiskarnu(printer)) return;
    runCommand(zpravy_, [&] { PrintCoordinateTable(printer, rok_, {stranka_}); });
}

void CoordinateTableWindow::ulozitobrClick() {
    // The whole page at its own size, whatever the window shows of it.
    const CoordinateTableOptions cela;
    QImage obraz(CoordinateTablePictureSize(cela.scale), QImage::Format_RGB32);
    {
        QPainter p(&obraz);
        DrawCoordinateTable(p, obraz.rect(), strana_, cela);
    }
    runCommand(zpravy_, [&] {
        const auto soubor =
            dir_.ensureFolder("Obrázek") / CoordinateTableImageName(TableYear(), stranka_);
        SaveImage(obraz.convertToFormat(QImage::Format_Indexed8), soubor);
    });
}

void CoordinateTableWindow::klavesaT() {
    if (height() <= NizkeOkno) {
        zpravy_.Zprava(q(NizkeOknoTabulky));
        return;
    }
    const int sirka = width() - OkrajTisknuteOblasti;
    const QImage obraz =
        grab(QRect(0, VyskaOvladani, sirka, static_cast<int>(sirka * PomerTisknuteOblasti)))
            .toImage();
    QPrinter printer(QPrinter::HighResolution);
    if (!vybratTiskarnu(printer)) return;
    QPainter p;
    if (!p.begin(&printer)) {
        zpravy_.Zprava(QStringLiteral("Tisk nelze zahájit"));
        return;
    }
    p.drawImage(QRect(0, 0, printer.width(), printer.height()), obraz);
    p.end();
}

void CoordinateTableWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_T) {
        klavesaT();
        return;
    }
    QWidget::keyPressEvent(event);
}

CoordinateTableWindow* CoordinateTableWindow::otevrit(QMdiArea& plocha, const ProgramDir& dir,
                                                      Messages& zpravy, int rok, int sirka) {
    for (QMdiSubWindow* sub : plocha.subWindowList())
        if (auto* w = qobject_cast<CoordinateTableWindow*>(sub->widget())) {
            plocha.setActiveSubWindow(sub);
            return w;
        }
    auto* w = new CoordinateTableWindow(dir, zpravy, rok);
    QMdiSubWindow* sub = plocha.addSubWindow(w);
    sub->setObjectName(QStringLiteral("Form10"));
    sub->setAttribute(Qt::WA_DeleteOnClose);
    sub->show();
    // The table 900 pixels wide beside its scroll bar, as high as the work
    // area; where less room is left the table starts smaller.
    const QRect oblast = plocha.viewport()->rect();
    if (sub->layout()) sub->layout()->activate();
    w->layout()->activate();
    const int navic = sub->width() - w->tabulka_->width();
    sirka = std::min(sirka, oblast.width());
    if (CoordinateTableWidth + navic > sirka) {
        w->volby_.scale =
            std::max(1, (sirka - navic) * CoordinateTableUnitScale / CoordinateTableWidth);
        w->nastavPosuv();
    }
    sub->setGeometry(0, 0, std::min(sirka, CoordinateTableWidth + navic), oblast.height());
    plocha.setActiveSubWindow(sub);
    w->setFocus();
    // It closes as soon as another window of the work area is activated.
    QObject::connect(&plocha, &QMdiArea::subWindowActivated, sub, [sub](QMdiSubWindow* aktivni) {
        if (aktivni && aktivni != sub) sub->close();
    });
    return w;
}

void installSlusouradnice(MainWindow& hlavni) {
    auto otevrit = [&hlavni] {
        const auto datum = RecordDate(hlavni.session().AktualniZaznam());
        // The work area left of the record list, unless the list stands at
        // the left edge.
        int sirka = hlavni.plocha()->viewport()->width();
        if (hlavni.seznam())
            if (auto* seznam = qobject_cast<QMdiSubWindow*>(hlavni.seznam()->parentWidget()))
                if (seznam->x() >= MinSirkaVlevo && seznam->x() < sirka) sirka = seznam->x();
        CoordinateTableWindow::otevrit(*hlavni.plocha(), hlavni.session().dir, hlavni.zpravy(),
                                       datum ? datum->year : QDate::currentDate().year(), sirka);
    };
    hlavni.zapojit(QStringLiteral("SpeedButton4"), otevrit);
    // The results panel runs past the right edge of narrower screens: the
    // menu item keeps the table within reach.
    hlavni.zapojit(QStringLiteral("souslunce"), otevrit);
    if (QAction* a = hlavni.akce(QStringLiteral("souslunce"))) a->setVisible(true);
}

} // namespace hk
