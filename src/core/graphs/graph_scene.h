#pragma once
// The graph of the daily values ("Grafy"): what the window's menu, panel,
// scroll bar and client size choose and what 'render graph' chooses, and the
// one function that turns it and the store into the picture the painter
// draws. The choice of the records, the pixels a day, the height, the width
// and the scroll position are decided here only.
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <vector>

#include "geometry/calendar.h"
#include "graphs/graph_series.h"
#include "records/record_layout.h"

namespace hk {

class Session;

// The widest picture of the whole time axis; a longer one is drawn at
// fewer pixels a day.
inline constexpr int GraphMaxWidth = 30000;

struct GraphOptions {
    int offset = 0;     // horizontal scroll position
    bool scale = false; // the scale values kept at the window's left edge
};

struct GraphScene {
    GraphQuantity quantity = GraphQuantity::g;
    GraphView view = GraphView::All;
    // A fixed picture size of one pixel a day (400, 500, 600); 0: two
    // pixels a day at the client's size.
    int fixedSize = 0;
    int clientWidth = 800;
    int clientHeight = 800;
    // The whole time axis in one picture (the command line's file), at most
    // GraphMaxWidth wide; otherwise the client area at `options.offset`.
    bool wholeAxis = false;
    GraphOptions options;
    // Only the drawings dated from..to (either may be open).
    std::optional<Date> from, to;
};

struct GraphPicture {
    // Shared between the pictures of one store revision and series: a
    // change of the view computes only the model again.
    std::shared_ptr<const GraphData> data;
    std::uint64_t revision = 0;
    std::optional<Date> from, to;
    GraphModel model; // points into `data`
    GraphOptions options;
    int width = 0, height = 0;
    // No drawing lies in the period chosen.
    bool emptyPeriod = false;
    // The widest scroll position.
    int maxOffset = 0;
};

GraphPicture BuildGraphPicture(const Session& session, const GraphScene& scene,
                               const GraphPicture* previous = nullptr);

// The width of the whole time axis (x of the last record plus the margins).
int GraphWidth(const GraphModel& model);

// The drawings dated from `from` to `to` (either may be open), in store
// order; a drawing without a date goes with the dated drawing before it, as
// the graph places it on that drawing's day.
std::vector<TZaznam> RecordsBetween(std::span<const TZaznam> records, std::optional<Date> from,
                                    std::optional<Date> to);

} // namespace hk
