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
#include <QSignalBlocker>
#include <QToolButton>
#include <QVBoxLayout>
#include <cmath>

#include "records/record.h"
#include "records/session.h"
#include "render/jpeg_writer.h"
#include "ui/entry/record_list_window.h"
#include "ui/frame/command_names.h"
#include "ui/frame/messages.h"
#include "ui/frame/picture_canvas.h"
#include "ui/frame/session_model.h"
#include "ui/frame/ui_helpers.h"
#include "ui/frame/window_context.h"

namespace hk {

namespace {

constexpr int ControlsHeight = 40; // the row of controls above the table
constexpr int LowWindow = 990;     // "t" prints the window only when it is higher
constexpr double PrintedAreaRatio = 1.1;
constexpr int PrintedAreaMargin = 5;
constexpr int MinRoomLeft = 400; // room left of the record list worth using
const QString Title = QStringLiteral("Souřadnice středu slunce");

} // namespace

CoordinateTableWindow::CoordinateTableWindow(const ProgramDir& dir, Messages& messages, int year,
                                             QWidget* parent)
    : QWidget(parent), dir_(dir), messages_(messages),
      yearEdit_(new QLineEdit(QString::number(year), this)),
      enlargeButton_(new QPushButton(QStringLiteral("zve"), this)),
      printButton_(new QPushButton(QStringLiteral("Tisk"), this)),
      savePictureButton_(new QPushButton(QStringLiteral("Uložit obr."), this)),
      yearScroll_(new QScrollBar(Qt::Vertical, this)) {
    setObjectName(QStringLiteral("CoordinateTableWindow"));
    setWindowTitle(Title);
    setFocusPolicy(Qt::StrongFocus);

    yearEdit_->setObjectName(QStringLiteral("Edit1"));
    yearEdit_->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), yearEdit_));
    yearEdit_->setMaxLength(4);
    yearEdit_->setFixedWidth(60);
    enlargeButton_->setObjectName(QStringLiteral("SpeedButton4"));
    printButton_->setObjectName(QStringLiteral("tisksouradnic"));
    savePictureButton_->setObjectName(QStringLiteral("ulozitobr"));
    yearScroll_->setObjectName(QStringLiteral("ScrollBar1"));
    yearScroll_->setToolTip(QStringLiteral("Posuv nahoru "));

    auto* controls = new QHBoxLayout;
    controls->setContentsMargins(4, 0, 4, 0);
    controls->addWidget(yearEdit_);
    auto* group = new QButtonGroup(this);
    const QString pageLabels[CoordinateTablePages] = {QStringLiteral("leden-duben"),
                                                      QStringLiteral("květen-srpen"),
                                                      QStringLiteral("září- prosinec")};
    for (int i = 0; i < CoordinateTablePages; ++i) {
        auto* b = new QToolButton(this);
        b->setObjectName(QStringLiteral("SpeedButton%1").arg(i + 1));
        b->setText(pageLabels[i]);
        b->setCheckable(true);
        group->addButton(b, i);
        controls->addWidget(b);
        pageButtons_[i] = b;
        connect(b, &QToolButton::clicked, this, [this, i] { onPageClicked(i); });
    }
    pageButtons_[0]->setChecked(true);
    for (QPushButton* b : {enlargeButton_, printButton_, savePictureButton_})
        controls->addWidget(b);
    controls->addStretch(1);

    scene_.year = year;
    table_ = new PictureCanvas(this, QStringLiteral("Tabulka"));
    table_->setFocusPolicy(Qt::ClickFocus);
    table_->setPainter(
        [this](QPainter& p, const QRect& r) { PaintCoordinateTablePicture(p, r, picture_); });
    table_->onResize([this] { rebuild(); });
    auto* dole = new QHBoxLayout;
    dole->setContentsMargins(0, 0, 0, 0);
    dole->setSpacing(0);
    dole->addWidget(table_, 1);
    dole->addWidget(yearScroll_);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    auto* row = new QWidget(this);
    row->setFixedHeight(ControlsHeight);
    row->setLayout(controls);
    layout->addWidget(row);
    layout->addLayout(dole, 1);

    connect(enlargeButton_, &QPushButton::clicked, this, &CoordinateTableWindow::onEnlargeClicked);
    connect(printButton_, &QPushButton::clicked, this, &CoordinateTableWindow::onPrintClicked);
    connect(savePictureButton_, &QPushButton::clicked, this,
            &CoordinateTableWindow::onSavePictureClicked);
    connect(yearScroll_, &QScrollBar::valueChanged, this, [this](int v) {
        if (v == scene_.scroll) return;
        scene_.scroll = v;
        rebuild();
    });

    choosePrinter = [this](QPrinter& printer) {
        // Without a printer the page goes into a PDF file.
        if (QPrinterInfo::availablePrinters().isEmpty()) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            try {
                printer.setOutputFileName(QString::fromStdString(
                    (dir_.ensureFolder("Obrázek") /
                     CoordinateTableImageName(TableYear(), scene_.page, ".pdf"))
                        .string()));
            } catch (const std::exception& e) {
                messages_.showMessage(QString::fromUtf8(e.what()));
                return false;
            }
        }
        QPrintDialog d(&printer, this);
        return d.exec() == QDialog::Accepted;
    };

    rebuild();
}

void CoordinateTableWindow::rebuild() {
    scene_.clientWidth = std::max(1, table_->width());
    scene_.clientHeight = std::max(1, table_->height());
    picture_ = BuildCoordinateTablePicture(scene_, &picture_);
    pageButtons_[scene_.page]->setChecked(true);
    {
        const QSignalBlocker quiet(yearScroll_);
        yearScroll_->setRange(0, picture_.maxScroll);
        yearScroll_->setPageStep(picture_.pageStep);
        yearScroll_->setValue(picture_.scroll);
    }
    scene_.scroll = picture_.scroll;
    table_->update();
}

