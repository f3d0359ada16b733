#pragma once
// The results window on a copy of a demo directory, for the tests of its views.
#include <QStyle>
#include <QTableView>
#include <filesystem>

#include "demo/demo.h"
#include "results/results_grid.h"
#include "ui/frame/ui_helpers.h"
#include "ui/results/results_window.h"
#include "ui/support/frame_fixture.h"

namespace hk::test {

// Two years of 200 drawings up to the end of 2024.
inline void WriteResultsDemo(const std::filesystem::path& dir) {
    DemoOptions o{.years = 2, .perYear = 200, .endDate = {2024, 12, 31}};
    WriteDemoDirectory(dir, o);
}

struct ResultsWindowFixture {
    explicit ResultsWindowFixture(const std::filesystem::path& demo) : f({}) { f.copyIn(demo); }
    // Starts the program (`seznam`: with the record list) and opens the window
    // from its menu item.
    bool openWindow(bool list = false) {
        if (!(list ? f.startWithList() : f.start())) return false;
        installResults(f.mainWindow->context());
        f.mainWindow->show();
        f.mainWindow->action(QStringLiteral("vysledky1"))->trigger();
        w = ResultsWindow::openInstance(f.mainWindow->context());
        return w != nullptr;
    }
    // A results grid: a view of the table's model.
    QTableView* grid(const QString& name) const { return w->findChild<QTableView*>(name); }

    Frame f;
    ResultsWindow* w = nullptr;
};

// The text of a cell of a results grid.
inline QString CellText(const QTableView* view, int row, int column) {
    return view->model()->data(view->model()->index(row, column)).toString();
}
inline int RowCount(const QTableView* view) {
    return view->model()->rowCount();
}

// The first cell in which the grid widget differs from the core table, empty
// when it shows the table whole.
inline QString GridDifference(const QTableView* view, const ResultsGrid& g) {
    if (!view || !view->model()) return QStringLiteral("no grid");
    const QAbstractItemModel& m = *view->model();
    if (m.rowCount() != int(g.rowCount()) || m.columnCount() != int(g.columnCount()))
        return QStringLiteral("%1 x %2 cells").arg(m.rowCount()).arg(m.columnCount());
    for (std::size_t r = 0; r < g.rowCount(); ++r)
        for (std::size_t c = 0; c < g.cells[r].size(); ++c) {
            const QString text = m.data(m.index(int(r), int(c))).toString();
            if (text != q(g.cells[r][c]))
                return QStringLiteral("cell %1,%2: \"%3\"").arg(r).arg(c).arg(text);
            // No column so narrow that its text is cut: the style's margins
            // on both sides, the grid line and a pixel for the rounding.
            const int margins =
                2 * (view->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, view) + 1) +
                2;
            if (r < 50 &&
                view->columnWidth(int(c)) < view->fontMetrics().horizontalAdvance(text) + margins)
                return QStringLiteral("column %1 narrower than \"%2\"").arg(c).arg(text);
        }
    return {};
}

} // namespace hk::test
