#include "ui/results/results_window.h"
#include "ui/frame/command_names.h"
#include "ui/frame/session_model.h"
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
#include <QTableView>
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
#include "results/month_walk.h"
#include "results/own_report.h"
#include "results/report_file.h"
#include "results/rotation_table.h"
#include "results/sidc_report.h"
#include "results/smoothed_statistics.h"
#include "results/statistics_status.h"
#include "results/type_occurrence.h"
#include "ui/entry/record_list_window.h"
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

// The geometry of the records a month's report reads, not of the whole store.
const GeometryCache& monthGeometry(const Session& session, std::size_t first) {
    const auto [from, to] = MonthWalkRecords(session.records(), first);
    return session.geometry(from, to);
}

constexpr int MeasuredWidth = 925; // grid width at 100 %
constexpr int SmoothedWidth = 540;
constexpr std::string_view ObserverTableFile = "pozorovatelep.dat";
const QString Title = QStringLiteral("Výsledky");
const QString PictureFileName = QStringLiteral("Vysledky");
const QString NothingToPrint = QStringLiteral("Není co tisknout");
const QString StatisticsFirst =
    QStringLiteral("Nejdříve zobrazte naměřenou nebo vyhlazenou statistiku");

QString monthYear(int chosenMonth) {
    return QStringLiteral("%1.%2")
        .arg(chosenMonth % 100, 2, 10, QLatin1Char('0'))
        .arg(chosenMonth / 100);
}

// The day lines of the CV report as a grid: day, CV, time, Cond and the
// classes, then AVRG and OBS; what the file holds, cell by cell.
ResultsGrid CvGrid(const ReportFile& report) {
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

ResultsWindow* ResultsWindow::openInstance(const WindowContext& k) {
    for (ResultsWindow* w : k.area->findChildren<ResultsWindow*>())
        if (!w->closed_) return w;
    return nullptr;
}

ResultsWindow* ResultsWindow::openWindow(const WindowContext& k) {
    if (ResultsWindow* w = openInstance(k)) {
        if (auto* sub = qobject_cast<QMdiSubWindow*>(w->parentWidget()))
            k.area->setActiveSubWindow(sub);
        return w;
    }
    auto* w = new ResultsWindow(k);
    QMdiSubWindow* sub = k.area->addSubWindow(w);
    sub->setObjectName(QStringLiteral("Form9"));
    sub->setAttribute(Qt::WA_DeleteOnClose);
    // The work area left of the record list.
    const QRect area = k.area->viewport()->rect();
    int width = area.width();
    if (RecordListWindow* recordList = k.frame.recordList())
        if (auto* list = qobject_cast<QMdiSubWindow*>(recordList->parentWidget()))
            if (list->x() > area.width() / 2) width = list->x();
    sub->setGeometry(0, 0, width, area.height());
    sub->show();
    k.frame.showPanel(panel::Results);
    w->setFocus();
    return w;
}

ResultsWindow::ResultsWindow(WindowContext k)
    : QWidget(nullptr), k_(k), session_(k.model.session()), messages_(k.messages),
      fontSize_(DefaultFontSize) {
    setObjectName(QStringLiteral("ResultsWindow"));
    setWindowTitle(Title);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::white);
    setPalette(pal);
    setFocusPolicy(Qt::StrongFocus);

    menu_ = new QMenuBar(this);
    menu_->setObjectName(QStringLiteral("MainMenu1"));
    createMenu();

    stack_ = new QStackedWidget(this);
    emptyPage_ = new QWidget(stack_);
    protocolView_ = new ProtocolView(session_, stack_);

    statisticsPage_ = new QWidget(stack_);
    statisticsGrid_ = NewGrid(QStringLiteral("StringGrid1"), statisticsPage_);
    state_ = new QLabel(statisticsPage_);
    state_->setObjectName(QStringLiteral("LabelTisk"));
    auto* statistics = new QVBoxLayout(statisticsPage_);
    statistics->addWidget(statisticsGrid_, 1, Qt::AlignLeft);
    statistics->addWidget(state_);

    typeGrid_ = NewGrid(QStringLiteral("StringGrid4"), stack_);
    dataGrid_ = NewGrid(QStringLiteral("StringGrid8"), stack_);
    map_ = new RotationTableView(stack_);
    stack_->addWidget(map_);
    interSol_ = new InterSolPanel(
        k_.model, messages_, [this]() -> const StationData& { return stationData_; }, stack_);
    for (QWidget* w : {emptyPage_, static_cast<QWidget*>(protocolView_), statisticsPage_,
                       static_cast<QWidget*>(typeGrid_), static_cast<QWidget*>(dataGrid_),
                       static_cast<QWidget*>(interSol_)})
        stack_->addWidget(w);
    for (QWidget* w : {static_cast<QWidget*>(statisticsGrid_), static_cast<QWidget*>(typeGrid_),
                       static_cast<QWidget*>(dataGrid_)})
        w->installEventFilter(this);

    createViews();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setMenuBar(menu_);
    layout->addWidget(stack_);

    stationDataPanel_ = new StationDataPanel(this);
    stationDataPanel_->hide();
    list_ = new ObserverListView(this);

    choosePrinter = [this](QPrinter& printer) {
        QPrintDialog d(&printer, this);
        return d.exec() == QDialog::Accepted;
    };
    chooseObserver = [this] { return ObserverDialog::choose(session_.observers(), this); };

    connect(stationDataPanel_, &StationDataPanel::confirmed, this,
            &ResultsWindow::onStationDataConfirmed);
    connect(interSol_, &InterSolPanel::saved, this,
            [this](const QString& month) { monthText_ = month; });
    connect(&k_.model, &SessionModel::recordsChanged, this, [this] {
        interSol_->reloadObservers();
        build();
    });

    loadStationData();
    present(Nothing);
}

