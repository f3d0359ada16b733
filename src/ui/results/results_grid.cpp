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

QTableView* NewGrid(const QString& objectName, QWidget* parent) {
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

void FillGrid(QTableView& view, ResultsGrid&& table) {
    auto* model = qobject_cast<ResultsGridModel*>(view.model());
    if (!model) return;
    model->setTable(std::move(table));
    SizeColumns(view, model->table());
}

const ResultsGrid& GridTable(const QTableView& view) {
    static const ResultsGrid none;
    const auto* model = qobject_cast<const ResultsGridModel*>(view.model());
    return model ? model->table() : none;
}

void SizeColumns(QTableView& view, const ResultsGrid& table) {
    // The few widest texts of a column by a rough count hold its widest one
    // in all but odd cases; they are measured, the rest only counted.
    constexpr std::size_t Candidates = 4;
    const QFontMetrics metrics(view.font());
    // The style's text margins on both sides, the grid line, and a little
    // room for the rounding of the measured advance: a text that fits to the
    // pixel is still elided when the layout's width is a fraction more.
    const int margin =
        2 * (view.style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, &view) + 1) +
        (view.showGrid() ? 1 : 0) + 4;
    // One pass over the rows, in the order they lie in memory, keeping each
    // column's candidates (widest first, the earlier of equal ones first).
    using Candidate = std::pair<int, const std::string*>;
    const std::size_t columns = table.columnCount();
    std::vector<std::vector<Candidate>> longest(columns);
    for (auto& candidates : longest)
        candidates.reserve(Candidates + 1);
    for (const auto& row : table.cells) {
        const std::size_t n = std::min(columns, row.size());
        for (std::size_t c = 0; c < n; ++c) {
            auto& candidates = longest[c];
            // A text counts at most two a byte: most cells are known to be
            // narrower than the candidates without being counted.
            if (candidates.size() == Candidates &&
                2 * static_cast<int>(row[c].size()) <= candidates.back().first)
                continue;
            const Candidate text{roughWidth(row[c]), &row[c]};
            if (candidates.size() == Candidates && text.first <= candidates.back().first) continue;
            if (candidates.size() == Candidates) candidates.pop_back();
            const auto at = std::find_if(candidates.begin(), candidates.end(),
                                         [&](const Candidate& s) { return s.first < text.first; });
            candidates.insert(at, text);
        }
    }
    for (std::size_t c = 0; c < columns; ++c) {
        int width = 0;
        for (const auto& [rough, text] : longest[c])
            width = std::max(width, metrics.horizontalAdvance(QString::fromStdString(*text)));
        view.setColumnWidth(static_cast<int>(c), width + margin);
    }
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
