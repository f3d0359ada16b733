// The measurement window's controls: the picture area, the upper row of
// buttons, the faculae box, the group box and the box of proposed groups.
#include "ui/measure/measurement_window.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
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

#include "ui/frame/picture_canvas.h"

namespace hk {

namespace {

constexpr int PanelWidth = 300;
const QColor FixedCells(125, 255, 125);

QPushButton* button(QWidget* parent, const char* name, const QString& text,
                    const QString& hint = {}) {
    auto* b = new QPushButton(text, parent);
    b->setObjectName(QString::fromLatin1(name));
    if (!hint.isEmpty()) b->setToolTip(hint);
    return b;
}

// A read-only table of clicked points, `rows` rows high.
QTableWidget* pointTable(QWidget* parent, const char* name, const QStringList& headers, int rows) {
    auto* t = new QTableWidget(rows, static_cast<int>(headers.size()), parent);
    t->setObjectName(QString::fromLatin1(name));
    t->setHorizontalHeaderLabels(headers);
    t->verticalHeader()->hide();
    t->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    t->setEditTriggers(QAbstractItemView::NoEditTriggers);
    t->setFixedHeight(t->horizontalHeader()->sizeHint().height() +
                      rows * t->verticalHeader()->defaultSectionSize() + 4);
    return t;
}

} // namespace

void MeasurementWindow::createControls() {
    auto* upper = new QHBoxLayout;
    upper->setSpacing(3);
    auto* openButton = button(this, "Otevrit", QStringLiteral("Otevřít"),
                              QStringLiteral("Vybrat obrázek zákresu "));
    auto* largerButton = button(this, "vet", QStringLiteral("+"));
    auto* smallerButton = button(this, "men", QStringLiteral("-"));
    for (QPushButton* b : {largerButton, smallerButton})
        b->setFixedWidth(28);
    connect(openButton, &QPushButton::clicked, this, &MeasurementWindow::onOpenClicked);
    connect(largerButton, &QPushButton::clicked, this, &MeasurementWindow::onLargerClicked);
    connect(smallerButton, &QPushButton::clicked, this, &MeasurementWindow::onSmallerClicked);

    auto hasScrollBar = [this](const char* name, int min, int max, int value) {
        auto* s = new QSlider(Qt::Horizontal, this);
        s->setObjectName(QString::fromLatin1(name));
        s->setRange(min, max);
        s->setValue(value);
        s->setFixedWidth(110);
        return s;
    };
    auto* brightness = hasScrollBar("jas", BrightnessMin, BrightnessMax, 0);
    auto* contrast = hasScrollBar("kont", ContrastMin, ContrastMax, ContrastNeutral);
    brightnessLabel_ = new QLabel(QStringLiteral("Jas 0"), this);
    contrastLabel_ = new QLabel(QStringLiteral("Kontr. %1").arg(ContrastNeutral), this);
    brightnessLabel_->setMinimumWidth(55);
    contrastLabel_->setMinimumWidth(70);
    connect(brightness, &QSlider::valueChanged, this, &MeasurementWindow::onBrightnessChanged);
    connect(contrast, &QSlider::valueChanged, this, &MeasurementWindow::onContrastChanged);

    auto* param = button(this, "param", QStringLiteral("Param- Fakule"));
    auto* spotParameters = button(this, "paramskvr", QStringLiteral("Param skvrny"));
    auto* horizontalButton = button(this, "Horizont", QStringLiteral("Horizontálně"));
    auto* verticalButton = button(this, "vertikal", QStringLiteral("Vertikálně"));
    auto* findButton = button(this, "najitdisk", QStringLiteral("Najít disk"),
                              QStringLiteral("Navrhne střed a poloměr disku nalezeného v obrázku"));
    showSelectionButton_ = button(this, "zobraz", QStringLiteral("Skrýt výběr"));
    magnifierButton_ = new QToolButton(this);
    magnifierButton_->setObjectName(QStringLiteral("lupe"));
    magnifierButton_->setText(QStringLiteral("Lupa"));
    magnifierButton_->setCheckable(true);
    auto* closeWindow = new QToolButton(this);
    closeWindow->setObjectName(QStringLiteral("SpeedButton1"));
    closeWindow->setText(QStringLiteral("X"));
    closeWindow->setToolTip(QStringLiteral("Zavřít"));
    connect(param, &QPushButton::clicked, this, &MeasurementWindow::onParametersClicked);
    connect(spotParameters, &QPushButton::clicked, this,
            &MeasurementWindow::onSpotParametersClicked);
    connect(horizontalButton, &QPushButton::clicked, this, &MeasurementWindow::onHorizontalClicked);
    connect(verticalButton, &QPushButton::clicked, this, &MeasurementWindow::onVerticalClicked);
    connect(findButton, &QPushButton::clicked, this, &MeasurementWindow::onFindDiskClicked);
    auto* findSpotsButton =
        button(this, "najitskvrny", QStringLiteral("Najít skvrny"),
               QStringLiteral("Navrhne skvrny a skupiny nalezené v kalibrovaném zákresu"));
    connect(findSpotsButton, &QPushButton::clicked, this, &MeasurementWindow::onFindSpotsClicked);
    connect(showSelectionButton_, &QPushButton::clicked, this,
            &MeasurementWindow::onShowSelectionClicked);
    connect(magnifierButton_, &QToolButton::clicked, this, &MeasurementWindow::onMagnifierClicked);
    connect(closeWindow, &QToolButton::clicked, this, [this] {
        // In the work area the sub-window closes, and with it this window.
        if (auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget()))
            sub->close();
        else
            close();
    });