void ResultsWindow::loadStationData() {
    // The table shows the file as it is; PopisNov.txt changes only the data
    // the reports use.
    StationData table = StationDataTableDefaults();
    try {
        const std::filesystem::path file = session_.dir.resolve(StationDataFile);
        std::error_code ec;
        if (std::filesystem::is_regular_file(file, ec)) table = ReadStationData(file, {});
        stationData_ = ReadStationData(session_.dir);
    } catch (const std::exception& e) {
        messages_.showMessage(QString::fromUtf8(e.what()));
    }
    StationDataPanel::Values h;
    for (int k = 1; k <= StationDataRows; ++k)
        h[static_cast<std::size_t>(k - 1)] = table.row(k);
    stationDataPanel_->setTable(h);
}

void ResultsWindow::onCloseClicked() {
    if (auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget()))
        sub->close();
    else
        close();
}

void ResultsWindow::closeEvent(QCloseEvent* event) {
    closed_ = true;
    // The observer table goes back to its file, as the Inter-Sol panel may
    // have added to it; never over a file the start-up could not read (the
    // start-up said so already).
    try {
        const std::filesystem::path file = session_.dir.resolve(ObserverTableFile);
        std::error_code ec;
        if (session_.observerTableWritable() &&
            (session_.observerTable().size() > 0 || std::filesystem::exists(file, ec)))
            k_.model.writeObserverTable(file);
    } catch (const std::exception& e) {
        messages_.showMessage(QString::fromUtf8(e.what()));
    }
    k_.frame.showDefaultPanel();
    k_.frame.showRecordScrollBar(true);
    k_.frame.lastEdit();
    QWidget::closeEvent(event);
}

// ---------------------------------------------------------------------------
// Menu

QAction* ResultsWindow::add(QWidget* menu, const char* name, const QString& text,
                            void (ResultsWindow::*handler)()) {
    auto* a = new QAction(text, this);
    a->setObjectName(QString::fromLatin1(name));
    actions_.insert(a->objectName(), a);
    menu->addAction(a);
    connect(a, &QAction::triggered, this, [this, handler] { (this->*handler)(); });
    return a;
}

void ResultsWindow::markNotReady(QWidget* menu, const char* name, const QString& text) {
    auto* a = new QAction(text, this);
    a->setObjectName(QString::fromLatin1(name));
    a->setEnabled(false);
    a->setToolTip(WindowFrame::NotReadyHint);
    a->setStatusTip(WindowFrame::NotReadyHint);
    actions_.insert(a->objectName(), a);
    menu->addAction(a);
}

