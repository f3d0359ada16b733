#include "ui/results/results_window.h"
#include "ui/frame/ui_helpers.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPrintDialog>
#include <QPrinter>
#include <QStackedWidget>
#include <QTableWidget>
#include <QVBoxLayout>
#include <sstream>

#include "records/session.h"
#include "render/protocol.h"
#include "render/protocol_observers.h"
#include "render/table_print.h"
#include "results/choose_month.h"
#include "results/csv_export.h"
#include "results/cv_report.h"
#include "results/measured_statistics.h"
#include "results/own_report.h"
#include "results/report_file.h"
#include "results/rotation_table.h"
#include "results/sidc_report.h"
#include "results/smoothed_statistics.h"
#include "results/statistics_status.h"
#include "results/type_occurrence.h"
#include "ui/entry/record_list_window.h"
#include "ui/frame/main_window.h"
#include "ui/frame/messages.h"
#include "ui/frame/observer_dialog.h"
#include "ui/results/asymmetry_view.h"
#include "ui/results/intersol_panel.h"
#include "ui/results/observer_list_view.h"
#include "ui/results/protocol_view.h"
#include "ui/results/results_grid.h"
#include "ui/results/rotation_table_view.h"
#include "ui/results/station_data_panel.h"

namespace hk {

namespace {

constexpr int SirkaNamerene = 925; // grid width at 100 %
constexpr int SirkaVyhlazene = 540;
constexpr std::string_view SouborPozorovatelu = "pozorovatelep.dat";
const QString Titulek = QStringLiteral("Výsledky");
const QString NazevObrazku = QStringLiteral("Vysledky");
const QString NeniCoTisknout = QStringLiteral("Není co tisknout");
const QString NejdriveStatistika =
    QStringLiteral("Nejdříve zobrazte naměřenou nebo vyhlazenou statistiku");

QString mesicRok(int vybranyMesic) {
    return QStringLiteral("%1.%2")
        .arg(vybranyMesic % 100, 2, 10, QLatin1Char('0'))
        .arg(vybranyMesic / 100);
}

// The day lines of the CV report as a grid: day, CV, time, Cond and the
// classes, then AVRG and OBS; what the file holds, cell by cell.
ResultsGrid CvMrizka(const ReportFile& report) {
    ResultsGrid g;
    g.cells.push_back({"Den", "CV", "Čas", "Cond", "Skupiny"});
    std::istringstream lines(report.text);
    std::string line;
    while (std::getline(lines, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        std::istringstream words(line);
        std::vector<std::string> w;
        for (std::string word; words >> word;)
            w.push_back(word);
        if (w.empty()) continue;
        const bool den = w[0].size() == 2 && std::isdigit(static_cast<unsigned char>(w[0][0])) &&
                         std::isdigit(static_cast<unsigned char>(w[0][1]));
        if (den) {
            std::vector<std::string> row(5);
            for (std::size_t i = 0; i < 4 && i < w.size(); ++i)
                row[i] = w[i];
            for (std::size_t i = 4; i < w.size(); ++i)
                row[4] += (i > 4 ? " " : "") + w[i];
            g.cells.push_back(row);
        } else if ((w[0] == "AVRG" || w[0] == "OBS") && w.size() >= 3) {
            g.cells.push_back({w[0], w[2], "", "", ""});
        }
    }
    return g;
}

} // namespace

// ---------------------------------------------------------------------------
// Opening and closing

ResultsWindow* ResultsWindow::otevrene(MainWindow& hlavni) {
    for (ResultsWindow* w : hlavni.plocha()->findChildren<ResultsWindow*>())
        if (!w->zavreno_) return w;
    return nullptr;
}

ResultsWindow* ResultsWindow::otevrit(MainWindow& hlavni) {
    if (ResultsWindow* w = otevrene(hlavni)) {
        if (auto* sub = qobject_cast<QMdiSubWindow*>(w->parentWidget()))
            hlavni.plocha()->setActiveSubWindow(sub);
        return w;
    }
    auto* w = new ResultsWindow(hlavni.kontext());
    QMdiSubWindow* sub = hlavni.plocha()->addSubWindow(w);
    sub->setObjectName(QStringLiteral("Form9"));
    sub->setAttribute(Qt::WA_DeleteOnClose);
    // The work area left of the record list.
    const QRect plocha = hlavni.plocha()->viewport()->rect();
    int sirka = plocha.width();
    if (hlavni.seznam())
        if (auto* seznam = qobject_cast<QMdiSubWindow*>(hlavni.seznam()->parentWidget()))
            if (seznam->x() > plocha.width() / 2) sirka = seznam->x();
    sub->setGeometry(0, 0, sirka, plocha.height());
    sub->show();
    hlavni.ukazPanel(QStringLiteral("provysledky"));
    w->setFocus();
    return w;
}

ResultsWindow::ResultsWindow(WindowContext k)
    : QWidget(nullptr), k_(k), session_(k.model.session()), zpravy_(k.zpravy),
      velikostPisma_(VelikostPismaVychozi) {
    setObjectName(QStringLiteral("ResultsWindow"));
    setWindowTitle(Titulek);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::white);
    setPalette(pal);
    setFocusPolicy(Qt::StrongFocus);