    positionLabel_ = new QLabel(this);
    positionLabel_->setObjectName(QStringLiteral("poloha"));
    positionLabel_->setMinimumWidth(110);
    for (QWidget* w : std::initializer_list<QWidget*>{
             openButton, largerButton, smallerButton, brightnessLabel_, brightness, contrastLabel_,
             contrast, param, spotParameters, horizontalButton, verticalButton, magnifierButton_,
             showSelectionButton_, findButton, findSpotsButton, positionLabel_})
        upper->addWidget(w);
    upper->addStretch(1);
    upper->addWidget(closeWindow);

    // The picture area: paints the scan and passes the mouse on.
    auto* canvas = new PictureCanvas(this, QStringLiteral("Image1"));
    canvas->setMinimumSize(200, 200);
    canvas->setPainter(
        [this](QPainter& p, const QRect& area) { PaintScan(p, area, scan(), options()); });
    canvas->onPress([this](QMouseEvent& e) {
        const PicturePoint pt = WindowToPicture(e.position().toPoint(), options());
        if (e.button() == Qt::LeftButton) leftClick(pt);
        if (e.button() == Qt::RightButton) rightClick(pt);
    });
    canvas->onMove([this](QMouseEvent& e) {
        pointerMoved(WindowToPicture(e.position().toPoint(), options()));
    });
    canvas->onResize([this] { updateScrollRanges(); });
    canvas_ = canvas;
    horizontalScroll_ = new QScrollBar(Qt::Horizontal, this);
    very_ = new QScrollBar(Qt::Vertical, this);
    horizontalScroll_->setObjectName(QStringLiteral("hory"));
    very_->setObjectName(QStringLiteral("very"));
    connect(horizontalScroll_, &QScrollBar::valueChanged, this, [this](int v) {
        options_.scroll.setX(v);
        canvas_->update();
    });
    connect(very_, &QScrollBar::valueChanged, this, [this](int v) {
        options_.scroll.setY(v);
        canvas_->update();
    });

    faculaeBox_ = createFaculaeBox();
    groupBox_ = createGroupBox();
    groupBox_->hide();
    auto* panel = new QVBoxLayout;
    panel->addWidget(faculaeBox_);
    panel->addWidget(groupBox_);
    proposalBox_ = createProposalBox();
    proposalBox_->hide();
    panel->addWidget(proposalBox_);
    panel->addStretch(1);