void ResultsWindow::createMenu() {
    auto submenu = [this](QWidget* parent, const char* name, const QString& text) {
        auto* m = new QMenu(text, parent);
        m->setObjectName(QString::fromLatin1(name));
        m->setToolTipsVisible(true);
        parent->addAction(m->menuAction());
        return m;
    };
    add(menu_, "zavritvys", QStringLiteral("&Zavřit"), &ResultsWindow::onCloseClicked);

    QMenu* choose = submenu(menu_, "vyber", QStringLiteral("&Výběr"));
    add(choose, "vlastni", QStringLiteral("&Vlastní"), &ResultsWindow::onOwnResultsClicked);
    add(choose, "oficialni", QStringLiteral("S&IDC výsledky"),
        &ResultsWindow::onSidcResultsClicked);
    add(choose, "CVvysledek", QStringLiteral("CV výsledky"), &ResultsWindow::onCvResultsClicked);

    QMenu* statistics = submenu(menu_, "statistika", QStringLiteral("&Statistika"));
    QMenu* measured = submenu(statistics, "namerena", QStringLiteral("&Naměřená"));
    add(measured, "celkovynam", QStringLiteral("&Celková"), &ResultsWindow::onMeasuredDiskClicked);
    add(measured, "severnam", QStringLiteral("&Sever"), &ResultsWindow::onMeasuredNorthClicked);
    add(measured, "jihnam", QStringLiteral("&Jih"), &ResultsWindow::onMeasuredSouthClicked);
    QMenu* smoothed = submenu(statistics, "vyhlazena", QStringLiteral("&Vyhlazená"));
    add(smoothed, "celkovyvyr", QStringLiteral("&Celková"), &ResultsWindow::onSmoothedDiskClicked);
    add(smoothed, "severvyr", QStringLiteral("&Sever"), &ResultsWindow::onSmoothedNorthClicked);
    add(smoothed, "jihvyr", QStringLiteral("&Jih"), &ResultsWindow::onSmoothedSouthClicked);
    add(statistics, "pozorovatele", QStringLiteral("&Pozorovatelé"),
        &ResultsWindow::onObserversClicked);
    add(statistics, "vyskit", QStringLiteral("Výskyt  typu &skupiny"),
        &ResultsWindow::onLatitudesClicked);
    add(statistics, "Vvojskupin1", QStringLiteral("Vývo&j skupin"),
        &ResultsWindow::onGroupEvolutionClicked);
    add(statistics, "udajmapa", QStringLiteral("Údaje pro mapu"), &ResultsWindow::onMapDataClicked);
    QMenu* zones = submenu(statistics, "polohyskupin", QStringLiteral("Polohy skupin"));
    add(zones, "polohy1", QStringLiteral("Polohy"), &ResultsWindow::onZonesClicked);
    add(zones, "Polohym", QStringLiteral("Polohy měsic"), &ResultsWindow::onZonesMonthlyClicked);
    add(zones, "Polohyr", QStringLiteral("Polohy roční"), &ResultsWindow::onZonesYearlyClicked);

    add(menu_, "veliky", QStringLiteral("Velikost skupin"), &ResultsWindow::onLargestGroupsClicked);
    add(menu_, "Bezaktivity", QStringLiteral("Bez  aktivity"),
        &ResultsWindow::onSpotlessDaysClicked);
    add(menu_, "dataasim", QStringLiteral("Data asymetrie"),
        &ResultsWindow::onAsymmetryDataClicked);
    add(menu_, "pozord", QStringLiteral("Pozorovatel denní"),
        &ResultsWindow::onObserverDailyClicked);
    add(menu_, "InterSOL1", QStringLiteral("Inter SOL"), &ResultsWindow::onInterSolClicked);
    add(menu_, "tiskvysl", QStringLiteral("&Tisk"), &ResultsWindow::onPrintClicked);
    add(menu_, "Veobecndata1", QStringLiteral("Všeobecná data"),
        &ResultsWindow::onStationDataClicked);
    add(menu_, "dosouboru", QStringLiteral("&Uložit do souboru"), &ResultsWindow::onToFileClicked);
    add(menu_, "doCSV", QStringLiteral("Uložit do CSV"), &ResultsWindow::onToCsvClicked);
    add(menu_, "oficCSV", QStringLiteral("Uložit Oficiální do souboru CSV"),
        &ResultsWindow::onOfficialCsvClicked);
}