    menu_ = new QMenuBar(this);
    menu_->setObjectName(QStringLiteral("MainMenu1"));
    vytvorMenu();

    stack_ = new QStackedWidget(this);
    prazdna_ = new QWidget(stack_);
    protokol_ = new ProtocolView(stack_);

    stranaStatistiky_ = new QWidget(stack_);
    StringGrid1_ = NovaMrizka(QStringLiteral("StringGrid1"), stranaStatistiky_);
    stav_ = new QLabel(stranaStatistiky_);
    stav_->setObjectName(QStringLiteral("LabelTisk"));
    auto* statistika = new QVBoxLayout(stranaStatistiky_);
    statistika->addWidget(StringGrid1_, 1, Qt::AlignLeft);
    statistika->addWidget(stav_);

    StringGrid4_ = NovaMrizka(QStringLiteral("StringGrid4"), stack_);
    StringGrid8_ = NovaMrizka(QStringLiteral("StringGrid8"), stack_);
    mapa_ = new RotationTableView(stack_);
    stack_->addWidget(mapa_);
    intersol_ = new InterSolPanel(
        k_.model, zpravy_, [this]() -> const ObecnaData& { return obecna_; }, stack_);
    for (QWidget* w : {prazdna_, static_cast<QWidget*>(protokol_), stranaStatistiky_,
                       static_cast<QWidget*>(StringGrid4_), static_cast<QWidget*>(StringGrid8_),
                       static_cast<QWidget*>(intersol_)})
        stack_->addWidget(w);
    for (QWidget* w : {static_cast<QWidget*>(StringGrid1_), static_cast<QWidget*>(StringGrid4_),
                       static_cast<QWidget*>(StringGrid8_)})
        w->installEventFilter(this);

    vytvorPohledy();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setMenuBar(menu_);
    layout->addWidget(stack_);

    obecnaPanel_ = new StationDataPanel(this);
    obecnaPanel_->hide();
    seznam_ = new ObserverListView(this);

    vybratTiskarnu = [this](QPrinter& printer) {
        QPrintDialog d(&printer, this);
        return d.exec() == QDialog::Accepted;
    };
    vybratPozorovatele = [this] { return ObserverDialog::vyber(session_.Pozorovatele(), this); };

    connect(obecnaPanel_, &StationDataPanel::potvrzeno, this, &ResultsWindow::ObecnaDataOK);
    connect(intersol_, &InterSolPanel::ulozeno, this,
            [this](const QString& mesic) { mesicText_ = mesic; });
    connect(&k_.model, &SessionModel::recordsChanged, this, [this] {
        intersol_->obnovPozorovatele();
        sestav();
    });