    manualGroupTable_ = new QTableWidget(1, GroupColumnCount, this);
    manualGroupTable_->setObjectName(QStringLiteral("jinak"));
    QStringList pageLabels;
    for (const char* c : GroupColumnCaptions)
        pageLabels << QString::fromUtf8(c);
    manualGroupTable_->setHorizontalHeaderLabels(pageLabels);
    manualGroupTable_->setVerticalHeaderLabels({QStringLiteral("1")});
    manualGroupTable_->setStyleSheet(
        QStringLiteral("QHeaderView::section { background-color: rgb(%1,%2,%3); }")
            .arg(FixedCells.red())
            .arg(FixedCells.green())
            .arg(FixedCells.blue()));
    manualGroupTable_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    manualGroupTable_->setFixedHeight(manualGroupTable_->horizontalHeader()->sizeHint().height() +
                                      manualGroupTable_->verticalHeader()->defaultSectionSize() +
                                      6);
    manualGroupTable_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    manualGroupTable_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    for (int c = 0; c < GroupColumnCount; ++c)
        manualGroupTable_->setItem(0, c, new QTableWidgetItem);
    connect(manualGroupTable_, &QTableWidget::itemChanged, this,
            [this] { storeGroupButton_->setText(QStringLiteral("Zapiš skupinu")); });

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(4, 4, 4, 4);
    grid->setSpacing(2);
    grid->addLayout(upper, 0, 0, 1, 3);
    grid->addWidget(canvas_, 1, 0);
    grid->addWidget(very_, 1, 1);
    grid->addWidget(horizontalScroll_, 2, 0);
    grid->addLayout(panel, 1, 2, 2, 1);
    grid->addWidget(manualGroupTable_, 3, 0, 1, 3);
    grid->setColumnStretch(0, 1);
    grid->setRowStretch(1, 1);
    updateScrollRanges();
}

QGroupBox* MeasurementWindow::createFaculaeBox() {
    auto* box = new QGroupBox(QStringLiteral("Zadávání fakulí"), this);
    box->setObjectName(QStringLiteral("GroupBox1"));
    box->setFixedWidth(PanelWidth);
    auto* l = new QGridLayout(box);
    auto* centreButton =
        button(box, "stredovv", QStringLiteral("Střed"), QStringLiteral("Určení středu"));
    auto* northButton =
        button(box, "severr", QStringLiteral("Sever"), QStringLiteral("Určení severu "));
    auto* axisButton = button(box, "dennipf", QStringLiteral("Osa Slunce"),
                              QStringLiteral(" Určení osy Slunce místo určení severu. "));
    connect(centreButton, &QPushButton::clicked, this, &MeasurementWindow::onCentreClicked);
    connect(northButton, &QPushButton::clicked, this, [this] { onNorthClicked(false); });
    connect(axisButton, &QPushButton::clicked, this, [this] { onNorthClicked(true); });
    l->addWidget(centreButton, 0, 0);
    l->addWidget(northButton, 0, 1);
    l->addWidget(axisButton, 0, 2);
    faculaeStatus_ = new QLabel(box);
    faculaeStatus_->setObjectName(QStringLiteral("fakstav"));
    faculaeStatus_->setWordWrap(true);
    l->addWidget(faculaeStatus_, 1, 0, 1, 3);
    l->addWidget(new QLabel(QStringLiteral("Číslo fakule"), box), 2, 0, 1, 2);
    faculaeFieldSpin_ = new QSpinBox(box);
    faculaeFieldSpin_->setObjectName(QStringLiteral("SpinEdit1"));
    faculaeFieldSpin_->setRange(0, MaxFacFields + 1);
    connect(faculaeFieldSpin_, &QSpinBox::valueChanged, this,
            &MeasurementWindow::onFaculaeFieldChanged);
    l->addWidget(faculaeFieldSpin_, 2, 2);
    // The start point, then the six vertices.
    vertexTable_ = pointTable(
        box, "tabxy", {QStringLiteral("bod"), QStringLiteral("úhel"), QStringLiteral("vzd.")},
        1 + FaculaeVertexCount);
    l->addWidget(vertexTable_, 3, 0, 1, 3);
    pointNumberLabel_ = new QLabel(box);
    pointNumberLabel_->setObjectName(QStringLiteral("cislobodu"));
    l->addWidget(pointNumberLabel_, 4, 0, 1, 2);
    auto* undoVertex = button(box, "zpetfak", QStringLiteral("Zpět bod"),
                              QStringLiteral("Odebere poslední zadaný bod fakule"));
    connect(undoVertex, &QPushButton::clicked, this, &MeasurementWindow::onUndoVertexClicked);
    l->addWidget(undoVertex, 4, 2);
    auto* end = button(box, "konec", QStringLiteral("Konec zadání fakulí"));
    connect(end, &QPushButton::clicked, this, &MeasurementWindow::onEndClicked);
    auto* helpButton = new QToolButton(box);
    helpButton->setObjectName(QStringLiteral("SpeedButton2"));
    helpButton->setText(QStringLiteral("?"));
    connect(helpButton, &QToolButton::clicked, this, &MeasurementWindow::onHelpClicked);
    l->addWidget(end, 5, 0, 1, 2);
    l->addWidget(helpButton, 5, 2);
    return box;
}