void ResultsWindow::updateMenu() {
    const bool print = mode_ == Own || mode_ == Sidc || mode_ == Measured || mode_ == Smoothed ||
                       mode_ == CvValues || mode_ == InterSol || mode_ == ObserversByYear ||
                       mode_ == LargestGroups || mode_ == SpotlessDays || mode_ == Zones ||
                       mode_ == ObserverDaily || mode_ == MapData || mode_ == AsymmetryData;
    actions_.value(QStringLiteral("tiskvysl"))->setEnabled(print);
    actions_.value(QStringLiteral("dosouboru"))
        ->setVisible(mode_ == Own || mode_ == Sidc || mode_ == CvValues);
    actions_.value(QStringLiteral("doCSV"))->setVisible(mode_ == ObserversByYear);
    if (QAction* txt = k_.frame.action(cmd::ResultsAsymmetryToText))
        txt->setVisible(mode_ == AsymmetryData);
    if (QAction* csv = k_.frame.action(cmd::ResultsMeasuredToCsv))
        csv->setEnabled(mode_ == Measured || mode_ == Smoothed);
}

// ---------------------------------------------------------------------------
// Views

bool ResultsWindow::chooseMonth() {
    for (const std::string& notice : ChooseMonthNotices(stationData_))
        messages_.showMessage(q(notice));
    for (;;) {
        const std::optional<QString> text =
            messages_.askValueTitled(QStringLiteral("Zadání"), q(MonthPrompt), monthText_);
        if (!text) return false;
        monthText_ = *text;
        const ChooseMonthResult r = ChooseMonth(session_.records(), text->toStdString());
        if (r.first) {
            first_ = *r.first;
            chosenMonth_ = r.chosenMonth;
            return true;
        }
        messages_.showMessage(q(r.message.value_or("")));
    }
}

void ResultsWindow::onOwnResultsClicked() {
    if (!chooseMonth()) return present(Nothing);
    fontSize_ = DefaultFontSize;
    present(Own);
}

void ResultsWindow::onSidcResultsClicked() {
    present(chooseMonth() ? Sidc : Nothing);
}

void ResultsWindow::onCvResultsClicked() {
    present(chooseMonth() ? CvValues : Nothing);
}

void ResultsWindow::measured(HemisphereChoice v) {
    hemisphere_ = v;
    present(Measured);
}

void ResultsWindow::smoothed(HemisphereChoice v) {
    // The check and the table come from one pass over the records.
    SmoothedStatistics r = CheckedSmoothedStatistics(session_.records(), v);
    if (r.refusal) {
        messages_.showMessage(q(*r.refusal));
        return;
    }
    hemisphere_ = v;
    smoothedGrid_ = std::move(r.grid);
    smoothedRevision_ = session_.revision();
    present(Smoothed);
}

void ResultsWindow::onMapDataClicked() {
    present(MapData);
}

void ResultsWindow::onLatitudesClicked() {
    present(TypeOccurrences);
}

void ResultsWindow::onInterSolClicked() {
    interSol_->reloadObservers();
    interSol_->setMonth(monthText_);
    present(InterSol);
}

void ResultsWindow::onAsymmetryDataClicked() {
    present(AsymmetryData);
}

void ResultsWindow::asymmetryToText() {
    const QAction* asymmetryYearly = k_.frame.action(cmd::ResultsAsymmetryYearly);
    AsymmetryToText(session_, k_.model.analysis(), messages_,
                    asymmetryYearly && asymmetryYearly->isChecked());
}

void ResultsWindow::present(int mode) {
    mode_ = mode;
    list_->hide();
    build();
    updateMenu();
}