    nactiObecnaData();
    ukaz(Nic);
}

void ResultsWindow::nactiObecnaData() {
    // The table shows the file as it is; PopisNov.txt changes only the data
    // the reports use.
    ObecnaData tabulka = ObecnaDataTableDefaults();
    try {
        const std::filesystem::path soubor = session_.dir.resolve(ObecdataSoubor);
        std::error_code ec;
        if (std::filesystem::is_regular_file(soubor, ec)) tabulka = ReadObecnaData(soubor, {});
        obecna_ = ReadObecnaData(session_.dir);
    } catch (const std::exception& e) {
        zpravy_.Zprava(QString::fromUtf8(e.what()));
    }
    StationDataPanel::Hodnoty h;
    for (int k = 1; k <= ObecnaDataRadku; ++k)
        h[static_cast<std::size_t>(k - 1)] = tabulka.row(k);
    obecnaPanel_->nastav(h);
}

void ResultsWindow::zavritvysClick() {
    if (auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget()))
        sub->close();
    else
        close();
}

void ResultsWindow::closeEvent(QCloseEvent* event) {
    zavreno_ = true;
    // The observer table goes back to its file, as the Inter-Sol panel may
    // have added to it; never over a file the start-up could not read (the
    // start-up said so already).
    try {
        const std::filesystem::path soubor = session_.dir.resolve(SouborPozorovatelu);
        std::error_code ec;
        if (session_.observerTableWritable() &&
            (session_.TabulkaPozorovatelu().size() > 0 || std::filesystem::exists(soubor, ec)))
            k_.model.writeObserverTable(soubor);
    } catch (const std::exception& e) {
        zpravy_.Zprava(QString::fromUtf8(e.what()));
    }
    k_.ramec.zakladniPanel();
    k_.ramec.ukazPosuvnikZaznamu(true);
    k_.ramec.posledniUprava();
    QWidget::closeEvent(event);
}

// ---------------------------------------------------------------------------
// Menu

QAction* ResultsWindow::pridej(QWidget* menu, const char* name, const QString& text,
                               void (ResultsWindow::*handler)()) {
    auto* a = new QAction(text, this);
    a->setObjectName(QString::fromLatin1(name));
    akce_.insert(a->objectName(), a);
    menu->addAction(a);
    connect(a, &QAction::triggered, this, [this, handler] { (this->*handler)(); });
    return a;
}

void ResultsWindow::pripravujeSe(QWidget* menu, const char* name, const QString& text) {
    auto* a = new QAction(text, this);
    a->setObjectName(QString::fromLatin1(name));
    a->setEnabled(false);
    a->setToolTip(MainWindow::PripravujeSe);
    a->setStatusTip(MainWindow::PripravujeSe);
    akce_.insert(a->objectName(), a);
    menu->addAction(a);
}