QGroupBox* MeasurementWindow::createGroupBox() {
    auto* box = new QGroupBox(QStringLiteral("Měření skupin"), this);
    box->setObjectName(QStringLiteral("GroupBox2"));
    box->setFixedWidth(PanelWidth);
    auto* l = new QGridLayout(box);
    auto* groupCentreButton =
        button(box, "stredsk", QStringLiteral("Střed"), QStringLiteral("Určení středu"));
    auto* groupNorthButton =
        button(box, "seversk", QStringLiteral("Sever"), QStringLiteral("Určení severu "));
    auto* groupAxisButton = button(box, "Dennip", QStringLiteral("Osa Slunce"),
                                   QStringLiteral(" Určení osy Slunce místo určení severu. "));
    auto* dailyMotionButton =
        button(box, "proupravu", QStringLiteral("D. pohyb"),
               QStringLiteral("Úprava když je znám v zákresu jen denní pohyb "));
    connect(groupCentreButton, &QPushButton::clicked, this, &MeasurementWindow::onCentreClicked);
    connect(groupNorthButton, &QPushButton::clicked, this, [this] { onNorthClicked(false); });
    connect(groupAxisButton, &QPushButton::clicked, this, [this] { onNorthClicked(true); });
    connect(dailyMotionButton, &QPushButton::clicked, this,
            &MeasurementWindow::onDailyMotionClicked);
    l->addWidget(groupCentreButton, 0, 0);
    l->addWidget(groupNorthButton, 0, 1);
    l->addWidget(groupAxisButton, 1, 0);
    l->addWidget(dailyMotionButton, 1, 1);
    groupStatus_ = new QLabel(box);
    groupStatus_->setObjectName(QStringLiteral("skstav"));
    groupStatus_->setWordWrap(true);
    l->addWidget(groupStatus_, 2, 0, 1, 2);
    l->addWidget(new QLabel(QStringLiteral("Pořadové číslo skup.."), box), 3, 0);
    groupOrder_ = new QSpinBox(box);
    groupOrder_->setObjectName(QStringLiteral("SpinEdit2"));
    groupOrder_->setRange(1, MaxGroupOrder + 1);
    connect(groupOrder_, &QSpinBox::valueChanged, this, &MeasurementWindow::onGroupOrderChanged);
    l->addWidget(groupOrder_, 3, 1);
    storeGroupButton_ = button(box, "zapskvrnu", QStringLiteral("Zapiš skupinu"));
    measureAreaButton_ = button(box, "merplochy", QStringLiteral("Měřeni plochy skupiny"));
    auto* endSpotsButton = button(box, "konskvr", QStringLiteral("Konec zadávání skvrn"));
    connect(storeGroupButton_, &QPushButton::clicked, this,
            &MeasurementWindow::onStoreGroupClicked);
    connect(measureAreaButton_, &QPushButton::clicked, this,
            &MeasurementWindow::onMeasureAreaClicked);
    connect(endSpotsButton, &QPushButton::clicked, this, &MeasurementWindow::onEndSpotsClicked);
    spotTable_ = pointTable(box, "bodyskvrn",
                            {QStringLiteral("skup."), QStringLiteral("skvrna"),
                             QStringLiteral("úhel"), QStringLiteral("vzd.")},
                            5);
    spotTable_->setRowCount(0);
    l->addWidget(spotTable_, 4, 0, 1, 2);
    auto* undoSpot = button(box, "zpetskvrnu", QStringLiteral("Zpět bod"),
                            QStringLiteral("Odebere poslední zadanou skvrnu skupiny v tabulce"));
    connect(undoSpot, &QPushButton::clicked, this, &MeasurementWindow::onUndoSpotClicked);
    l->addWidget(undoSpot, 5, 1);
    l->addWidget(storeGroupButton_, 6, 0, 1, 2);
    l->addWidget(measureAreaButton_, 7, 0, 1, 2);
    l->addWidget(endSpotsButton, 8, 0, 1, 2);
    auto* areasCurve =
        new QLabel(QStringLiteral("Hodnota plochy se zadává v mm^2 na průměr zákresu"), box);
    areasCurve->setWordWrap(true);
    l->addWidget(areasCurve, 9, 0, 1, 2);
    return box;
}

