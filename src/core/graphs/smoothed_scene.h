#pragma once
// The smoothed graphs ("Vyhlazovací   grafy"): what the window's menu, panel,
// comparison box, zoom box, scroll bars and client size choose and what
// 'render smoothed' chooses, and the one function that turns it and the
// store into the picture the painter draws. Which curves are drawn, the
// pixels a month, the width, the scroll position and the caption are
// decided here only.
#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "graphs/smoothed_graph.h"

namespace hk {

class Session;

// Hemisphere choice of the smoothed graphs.
enum class HemisphereOption { Disk = 1, North = 2, South = 3, Both = 4 };

// What the painter draws beside the series' own curves; the pointers lead
// into the picture that made them (SmoothedPicture::options).
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

// The widest picture of the whole time axis.
inline constexpr int SmoothedMaxWidth = 30000;

struct SmoothedScene {
    int S = 1; // series 1..9
    HemisphereOption H = HemisphereOption::Disk;
    // Other series drawn as whole-disk comparison curves, by series - 1.
    std::array<bool, SmoothedQuantityCount> comparison{};
    // The international relative number times k (series R of one curve only).
    bool brussels = false;
    double k = 1.0;
    bool areas = false; // "Brusel plochy"
    bool flux = false;  // "Rádiový tok" of the kind fluxOption
    FluxOption fluxOption = FluxOption::OBS;
    int Z = 3;        // pixels per month factor 1..9
    int divisor = 80; // 800 div the height chosen in "Zvětšovat"
    int clientWidth = 800;
    int clientHeight = 600;
    int offset = 0; // horizontal scroll position
    // The whole time axis in one picture (the command line's file), at
    // least 700 and at most SmoothedMaxWidth wide; otherwise the client area
    // at `offset`.
    bool wholeAxis = false;
};

struct SmoothedPicture {
    // Shared between the pictures of one store revision: a change of the
    // view does not compute the series again.
    std::shared_ptr<const SmoothedData> data;
    std::vector<std::shared_ptr<const SmoothedData>> comparison;
    std::uint64_t revision = 0;
    // The outside curves drawn; empty when not drawn. The columns of their
    // tables (-1: not drawn) let the next picture keep them.
    OutsideCurve brussels, areas, southAreas, flux;
    int brusselsColumn = -1, areasColumn = -1, southAreasColumn = -1, fluxColumn = -1;
    HemisphereOption H = HemisphereOption::Disk;
    FluxOption fluxOption = FluxOption::OBS;
    double k = 1.0;
    int Z = 3, divisor = 80;
    int offset = 0;
    int width = 0, height = 0;
    int monthWidth = 1; // pixels per month
    int fullWidth = 0;  // the whole time axis with its margins
    int maxOffset = 0;  // the widest scroll position
    std::string title;  // the window's caption

    // The painter's options, pointing into this picture.
    SmoothedOptions options() const;
};

SmoothedPicture BuildSmoothedPicture(const Session& session, const SmoothedScene& scene,
                                     const SmoothedPicture* previous = nullptr);

// The international relative number joins only a graph of R of one curve.
bool SmoothedBrusselsAllowed(int S, HemisphereOption H);
// Pixels per month at the zoom Z in a picture `height` pixels high.
int SmoothedMonthWidth(int Z, int height);
// The width of a printed picture: the whole time axis, or up to the end of
// `lastYear` when it is given (at least 200 pixels).
int SmoothedPrintWidth(const SmoothedPicture& picture, std::optional<int> lastYear);
// The caption: "Vyhlazovací   grafy" + the hemisphere, + 1/k when compared.
std::string SmoothedTitle(HemisphereOption H, bool brusselsCurve, double k);

} // namespace hk
