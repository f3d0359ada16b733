#include "ui/results/results_grid.h"

#include <QBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QSpinBox>
#include <QStyle>
#include <QTableView>
#include <QTableWidget>
#include <algorithm>
#include <vector>

namespace hk {

namespace {

const QColor Fixed(0xe8, 0xe8, 0xe8);

void styleGrid(QTableView* m) {
    m->horizontalHeader()->hide();
    m->verticalHeader()->hide();
    m->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m->setSelectionMode(QAbstractItemView::SingleSelection);
    m->setWordWrap(false);
    QFont f = m->font();
    f.setBold(true);
    m->setFont(f);
    m->verticalHeader()->setDefaultSectionSize(m->fontMetrics().height() + 4);
}

} // namespace

void ResultsGridModel::setTable(ResultsGrid table) {
    beginResetModel();
    table_ = std::move(table);
    endResetModel();
}

int ResultsGridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(table_.rowCount());
}

int ResultsGridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(table_.columnCount());
}

QVariant ResultsGridModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return {};
    const auto r = static_cast<std::size_t>(index.row());
    const auto c = static_cast<std::size_t>(index.column());
    switch (role) {
    case Qt::DisplayRole:
        if (r < table_.cells.size() && c < table_.cells[r].size())
            return QString::fromStdString(table_.cells[r][c]);
        return {};
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(Qt::AlignVCenter | (c == 0 ? Qt::AlignLeft : Qt::AlignRight));
    case Qt::BackgroundRole:
        if (r == 0 || c == 0) return QBrush(Fixed);
        return {};
    default:
        return {};
    }
}

QTableWidget* NewGrid(const QString& objectName, QWidget* parent) {
    auto* m = new QTableWidget(parent);
    m->setObjectName(objectName);
    styleGrid(m);
    return m;
}

QTableView* NewGridView(const QString& objectName, QWidget* parent) {
    auto* m = new QTableView(parent);
    m->setObjectName(objectName);
    m->setModel(new ResultsGridModel(m));
    styleGrid(m);
    return m;
}

void FillGrid(QTableView& view, const ResultsGrid& table) {
    if (auto* model = qobject_cast<ResultsGridModel*>(view.model())) model->setTable(table);
    SizeColumns(view, table);
}

void SizeColumns(QTableView& view, const ResultsGrid& table) {
    // The few longest texts of a column by characters hold its widest one
    // in all but odd cases; they are measured, the rest only counted.
    constexpr std::size_t Candidates = 4;
    const QFontMetrics metrics(view.font());
    const int margin =
        2 * (view.style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, &view) + 1) +
        (view.showGrid() ? 1 : 0);
    for (std::size_t c = 0; c < table.columnCount(); ++c) {
        std::vector<const std::string*> longest;
        for (const auto& row : table.cells) {
            if (c >= row.size()) continue;
            const std::string* text = &row[c];
            if (longest.size() == Candidates && text->size() <= longest.back()->size()) continue;
            if (longest.size() == Candidates) longest.pop_back();
            const auto at = std::find_if(longest.begin(), longest.end(), [&](const std::string* s) {
                return s->size() < text->size();
            });
            longest.insert(at, text);
        }
        int width = 0;
        for (const std::string* text : longest)
            width = std::max(width, metrics.horizontalAdvance(QString::fromStdString(*text)));
        view.setColumnWidth(static_cast<int>(c), width + margin);
    }
}

void FillGrid(QTableWidget& grid, const ResultsGrid& table) {
    grid.clearContents();
    grid.setRowCount(static_cast<int>(table.rowCount()));
    grid.setColumnCount(static_cast<int>(table.columnCount()));
    for (std::size_t r = 0; r < table.rowCount(); ++r) {
        const auto& row = table.cells[r];
        for (std::size_t c = 0; c < row.size() && c < table.columnCount(); ++c) {
            auto* item = new QTableWidgetItem(QString::fromStdString(row[c]));
            const bool fixed = r == 0 || c == 0;
            item->setTextAlignment(Qt::AlignVCenter | (c == 0 ? Qt::AlignLeft : Qt::AlignRight));
            if (fixed) item->setBackground(Fixed);
            grid.setItem(static_cast<int>(r), static_cast<int>(c), item);
        }
    }
    SizeColumns(grid, table);
}

QSpinBox* NewSpinBox(QBoxLayout& row, QWidget* parent, const QString& label,
                     const QString& objectName, int from, int to, int start) {
    row.addWidget(new QLabel(label, parent));
    auto* spin = new QSpinBox(parent);
    spin->setObjectName(objectName);
    spin->setRange(from, to);
    spin->setValue(start);
    spin->setKeyboardTracking(false);
    row.addWidget(spin);
    row.addStretch(1);
    return spin;
}

} // namespace hk