void ResultsWindow::vytvorMenu() {
    auto podmenu = [this](QWidget* rodic, const char* name, const QString& text) {
        auto* m = new QMenu(text, rodic);
        m->setObjectName(QString::fromLatin1(name));
        m->setToolTipsVisible(true);
        rodic->addAction(m->menuAction());
        return m;
    };
    pridej(menu_, "zavritvys", QStringLiteral("&Zavřit"), &ResultsWindow::zavritvysClick);

    QMenu* vyber = podmenu(menu_, "vyber", QStringLiteral("&Výběr"));
    pridej(vyber, "vlastni", QStringLiteral("&Vlastní"), &ResultsWindow::vlastniClick);
    pridej(vyber, "oficialni", QStringLiteral("S&IDC výsledky"), &ResultsWindow::oficialniClick);
    pridej(vyber, "CVvysledek", QStringLiteral("CV výsledky"), &ResultsWindow::CVvysledekClick);

    QMenu* statistika = podmenu(menu_, "statistika", QStringLiteral("&Statistika"));
    QMenu* namerena = podmenu(statistika, "namerena", QStringLiteral("&Naměřená"));
    pridej(namerena, "celkovynam", QStringLiteral("&Celková"), &ResultsWindow::celkovynamClick);
    pridej(namerena, "severnam", QStringLiteral("&Sever"), &ResultsWindow::severnamClick);
    pridej(namerena, "jihnam", QStringLiteral("&Jih"), &ResultsWindow::jihnamClick);
    QMenu* vyhlazena = podmenu(statistika, "vyhlazena", QStringLiteral("&Vyhlazená"));
    pridej(vyhlazena, "celkovyvyr", QStringLiteral("&Celková"), &ResultsWindow::celkovyvyrClick);
    pridej(vyhlazena, "severvyr", QStringLiteral("&Sever"), &ResultsWindow::severvyrClick);
    pridej(vyhlazena, "jihvyr", QStringLiteral("&Jih"), &ResultsWindow::jihvyrClick);
    pridej(statistika, "pozorovatele", QStringLiteral("&Pozorovatelé"),
           &ResultsWindow::pozorovateleClick);
    pridej(statistika, "vyskit", QStringLiteral("Výskyt  typu &skupiny"),
           &ResultsWindow::vyskitClick);
    pridej(statistika, "Vvojskupin1", QStringLiteral("Vývo&j skupin"),
           &ResultsWindow::Vvojskupin1Click);
    pridej(statistika, "udajmapa", QStringLiteral("Údaje pro mapu"), &ResultsWindow::udajmapaClick);
    QMenu* polohy = podmenu(statistika, "polohyskupin", QStringLiteral("Polohy skupin"));
    pridej(polohy, "polohy1", QStringLiteral("Polohy"), &ResultsWindow::polohy1Click);
    pridej(polohy, "Polohym", QStringLiteral("Polohy měsic"), &ResultsWindow::PolohymClick);
    pridej(polohy, "Polohyr", QStringLiteral("Polohy roční"), &ResultsWindow::PolohyrClick);

    pridej(menu_, "veliky", QStringLiteral("Velikost skupin"), &ResultsWindow::velikyClick);
    pridej(menu_, "Bezaktivity", QStringLiteral("Bez  aktivity"), &ResultsWindow::BezaktivityClick);
    pridej(menu_, "dataasim", QStringLiteral("Data asymetrie"), &ResultsWindow::dataasimClick);
    pridej(menu_, "pozord", QStringLiteral("Pozorovatel denní"), &ResultsWindow::pozordClick);
    pridej(menu_, "InterSOL1", QStringLiteral("Inter SOL"), &ResultsWindow::InterSOL1Click);
    pridej(menu_, "tiskvysl", QStringLiteral("&Tisk"), &ResultsWindow::tiskvyslClick);
    pridej(menu_, "Veobecndata1", QStringLiteral("Všeobecná data"),
           &ResultsWindow::Veobecndata1Click);
    pridej(menu_, "dosouboru", QStringLiteral("&Uložit do souboru"),
           &ResultsWindow::dosouboruClick);
    pridej(menu_, "doCSV", QStringLiteral("Uložit do CSV"), &ResultsWindow::doCSVClick);
    pridej(menu_, "oficCSV", QStringLiteral("Uložit Oficiální do souboru CSV"),
           &ResultsWindow::oficCSVClick);
}

void ResultsWindow::obnovMenu() {
    const bool tisk = rezim_ == Vlastni || rezim_ == Oficialni || rezim_ == Namerena ||
                      rezim_ == Vyhlazena || rezim_ == CvHodnoty || rezim_ == InterSol ||
                      rezim_ == PozorovateleRoky || rezim_ == Veliky || rezim_ == BezAktivity ||
                      rezim_ == Polohy || rezim_ == PozorovatelDenni || rezim_ == UdajeMapa ||
                      rezim_ == DataAsymetrie;
    akce_.value(QStringLiteral("tiskvysl"))->setEnabled(tisk);
    akce_.value(QStringLiteral("dosouboru"))
        ->setVisible(rezim_ == Vlastni || rezim_ == Oficialni || rezim_ == CvHodnoty);
    akce_.value(QStringLiteral("doCSV"))->setVisible(rezim_ == PozorovateleRoky);
    if (QAction* txt = k_.ramec.akce(QStringLiteral("AsinTXT")))
        txt->setVisible(rezim_ == DataAsymetrie);
    if (QAction* csv = k_.ramec.akce(QStringLiteral("SpeedButton8")))
        csv->setEnabled(rezim_ == Namerena || rezim_ == Vyhlazena);
}

// ---------------------------------------------------------------------------
// Views

