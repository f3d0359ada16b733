#include "graphs/asymmetry_scene.h"

#include <algorithm>

#include "records/session.h"

namespace hk {

namespace {

// The widest picture of the command line's file.
constexpr int MaxWidth = 30000;

} // namespace

AsymmetryPicture BuildAsymmetryPicture(const Session& session, const AsymmetryTables& tables,
                                       const AsymmetryScene& scene,
                                       const AsymmetryPicture* previous) {
    AsymmetryPicture picture;
    picture.revision = session.revision();
    if (previous && previous->graph && previous->revision == session.revision() &&
        previous->graph->S == scene.S && previous->graph->kind == scene.kind &&
        previous->graph->period == scene.period)
        picture.graph = previous->graph;
    else
        picture.graph = std::make_shared<const AsymmetryGraph>(
            BuildAsymmetryGraph(session.records(), tables, scene.S, scene.kind, scene.period));
    const AsymmetryGraph& graph = *picture.graph;
    picture.height = std::max(1, scene.clientHeight);
    if (scene.wholeAxis) {
        AsymmetryOptions& o = picture.options;
        for (o.factor = 1; o.factor < 16 && AsymmetryWidth(graph, o) > 2400; o.factor *= 2) {
        }
        picture.width = std::clamp(AsymmetryWidth(graph, o), 600, MaxWidth);
    } else {
        picture.options.factor = std::clamp(scene.options.factor, 1, 16);
        picture.width = std::max(1, scene.clientWidth);
        picture.maxOffset = std::max(0, AsymmetryWidth(graph, picture.options) - picture.width);
        picture.options.offset = std::clamp(scene.options.offset, 0, picture.maxOffset);
    }
    return picture;
}

int AsymmetryStartDay(const AsymmetryGraph& g) {
    int from = 0;
    if (!g.months.empty()) from = std::min(from, g.months.front().fromDay);
    if (!g.columns.empty()) from = std::min(from, g.columns.front().fromDay);
    return from;
}

int AsymmetryWidth(const AsymmetryGraph& g, const AsymmetryOptions& o) {
    return static_cast<int>((g.days - AsymmetryStartDay(g) + 150) * 2.0 / std::max(1, o.factor)) +
           60;
}

} // namespace hk
