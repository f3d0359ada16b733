// The entry window's grids and keyboard: Tab leaves a grid after its last
// cell (and Shift+Tab before its first), Ctrl+Tab from any cell; a cell's
// editor starts with its text selected; leaving the date or the time checks
// them.
#include <QApplication>
#include <QFocusEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <functional>

#include "render/font_roles.h"
#include "ui/entry/entry_window.h"

namespace hk {

namespace {

// The first cell a row is typed into (column 0 holds the row number).
constexpr int FirstEntryColumn = 1;
constexpr int RowHeight = 24;
constexpr int HeadingFontPx = 10; // column titles fit the 38-pixel columns

// The last column of a grid that is shown.
int lastShownColumn(const QTableWidget* grid) {
    int c = grid->columnCount() - 1;
    while (c > 0 && grid->isColumnHidden(c))
        --c;
    return c;
}

// Whether Tab or Shift+Tab at the grid's current cell leaves the grid: the
// last cell going forward, the first going back, or always with Ctrl.
bool leavesGrid(const QTableWidget* grid, const QKeyEvent* key) {
    if (key->key() != Qt::Key_Tab && key->key() != Qt::Key_Backtab) return false;
    if (key->modifiers() & Qt::ControlModifier) return true;
    const bool back = key->key() == Qt::Key_Backtab || (key->modifiers() & Qt::ShiftModifier);
    if (back) return grid->currentRow() <= 0 && grid->currentColumn() <= FirstEntryColumn;
    return grid->currentRow() >= grid->rowCount() - 1 &&
           grid->currentColumn() >= lastShownColumn(grid);
}

// The cell editor starts with its text selected, so that typing replaces
// it, and gives Tab at the grid's end (or Ctrl+Tab anywhere) to the window.
class EntryCellDelegate : public QStyledItemDelegate {
  public:
    EntryCellDelegate(QTableWidget* grid, std::function<void(bool)> leave)
        : QStyledItemDelegate(grid), grid_(grid), leave_(std::move(leave)) {}

    void setEditorData(QWidget* editor, const QModelIndex& index) const override {
        QStyledItemDelegate::setEditorData(editor, index);
        if (auto* line = qobject_cast<QLineEdit*>(editor)) line->selectAll();
    }

  protected:
    bool eventFilter(QObject* object, QEvent* event) override {
        if (event->type() == QEvent::KeyPress) {
            auto* key = static_cast<QKeyEvent*>(event);
            if (auto* editor = qobject_cast<QWidget*>(object); editor && leavesGrid(grid_, key)) {
                const bool forward =
                    key->key() == Qt::Key_Tab && !(key->modifiers() & Qt::ShiftModifier);
                emit commitData(editor);
                emit closeEditor(editor, QAbstractItemDelegate::NoHint);
                leave_(forward);
                return true;
            }
        }
        return QStyledItemDelegate::eventFilter(object, event);
    }

  private:
    QTableWidget* grid_;
    std::function<void(bool)> leave_;
};

} // namespace

QTableWidget* EntryWindow::createGrid(const QString& name, int columnCount, int width) {
    auto* grid = new QTableWidget(1, columnCount, this);
    grid->setObjectName(name);
    grid->verticalHeader()->hide();
    grid->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grid->horizontalHeader()->setDefaultSectionSize(scaled(width));
    grid->horizontalHeader()->setMinimumSectionSize(1);
    grid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grid->verticalHeader()->setDefaultSectionSize(scaled(RowHeight));
    grid->horizontalHeader()->setFixedHeight(scaled(RowHeight));
    grid->horizontalHeader()->setFont(SansFont(scaled(HeadingFontPx)));
    grid->horizontalHeader()->setHighlightSections(false);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    grid->setEditTriggers(QAbstractItemView::AllEditTriggers);
    grid->setItemDelegate(
        new EntryCellDelegate(grid, [this, grid](bool forward) { leaveGrid(grid, forward); }));
    grid->installEventFilter(this);
    return grid;
}

void EntryWindow::leaveGrid(QTableWidget* grid, bool forward) {
    QWidget* w = grid;
    // The next control in the keyboard order that can take the focus now.
    do {
        w = forward ? w->nextInFocusChain() : w->previousInFocusChain();
    } while (w != grid && (!(w->focusPolicy() & Qt::TabFocus) || !w->isVisibleTo(this) ||
                           !w->isEnabled() || !isAncestorOf(w) || grid->isAncestorOf(w)));
    if (w != grid) w->setFocus(forward ? Qt::TabFocusReason : Qt::BacktabFocusReason);
}

bool EntryWindow::eventFilter(QObject* watched, QEvent* event) {
    auto* grid = qobject_cast<QTableWidget*>(watched);
    if (grid && (grid == groupGrid_ || grid == faculaeGrid_)) {
        if (event->type() == QEvent::KeyPress && leavesGrid(grid, static_cast<QKeyEvent*>(event))) {
            const auto* key = static_cast<QKeyEvent*>(event);
            leaveGrid(grid, key->key() == Qt::Key_Tab && !(key->modifiers() & Qt::ShiftModifier));
            return true;
        }
        // Entering a grid by keyboard starts in its first cell to type into.
        if (event->type() == QEvent::FocusIn && grid->rowCount() > 0 &&
            grid->currentColumn() < FirstEntryColumn) {
            const auto reason = static_cast<QFocusEvent*>(event)->reason();
            if (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason)
                grid->setCurrentCell(std::max(0, grid->currentRow()), FirstEntryColumn);
        }
        return QDialog::eventFilter(watched, event);
    }
    if (event->type() == QEvent::FocusOut) {
        // Focus that goes to another window (a message, another program)
        // comes back; only leaving the field for another control counts.
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        // Leaving by "Návrat" throws the typed values away: nothing to check.
        const bool leaving = QApplication::focusWidget() == backButton_;
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason && !leaving) {
            if (watched == dateEdit_) onDateLeft();
            if (watched == timeEdit_) onTimeLeft();
        }
    } else if (event->type() == QEvent::MouseButtonRelease && watched == numberingLabel_) {
        onNumberingLabelClicked();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace hk