QGroupBox* MeasurementWindow::createProposalBox() {
    auto* box = new QGroupBox(QStringLiteral("Navržené skupiny"), this);
    box->setObjectName(QStringLiteral("navrh"));
    box->setFixedWidth(PanelWidth);
    auto* l = new QGridLayout(box);
    proposalTable_ = new QTableWidget(0, 5, box);
    proposalTable_->setObjectName(QStringLiteral("navrhy"));
    proposalTable_->setHorizontalHeaderLabels({QStringLiteral("skup."), QStringLiteral("Typ"),
                                               QStringLiteral("č.sk2"), QStringLiteral("poč"),
                                               QStringLiteral("plocha")});
    proposalTable_->verticalHeader()->hide();
    proposalTable_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    proposalTable_->setMinimumHeight(160);
    connect(proposalTable_, &QTableWidget::itemChanged, this, [this](QTableWidgetItem* item) {
        const std::string text = item->text().trimmed().toStdString();
        if (item->column() == 1) scan_.overlay.proposals.setClass(item->row(), text);
        if (item->column() == 2) scan_.overlay.proposals.setNumber(item->row(), text);
    });
    l->addWidget(proposalTable_, 0, 0, 1, 2);
    const std::pair<const char*, std::pair<const char*, ProposalEdit>> edits[] = {
        {"odebratskvrnu", {"Odebrat skvrnu", ProposalEdit::RemoveSpot}},
        {"odebratskupinu", {"Odebrat skupinu", ProposalEdit::RemoveGroup}},
        {"sloucit", {"Sloučit skupiny", ProposalEdit::MergeGroups}},
        {"rozdelit", {"Rozdělit skupinu", ProposalEdit::SplitGroup}},
        {"presunout", {"Přesunout skvrnu", ProposalEdit::MoveSpot}}};
    int k = 0;
    for (const auto& [name, legendEntry] : edits) {
        auto* b = button(box, name, QString::fromUtf8(legendEntry.first));
        const ProposalEdit u = legendEntry.second;
        connect(b, &QPushButton::clicked, this, [this, u] { onProposalEditClicked(u); });
        l->addWidget(b, 1 + k / 2, k % 2);
        ++k;
    }
    auto* acceptButton = button(box, "prijmout", QStringLiteral("Přijmout vše"),
                                QStringLiteral("Navržené skupiny do tabulky skupin"));
    connect(acceptButton, &QPushButton::clicked, this,
            &MeasurementWindow::onAcceptProposalsClicked);
    l->addWidget(acceptButton, 1 + k / 2, k % 2);
    proposalStatus_ = new QLabel(box);
    proposalStatus_->setObjectName(QStringLiteral("navrhstav"));
    proposalStatus_->setWordWrap(true);
    l->addWidget(proposalStatus_, 5, 0, 1, 2);
    return box;
}

} // namespace hk