bool ResultsWindow::zvolitMesic(bool hlavickovaZprava) {
    for (const std::string& upozorneni : ChooseMonthNotices(obecna_, hlavickovaZprava))
        zpravy_.Zprava(q(upozorneni));
    for (;;) {
        const std::optional<QString> text =
            zpravy_.ZadejHodnotuNadpis(QStringLiteral("Zadání"), q(ZadaniMesiceVyzva), mesicText_);
        if (!text) return false;
        mesicText_ = *text;
        const ChooseMonthResult r = ChooseMonth(session_.records(), text->toStdString());
        if (r.first) {
            prvni_ = *r.first;
            vybranyMesic_ = r.VybranyMesic;
            return true;
        }
        zpravy_.Zprava(q(r.message.value_or("")));
    }
}

void ResultsWindow::vlastniClick() {
    if (!zvolitMesic(true)) return ukaz(Nic);
    velikostPisma_ = VelikostPismaVychozi;
    ukaz(Vlastni);
}

void ResultsWindow::oficialniClick() {
    ukaz(zvolitMesic(true) ? Oficialni : Nic);
}

void ResultsWindow::CVvysledekClick() {
    ukaz(zvolitMesic(false) ? CvHodnoty : Nic);
}

void ResultsWindow::namerena(VyberPolokoule v) {
    vyber_ = v;
    ukaz(Namerena);
}

void ResultsWindow::vyhlazena(VyberPolokoule v) {
    // The check and the table come from one pass over the records.
    SmoothedStatistics r = CheckedSmoothedStatistics(session_.records(), v);
    if (r.refusal) {
        zpravy_.Zprava(q(*r.refusal));
        return;
    }
    vyber_ = v;
    vyhlazenaMrizka_ = std::move(r.grid);
    vyhlazenaRevize_ = session_.revision();
    ukaz(Vyhlazena);
}

void ResultsWindow::udajmapaClick() {
    ukaz(UdajeMapa);
}

void ResultsWindow::vyskitClick() {
    ukaz(VyskytTypu);
}

void ResultsWindow::InterSOL1Click() {
    intersol_->obnovPozorovatele();
    intersol_->nastavMesic(mesicText_);
    ukaz(InterSol);
}

void ResultsWindow::dataasimClick() {
    ukaz(DataAsymetrie);
}

void ResultsWindow::asimtxt() {
    const QAction* asro = k_.ramec.akce(QStringLiteral("asro"));
    AsymetrieDoTextu(session_, k_.model.analysis(), zpravy_, asro && asro->isChecked());
}

void ResultsWindow::ukaz(int rezim) {
    rezim_ = rezim;
    seznam_->hide();
    sestav();
    obnovMenu();
}

void ResultsWindow::sestav() {
    // While the results are shown the record list keeps still: its scroll
    // bar is hidden until the window closes.
    k_.ramec.ukazPosuvnikZaznamu(false);
    if (sestavPohled()) return;
    const double procento = session_.ProcentoVelikosti() / 100.0;
    switch (rezim_) {
    case Vlastni:
    case Oficialni:
        sestavProtokol();
        return;
    case CvHodnoty:
        sestavCv();
        return;
    case Namerena:
    case Vyhlazena:
        if (rezim_ == Vyhlazena && vyhlazenaRevize_ != session_.revision()) {
            vyhlazenaMrizka_ = BuildSmoothedStatistics(session_.records(), vyber_);
            vyhlazenaRevize_ = session_.revision();
        }
        mrizka_ = rezim_ == Namerena ? BuildMeasuredStatistics(session_.records(), vyber_)
                                     : vyhlazenaMrizka_;
        if (rezim_ == Vyhlazena) mrizka_.caption = SmoothedCaption(vyber_);
        VyplnMrizku(*StringGrid1_, mrizka_);
        StringGrid1_->setFixedWidth(
            static_cast<int>((rezim_ == Namerena ? SirkaNamerene : SirkaVyhlazene) * procento));
        stavTisku();
        stack_->setCurrentWidget(stranaStatistiky_);
        setWindowTitle(q(mrizka_.caption));
        return;
    case VyskytTypu:
        mrizka_ = BuildTypeOccurrence(session_.records()).grid;
        VyplnMrizku(*StringGrid4_, mrizka_);
        stack_->setCurrentWidget(StringGrid4_);
        setWindowTitle(q(mrizka_.caption));
        return;
    case UdajeMapa: {
        mrizka_ = BuildRotationStatistics(session_.records(), session_.geometry());
        QPrinter printer(QPrinter::HighResolution);
        const QRect strana = printer.pageLayout().paintRectPixels(printer.resolution());
        mapa_->nastav(mrizka_, q(StatisticsStatusLine(mrizka_, strana.width(), strana.height())));
        stack_->setCurrentWidget(mapa_);
        setWindowTitle(q(mrizka_.caption));
        return;
    }
    case DataAsymetrie: {
        const QAction* asme = k_.ramec.akce(QStringLiteral("asme"));
        mrizka_ = AsymetrieMrizka(session_, k_.model.analysis(), asme && asme->isChecked());
        VyplnMrizku(*StringGrid8_, mrizka_);
        stack_->setCurrentWidget(StringGrid8_);
        setWindowTitle(q(mrizka_.caption));
        return;
    }
    case InterSol:
        stack_->setCurrentWidget(intersol_);
        setWindowTitle(Titulek);
        return;
    default:
        rezim_ = Nic;
        stack_->setCurrentWidget(prazdna_);
        setWindowTitle(Titulek);
        return;
    }
}

