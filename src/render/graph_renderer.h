#pragma once
// The graphs of the daily values, the smoothed graphs and the asymmetry
// graph, drawn on any QPainter: the windows, the printed page, the saved
// image and the CLI's file use the same calls.
#include <QColor>
#include <QRect>
#include <string>
#include <vector>

#include "graphs/graph_series.h"
#include "graphs/smoothed_graph.h"
#include "io/picture_data.h"

class QPainter;

namespace hk {

struct GrafOptions {
    int posun = 0;         // horizontal scroll position
    bool stupnice = false; // the scale values kept at the window's left edge
};
// Paints white, then the frames, month lines, scales and polylines of the
// model's panels; only the records inside `target` (and one beyond each
// edge) are joined.
void PaintGraf(QPainter& painter, const QRect& target, const GrafModel& model,
               const GrafOptions& options);
// The width of the whole time axis (x of the last record plus the margins).
int GrafSirka(const GrafModel& model);

// Hemisphere choice of the smoothed graphs.
enum class VolbaPolokoule { Celek = 1, Sever = 2, Jih = 3, Obe = 4 };

struct VyhlazenyOptions {
    int Z = 3;        // width zoom, pixels per month factor 1..9
    int delitel = 80; // height divisor (800 div the height entry)
    int posun = 0;
    VolbaPolokoule H = VolbaPolokoule::Celek;
    const BruselKrivka* brusel = nullptr; // the international relative number
    double k = 1.0;                       // its coefficient
    // Further smoothed whole-disk curves (other series), each with its own U.
    std::vector<const VyhlazenaData*> porovnani;
    // "Brusel plochy": the outside areas of the whole disk, the north or the
    // south as H chooses; for H = 4 the north here and the south in plochyJih.
    const BruselKrivka* plochy = nullptr;
    const BruselKrivka* plochyJih = nullptr;
    // "Rádiový tok": the smoothed 10.7 cm flux (times 10) and which one it is.
    const BruselKrivka* tok = nullptr;
    VolbaToku volbaToku = VolbaToku::OBS;
};
void PaintVyhlazeny(QPainter& painter, const QRect& target, const VyhlazenaData& data,
                    const VyhlazenyOptions& options);
// The numbers of every curve PaintVyhlazeny draws with these options, one
// row per month ("yyyy-mm"): the monthly means and the smoothed means of
// the records' series, the outside series as drawn (the international
// relative number times k, areas, the radio flux in sfu).
PictureData VyhlazenyPictureData(const VyhlazenaData& data, const VyhlazenyOptions& options);
// The caption: "Vyhlazovací   grafy" + the hemisphere, + 1/k when compared.
std::string VyhlazenyTitulek(VolbaPolokoule H, bool brusel, double k);

struct AsymetrieOptions {
    int faktor = 2; // the main window's horizontal factor 1..16 (larger: narrower)
    int posun = 0;
};
void PaintAsymetrie(QPainter& painter, const QRect& target, const AsymetrieGraf& graf,
                    const AsymetrieOptions& options);
int AsymetrieSirka(const AsymetrieGraf& graf, const AsymetrieOptions& options);

// The colour of the comparison curve of series S (1..9).
QColor BarvaPorovnani(int S);
// The colours of the outside areas and of the radio flux.
extern const QColor BarvaPloch;
extern const QColor BarvaToku;

} // namespace hk
