#include "ui/entry/record_list_window.h"
#include "ui/frame/ui_helpers.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QResizeEvent>
#include <QScrollBar>
#include <QStyle>
#include <QWheelEvent>
#include <cmath>

#include "records/session.h"
#include "render/font_roles.h"
#include "ui/frame/main_window.h"
#include "ui/frame/messages.h"

namespace hk {

namespace {

// The old screen font of size 12: DejaVu runs wider, so the size is taken
// as pixels (as for every font role), which keeps a line within the list.
constexpr int PismoSeznamu = 12;
constexpr int SirkaSeznamu = 259;
constexpr int NejmensiPismo = 8; // beside the drawing window on a 1024-pixel screen

} // namespace

RecordListWindow* RecordListWindow::vytvor(MainWindow& hlavni) {
    auto* w = new RecordListWindow(hlavni.kontext(), nullptr);
    // Above the other windows of the work area, as a list beside them.
    // A sub-window like the others (it can be moved), without a close button.
    w->sub_ = hlavni.plocha()->addSubWindow(w, Qt::SubWindow | Qt::CustomizeWindowHint |
                                                   Qt::WindowTitleHint);
    w->sub_->setObjectName(QStringLiteral("Form4"));
    w->sub_->setWindowTitle(QStringLiteral("Výběr datumu"));
    hlavni.setSeznam(w);
    w->plochaViewport_ = hlavni.plocha()->viewport();
    w->plochaViewport_->installEventFilter(w);
    w->sub_->installEventFilter(w);
    w->umistit();
    w->sub_->show();
    // The first filling repairs records whose date cannot be read.
    w->zadatlist();
    return w;
}

RecordListWindow::RecordListWindow(WindowContext k, QWidget* parent)
    : QWidget(parent), k_(k), ListBox1_(new QListWidget(this)),
      ScrollBar1_(new QScrollBar(Qt::Vertical, this)) {
    setObjectName(QStringLiteral("RecordListWindow"));
    setWindowTitle(QStringLiteral("Výběr datumu"));
    ListBox1_->setObjectName(QStringLiteral("ListBox1"));
    ScrollBar1_->setObjectName(QStringLiteral("ScrollBar1"));
    const int procento = k.model.session().ProcentoVelikosti();
    ListBox1_->setFont(SansFont(skalujZaokrouhlene(PismoSeznamu, procento)));
    ListBox1_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    ListBox1_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    ListBox1_->setUniformItemSizes(true);
    ListBox1_->setSelectionMode(QAbstractItemView::SingleSelection);
    ListBox1_->installEventFilter(this);
    ListBox1_->viewport()->installEventFilter(this);
    ScrollBar1_->setSingleStep(1);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(ListBox1_, 0, Qt::AlignTop);
    layout->addWidget(ScrollBar1_, 0, Qt::AlignTop);

    connect(ScrollBar1_, &QScrollBar::valueChanged, this, &RecordListWindow::ScrollBar1Change);
    connect(ListBox1_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (!plneni_ && row >= 0) ListBox1Click(row);
    });
    connect(ListBox1_, &QListWidget::itemClicked, this, [this] {
        k_.ramec.zobrazZakres();
        drzetKlavesnici();
    });

    SessionModel& model = k.model;
    connect(&model, &SessionModel::recordsChanged, this, &RecordListWindow::zadatlist);
    connect(&model, &SessionModel::currentChanged, this, [this] {
        okno_.ukaz(k_.model.session().AktualniIndex());
        nastavPosuvnik();
        prepsatlist();
    });
}

int RecordListWindow::sirkaRadku() const {
    // The widest line: the index padded to five digits (more for a larger
    // store) and a drawing number of 999/99.
    const int cislic =
        std::max(5, static_cast<int>(QString::number(k_.model.session().PocetZaznamu()).size()));
    const QString vzor =
        QString(cislic, QLatin1Char('9')) + QStringLiteral("     31 12 2026  2359    999/99");
    return QFontMetrics(ListBox1_->font()).horizontalAdvance(vzor) + 2 * ListBox1_->frameWidth() +
           8;
}

int RecordListWindow::vyskaRadku() const {
    return QFontMetrics(ListBox1_->font()).height() + 4;
}

