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
#include "ui/frame/messages.h"
#include "ui/frame/session_model.h"

namespace hk {

namespace {

// The old screen font of size 12: DejaVu runs wider, so the size is taken
// as pixels (as for every font role), which keeps a line within the list.
constexpr int ListFont = 12;
constexpr int ListWidth = 259;
constexpr int SmallestFont = 8; // beside the drawing window on a 1024-pixel screen

} // namespace

RecordListWindow* RecordListWindow::createWindow(WindowContext k) {
    auto* w = new RecordListWindow(k, nullptr);
    // Above the other windows of the work area, as a list beside them.
    // A sub-window like the others (it can be moved), without a close button.
    w->sub_ =
        k.area->addSubWindow(w, Qt::SubWindow | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    w->sub_->setObjectName(QStringLiteral("Form4"));
    w->sub_->setWindowTitle(QStringLiteral("Výběr datumu"));
    w->areaViewport_ = k.area->viewport();
    w->areaViewport_->installEventFilter(w);
    w->sub_->installEventFilter(w);
    w->place();
    w->sub_->show();
    // The first filling repairs records whose date cannot be read.
    w->fillList();
    return w;
}

RecordListWindow::RecordListWindow(WindowContext k, QWidget* parent)
    : QWidget(parent), k_(k), recordList_(new QListWidget(this)),
      recordScroll_(new QScrollBar(Qt::Vertical, this)) {
    setObjectName(QStringLiteral("RecordListWindow"));
    setWindowTitle(QStringLiteral("Výběr datumu"));
    recordList_->setObjectName(QStringLiteral("ListBox1"));
    recordScroll_->setObjectName(QStringLiteral("ScrollBar1"));
    const int percent = k.model.session().sizePercent();
    recordList_->setFont(SansFont(scaledRounded(ListFont, percent)));
    recordList_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    recordList_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    recordList_->setUniformItemSizes(true);
    recordList_->setSelectionMode(QAbstractItemView::SingleSelection);
    recordList_->installEventFilter(this);
    recordList_->viewport()->installEventFilter(this);
    recordScroll_->setSingleStep(1);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(recordList_, 0, Qt::AlignTop);
    layout->addWidget(recordScroll_, 0, Qt::AlignTop);

    connect(recordScroll_, &QScrollBar::valueChanged, this, &RecordListWindow::onScrollChanged);
    connect(recordList_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (!filling_ && row >= 0) onRecordRowClicked(row);
    });
    connect(recordList_, &QListWidget::itemClicked, this, [this] {
        k_.frame.showDrawing();
        keepKeyboard();
    });

    SessionModel& model = k.model;
    connect(&model, &SessionModel::recordsChanged, this, &RecordListWindow::fillList);
    connect(&model, &SessionModel::currentChanged, this, [this] {
        window_.reveal(k_.model.session().currentIndex());
        updateScrollBar();
        rewriteList();
    });
}

int RecordListWindow::rowWidth() const {
    // The widest line: the index padded to five digits (more for a larger
    // store) and a drawing number of 999/99.
    const int digits =
        std::max(5, static_cast<int>(QString::number(k_.model.session().recordCount()).size()));
    const QString pattern =
        QString(digits, QLatin1Char('9')) + QStringLiteral("     31 12 2026  2359    999/99");
    return QFontMetrics(recordList_->font()).horizontalAdvance(pattern) +
           2 * recordList_->frameWidth() + 8;
}

int RecordListWindow::rowHeight() const {
    return QFontMetrics(recordList_->font()).height() + 4;
}

void RecordListWindow::place() {
    if (!sub_ || moved_) return;
    const int percent = k_.model.session().sizePercent();
    QMdiArea* area = k_.area;
    const int areaWidth = area->viewport()->width();
    const int scrollBarWidth = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    const int windowFrame =
        2 * style()->pixelMetric(QStyle::PM_MdiSubWindowFrameWidth, nullptr, sub_);
    // Right of the drawing window, not over it: the room beside it decides
    // the list's font (down to a smallest readable size) so that a whole
    // line fits.
    int left = 0;
    for (const QMdiSubWindow* window : area->subWindowList())
        if (window->objectName() == QLatin1String("Form2") && window->isVisible())
            left = window->geometry().right() + 2;
    const int roomRight = areaWidth - left;
    const int font = scaledRounded(ListFont, percent);
    auto needed = [&] { return rowWidth() + scrollBarWidth + windowFrame; };
    int size = font;
    recordList_->setFont(SansFont(size));
    while (size > SmallestFont && needed() > roomRight)
        recordList_->setFont(SansFont(--size));
    // As wide as the scaled width where there is room, else as the lines need.
    const int width = std::max(needed(), std::min(usualWidth(), roomRight));
    const int height = std::max(area->viewport()->height() - 2, 4 * rowHeight());
    placing_ = true;
    sub_->setGeometry(std::max(0, std::min(left, areaWidth - width)), 1, width, height);
    placing_ = false;
    rewriteList();
}

int RecordListWindow::usualWidth() const {
    const int scrollBarWidth = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    return scaledRounded(scrollBarWidth + ListWidth, k_.model.session().sizePercent());
}

void RecordListWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    // As many whole rows as the list's height holds; the list shows one more
    // than ListRows.
    const int scrollBarWidth = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    const int ram = 2 * recordList_->frameWidth();
    const int rows = std::max(0, (height() - ram) / rowHeight() - 1);
    const int contentHeight = rowHeight() * (rows + 1) + ram;
    recordList_->setFixedSize(std::max(0, width() - scrollBarWidth), contentHeight);
    recordScroll_->setFixedSize(scrollBarWidth, contentHeight);
    if (rows == window_.rows() && window_.count() == k_.model.session().recordCount()) return;
    window_ = RecordListRange(rows, k_.model.session().recordCount());
    window_.reveal(k_.model.session().currentIndex());
    updateScrollBar();
    rewriteList();
}