void ResultsWindow::sestavProtokol() {
    // The records may have changed since the month was chosen.
    const auto prvni = FirstRecordOfMonth(session_.records(), vybranyMesic_);
    if (!prvni) return ukaz(Nic);
    prvni_ = *prvni;
    const ProtocolKind druh = rezim_ == Vlastni ? ProtocolKind::Vlastni : ProtocolKind::Sidc;
    protokol_->nastav(BuildProtocolData(session_.records(), prvni_, obecna_), druh,
                      session_.ProcentoVelikosti() / 100.0, velikostPisma_);
    stack_->setCurrentWidget(protokol_);
    setWindowTitle(
        Titulek +
        (rezim_ == Vlastni ? QStringLiteral("    vlastní - ") : QStringLiteral("    SIDC - ")) +
        mesicRok(vybranyMesic_));
}

void ResultsWindow::sestavCv() {
    const auto prvni = FirstRecordOfMonth(session_.records(), vybranyMesic_);
    if (!prvni) return ukaz(Nic);
    prvni_ = *prvni;
    mrizka_ = CvMrizka(BuildCvReport(session_.records(), session_.geometry(), prvni_, {}, obecna_));
    mrizka_.caption =
        (Titulek + QStringLiteral("    CV - ") + mesicRok(vybranyMesic_)).toStdString();
    VyplnMrizku(*StringGrid8_, mrizka_);
    stack_->setCurrentWidget(StringGrid8_);
    setWindowTitle(q(mrizka_.caption));
}

void ResultsWindow::stavTisku() {
    QPrinter printer(QPrinter::HighResolution);
    const QRect strana = printer.pageLayout().paintRectPixels(printer.resolution());
    stav_->setText(q(StatisticsStatusLine(mrizka_, strana.width(), strana.height())));
}

void ResultsWindow::seznamPozorovatelu() {
    seznam_->move(8, menu_->height() + 8);
    seznam_->ukaz(ObserverPeriods(session_.records(), session_.Pozorovatele()));
}

// ---------------------------------------------------------------------------
// Keys

