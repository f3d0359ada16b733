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

// Hemisphere choice of the smoothed graphs.
enum class HemisphereOption { Disk = 1, North = 2, South = 3, Both = 4 };

struct SmoothedOptions {
    int Z = 3;        // width zoom, pixels per month factor 1..9
    int divisor = 80; // height divisor (800 div the height entry)
    int offset = 0;
    HemisphereOption H = HemisphereOption::Disk;
    const OutsideCurve* brusselsCurve = nullptr; // the international relative number
    double k = 1.0;                              // its coefficient
    // Further smoothed whole-disk curves (other series), each with its own U.
    std::vector<const SmoothedData*> comparison;
    // "Brusel plochy": the outside areas of the whole disk, the north or the
    // south as H chooses; for H = 4 the north here and the south in southAreasCurve.
    const OutsideCurve* areasCurve = nullptr;
    const OutsideCurve* southAreasCurve = nullptr;
    // "Rádiový tok": the smoothed 10.7 cm flux (times 10) and which one it is.
    const OutsideCurve* tok = nullptr;
    FluxOption fluxOption = FluxOption::OBS;
};
void PaintSmoothed(QPainter& painter, const QRect& target, const SmoothedData& data,
                   const SmoothedOptions& options);
// The numbers of every curve PaintSmoothed draws with these options, one
// row per month ("yyyy-mm"): the monthly means and the smoothed means of
// the records' series, the outside series as drawn (the international
// relative number times k, areas, the radio flux in sfu).
PictureData SmoothedPictureData(const SmoothedData& data, const SmoothedOptions& options);
// The caption: "Vyhlazovací   grafy" + the hemisphere, + 1/k when compared.
std::string SmoothedTitle(HemisphereOption H, bool brusselsCurve, double k);

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
