// Views 3, 4, 10, 11, 13 and 14 of the results window: the group evolution
// of a rotation, the observers per year, the largest groups of a year, the
// days without activity, the group positions by central-meridian zone and
// the drawings of one observer; with their exports and printing.
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMenuBar>
#include <QPainter>
#include <QPrinter>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTableWidget>
#include <QVBoxLayout>

#include "records/session.h"
#include "render/spotless_calendar.h"
#include "render/table_print.h"
#include "results/group_evolution.h"
#include "results/largest_groups.h"
#include "results/observer_statistics.h"
#include "results/official_csv.h"
#include "results/report_file.h"
#include "results/spotless_days.h"
#include "results/zone_positions.h"
#include "ui/frame/main_window.h"
#include "ui/frame/messages.h"
#include "ui/frame/ui_helpers.h"
#include "ui/results/group_evolution_panel.h"
#include "ui/results/largest_groups_panel.h"
#include "ui/results/observer_results_panel.h"
#include "ui/results/official_csv_panel.h"
#include "ui/results/results_grid.h"
#include "ui/results/results_window.h"
#include "ui/results/spotless_days_view.h"

namespace hk {

namespace {

const QString TridaVychodZapad = QStringLiteral("Výběr typu skupiny východ-západ");
// Pixels of the calendar's model on a printed page; the page scales it.
constexpr int KalendarTiskSirka = 1000;
constexpr int KalendarTiskVyska = 700;

// A page of a grid with a line of text above it.
QWidget* stranaSNadpisem(QWidget* parent, QLabel*& nadpis, QTableWidget*& mrizka,
                         const char* gridName) {
    auto* strana = new QWidget(parent);
    nadpis = new QLabel(strana);
    mrizka = NovaMrizka(QString::fromLatin1(gridName), strana);
    auto* layout = new QVBoxLayout(strana);
    layout->addWidget(nadpis);
    layout->addWidget(mrizka, 1);
    return strana;
}

} // namespace

void ResultsWindow::vytvorPohledy() {
    vyvoj_ = new GroupEvolutionPanel(stack_);
    stranaPozorovatelu_ = stranaSNadpisem(stack_, zadnyPozorovatel_, StringGrid3_, "StringGrid3");
    zadnyPozorovatel_->setObjectName(QStringLiteral("NeniPozorovatel"));
    veliky_ = new LargestGroupsPanel(stack_);
    bez_ = new SpotlessDaysView(stack_);
    QLabel* nadpis = nullptr;
    stranaPoloh_ = stranaSNadpisem(stack_, nadpis, StringGrid9_, "StringGrid9");
    nadpis->setObjectName(QStringLiteral("PolohyNadpis"));
    nadpis->setText(q(PolohyNadpis));
    pozord_ = new ObserverResultsPanel(session_, zpravy_, stack_);
    for (QWidget* w :
         {static_cast<QWidget*>(vyvoj_), stranaPozorovatelu_, static_cast<QWidget*>(veliky_),
          static_cast<QWidget*>(bez_), stranaPoloh_, static_cast<QWidget*>(pozord_)})
        stack_->addWidget(w);
    for (QWidget* w : {vyvoj_->StringGrid2(), StringGrid3_, veliky_->StringGrid7(), StringGrid9_})
        w->installEventFilter(this);

    oficCsv_ = new OfficialCsvPanel(session_, zpravy_, this);
    oficCsv_->hide();

    connect(vyvoj_, &GroupEvolutionPanel::zmena, this, &ResultsWindow::vyvojZmena);
    connect(vyvoj_, &GroupEvolutionPanel::enter, this, [this] {
        if (rezim_ == Vyvoj) sestav();
    });
    connect(veliky_, &LargestGroupsPanel::zmena, this, &ResultsWindow::velikyZmena);
}

// ---------------------------------------------------------------------------
// Menu handlers

void ResultsWindow::Vvojskupin1Click() {
    ukaz(Vyvoj);
}

void ResultsWindow::pozorovateleClick() {
    ukaz(PozorovateleRoky);
}

void ResultsWindow::velikyClick() {
    ukaz(Veliky);
}

void ResultsWindow::BezaktivityClick() {
    ukaz(BezAktivity);
}

void ResultsWindow::polohy1Click() {
    ukaz(Polohy);
}

void ResultsWindow::pozordClick() {
    ukaz(PozorovatelDenni);
}

void ResultsWindow::Pozorovalelden() {
    ukaz(PozorovatelDenni);
    pozord_->vyprazdni();
}

void ResultsWindow::vyvojZmena(int hodnota) {
    const auto rotace = EvolutionRotationInput(session_.records(), hodnota);
    if (!rotace) return;
    if (*rotace != hodnota) {
        vyvoj_->SpinEdit1()->setValue(*rotace); // the change comes back here
        return;
    }
    if (rezim_ == Vyvoj) sestav();
}

void ResultsWindow::velikyZmena(int) {
    if (rezim_ == Veliky) sestav();
}

// ---------------------------------------------------------------------------
// Building the views

bool ResultsWindow::sestavPohled() {
    const auto zaznamy = session_.records();
    switch (rezim_) {
    case Vyvoj:
        mrizka_ = BuildGroupEvolution(zaznamy, session_.geometry(), vyvoj_->SpinEdit1()->value());
        vyvoj_->nastav(mrizka_);
        stack_->setCurrentWidget(vyvoj_);
        break;
    case PozorovateleRoky: {
        ObserverStatistics s = BuildObserverStatistics(zaznamy, session_.Pozorovatele());
        mrizka_ = std::move(s.grid);
        zadnyPozorovatel_->setText(s.zadnyPozorovatel ? q(NeniZadanoJmeno) : QString());
        zadnyPozorovatel_->setVisible(s.zadnyPozorovatel);
        StringGrid3_->setVisible(!s.zadnyPozorovatel);
        VyplnMrizku(*StringGrid3_, mrizka_);
        stack_->setCurrentWidget(stranaPozorovatelu_);
        break;
    }
    case Veliky: {
        QSpinBox* spin = veliky_->SpinEdit2();
        const int rok = LargestGroupsYear(zaznamy, spin->value());
        if (rok != spin->value()) {
            const QSignalBlocker ticho(spin);
            spin->setValue(rok);
        }
        mrizka_ = BuildLargestGroups(zaznamy, spin->value());
        veliky_->nastav(mrizka_);
        stack_->setCurrentWidget(veliky_);
        break;
    }
    case BezAktivity:
        mrizka_ = {std::string(BezAktivityCaption), {}};
        bez_->nastav(DnyBezAktivity(zaznamy), session_.ProcentoVelikosti());
        stack_->setCurrentWidget(bez_);
        break;
    case Polohy: {
        const auto* combo = k_.plocha->window()->findChild<QComboBox*>(QStringLiteral("ComboBox1"));
        const std::string trida = combo && !combo->currentText().isEmpty()
                                      ? combo->currentText().toStdString()
                                      : std::string(VsechnyTridy);
        auto zapnuto = [this](const char* name) {
            const QAction* a = k_.ramec.akce(QString::fromLatin1(name));
            return !a || !a->isCheckable() || a->isChecked();
        };
        const ZoneSections sekce{zapnuto("polohy"), zapnuto("polohym"), zapnuto("polohyr"), true};
        BusyCursor busy;
        mrizka_ = BuildZonePositions(zaznamy, session_.geometry(), trida, sekce);
        VyplnMrizku(*StringGrid9_, mrizka_);
        stack_->setCurrentWidget(stranaPoloh_);
        break;
    }
    case PozorovatelDenni:
        pozord_->obnov();
        mrizka_ = pozord_->seznam().grid;
        mrizka_.caption = "Výsledky    pozorovatel denní";
        stack_->setCurrentWidget(pozord_);
        break;
    default:
        return false;
    }
    setWindowTitle(q(mrizka_.caption));
    return true;
}

// ---------------------------------------------------------------------------
// Files

void ResultsWindow::doCSVClick() {
    if (rezim_ != PozorovateleRoky) return;
    const ObserverStatistics s =
        BuildObserverStatistics(session_.records(), session_.Pozorovatele());
    if (s.zadnyPozorovatel) {
        zpravy_.Zprava(q(NeniZadanoJmeno));
        return;
    }
    zpravy_.Zprava(q(PozorovateleCsvOtazka));
    if (!runCommand(zpravy_, [&] { WriteReportFile(session_.dir, ObserversCsv(s.grid)); })) return;
    zpravy_.Zprava(q(DataBylaUlozena));
}

void ResultsWindow::oficCSVClick() {
    if (!obecna_.ObecnaDataZadana) {
        zpravy_.Zprava(q(NejsouObecnaData));
        return;
    }
    oficCsv_->nastav(obecna_);
    oficCsv_->mesic()->setText(mesicText_);
    oficCsv_->adjustSize();
    oficCsv_->move(20, menu_->height() + 20);
    oficCsv_->show();
    oficCsv_->raise();
}

void ResultsWindow::polohytext() {
    if (!zpravy_.Otazka(q(PolohyTextOtazka))) return;
    const auto* combo = k_.plocha->window()->findChild<QComboBox*>(QStringLiteral("ComboBox1"));
    const std::string trida = combo && !combo->currentText().isEmpty()
                                  ? combo->currentText().toStdString()
                                  : std::string(VsechnyTridy);
    if (!runCommand(zpravy_, [&] {
            BusyCursor busy;
            for (const ReportFile& f :
                 ZoneTextFiles(session_.records(), session_.geometry(), trida))
                WriteReportFile(session_.dir, f);
        }))
        return;
    zpravy_.Zprava(q(DataBylaUlozena));
}

// ---------------------------------------------------------------------------
// Printing

bool ResultsWindow::tiskPohledu(QPrinter& printer) {
    switch (rezim_) {
    case PozorovateleRoky:
    case Veliky:
    case Polohy:
        if (mrizka_.rowCount() < 2) break;
        PrintTable(printer, mrizka_, q(mrizka_.caption));
        return true;
    case PozorovatelDenni:
        if (pozord_->seznam().n == 0) break;
        PrintTable(printer, pozord_->seznam().grid,
                   q(mrizka_.caption) + QStringLiteral("    ") + pozord_->jmeno());
        return true;
    case BezAktivity: {
        QPainter p;
        if (!p.begin(&printer)) throw std::runtime_error("Tisk nelze zahájit");
        const QRect strana(0, 0, printer.width(), printer.height());
        const SpotlessCalendar model = BuildSpotlessCalendar(
            bez_->dny(), bez_->rok(), KalendarTiskSirka, KalendarTiskVyska, 100);
        const double meritko = std::min(strana.width() / double(KalendarTiskSirka),
                                        strana.height() / double(KalendarTiskVyska));
        p.scale(meritko, meritko);
        p.drawText(QPoint(KalendarTiskSirka / 15, 30),
                   q(BezAktivityCaption) + QStringLiteral("  ") + QString::number(bez_->rok()));
        PaintSpotlessCalendar(p, QRect(0, 0, KalendarTiskSirka, KalendarTiskVyska), model);
        p.end();
        return true;
    }
    default:
        return false;
    }
    zpravy_.Zprava(QStringLiteral("Není co tisknout"));
    return true;
}

// ---------------------------------------------------------------------------

void installPohledy(MainWindow& hlavni) {
    // "Bez" and "P. den" as the panel names them.
    if (QAction* bez = hlavni.akce(QStringLiteral("SpeedButton1"))) {
        bez->setText(QStringLiteral("Bez"));
        bez->setToolTip(QStringLiteral("Bez sluneční aktivity"));
        bez->setStatusTip(QStringLiteral("Bez sluneční aktivity"));
    }
    if (QAction* den = hlavni.akce(QStringLiteral("SpeedButton15")))
        den->setText(QStringLiteral("P. den"));
    // The zone sections: "Polohy" the drawings, "Polohy m." the months,
    // "Polohy r." the years; each button switches its section and shows the
    // view again. All data ("vše") are always shown.
    for (const char* name : {"polohy", "polohym", "polohyr"})
        if (QAction* a = hlavni.akce(QString::fromLatin1(name))) {
            a->setCheckable(true);
            a->setChecked(true);
        }
    if (auto* combo = hlavni.findChild<QComboBox*>(QStringLiteral("ComboBox1"))) {
        combo->clear();
        for (std::string_view item : ZoneClassItems)
            combo->addItem(q(item));
        combo->setCurrentText(q(VsechnyTridy));
        combo->setEnabled(true);
        combo->setToolTip(TridaVychodZapad);
        combo->setStatusTip(TridaVychodZapad);
        QObject::connect(combo, &QComboBox::currentTextChanged, &hlavni, [&hlavni] {
            if (ResultsWindow* w = ResultsWindow::otevrene(hlavni)) w->polohy1Click();
        });
    }
}

} // namespace hk
