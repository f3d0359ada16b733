#include "ui/frame/install_windows.h"

#include "ui/drawing/coordinate_table_window.h"
#include "ui/drawing/drawing_window.h"
#include "ui/entry/entry_window.h"
#include "ui/entry/record_list_window.h"
#include "ui/frame/main_window.h"
#include "ui/graphs/butterfly_window.h"
#include "ui/graphs/graph_window.h"
#include "ui/graphs/smoothed_graph_window.h"
#include "ui/maps/map_window.h"
#include "ui/measure/measurement_window.h"
#include "ui/results/results_window.h"

namespace hk {

void installWindows(MainWindow& mainWindow) {
    const WindowContext k = mainWindow.context();
    mainWindow.setRecordList(RecordListWindow::createWindow(k));
    installDrawing(k);
    installEntry(k);
    installResults(k);
    installCoordinateTable(k);
    installMeasurement(k);
    installButterfly(k);
    installGraphs(k);
    installSmoothed(k);
    installMap(k);
}

} // namespace hk