void RecordListWindow::updateScrollBar() {
    const QSignalBlocker block(recordScroll_);
    recordScroll_->setEnabled(window_.hasScrollBar());
    if (window_.hasScrollBar()) {
        recordScroll_->setRange(window_.minimum(), window_.count());
        recordScroll_->setPageStep(window_.rows());
        recordScroll_->setValue(window_.position());
    } else {
        recordScroll_->setRange(0, 0);
    }
}

void RecordListWindow::showScrollBar(bool visible) {
    recordScroll_->setVisible(visible);
}

void RecordListWindow::fillList() {
    // A record whose date cannot be read is repaired by removing it; the
    // repaired data are saved at exit.
    const bool repaired = k_.model.removeUnreadableDates() > 0;
    window_.setCount(k_.model.session().recordCount());
    window_.reveal(k_.model.session().currentIndex());
    updateScrollBar();
    rewriteList();
    if (repaired) {
        k_.messages.showMessage(
            QStringLiteral("Došlo k chybě zápisu data\rbube automaticky opraven"));
        // The other windows show records by index: tell them the store moved.
    }
}

void RecordListWindow::rewriteList() {
    const Session& s = k_.model.session();
    filling_ = true;
    recordList_->clear();
    int toSelect = -1;
    int sameDate = -1;
    for (int k = window_.first(); k <= window_.last(); ++k) {
        const TZaznam& z = s.record(k);
        const auto row = RecordListLine(k, z);
        // A record whose date cannot be read is listed with the stored text.
        const QString text =
            row ? QString::fromStdString(*row)
                : QStringLiteral("%1     %2").arg(k, 5).arg(QString::fromStdString(z.Datum.text()));
        auto* item = new QListWidgetItem(text, recordList_);
        item->setSizeHint(QSize(recordList_->viewport()->width(), rowHeight()));
        if (k == s.currentIndex()) toSelect = recordList_->count() - 1;
        if (sameDate < 0 && z.Datum.raw() == s.workingRecord().Datum.raw())
            sameDate = recordList_->count() - 1;
    }
    recordList_->setCurrentRow(toSelect >= 0 ? toSelect : sameDate);
    filling_ = false;
}

void RecordListWindow::onScrollChanged(int position) {
    window_.setPosition(position);
    rewriteList();
}

void RecordListWindow::onRecordRowClicked(int row) {
    choose(window_.recordOfRow(row));
}

void RecordListWindow::choose(int k, bool fromList) {
    k_.model.setCurrent(k);
    k_.frame.showDrawing();
    if (fromList) keepKeyboard();
}

void RecordListWindow::keepKeyboard() {
    // Showing the drawing activates its window; the arrow keys stay here.
    if (!sub_) return;
    k_.area->setActiveSubWindow(sub_);
    recordList_->setFocus(Qt::OtherFocusReason);
}

void RecordListWindow::findDate(const QString& start) {
    const auto text = k_.messages.askValue(QStringLiteral("Přejít na datum  (dd.mm.rrrr)"), start);
    if (!text) return;
    const auto date = ParseDatum(s(*text));
    if (!date) {
        k_.messages.showMessage(QStringLiteral("Chybně zadané datum"));
        return;
    }
    const auto k = NearestRecord(k_.model.session().records(), *date);
    if (!k) return;
    window_.reveal(*k);
    updateScrollBar();
    choose(*k);
}

void RecordListWindow::last() {
    window_.setCount(k_.model.session().recordCount());
    window_.setPosition(window_.count());
    updateScrollBar();
    choose(window_.count());
}

QStringList RecordListWindow::rows() const {
    QStringList out;
    for (int i = 0; i < recordList_->count(); ++i)
        out << recordList_->item(i)->text();
    return out;
}

int RecordListWindow::selectedRow() const {
    return recordList_->currentRow();
}

bool RecordListWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == areaViewport_ && event->type() == QEvent::Resize) {
        place();
        return false;
    }
    if (watched == sub_ && event->type() == QEvent::Move && !placing_ && sub_->isVisible()) {
        moved_ = true;
        return false;
    }
    if (watched == recordList_->viewport() && event->type() == QEvent::Wheel) {
        // The list has no scroll bar of its own: the wheel moves ScrollBar1.
        auto* wheel = static_cast<QWheelEvent*>(event);
        const int steps = wheel->angleDelta().y() / 40; // three records a notch
        if (recordScroll_->isEnabled() && steps != 0)
            recordScroll_->setValue(recordScroll_->value() - steps);
        return true;
    }
    if (watched != recordList_ || event->type() != QEvent::KeyPress) return false;
    auto* key = static_cast<QKeyEvent*>(event);
    const int row = selectedRow();
    switch (key->key()) {
    case Qt::Key_Down:
        if (row >= 0) {
            const int k = window_.down(row);
            updateScrollBar();
            choose(k);
        }
        return true;
    case Qt::Key_Up:
        if (row >= 0) {
            const int k = window_.up(row);
            updateScrollBar();
            choose(k);
        }
        return true;
    case Qt::Key_F9:
        emit f9Pressed();
        return true;
    case Qt::Key_F:
        if (!(key->modifiers() & Qt::ControlModifier)) return false;
        findDate();
        return true;
    default:
        // Typing a date jumps to it.
        if (key->text().size() == 1 && key->text().at(0).isDigit() &&
            !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
            findDate(key->text());
            return true;
        }
        return false;
    }
}

void RecordListWindow::closeEvent(QCloseEvent* event) {
    if (closeAllowed_)
        event->accept();
    else
        event->ignore();
}

} // namespace hk
