#include "graphs/graph_scene.h"

#include <algorithm>
#include <utility>

#include "records/record.h"
#include "records/session.h"

namespace hk {

namespace {

// GraphWidth's margins and the right edge.
constexpr int Margins = 250;

std::shared_ptr<const GraphData> graphData(const Session& session, const GraphScene& scene,
                                           const GraphPicture* previous) {
    if (previous && previous->data && previous->revision == session.revision() &&
        previous->data->quantity == scene.quantity && previous->from == scene.from &&
        previous->to == scene.to)
        return previous->data;
    // Only the position graph needs the geometry (the groups' positions);
    // the other series read the records' dates.
    if (!scene.from && !scene.to)
        return std::make_shared<const GraphData>(
            scene.quantity == GraphQuantity::Position
                ? BuildGraphData(session.records(), session.geometry(), scene.quantity)
                : BuildGraphData(session.records(), scene.quantity));
    // A limited time axis: the drawings of the period only.
    const std::vector<TZaznam> period = RecordsBetween(session.records(), scene.from, scene.to);
    if (period.empty()) return nullptr;
    return std::make_shared<const GraphData>(BuildGraphData(period, scene.quantity));
}

} // namespace

GraphPicture BuildGraphPicture(const Session& session, const GraphScene& scene,
                               const GraphPicture* previous) {
    GraphPicture picture;
    picture.revision = session.revision();
    picture.from = scene.from;
    picture.to = scene.to;
    picture.data = graphData(session, scene, previous);
    if (!picture.data) {
        picture.emptyPeriod = true;
        GraphData empty;
        empty.quantity = scene.quantity;
        picture.data = std::make_shared<const GraphData>(std::move(empty));
    }
    const int d = scene.fixedSize > 0 ? 1 : 2;
    picture.height = std::max(1, scene.clientHeight);
    if (scene.wholeAxis) {
        // The whole time axis always: a long archive gets d pixels per so
        // many days instead of being cut at the widest picture.
        const int divisor = GraphDayDivisor(picture.data->lastDay(), d, Margins, GraphMaxWidth);
        picture.model = BuildGraphModel(*picture.data, picture.height, scene.view, d, divisor);
        picture.width = std::clamp(GraphWidth(picture.model) + 50, 400, GraphMaxWidth);
    } else {
        picture.model = BuildGraphModel(*picture.data, picture.height, scene.view, d);
        picture.width = std::max(1, scene.clientWidth);
        picture.maxOffset = std::max(0, GraphWidth(picture.model) + 50 - picture.width);
        picture.options = scene.options;
        picture.options.offset = std::clamp(scene.options.offset, 0, picture.maxOffset);
    }
    return picture;
}

int GraphWidth(const GraphModel& model) {
    return model.xLast + 200;
}

std::vector<TZaznam> RecordsBetween(std::span<const TZaznam> records, std::optional<Date> from,
                                    std::optional<Date> to) {
    std::vector<TZaznam> chosen;
    bool inside = false;
    for (const TZaznam& z : records) {
        if (const auto d = RecordDate(z)) inside = !(from && *d < *from) && !(to && *to < *d);
        if (inside) chosen.push_back(z);
    }
    return chosen;
}

} // namespace hk