void ResultsWindow::keyPressEvent(QKeyEvent* event) {
    const QString klavesa = event->text().toLower();
    if (event->key() == Qt::Key_F8) {
        k_.ramec.ulozitObrazekOkna(NazevObrazku);
    } else if (klavesa == QStringLiteral("q")) {
        seznamPozorovatelu();
    } else if (rezim_ == Vlastni &&
               (klavesa == QStringLiteral("v") || klavesa == QStringLiteral("m"))) {
        velikostPisma_ = klavesa == QStringLiteral("v") ? VelikostPismaVetsi(velikostPisma_)
                                                        : VelikostPismaMensi(velikostPisma_);
        sestav();
    } else {
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
}

bool ResultsWindow::eventFilter(QObject* watched, QEvent* event) {
    // The grids would take letters for their own search: the window sees
    // its keys first.
    if (event->type() == QEvent::KeyPress) {
        auto* k = static_cast<QKeyEvent*>(event);
        if (k->key() == Qt::Key_F8 || k->text().toLower() == QStringLiteral("q")) {
            keyPressEvent(k);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

// ---------------------------------------------------------------------------
// Printing, saving, general data

void ResultsWindow::tiskvyslClick() {
    if (!akce_.value(QStringLiteral("tiskvysl"))->isEnabled()) return;
    QPrinter printer(QPrinter::HighResolution);
    if (!vybratTiskarnu(printer)) return;
    tiskDo(printer);
}

void ResultsWindow::tiskDo(QPrinter& printer) {
    try {
        if (tiskPohledu(printer)) return;
        switch (rezim_) {
        case Vlastni:
        case Oficialni:
            PrintProtocol(printer, protokol_->data(), protokol_->kind(),
                          protokol_->options().velikostPisma);
            return;
        case Namerena:
        case Vyhlazena:
        case CvHodnoty:
        case UdajeMapa:
        case DataAsymetrie:
            PrintTable(printer, mrizka_, q(mrizka_.caption));
            return;
        case InterSol:
            if (intersol_->tabulka().grid.rowCount() == 0) break;
            PrintTable(printer, intersol_->tabulka().grid, q(intersol_->tabulka().grid.caption));
            return;
        default:
            break;
        }
        zpravy_.Zprava(NeniCoTisknout);
    } catch (const std::exception& e) {
        zpravy_.Zprava(QString::fromUtf8(e.what()));
    }
}

void ResultsWindow::dosouboruClick() {
    if (rezim_ != Vlastni && rezim_ != Oficialni && rezim_ != CvHodnoty) return;
    const auto prvni = FirstRecordOfMonth(session_.records(), vybranyMesic_);
    if (!prvni) return ukaz(Nic);
    prvni_ = *prvni;
    const auto zaznamy = session_.records();
    try {
        if (rezim_ == Vlastni) {
            const OwnReport vlastni = BuildOwnReport(zaznamy, prvni_, obecna_);
            k_.model.setCurrent(static_cast<int>(prvni_) + 1);
            WriteReportFile(session_.dir, vlastni.basic);
            WriteReportFile(session_.dir, vlastni.extended);
        } else if (rezim_ == Oficialni) {
            const ReportFile sidc = BuildSidcReport(zaznamy, session_.geometry(), prvni_, obecna_);
            k_.model.setCurrent(static_cast<int>(prvni_) + 1);
            if (ReportExists(session_.dir, sidc) && !zpravy_.Otazka(q(SouborJizExistuje))) return;
            WriteReportFile(session_.dir, sidc);
        } else {
            const QString pozorovatel = vybratPozorovatele();
            if (pozorovatel.isEmpty()) return;
            const ReportFile cv = BuildCvReport(zaznamy, session_.geometry(), prvni_,
                                                pozorovatel.toStdString(), obecna_);
            k_.model.setCurrent(static_cast<int>(prvni_) + 1);
            WriteReportFile(session_.dir, cv);
        }
    } catch (const std::exception& e) {
        zpravy_.Zprava(QString::fromUtf8(e.what()));
        return;
    }
    zpravy_.Zprava(q(DataBylaUlozena));
}

void ResultsWindow::namdocsv() {
    if (rezim_ != Namerena && rezim_ != Vyhlazena) {
        zpravy_.Zprava(NejdriveStatistika);
        return;
    }
    try {
        WriteStatisticsCsv(session_.dir,
                           rezim_ == Namerena ? StatisticsTable::Namerene
                                              : StatisticsTable::Vyhlazene,
                           static_cast<int>(vyber_), mrizka_.cells);
    } catch (const std::exception& e) {
        zpravy_.Zprava(QString::fromUtf8(e.what()));
        return;
    }
    zpravy_.Zprava(q(DataBylaUlozena));
}

void ResultsWindow::Veobecndata1Click() {
    obecnaPanel_->move(20, menu_->height() + 20);
    obecnaPanel_->show();
    obecnaPanel_->raise();
    obecnaPanel_->tabulka()->setFocus();
}

void ResultsWindow::ObecnaDataOK() {
    const ObecnaData nova = ConfirmObecnaData(obecna_, obecnaPanel_->hodnoty());
    try {
        WriteObecnaData(session_.dir, nova);
    } catch (const std::exception& e) {
        zpravy_.Zprava(QString::fromUtf8(e.what()));
        return;
    }
    obecna_ = nova;
    StationDataPanel::Hodnoty h;
    for (int k = 1; k <= ObecnaDataRadku; ++k)
        h[static_cast<std::size_t>(k - 1)] = obecna_.row(k);
    obecnaPanel_->nastav(h);
    intersol_->nastavPristroj(q(obecna_.row(2)));
    sestav();
}

// ---------------------------------------------------------------------------

// The main window's controls of views 3 to 14 (results_views.cpp).
void installPohledy(MainWindow& hlavni);

void installVysledky(MainWindow& hlavni) {
    hlavni.zapojit(QStringLiteral("vysledky1"), [&hlavni] { ResultsWindow::otevrit(hlavni); });
    const std::pair<const char*, void (ResultsWindow::*)()> tlacitka[] = {
        {"vlastniv", &ResultsWindow::vlastniClick},
        {"oficialv", &ResultsWindow::oficialniClick},
        {"CVvysledky", &ResultsWindow::CVvysledekClick},
        {"namercelek", &ResultsWindow::celkovynamClick},
        {"namersever", &ResultsWindow::severnamClick},
        {"namerjih", &ResultsWindow::jihnamClick},
        {"vyhlcelek", &ResultsWindow::celkovyvyrClick},
        {"vyhlsever", &ResultsWindow::severvyrClick},
        {"vyhljih", &ResultsWindow::jihvyrClick},
        {"vyskytskup", &ResultsWindow::vyskitClick},
        {"promapovy", &ResultsWindow::udajmapaClick},
        {"SpeedButton8", &ResultsWindow::namdocsv},
        {"pozorovatelv", &ResultsWindow::pozorovateleClick},
        {"vyvojskup", &ResultsWindow::Vvojskupin1Click},
        {"velikost", &ResultsWindow::velikyClick},
        {"SpeedButton1", &ResultsWindow::BezaktivityClick},
        {"polohy", &ResultsWindow::polohy1Click},
        {"polohyr", &ResultsWindow::polohy1Click},
        {"polohym", &ResultsWindow::polohy1Click},
        {"zapidosoudorutxt", &ResultsWindow::polohytext},
        {"SpeedButton15", &ResultsWindow::Pozorovalelden},
        {"SpeedButton16", &ResultsWindow::InterSOL1Click},
        {"SpeedButton9", &ResultsWindow::zavritvysClick},
    };
    for (const auto& [jmeno, handler] : tlacitka)
        hlavni.zapojit(QString::fromLatin1(jmeno), [&hlavni, handler] {
            if (ResultsWindow* w = ResultsWindow::otevrene(hlavni)) (w->*handler)();
        });
    installPohledy(hlavni);
    // The two asymmetry buttons stay down in turn and open view 12.
    QAction* asme = hlavni.akce(QStringLiteral("asme"));
    QAction* asro = hlavni.akce(QStringLiteral("asro"));
    for (QAction* a : {asme, asro}) {
        hlavni.zapojit(a->objectName(), [&hlavni, a, asme, asro] {
            asme->setChecked(a == asme);
            asro->setChecked(a == asro);
            if (ResultsWindow* w = ResultsWindow::otevrene(hlavni)) w->dataasimClick();
        });
        a->setCheckable(true);
    }
    hlavni.zapojit(QStringLiteral("AsinTXT"), [&hlavni] {
        if (ResultsWindow* w = ResultsWindow::otevrene(hlavni)) w->asimtxt();
    });
    hlavni.akce(QStringLiteral("AsinTXT"))->setVisible(false);
}

} // namespace hk