void CoordinateTableWindow::onPageClicked(int pageIndex) {
    const auto year = ParseTableYear(yearEdit_->text().toStdString());
    if (!year) {
        messages_.showMessage(q(BadTableYear));
        pageButtons_[scene_.page]->setChecked(true);
        return;
    }
    scene_.year = *year;
    scene_.page = pageIndex;
    rebuild();
}

void CoordinateTableWindow::onEnlargeClicked() {
    const auto text = messages_.askValue(QStringLiteral("Měřítko tabulky (16 = skutečná velikost)"),
                                         QString::number(scene_.scale));
    if (!text) return;
    const auto scale = ParseTableScale(text->toStdString());
    if (!scale) {
        messages_.showMessage(q(BadTableScale));
        return;
    }
    scene_.scale = *scale;
    rebuild();
}

void CoordinateTableWindow::onPrintClicked() {
    QPrinter printer(QPrinter::HighResolution);
    if (!choosePrinter(printer)) return;
    runCommand(messages_, [&] { PrintCoordinateTable(printer, *picture_.year, {scene_.page}); });
}

void CoordinateTableWindow::onSavePictureClicked() {
    // The whole page at its own size, whatever the window shows of it.
    CoordinateTableScene whole;
    whole.year = scene_.year;
    whole.page = scene_.page;
    const CoordinateTablePicture page = BuildCoordinateTablePicture(whole, &picture_);
    QImage image(page.width, page.height, QImage::Format_RGB32);
    {
        QPainter p(&image);
        PaintCoordinateTablePicture(p, image.rect(), page);
    }
    runCommand(messages_, [&] {
        const auto file =
            dir_.ensureFolder("Obrázek") / CoordinateTableImageName(TableYear(), scene_.page);
        SaveImage(image.convertToFormat(QImage::Format_Indexed8), file);
    });
}

void CoordinateTableWindow::printKey() {
    if (height() <= LowWindow) {
        messages_.showMessage(q(LowTableWindow));
        return;
    }
    const int printWidth = width() - PrintedAreaMargin;
    const QImage image =
        grab(QRect(0, ControlsHeight, printWidth, static_cast<int>(printWidth * PrintedAreaRatio)))
            .toImage();
    QPrinter printer(QPrinter::HighResolution);
    if (!choosePrinter(printer)) return;
    QPainter p;
    if (!p.begin(&printer)) {
        messages_.showMessage(QStringLiteral("Tisk nelze zahájit"));
        return;
    }
    p.drawImage(QRect(0, 0, printer.width(), printer.height()), image);
    p.end();
}

void CoordinateTableWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_T) {
        printKey();
        return;
    }
    QWidget::keyPressEvent(event);
}

CoordinateTableWindow* CoordinateTableWindow::openWindow(QMdiArea& area, const ProgramDir& dir,
                                                         Messages& messages, int year,
                                                         int printWidth) {
    for (QMdiSubWindow* sub : area.subWindowList())
        if (auto* w = qobject_cast<CoordinateTableWindow*>(sub->widget())) {
            area.setActiveSubWindow(sub);
            return w;
        }
    auto* w = new CoordinateTableWindow(dir, messages, year);
    QMdiSubWindow* sub = area.addSubWindow(w);
    sub->setObjectName(QStringLiteral("Form10"));
    sub->setAttribute(Qt::WA_DeleteOnClose);
    sub->show();
    // The table 900 pixels wide beside its scroll bar, as high as the work
    // area; where less room is left the table starts smaller.
    const QRect region = area.viewport()->rect();
    if (sub->layout()) sub->layout()->activate();
    w->layout()->activate();
    const int extra = sub->width() - w->table_->width();
    printWidth = std::min(printWidth, region.width());
    w->scene_.scale = CoordinateTableOpeningScale(printWidth - extra);
    w->rebuild();
    sub->setGeometry(0, 0, std::min(printWidth, CoordinateTableWidth + extra), region.height());
    area.setActiveSubWindow(sub);
    w->setFocus();
    // It closes as soon as another window of the work area is activated.
    QObject::connect(&area, &QMdiArea::subWindowActivated, sub, [sub](QMdiSubWindow* activated) {
        if (activated && activated != sub) sub->close();
    });
    return w;
}

void installCoordinateTable(WindowContext k) {
    auto openWindow = [k] {
        const Session& session = k.model.session();
        const auto date = RecordDate(session.workingRecord());
        // The work area left of the record list, unless the list stands at
        // the left edge.
        int printWidth = k.area->viewport()->width();
        if (RecordListWindow* recordList = k.frame.recordList())
            if (auto* list = qobject_cast<QMdiSubWindow*>(recordList->parentWidget()))
                if (list->x() >= MinRoomLeft && list->x() < printWidth) printWidth = list->x();
        CoordinateTableWindow::openWindow(*k.area, session.dir, k.messages,
                                          date ? date->year : QDate::currentDate().year(),
                                          printWidth);
    };
    k.frame.connectCommand(cmd::CoordinateTable, openWindow);
    // The results panel runs past the right edge of narrower screens: the
    // menu item keeps the table within reach.
    k.frame.connectCommand(cmd::SunCoordinates, openWindow);
    if (QAction* a = k.frame.action(cmd::SunCoordinates)) a->setVisible(true);
}

} // namespace hk
