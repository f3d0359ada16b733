#pragma once
// The graphs of the daily values, the smoothed graphs and the asymmetry
// graph, drawn on any QPainter: the windows, the printed page, the saved
// image and the CLI's file use the same calls.
#include <QColor>
#include <QRect>
#include <string>
#include <vector>

#include "graphs/asymmetry_scene.h"
#include "graphs/graph_scene.h"
#include "graphs/smoothed_graph.h"
#include "graphs/smoothed_scene.h"
#include "io/picture_data.h"

class QPainter;

namespace hk {

// Paints white, then the frames, month lines, scales and polylines of the
// model's panels; only the records inside `target` (and one beyond each
// edge) are joined.
void PaintGraph(QPainter& painter, const QRect& target, const GraphModel& model,
                const GraphOptions& options);
// The built picture in `target` (the window's canvas, the command line's file).
void PaintGraphPicture(QPainter& painter, const QRect& target, const GraphPicture& picture);

void PaintSmoothed(QPainter& painter, const QRect& target, const SmoothedData& data,
                   const SmoothedOptions& options);
// The numbers of every curve PaintSmoothed draws with these options, one
// row per month ("yyyy-mm"): the monthly means and the smoothed means of
// the records' series, the outside series as drawn (the international
// relative number times k, areas, the radio flux in sfu).
PictureData SmoothedPictureData(const SmoothedData& data, const SmoothedOptions& options);
// The built picture in `target` (the window's canvas, the command line's file).
void PaintSmoothedPicture(QPainter& painter, const QRect& target, const SmoothedPicture& picture);

void PaintAsymmetry(QPainter& painter, const QRect& target, const AsymmetryGraph& graph,
                    const AsymmetryOptions& options);
// The built picture in `target` (the window's canvas, the command line's file).
void PaintAsymmetryPicture(QPainter& painter, const QRect& target, const AsymmetryPicture& picture);

// The colour of the comparison curve of series S (1..9).
QColor ComparisonColour(int S);
// The colours of the outside areas and of the radio flux.
extern const QColor AreaColour;
extern const QColor FluxColour;

} // namespace hk
