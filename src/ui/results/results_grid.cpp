#include "ui/results/results_grid.h"

#include <QBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QSpinBox>
#include <QStyle>
#include <QTableView>
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

// A text's width in half characters, without measuring it: a space (and the
// narrow punctuation of numbers) counts one, another character two; the
// bytes that continue a UTF-8 character nothing.
int roughWidth(const std::string& text) {
    int w = 0;
    for (const char ch : text) {
        const auto c = static_cast<unsigned char>(ch);
        if ((c & 0xC0) == 0x80) continue;
        w += c == ' ' || c == '.' || c == ',' || c == ':' ? 1 : 2;
    }
    return w;
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

QVariant GridCellLook(std::size_t row, std::size_t column, int role) {
    switch (role) {
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(Qt::AlignVCenter |
                                   (column == 0 ? Qt::AlignLeft : Qt::AlignRight));
    case Qt::BackgroundRole:
        if (row == 0 || column == 0) return QBrush(Fixed);
        return {};
    default:
        return {};
    }
}

QVariant ResultsGridModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return {};
    const auto r = static_cast<std::size_t>(index.row());
    const auto c = static_cast<std::size_t>(index.column());
    if (role != Qt::DisplayRole) return GridCellLook(r, c, role);
    if (r < table_.cells.size() && c < table_.cells[r].size())
        return QString::fromStdString(table_.cells[r][c]);
    return {};
}

QTableView* NewGrid(const QString& objectName, QWidget* parent, QAbstractItemModel* model) {
    auto* m = new QTableView(parent);
    m->setObjectName(objectName);
    if (!model) model = new ResultsGridModel(m);
    model->setParent(m);
    m->setModel(model);
    styleGrid(m);
    return m;
}

void FillGrid(QTableView& view, const ResultsGrid& table) {
    if (auto* model = qobject_cast<ResultsGridModel*>(view.model())) model->setTable(table);
    SizeColumns(view, table);
}

// The few widest texts of a column by a rough count hold its widest one in
// all but odd cases; they are measured, the rest only counted.
constexpr std::size_t Candidates = 4;

ColumnWidths::ColumnWidths(std::size_t columns) : longest_(columns) {
    for (auto& candidates : longest_)
        candidates.reserve(Candidates + 1);
}

void ColumnWidths::offer(std::size_t column, const std::string& text) {
    if (column >= longest_.size()) return;
    auto& candidates = longest_[column];
    // A text counts at most two a byte: most texts are known to be narrower
    // than the candidates without being counted.
    if (candidates.size() == Candidates &&
        2 * static_cast<int>(text.size()) <= candidates.back().first)
        return;
    const Candidate offered{roughWidth(text), &text};
    if (candidates.size() == Candidates && offered.first <= candidates.back().first) return;
    if (candidates.size() == Candidates) candidates.pop_back();
    // Widest first, the earlier of equal ones first.
    const auto at = std::find_if(candidates.begin(), candidates.end(),
                                 [&](const Candidate& s) { return s.first < offered.first; });
    candidates.insert(at, offered);
}

void ColumnWidths::apply(QTableView& view) const {
    const QFontMetrics metrics(view.font());
    // The style's text margins on both sides, the grid line, and a little
    // room for the rounding of the measured advance: a text that fits to the
    // pixel is still elided when the layout's width is a fraction more.
    const int margin =
        2 * (view.style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, &view) + 1) +
        (view.showGrid() ? 1 : 0) + 4;
    for (std::size_t c = 0; c < longest_.size(); ++c) {
        int width = 0;
        for (const auto& [rough, text] : longest_[c])
            width = std::max(width, metrics.horizontalAdvance(QString::fromStdString(*text)));
        view.setColumnWidth(static_cast<int>(c), width + margin);
    }
}

void SizeColumns(QTableView& view, const ResultsGrid& table) {
    // One pass over the rows, in the order they lie in memory.
    const std::size_t columns = table.columnCount();
    ColumnWidths widths(columns);
    for (const auto& row : table.cells) {
        const std::size_t n = std::min(columns, row.size());
        for (std::size_t c = 0; c < n; ++c)
            widths.offer(c, row[c]);
    }
    widths.apply(view);
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