void ResultsWindow::build() {
    // While the results are shown the record list keeps still: its scroll
    // bar is hidden until the window closes.
    k_.frame.showRecordScrollBar(false);
    if (buildView()) return;
    const double percent = session_.sizePercent() / 100.0;
    switch (mode_) {
    case Own:
    case Sidc:
        buildProtocol();
        return;
    case CvValues:
        buildCv();
        return;
    case Measured:
    case Smoothed:
        if (mode_ == Smoothed && smoothedRevision_ != session_.revision()) {
            smoothedGrid_ = BuildSmoothedStatistics(session_.records(), hemisphere_);
            smoothedRevision_ = session_.revision();
        }
        grid_ = mode_ == Measured ? BuildMeasuredStatistics(session_.records(), hemisphere_)
                                  : smoothedGrid_;
        if (mode_ == Smoothed) grid_.caption = SmoothedCaption(hemisphere_);
        FillGrid(*statisticsGrid_, grid_);
        statisticsGrid_->setFixedWidth(
            static_cast<int>((mode_ == Measured ? MeasuredWidth : SmoothedWidth) * percent));
        updatePrintState();
        stack_->setCurrentWidget(statisticsPage_);
        setWindowTitle(q(grid_.caption));
        return;
    case TypeOccurrences:
        grid_ = BuildTypeOccurrence(session_.records()).grid;
        FillGrid(*typeGrid_, grid_);
        stack_->setCurrentWidget(typeGrid_);
        setWindowTitle(q(grid_.caption));
        return;
    case MapData: {
        grid_ = BuildRotationStatistics(session_.records(), session_.geometry());
        QPrinter printer(QPrinter::HighResolution);
        const QRect page = printer.pageLayout().paintRectPixels(printer.resolution());
        map_->setTable(grid_, q(StatisticsStatusLine(grid_, page.width(), page.height())));
        stack_->setCurrentWidget(map_);
        setWindowTitle(q(grid_.caption));
        return;
    }
    case AsymmetryData: {
        const QAction* asymmetryMonthly = k_.frame.action(cmd::ResultsAsymmetryMonthly);
        grid_ = AsymmetryGrid(session_, k_.model.analysis(),
                              asymmetryMonthly && asymmetryMonthly->isChecked());
        FillGrid(*dataGrid_, grid_);
        stack_->setCurrentWidget(dataGrid_);
        setWindowTitle(q(grid_.caption));
        return;
    }
    case InterSol:
        stack_->setCurrentWidget(interSol_);
        setWindowTitle(Title);
        return;
    default:
        mode_ = Nothing;
        stack_->setCurrentWidget(emptyPage_);
        setWindowTitle(Title);
        return;
    }
}

void ResultsWindow::buildProtocol() {
    // The records may have changed since the month was chosen.
    const auto first = FirstRecordOfMonth(session_.records(), chosenMonth_);
    if (!first) return present(Nothing);
    first_ = *first;
    ProtocolScene scene;
    scene.kind = mode_ == Own ? ProtocolKind::Own : ProtocolKind::Sidc;
    scene.chosenMonth = chosenMonth_;
    scene.fontSize = fontSize_;
    protocolView_->setScene(scene, stationData_);
    stack_->setCurrentWidget(protocolView_);
    setWindowTitle(
        Title + (mode_ == Own ? QStringLiteral("    vlastní - ") : QStringLiteral("    SIDC - ")) +
        monthYear(chosenMonth_));
}

void ResultsWindow::buildCv() {
    const auto first = FirstRecordOfMonth(session_.records(), chosenMonth_);
    if (!first) return present(Nothing);
    first_ = *first;
    grid_ = CvGrid(BuildCvReport(session_.records(), monthGeometry(session_, first_), first_, {},
                                 stationData_));
    grid_.caption = (Title + QStringLiteral("    CV - ") + monthYear(chosenMonth_)).toStdString();
    FillGrid(*dataGrid_, grid_);
    stack_->setCurrentWidget(dataGrid_);
    setWindowTitle(q(grid_.caption));
}

void ResultsWindow::updatePrintState() {
    QPrinter printer(QPrinter::HighResolution);
    const QRect page = printer.pageLayout().paintRectPixels(printer.resolution());
    state_->setText(q(StatisticsStatusLine(grid_, page.width(), page.height())));
}

void ResultsWindow::observerListView() {
    list_->move(8, menu_->height() + 8);
    list_->present(session_);
}

// ---------------------------------------------------------------------------
// Keys