void RecordListWindow::umistit() {
    if (!sub_ || presunuto_) return;
    const int procento = k_.model.session().ProcentoVelikosti();
    QMdiArea* plocha = k_.plocha;
    const int sirkaPlochy = plocha->viewport()->width();
    const int sirkaPosuvniku = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    const int ramOkna = 2 * style()->pixelMetric(QStyle::PM_MdiSubWindowFrameWidth, nullptr, sub_);
    // Right of the drawing window, not over it: the room beside it decides
    // the list's font (down to a smallest readable size) so that a whole
    // line fits.
    int vlevo = 0;
    for (const QMdiSubWindow* okno : plocha->subWindowList())
        if (okno->objectName() == QLatin1String("Form2") && okno->isVisible())
            vlevo = okno->geometry().right() + 2;
    const int mistoVpravo = sirkaPlochy - vlevo;
    const int pismo = skalujZaokrouhlene(PismoSeznamu, procento);
    auto potreba = [&] { return sirkaRadku() + sirkaPosuvniku + ramOkna; };
    int velikost = pismo;
    ListBox1_->setFont(SansFont(velikost));
    while (velikost > NejmensiPismo && potreba() > mistoVpravo)
        ListBox1_->setFont(SansFont(--velikost));
    // As wide as the scaled width where there is room, else as the lines need.
    const int sirka =
        std::max(potreba(), std::min(skalujZaokrouhlene(sirkaPosuvniku + SirkaSeznamu, procento),
                                     mistoVpravo));
    const int vyska = std::max(plocha->viewport()->height() - 2, 4 * vyskaRadku());
    umistuji_ = true;
    sub_->setGeometry(std::max(0, std::min(vlevo, sirkaPlochy - sirka)), 1, sirka, vyska);
    umistuji_ = false;
    prepsatlist();
}

void RecordListWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    // As many whole rows as the list's height holds; the list shows one more
    // than RadkySeznamu.
    const int sirkaPosuvniku = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    const int ram = 2 * ListBox1_->frameWidth();
    const int radky = std::max(0, (height() - ram) / vyskaRadku() - 1);
    const int vyskaObsahu = vyskaRadku() * (radky + 1) + ram;
    ListBox1_->setFixedSize(std::max(0, width() - sirkaPosuvniku), vyskaObsahu);
    ScrollBar1_->setFixedSize(sirkaPosuvniku, vyskaObsahu);
    if (radky == okno_.radky() && okno_.pocet() == k_.model.session().PocetZaznamu()) return;
    okno_ = SeznamOkno(radky, k_.model.session().PocetZaznamu());
    okno_.ukaz(k_.model.session().AktualniIndex());
    nastavPosuvnik();
    prepsatlist();
}

void RecordListWindow::nastavPosuvnik() {
    const QSignalBlocker blok(ScrollBar1_);
    ScrollBar1_->setEnabled(okno_.posuvnik());
    if (okno_.posuvnik()) {
        ScrollBar1_->setRange(okno_.minimum(), okno_.pocet());
        ScrollBar1_->setPageStep(okno_.radky());
        ScrollBar1_->setValue(okno_.pozice());
    } else {
        ScrollBar1_->setRange(0, 0);
    }
}

void RecordListWindow::ukazPosuvnik(bool viditelny) {
    ScrollBar1_->setVisible(viditelny);
}

void RecordListWindow::zadatlist() {
    // A record whose date cannot be read is repaired by removing it; the
    // repaired data are saved at exit.
    const bool opraveno = k_.model.removeUnreadableDates() > 0;
    okno_.setPocet(k_.model.session().PocetZaznamu());
    okno_.ukaz(k_.model.session().AktualniIndex());
    nastavPosuvnik();
    prepsatlist();
    if (opraveno) {
        k_.zpravy.Zprava(QStringLiteral("Došlo k chybě zápisu data\rbube automaticky opraven"));
        // The other windows show records by index: tell them the store moved.
    }
}

