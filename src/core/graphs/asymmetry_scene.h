#pragma once
// The north-south asymmetry graph: what the window's menu, panel, scroll bar
// and client size choose and what 'render asymmetry' chooses, and the one
// function that turns it and the store into the picture the painter draws.
// The horizontal factor, the width and the scroll position are decided here.
#include <cstdint>
#include <memory>

#include "graphs/smoothed_graph.h"

namespace hk {

class Session;

struct AsymmetryOptions {
    int factor = 2; // the main window's horizontal factor 1..16 (larger: narrower)
    int offset = 0;
};

struct AsymmetryScene {
    int S = 1; // series 1..8
    AsymmetryKind kind = AsymmetryKind::Ratio;
    AsymmetryPeriod period = AsymmetryPeriod::PerRecord;
    // The client area at options.factor and options.offset; or, for the
    // command line's file, the whole time axis at the narrowest factor that
    // keeps it within a screenful or two.
    AsymmetryOptions options;
    bool wholeAxis = false;
    int clientWidth = 600;
    int clientHeight = 600;
};

struct AsymmetryPicture {
    // Kept while the records, the series, the kind and the period stay.
    std::shared_ptr<const AsymmetryGraph> graph;
    std::uint64_t revision = 0;
    AsymmetryOptions options;
    int width = 0, height = 0;
    int maxOffset = 0; // the widest scroll position
};

AsymmetryPicture BuildAsymmetryPicture(const Session& session, const AsymmetryTables& tables,
                                       const AsymmetryScene& scene,
                                       const AsymmetryPicture* previous = nullptr);

// The width of the whole time axis at the options' factor.
int AsymmetryWidth(const AsymmetryGraph& graph, const AsymmetryOptions& options);
// Days from the first drawing to the start of the first period drawn (the
// first month or year begins before it, so 0 or less): the time axis starts
// there, right of the scale.
int AsymmetryStartDay(const AsymmetryGraph& graph);

} // namespace hk