void ResultsWindow::keyPressEvent(QKeyEvent* event) {
    const QString key = event->text().toLower();
    if (event->key() == Qt::Key_F8) {
        k_.frame.saveWindowPicture(PictureFileName);
    } else if (key == QStringLiteral("q")) {
        observerListView();
    } else if (mode_ == Own && (key == QStringLiteral("v") || key == QStringLiteral("m"))) {
        fontSize_ =
            key == QStringLiteral("v") ? LargerFontSize(fontSize_) : SmallerFontSize(fontSize_);
        build();
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

void ResultsWindow::onPrintClicked() {
    if (!actions_.value(QStringLiteral("tiskvysl"))->isEnabled()) return;
    QPrinter printer(QPrinter::HighResolution);
    if (!choosePrinter(printer)) return;
    printTo(printer);
}

void ResultsWindow::printTo(QPrinter& printer) {
    try {
        if (printView(printer)) return;
        switch (mode_) {
        case Own:
        case Sidc:
            PrintProtocol(printer, protocolView_->data(), protocolView_->kind(),
                          protocolView_->options().fontSize);
            return;
        case Measured:
        case Smoothed:
        case CvValues:
        case MapData:
        case AsymmetryData:
            PrintTable(printer, grid_, q(grid_.caption));
            return;
        case InterSol:
            if (interSol_->table().grid.rowCount() == 0) break;
            PrintTable(printer, interSol_->table().grid, q(interSol_->table().grid.caption));
            return;
        default:
            break;
        }
        messages_.showMessage(NothingToPrint);
    } catch (const std::exception& e) {
        messages_.showMessage(QString::fromUtf8(e.what()));
    }
}

void ResultsWindow::onToFileClicked() {
    if (mode_ != Own && mode_ != Sidc && mode_ != CvValues) return;
    const auto first = FirstRecordOfMonth(session_.records(), chosenMonth_);
    if (!first) return present(Nothing);
    first_ = *first;
    const auto records = session_.records();
    // Saving a report leaves the working record where it was.
    std::vector<std::filesystem::path> written;
    try {
        if (mode_ == Own) {
            const OwnReport own = BuildOwnReport(records, first_, stationData_);
            written.push_back(WriteReportFile(session_.dir, own.basic));
            written.push_back(WriteReportFile(session_.dir, own.extended));
        } else if (mode_ == Sidc) {
            const ReportFile sidc =
                BuildSidcReport(records, monthGeometry(session_, first_), first_, stationData_);
            if (ReportExists(session_.dir, sidc) && !messages_.ask(q(FileExists), SafeAnswer::No))
                return;
            written.push_back(WriteReportFile(session_.dir, sidc));
        } else {
            const QString observer = chooseObserver();
            if (observer.isEmpty()) return;
            const ReportFile cv = BuildCvReport(records, monthGeometry(session_, first_), first_,
                                                observer.toStdString(), stationData_);
            written.push_back(WriteReportFile(session_.dir, cv));
        }
    } catch (const std::exception& e) {
        messages_.showMessage(QString::fromUtf8(e.what()));
        return;
    }
    messages_.showMessage(q(SavedMessage(session_.dir, written)));
}

void ResultsWindow::measuredToCsv() {
    if (mode_ != Measured && mode_ != Smoothed) {
        messages_.showMessage(StatisticsFirst);
        return;
    }
    std::filesystem::path written;
    try {
        written = WriteStatisticsCsv(
            session_.dir, mode_ == Measured ? StatisticsTable::Measured : StatisticsTable::Smoothed,
            static_cast<int>(hemisphere_), grid_.cells);
    } catch (const std::exception& e) {
        messages_.showMessage(QString::fromUtf8(e.what()));
        return;
    }
    messages_.showMessage(q(SavedMessage(session_.dir, {written})));
}

void ResultsWindow::onStationDataClicked() {
    stationDataPanel_->move(20, menu_->height() + 20);
    stationDataPanel_->show();
    stationDataPanel_->raise();
    stationDataPanel_->table()->setFocus();
}

void ResultsWindow::onStationDataConfirmed() {
    const StationData stale = ConfirmStationData(stationData_, stationDataPanel_->values());
    try {
        WriteStationData(session_.dir, stale);
    } catch (const std::exception& e) {
        messages_.showMessage(QString::fromUtf8(e.what()));
        return;
    }
    stationData_ = stale;
    StationDataPanel::Values h;
    for (int k = 1; k <= StationDataRows; ++k)
        h[static_cast<std::size_t>(k - 1)] = stationData_.row(k);
    stationDataPanel_->setTable(h);
    interSol_->setInstrument(q(stationData_.row(2)));
    build();
}

} // namespace hk
