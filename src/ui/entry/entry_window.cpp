#include "ui/entry/entry_window.h"
#include "ui/frame/session_model.h"
#include "ui/frame/ui_helpers.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QPushButton>
#include <QShortcut>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>
#include <cmath>
#include <functional>

#include "entry/entry_columns.h"
#include "entry/entry_confirm.h"
#include "entry/entry_fields.h"
#include "entry/entry_load.h"
#include "entry/entry_messages.h"
#include "entry/entry_text.h"
#include "entry/entry_view.h"
#include "render/font_roles.h"
#include "ui/frame/command_names.h"
#include "ui/frame/messages.h"

namespace hk {

namespace {

constexpr int WindowWidth = 665;
constexpr int WindowHeight = 700;
constexpr int GroupColumnWidth = 38;
constexpr int FaculaeColumnWidth = 47;
constexpr int FieldWidth = 46;
constexpr int WindowFontPx = 12; // 9 points on a 96-dpi screen

constexpr QColor FromScanColour{200, 180, 50};
constexpr QColor PolarColour{220, 220, 220};
constexpr QColor HeliographicColour{150, 150, 225};
constexpr QColor AreaColour{255, 100, 100};
constexpr QColor GreyText{200, 200, 200};
constexpr QColor GreyFixed{250, 250, 250};

const QString PolarHeading = QStringLiteral("Zákresy Sluneční fotosféry    (Polární souřadnice)");
const QString HeliographicHeading =
    QStringLiteral("Zákresy Sluneční fotosféry    (Heliografické souřadnice)");
const QString PolarToHeliographicText = QStringLiteral("&Změna souřadnic na l b");
const QString HeliographicToPolarText = QStringLiteral("&Změna souřadnic na úhel vzdálenost ");

const QString PolarHelp = QStringLiteral("Typ   = Typ skupiny\n"
                                         "poč.  = počet skvrn ve skupině\n"
                                         "s pen = počet skvrn s penumbrou\n"
                                         " úhel = polární souřadnice  úhel\n"
                                         " vzd.  = polární souřadnice  vzdálenost\n"
                                         " plocha= plocha skvrn ve skupině\n"
                                         " mal.s = počet malých skvrn menší než 1 mm2\n"
                                         "č.sk1. = číslo skupiny globalní\n"
                                         "č.sk2. = číslo skupiny v rotaci( důležité)\n"
                                         "uhel1  = úhel 1. pomocné skvrny\n"
                                         " vzd1. = vzdálenost 1. pomocné skvrny\n"
                                         " plo.1 = plocha 1. pomocné skvrny\n"
                                         "uhel2  = úhel 2. pomocné skvrny\n"
                                         " vzd2. = vzdálenost 2. pomocné skvrny\n"
                                         " plo.2 = plocha 2. pomocné skvrny");
const QString HeliographicHelp = QStringLiteral("Typ   = Typ skupiny\n"
                                                "poč.  = počet skvrn ve skupině\n"
                                                "s pen = počet skvrn s penumbrou\n"
                                                "  l        = heliografická délka\n"
                                                "  b       = heliografická šířka\n"
                                                " plocha= plocha skvrn ve skupině - miliontiny\n"
                                                " mal.s = počet malých skvrn menší než 20 mili.\n"
                                                "č.sk1. = číslo skupiny globalní\n"
                                                "č.sk2. = číslo skupiny v rotaci( důležité)");

QString modeHeading(EntryMode mode) {
    switch (mode) {
    case EntryMode::New:
        return QStringLiteral("Nový zákres");
    case EntryMode::Special:
        return QStringLiteral("Zvláštní záznam");
    case EntryMode::Correction:
        return QStringLiteral("Oprava dat");
    }
    return {};
}

QString modeItem(EntryMode mode) {
    switch (mode) {
    case EntryMode::New:
        return QString::fromLatin1(cmd::NewDrawing);
    case EntryMode::Special:
        return QString::fromLatin1(cmd::SpecialDrawing);
    case EntryMode::Correction:
        return QString::fromLatin1(cmd::CorrectRecord);
    }
    return {};
}

void setColour(QWidget* w, QPalette::ColorRole role, const QColor& colour) {
    QPalette pal = w->palette();
    pal.setColor(role, colour);
    w->setPalette(pal);
    w->setAutoFillBackground(true);
}

QString text(const QTableWidget* grid, int row, int col) {
    const QTableWidgetItem* item = grid->item(row, col);
    return item ? item->text() : QString();
}

void setCellText(QTableWidget* grid, int row, int col, const QString& t) {
    if (QTableWidgetItem* item = grid->item(row, col))
        item->setText(t);
    else
        grid->setItem(row, col, new QTableWidgetItem(t));
}

} // namespace

EntryWindow* EntryWindow::openWindow(WindowContext k, EntryMode mode, bool fromScan) {
    if (QAction* a = k.frame.action(modeItem(mode))) a->setEnabled(false);
    auto* w = new EntryWindow(k, mode, fromScan);
    w->show();
    return w;
}

EntryWindow::EntryWindow(WindowContext k, EntryMode mode, bool fromScan)
    : QDialog(k.area->window()), k_(k), session_(k.model.session()), mode_(mode),
      fromScan_(fromScan && mode == EntryMode::New) {
    setObjectName(QStringLiteral("Form3"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowModality(Qt::WindowModal);
    setFont(SansFont(scaled(WindowFontPx)));
    createControls();
    connect(this, &QDialog::finished, this, &EntryWindow::onFinished);
    startUp();
}

int EntryWindow::scaled(int value) const {
    return static_cast<int>(std::nearbyint(value * session_.sizePercent() / 100.0));
}

EntrySettings EntryWindow::settings() const {
    return EntrySettings{session_.drawingRadius(), session_.heliographicEntry(),
                         session_.drawingNumbers()};
}

// ---------------------------------------------------------------------------
// Controls

void EntryWindow::createControls() {
    auto* mainLayout = new QVBoxLayout(this);
    auto* header = new QGridLayout;
    mainLayout->addLayout(header);

    auto pole = [this](const char* name, const QString& hint = {}) {
        auto* e = new QLineEdit(this);
        e->setObjectName(QString::fromLatin1(name));
        e->setToolTip(hint);
        e->setFixedWidth(scaled(FieldWidth));
        return e;
    };
    auto label = [this](const QString& t) { return new QLabel(t, this); };

    observerBox_ = new QComboBox(this);
    observerBox_->setObjectName(QStringLiteral("ComboBox1"));
    observerBox_->setEditable(true);
    observerBox_->setInsertPolicy(QComboBox::NoInsert);
    observerBox_->setToolTip(QStringLiteral("Příjmení , jméno  pozorovatele"));
    observerBox_->setMinimumWidth(scaled(220));
    dateEdit_ = new QLineEdit(this);
    dateEdit_->setObjectName(QStringLiteral("MaskEdit1"));
    dateEdit_->setInputMask(QStringLiteral("99.99.9999; "));
    dateEdit_->setFixedWidth(scaled(90));
    timeEdit_ = pole("Edit3", QStringLiteral("Zadat čas ve formátu  bez dvojtečky   7:05  =  705"));
    conditionsEdit_ = pole("Edit4", QStringLiteral("Podmínky pozorování"));
    imageQualityEdit_ = pole("Edit5", QStringLiteral("Kvalita obrazu"));
    qEdit_ = pole("Edit6");
    centralGroupsEdit_ = pole("Edit7", QStringLiteral("Počet skupin v centrální oblasti"));
    centralSpotsEdit_ = pole("Edit8", QStringLiteral("Počet skvrn v centrální oblasti"));
    centralNumberEdit_ = pole("Edit9", QStringLiteral("Relativní číslo centrální oblasti"));
    faculaeCountEdit_ = pole("Edit10", QStringLiteral("Počet falulových polí "));
    groupCountEdit_ = pole("Edit11", QStringLiteral("Počet skupin na zákresu"));
    faculaeFieldCountEdit_ =
        pole("Edit12", QStringLiteral("Počet fakulových polí pro jejich zakreslování"));
    stationEdit_ = new QLineEdit(this);
    stationEdit_->setObjectName(QStringLiteral("Edit13"));
    stationEdit_->setToolTip(QStringLiteral("Místo pozorování"));
    drawingNumberEdit_ = pole("Edit2", QStringLiteral("Maximmální počet je 654 a rok "));
    drawingNumberEdit_->setFixedWidth(scaled(70));
    faculaeAreaEdit_ = pole("Edit25");
    faculaeAreaEdit_->setFixedWidth(scaled(80));
    drawingNumberHint_ = label(QStringLiteral(" Číslo zákresu formát:číslo a rok   001/21"));
    drawingNumberHint_->setObjectName(QStringLiteral("Label18"));
    addedCountLabel_ = label({});
    addedCountLabel_->setObjectName(QStringLiteral("Label16"));
    addedCountLabel_->setToolTip(
        QStringLiteral("Počet vložených záznamů na jedno otevření programu"));
    numberingLabel_ = label(QStringLiteral("F "));
    numberingLabel_->setObjectName(QStringLiteral("Label10"));
    numberingLabel_->installEventFilter(this);

    header->addWidget(label(QStringLiteral("Pozorovatel")), 0, 0);
    header->addWidget(observerBox_, 0, 1, 1, 5);
    header->addWidget(label(QStringLiteral("Datum")), 0, 6);
    header->addWidget(dateEdit_, 0, 7, 1, 2);
    header->addWidget(label(QStringLiteral("Čas    UT")), 0, 9);
    header->addWidget(timeEdit_, 0, 10);
    const std::pair<const char*, QLineEdit*> secondRow[] = {
        {"PP", conditionsEdit_},    {"Obr.", imageQualityEdit_}, {"Q", qEdit_},
        {"qc", centralGroupsEdit_}, {"fc", centralSpotsEdit_},   {"rc", centralNumberEdit_}};
    int column = 0;
    for (const auto& [name, edit] : secondRow) {
        header->addWidget(label(QString::fromUtf8(name)), 1, column++, Qt::AlignRight);
        header->addWidget(edit, 1, column++);
    }
    header->addWidget(label(QStringLiteral("Počet fakulí")), 2, 0, 1, 2, Qt::AlignRight);
    header->addWidget(faculaeCountEdit_, 2, 2);
    header->addWidget(label(QStringLiteral("Počet skupin")), 2, 3, 1, 2, Qt::AlignRight);
    header->addWidget(groupCountEdit_, 2, 5);
    header->addWidget(label(QStringLiteral("Počet fakulí pro kreslení")), 2, 6, 1, 4,
                      Qt::AlignRight);
    header->addWidget(faculaeFieldCountEdit_, 2, 10);
    header->addWidget(label(QStringLiteral("Stanice")), 3, 0);
    header->addWidget(stationEdit_, 3, 1, 1, 3);
    header->addWidget(drawingNumberHint_, 3, 4, 1, 5, Qt::AlignRight);
    header->addWidget(drawingNumberEdit_, 3, 9, 1, 2);
    header->addWidget(faculaeAreaEdit_, 4, 1, 1, 2);
    header->addWidget(addedCountLabel_, 4, 8);
    header->addWidget(numberingLabel_, 4, 10, Qt::AlignRight);
    header->setColumnStretch(11, 1);

    auto* heliographicRow = new QHBoxLayout;
    coordinatesButton_ = new QPushButton(PolarToHeliographicText, this);
    coordinatesButton_->setFocusPolicy(Qt::TabFocus);
    coordinatesButton_->setObjectName(QStringLiteral("Helios"));
    coordinatesButton_->setAutoDefault(false);
    areaHintLabel_ = label(QStringLiteral("Plocha se zadává v miliontinách "));
    areaHintLabel_->setObjectName(QStringLiteral("Label17"));
    setColour(areaHintLabel_, QPalette::Window, AreaColour);
    areaHintLabel_->hide();
    highestNumberLabel_ = label({});
    highestNumberLabel_->setObjectName(QStringLiteral("Panel1"));
    highestNumberLabel_->setToolTip(QStringLiteral("Nejvyšší číslo"));
    highestNumberLabel_->setFrameShape(QFrame::Panel);
    highestNumberLabel_->setFrameShadow(QFrame::Raised);
    highestNumberLabel_->setMinimumWidth(scaled(60));
    highestNumberLabel_->setAlignment(Qt::AlignCenter);
    highestNumberLabel_->hide();
    heliographicRow->addWidget(coordinatesButton_);
    heliographicRow->addWidget(areaHintLabel_);
    heliographicRow->addStretch(1);
    heliographicRow->addWidget(highestNumberLabel_);
    mainLayout->addLayout(heliographicRow);

    groupBox_ = new QGroupBox(QStringLiteral("Skupiny"), this);
    groupBox_->setObjectName(QStringLiteral("GroupBox1"));
    groupGrid_ = createGrid(QStringLiteral("StringGrid1"), GroupColumns, GroupColumnWidth);
    (new QVBoxLayout(groupBox_))->addWidget(groupGrid_);
    mainLayout->addWidget(groupBox_, 3);

    faculaeBox_ = new QGroupBox(QStringLiteral("Fakule"), this);
    faculaeBox_->setObjectName(QStringLiteral("GroupBox2"));
    faculaeGrid_ = createGrid(QStringLiteral("StringGrid2"), FaculaeColumns, FaculaeColumnWidth);
    faculaeGrid_->setToolTip(QStringLiteral("Zde se zadávají souřednice  vrcholů\n jednotlivých "
                                            "fakulových polí. \n Na jedno pole max. 6 vrcholů"));
    (new QVBoxLayout(faculaeBox_))->addWidget(faculaeGrid_);
    mainLayout->addWidget(faculaeBox_, 2);

    auto* buttons = new QHBoxLayout;
    confirmButton_ = new QPushButton(QStringLiteral("&Potvrdit  zadávání"), this);
    confirmButton_->setObjectName(QStringLiteral("ukoncit"));
    confirmButton_->setToolTip(QStringLiteral("Při porvrzení se záznam uloží"));
    // Enter in a field must not confirm the drawing by accident.
    confirmButton_->setAutoDefault(false);
    backButton_ = new QPushButton(QStringLiteral("&Návrat"), this);
    backButton_->setObjectName(QStringLiteral("Navrat"));
    backButton_->setAutoDefault(false);
    // Reached by Tab, not by a click: leaving without storing must not run
    // the checks of the field left (see eventFilter).
    backButton_->setFocusPolicy(Qt::TabFocus);
    buttons->addStretch(1);
    buttons->addWidget(confirmButton_);
    buttons->addWidget(backButton_);
    mainLayout->addLayout(buttons);

    for (int c = 0; c < GroupColumns; ++c)
        groupGrid_->setHorizontalHeaderItem(
            c, new QTableWidgetItem(q(std::string(GroupColumnTitle(c, EntryView::Polar)))));
    for (int c = 0; c < FaculaeColumns; ++c)
        faculaeGrid_->setHorizontalHeaderItem(
            c, new QTableWidgetItem(q(std::string(FaculaeColumnTitle(c)))));
    // Columns as wide as the scaled width, or as a value like "1250.0" and
    // the column title need in the window's scaled font.
    for (auto [grid, width] :
         {std::pair{groupGrid_, GroupColumnWidth}, std::pair{faculaeGrid_, FaculaeColumnWidth}}) {
        const QFontMetrics values(grid->font());
        const QFontMetrics headingMetrics(grid->horizontalHeader()->font());
        const int margin = scaled(10);
        for (int c = 1; c < grid->columnCount(); ++c) {
            const QString heading = grid->horizontalHeaderItem(c)->text();
            grid->horizontalHeader()->resizeSection(
                c, std::max({scaled(width),
                             values.horizontalAdvance(QStringLiteral("1250.0")) + margin,
                             headingMetrics.horizontalAdvance(heading) + margin}));
        }
    }

    dateEdit_->installEventFilter(this);
    timeEdit_->installEventFilter(this);
    connect(groupCountEdit_, &QLineEdit::textChanged, this, [this] {
        if (!filling_) onGroupCountChanged();
    });
    connect(faculaeFieldCountEdit_, &QLineEdit::textChanged, this, [this] {
        if (!filling_) onFaculaeFieldCountChanged();
    });
    connect(groupGrid_, &QTableWidget::currentCellChanged, this, [this] {
        if (!filling_) onGroupCellChanged();
    });
    connect(coordinatesButton_, &QPushButton::clicked, this, &EntryWindow::onCoordinatesClicked);
    connect(confirmButton_, &QPushButton::clicked, this, &EntryWindow::onConfirmClicked);
    connect(backButton_, &QPushButton::clicked, this, &EntryWindow::onBackClicked);

    // The keyboard order: header, groups, faculae, buttons.
    const QList<QWidget*> order = {observerBox_,       dateEdit_,          timeEdit_,
                                   conditionsEdit_,    imageQualityEdit_,  qEdit_,
                                   centralGroupsEdit_, centralSpotsEdit_,  centralNumberEdit_,
                                   faculaeCountEdit_,  groupCountEdit_,    faculaeFieldCountEdit_,
                                   stationEdit_,       drawingNumberEdit_, faculaeAreaEdit_,
                                   groupGrid_,         faculaeGrid_,       coordinatesButton_,
                                   confirmButton_,     backButton_};
    for (int i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
    // Ctrl+Enter confirms from any field or cell.
    for (const QKeySequence& keys :
         {QKeySequence(Qt::CTRL | Qt::Key_Return), QKeySequence(Qt::CTRL | Qt::Key_Enter)}) {
        auto* confirm = new QShortcut(keys, this);
        connect(confirm, &QShortcut::activated, this, [this] {
            // The cell being edited is committed by losing the focus.
            confirmButton_->setFocus(Qt::ShortcutFocusReason);
            onConfirmClicked();
        });
    }
}

// ---------------------------------------------------------------------------
// Text in and out

EntryForm EntryWindow::form() const {
    EntryForm f;
    f.observer = s(observerBox_->currentText());
    f.date = s(dateEdit_->displayText());
    f.time = s(timeEdit_->text());
    f.pp = s(conditionsEdit_->text());
    f.image = s(imageQualityEdit_->text());
    f.q = s(qEdit_->text());
    f.qc = s(centralGroupsEdit_->text());
    f.fc = s(centralSpotsEdit_->text());
    f.rc = s(centralNumberEdit_->text());
    f.faculaeCount = s(faculaeCountEdit_->text());
    f.groupCount = s(groupCountEdit_->text());
    f.faculaeFieldCount = s(faculaeFieldCountEdit_->text());
    f.station = s(stationEdit_->text());
    f.drawingNumber = s(drawingNumberEdit_->text());
    f.special = s(faculaeAreaEdit_->text());
    f.view = view_;
    f.groups.assign(static_cast<std::size_t>(std::max(1, groupGrid_->rowCount())), GroupRow{});
    for (int r = 0; r < groupGrid_->rowCount(); ++r)
        for (int c = 1; c < GroupColumns; ++c)
            f.groups[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)] =
                s(text(groupGrid_, r, c));
    f.faculae.assign(static_cast<std::size_t>(std::max(1, faculaeGrid_->rowCount())), FaculaeRow{});
    for (int r = 0; r < faculaeGrid_->rowCount(); ++r)
        for (int c = 1; c < FaculaeColumns; ++c)
            f.faculae[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)] =
                s(text(faculaeGrid_, r, c));
    return f;
}

void EntryWindow::setRowCount(QTableWidget* grid, int rowCount) {
    grid->setRowCount(rowCount);
    for (int r = 0; r < rowCount; ++r) {
        setCellText(grid, r, 0, QString::number(r + 1));
        // The row number is no cell to type into: Tab passes over it.
        grid->item(r, 0)->setFlags(Qt::NoItemFlags);
    }
}

void EntryWindow::setForm(const EntryForm& f) {
    const bool stored = filling_;
    filling_ = true;
    observerBox_->setEditText(q(f.observer));
    dateEdit_->setText(q(f.date));
    timeEdit_->setText(q(f.time));
    conditionsEdit_->setText(q(f.pp));
    imageQualityEdit_->setText(q(f.image));
    qEdit_->setText(q(f.q));
    centralGroupsEdit_->setText(q(f.qc));
    centralSpotsEdit_->setText(q(f.fc));
    centralNumberEdit_->setText(q(f.rc));
    faculaeCountEdit_->setText(q(f.faculaeCount));
    groupCountEdit_->setText(q(f.groupCount));
    faculaeFieldCountEdit_->setText(q(f.faculaeFieldCount));
    stationEdit_->setText(q(f.station));
    drawingNumberEdit_->setText(q(f.drawingNumber));
    faculaeAreaEdit_->setText(q(f.special));
    setRowCount(groupGrid_, static_cast<int>(f.groups.size()));
    for (int r = 0; r < groupGrid_->rowCount(); ++r)
        for (int c = 1; c < GroupColumns; ++c)
            setCellText(groupGrid_, r, c, q(f.groups[static_cast<std::size_t>(r)][c]));
    setRowCount(faculaeGrid_, static_cast<int>(f.faculae.size()));
    for (int r = 0; r < faculaeGrid_->rowCount(); ++r)
        for (int c = 1; c < FaculaeColumns; ++c)
            setCellText(faculaeGrid_, r, c, q(f.faculae[static_cast<std::size_t>(r)][c]));
    filling_ = stored;
}

// ---------------------------------------------------------------------------
// Opening and closing

void EntryWindow::startUp() {
    const Session& ss = session_;
    if (ss.recordCount() == 1) k_.model.setCurrent(1);
    base_ = ss.workingRecord();
    setWindowTitle(ss.heliographicEntry() ? HeliographicHeading : PolarHeading);
    QStringList names;
    for (const std::string& name : ss.observers())
        if (!name.empty()) names << q(name);
    observerBox_->addItems(sortCzech(names));
    // Wide enough for the group grid's columns where the screen allows it.
    const int grid = groupGrid_->horizontalHeader()->length() + scaled(60);
    const int screenRect = k_.frame.screenRect().width() > 0 ? k_.frame.screenRect().width() : grid;
    resize(std::max(scaled(WindowWidth), std::min(grid, screenRect - 40)), scaled(WindowHeight));

    const std::string first = ss.observers().empty() ? std::string() : ss.observers().front();
    const EntryForm f = OpenEntryForm(mode_, base_, ss.records(), settings(), first);
    setForm(f);
    if (!q(f.observer).isEmpty()) observerBox_->setEditText(q(f.observer));

    faculaeAreaEdit_->setVisible(!f.special.empty());
    if (mode_ == EntryMode::Special) setColour(this, QPalette::Window, Qt::red);
    if (fromScan_) setColour(this, QPalette::Window, FromScanColour);
    showCounter();
    addedCountLabel_->setVisible(mode_ != EntryMode::Correction);

    groupGrid_->setToolTip(ss.heliographicEntry() ? HeliographicHelp : PolarHelp);
    showView(f.view);
    showGroupState(f.groupCount != "0");
    showFaculaeState(f.faculaeFieldCount != "0");
    // With heliographic entry the grid stays in l and b until the count changes.
    if (ss.heliographicEntry()) coordinatesButton_->hide();
    showNumbering();
    // From the measurement window only the header is entered.
    if (fromScan_) {
        groupBox_->hide();
        faculaeBox_->hide();
        coordinatesButton_->hide();
    }
    setWindowTitle(modeHeading(mode_));
    // Typing starts with the observer, the first field of the keyboard order.
    observerBox_->setFocus(Qt::OtherFocusReason);
    openedForm_ = form();
}

void EntryWindow::onFinished() {
    for (EntryMode m : {EntryMode::New, EntryMode::Special, EntryMode::Correction})
        if (QAction* a = k_.frame.action(modeItem(m))) a->setEnabled(true);
}

void EntryWindow::showCounter() {
    addedCountLabel_->setText(
        QString::number(session_.recordCount() + 1 - session_.recordsAtStart()));
}

void EntryWindow::showNumbering() {
    const bool numbering = session_.drawingNumbers();
    drawingNumberEdit_->setVisible(numbering);
    drawingNumberHint_->setVisible(numbering);
    if (!numbering) drawingNumberEdit_->setText(q(std::string(DrawingNumbersOffText)));
}

void EntryWindow::showView(EntryView view) {
    view_ = view;
    const bool helio = view == EntryView::Heliographic;
    for (int c = HeliographicColumns; c < GroupColumns; ++c)
        groupGrid_->setColumnHidden(c, helio);
    for (int c : {column::Uhel, column::Vzd})
        groupGrid_->horizontalHeaderItem(c)->setText(q(std::string(GroupColumnTitle(c, view))));
    coordinatesButton_->setText(helio ? HeliographicToPolarText : PolarToHeliographicText);
    setColour(coordinatesButton_, QPalette::Button, helio ? HeliographicColour : PolarColour);
    if (helio)
        setColour(groupBox_, QPalette::Window, HeliographicColour);
    else
        groupBox_->setAutoFillBackground(false);
    faculaeBox_->setVisible(!helio && !fromScan_);
    areaHintLabel_->hide();
}

namespace {

// A grid without rows to fill is greyed.
void showGridState(QTableWidget* grid, const QPalette& window, bool enabled) {
    grid->setEnabled(enabled);
    QPalette pal = window;
    if (!enabled) {
        pal.setColor(QPalette::Text, GreyText);
        pal.setColor(QPalette::Button, GreyFixed);
    }
    grid->setPalette(pal);
}

} // namespace

void EntryWindow::showGroupState(bool enabled) {
    showGridState(groupGrid_, palette(), enabled);
    coordinatesButton_->setVisible(enabled && !fromScan_);
    coordinatesButton_->setEnabled(enabled);
}

void EntryWindow::showFaculaeState(bool enabled) {
    showGridState(faculaeGrid_, palette(), enabled);
}

// ---------------------------------------------------------------------------
// While typing

void EntryWindow::onGroupCountChanged() {
    EntryForm f = form();
    const GridCount g = ResizeGroupGrid(f);
    if (!g.numeric) {
        groupGrid_->setEnabled(false);
        return;
    }
    if (g.message) k_.messages.showMessage(q(*g.message));
    setForm(f);
    showGroupState(g.enabled);
}

void EntryWindow::onFaculaeFieldCountChanged() {
    EntryForm f = form();
    const GridCount g = ResizeFaculaeGrid(f);
    if (!g.numeric) {
        faculaeGrid_->setEnabled(false);
        return;
    }
    if (g.message) k_.messages.showMessage(q(*g.message));
    setForm(f);
    showFaculaeState(g.enabled);
}

void EntryWindow::onDateLeft() {
    const DateFieldCheck c =
        CheckDateField(form(), mode_, session_.records(), session_.drawingNumbers());
    for (const std::string& m : c.messages)
        k_.messages.showMessage(q(m));
    if (c.drawingNumber) drawingNumberEdit_->setText(q(*c.drawingNumber));
    if (c.refocus) dateEdit_->setFocus(Qt::OtherFocusReason);
}

void EntryWindow::onTimeLeft() {
    for (const std::string& m : CheckTimeField(form(), mode_, session_.records()))
        k_.messages.showMessage(q(m));
}

void EntryWindow::onGroupCellChanged() {
    const int row = groupGrid_->currentRow();
    const int col = groupGrid_->currentColumn();
    areaHintLabel_->setVisible(col == column::Plocha && view_ == EntryView::Heliographic);
    if (row < 0) return;
    const QString groupClass = text(groupGrid_, row, column::Typ);
    if (col > column::Typ && !groupClass.isEmpty()) {
        if (const auto zurichClass = NormaliseGroupClass(s(groupClass))) {
            setCellText(groupGrid_, row, column::Typ, q(*zurichClass));
        } else if (refused_ != std::pair(row, groupClass)) {
            refused_ = std::pair(row, groupClass);
            k_.messages.showMessage(q(std::string(messages::BadClassClick)));
            // Back to the refused class so that the next keys correct it.
            // Queued: the click that moved the cell is still being handled.
            QTimer::singleShot(0, this, [this, row] {
                filling_ = true;
                groupGrid_->setCurrentCell(row, column::Typ);
                filling_ = false;
                groupGrid_->setFocus(Qt::OtherFocusReason);
            });
        }
    }
    if (col == column::CSk1) {
        highestNumberLabel_->setText(
            QString::number(HighestCSk1OfYear(session_.records(), s(dateEdit_->displayText()))));
        highestNumberLabel_->show();
    } else {
        highestNumberLabel_->hide();
    }
}

void EntryWindow::onCoordinatesClicked() {
    EntryForm f = form();
    if (const auto message = ToggleEntryView(f, session_.drawingRadius())) {
        k_.messages.showMessage(q(*message));
        return;
    }
    setForm(f);
    showView(f.view);
}

void EntryWindow::onNumberingLabelClicked() {
    if (!k_.messages.ask(q(std::string(messages::SwitchNumbersOff)), SafeAnswer::No)) return;
    k_.model.switchDrawingNumbersOff();
    base_.CisloZakresu = 0;
    showNumbering();
}

// ---------------------------------------------------------------------------
// Confirmation

void EntryWindow::onConfirmClicked() {
    const Session& ss = session_;
    EntryContext ctx;
    ctx.mode = mode_;
    ctx.settings = settings();
    ctx.records = ss.records();
    ctx.addedSinceStart = ss.recordCount() - ss.recordsAtStart();
    const EntryOutcome out = ConfirmEntry(form(), base_, ctx);
    setForm(out.form);
    showCounter();
    for (const std::string& m : out.messages)
        k_.messages.showMessage(q(m));
    if (out.focus) {
        QTableWidget* grid = out.focus->grid == GridCell::Grid::Skupiny ? groupGrid_ : faculaeGrid_;
        filling_ = true;
        grid->setCurrentCell(out.focus->row - 1, out.focus->col);
        filling_ = false;
        grid->setFocus(Qt::OtherFocusReason);
    }
    if (!out.record) return;

    SessionModel& model = k_.model;
    const std::uint64_t revision = ss.revision();
    try {
        model.storeWorkingRecord(*out.record, mode_);
    } catch (const std::exception& e) {
        k_.messages.showMessage(q(e.what()));
        // Not stored at all: the window stays open with everything typed.
        if (ss.revision() == revision) {
            model.setWorkingRecord(base_);
            return;
        }
    }
    k_.frame.showDrawing();
    accept();
}

void EntryWindow::onBackClicked() {
    reject();
}

void EntryWindow::reject() {
    // A cell still being edited holds its text in its editor: commit it, so
    // that it counts as typed (and is kept when the answer is "Ne").
    for (QTableWidget* grid : {groupGrid_, faculaeGrid_})
        for (QWidget* editor : grid->viewport()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            if (editor->isVisible()) emit grid->itemDelegate()->commitData(editor);
    if (form() != openedForm_) {
        QWidget* focused = focusWidget();
        if (!k_.messages.askYesNo(QStringLiteral("Zahodit zadaná data?"))) {
            if (focused) focused->setFocus(Qt::OtherFocusReason);
            return;
        }
    }
    QDialog::reject();
}

// ---------------------------------------------------------------------------

void installEntry(WindowContext k) {
    for (EntryMode m : {EntryMode::New, EntryMode::Special, EntryMode::Correction})
        k.frame.connectCommand(modeItem(m), [k, m] { EntryWindow::openWindow(k, m); });
}

} // namespace hk