void RecordListWindow::prepsatlist() {
    const Session& s = k_.model.session();
    plneni_ = true;
    ListBox1_->clear();
    int vybrat = -1;
    int stejneDatum = -1;
    for (int k = okno_.prvni(); k <= okno_.posledni(); ++k) {
        const TZaznam& z = s.record(k);
        const auto radek = RecordListLine(k, z);
        // A record whose date cannot be read is listed with the stored text.
        const QString text =
            radek
                ? QString::fromStdString(*radek)
                : QStringLiteral("%1     %2").arg(k, 5).arg(QString::fromStdString(z.Datum.text()));
        auto* item = new QListWidgetItem(text, ListBox1_);
        item->setSizeHint(QSize(ListBox1_->viewport()->width(), vyskaRadku()));
        if (k == s.AktualniIndex()) vybrat = ListBox1_->count() - 1;
        if (stejneDatum < 0 && z.Datum.raw() == s.AktualniZaznam().Datum.raw())
            stejneDatum = ListBox1_->count() - 1;
    }
    ListBox1_->setCurrentRow(vybrat >= 0 ? vybrat : stejneDatum);
    plneni_ = false;
}

void RecordListWindow::ScrollBar1Change(int pozice) {
    okno_.setPozice(pozice);
    prepsatlist();
}

void RecordListWindow::ListBox1Click(int row) {
    vyber(okno_.zaznamRadku(row));
}

void RecordListWindow::vyber(int k, bool zeSeznamu) {
    k_.model.setCurrent(k);
    k_.ramec.zobrazZakres();
    if (zeSeznamu) drzetKlavesnici();
}

void RecordListWindow::drzetKlavesnici() {
    // Showing the drawing activates its window; the arrow keys stay here.
    if (!sub_) return;
    k_.plocha->setActiveSubWindow(sub_);
    ListBox1_->setFocus(Qt::OtherFocusReason);
}

void RecordListWindow::najitDatum(const QString& zacatek) {
    const auto text =
        k_.zpravy.ZadejHodnotu(QStringLiteral("Přejít na datum  (dd.mm.rrrr)"), zacatek);
    if (!text) return;
    const auto datum = ParseDatum(s(*text));
    if (!datum) {
        k_.zpravy.Zprava(QStringLiteral("Chybně zadané datum"));
        return;
    }
    const auto k = NearestRecord(k_.model.session().records(), *datum);
    if (!k) return;
    okno_.ukaz(*k);
    nastavPosuvnik();
    vyber(*k);
}

void RecordListWindow::posledni() {
    okno_.setPocet(k_.model.session().PocetZaznamu());
    okno_.setPozice(okno_.pocet());
    nastavPosuvnik();
    vyber(okno_.pocet());
}

QStringList RecordListWindow::radky() const {
    QStringList out;
    for (int i = 0; i < ListBox1_->count(); ++i)
        out << ListBox1_->item(i)->text();
    return out;
}

int RecordListWindow::vybranyRadek() const {
    return ListBox1_->currentRow();
}

bool RecordListWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == plochaViewport_ && event->type() == QEvent::Resize) {
        umistit();
        return false;
    }
    if (watched == sub_ && event->type() == QEvent::Move && !umistuji_ && sub_->isVisible()) {
        presunuto_ = true;
        return false;
    }
    if (watched == ListBox1_->viewport() && event->type() == QEvent::Wheel) {
        // The list has no scroll bar of its own: the wheel moves ScrollBar1.
        auto* kolo = static_cast<QWheelEvent*>(event);
        const int kroky = kolo->angleDelta().y() / 40; // three records a notch
        if (ScrollBar1_->isEnabled() && kroky != 0)
            ScrollBar1_->setValue(ScrollBar1_->value() - kroky);
        return true;
    }
    if (watched != ListBox1_ || event->type() != QEvent::KeyPress) return false;
    auto* key = static_cast<QKeyEvent*>(event);
    const int row = vybranyRadek();
    switch (key->key()) {
    case Qt::Key_Down:
        if (row >= 0) {
            const int k = okno_.dolu(row);
            nastavPosuvnik();
            vyber(k);
        }
        return true;
    case Qt::Key_Up:
        if (row >= 0) {
            const int k = okno_.nahoru(row);
            nastavPosuvnik();
            vyber(k);
        }
        return true;
    case Qt::Key_F9:
        emit klavesaF9();
        return true;
    case Qt::Key_F:
        if (!(key->modifiers() & Qt::ControlModifier)) return false;
        najitDatum();
        return true;
    default:
        // Typing a date jumps to it.
        if (key->text().size() == 1 && key->text().at(0).isDigit() &&
            !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
            najitDatum(key->text());
            return true;
        }
        return false;
    }
}

void RecordListWindow::closeEvent(QCloseEvent* event) {
    if (zavrit_)
        event->accept();
    else
        event->ignore();
}

} // namespace hk
