#pragma once
// What the map window shows, as plain values (the scene), and the models its
// painter draws (the picture). The window, its printout and heliokres-cli
// render map build the picture here, so that scale, layers, the
// magnetosphere's date and the captions' font are decided in one place.
#include <cstddef>
#include <filesystem>
#include <memory>
#include <optional>
#include <vector>

#include "geometry/calendar.h"
#include "maps/corona_views.h"
#include "maps/magnet_comparison.h"
#include "maps/magnetosphere.h"
#include "maps/map_strips.h"
#include "maps/rotation_index.h"
#include "maps/synoptic_map.h"

namespace hk {

class Session;

enum class MapView {
    Single,          // mapky: the map of one rotation
    Long,            // dlouhamap: 16 rotations side by side
    High,            // vysokamap: as many rotations as fit one under another
    Two,             // dvenadsebou: two rotations one above the other
    CoronaGraph,     // the limb intensities of 100 days
    CoronaButterfly, // the corona butterfly
    CoronaGlobal,    // the corona of one day around the disk
    CoronaSeparate,  // the corona under the map alone
    MagnetSeparate,  // the magnetosphere layer alone
};

// The layer switches of the map's tool bar and the menu's corona under the map.
struct MapLayerSwitches {
    bool coronaOn = false;             // corona under the map
    bool magnetosphereOn = false;      // magnetosphere layer
    bool magnetospherePicture = false; // magnetosphere picture magnetOBR/On<R>.bmp
    bool faculaeOn = true;             // faculae fields
    bool areasOn = true;               // areas (the leaves to the auxiliary spots)
    bool faculaeCentres = false;       // faculae centres ("SF")
    bool coronaUnderlay = false;       // "Korona pod mapu"
};

// What a half of the comparison shows.
enum ComparisonLayer : unsigned {
    ComparisonSpots = 1,
    ComparisonFaculae = 2,
    ComparisonCorona = 4,
    ComparisonMagnet = 8,
};

// The lower map of the comparison starts this far below the upper one's
// 25 q, so that its title does not run into the upper map's labels.
inline constexpr int ComparisonGap = 15;

struct MapScene {
    MapView view = MapView::Single;
    int rotation = 0;
    // The date of the record the map starts from, for a rotation that is not
    // in the rotation list (the working record's).
    std::optional<Date> recordDate;
    MapLayerSwitches layers;
    int width = 1200; // the client area
    int height = 820;
    int zoom = 1;          // the areas' factor ("2x")
    int sizePercent = 100; // the program's size setting (the captions' font)

    // Two maps one above the other with the layers each half shows; the
    // lower one `shift` rotations on. The scale follows the main window's
    // width (0: the client area's).
    bool comparing = false;
    unsigned upperLayers = ComparisonSpots;
    unsigned lowerLayers = 0;
    int shift = 0;
    int frameWidth = 0;

    // The corona views: the graph's scroll position (0: the 100 days from
    // the rotation's first day), the butterfly's horizontal scroll (none:
    // the last rotations), the day row of the real corona (none: the
    // rotation's first day, else the last row).
    int coronaGraphPosition = 0;
    std::optional<int> coronaButterflyScroll;
    std::optional<std::size_t> coronaDay;

    // The magnetosphere comparison in place of the map, left of a box of
    // that width over the right edge.
    bool magnetComparison = false;
    MagnetComparisonParams magnetComparisonParams;
    int magnetComparisonMargin = 0;
};

// Everything the painter needs; painting is a function of this alone.
struct MapPicture {
    enum class Kind {
        Map,              // the single map with its layers
        Comparison,       // two maps one above the other
        MagnetComparison, // the magnetosphere comparison
        Strips,           // long, high or two maps
        CoronaGraph,
        CoronaButterfly,
        CoronaDay,
    };
    Kind kind = Kind::Map;
    int width = 0;
    int height = 0;
    int fontPixels = 13; // captions of the corona views and the magnetosphere comparison

    // The single map (the upper one of the comparison) and what lies under it.
    SynopticMap map;
    MapLayerSwitches layers;
    unsigned upperLayers = 0; // the layers of a map drawn as a half (comparison, separate views)
    bool halves = false;      // the map is drawn as a half with upperLayers
    CoronaUnderMapModel corona;
    MagnetosphereLayer magnet;
    std::optional<std::filesystem::path> magnetospherePicture;
    // The lower map of the comparison.
    SynopticMap lowerMap;
    unsigned lowerLayers = 0;
    CoronaUnderMapModel lowerCorona;
    MagnetosphereLayer lowerMagnet;

    StripView strips;
    CoronaGraphModel coronaGraph;
    std::shared_ptr<const CoronaButterflyModel> coronaButterfly;
    int coronaButterflyScroll = 0;
    CoronaDayModel coronaDay;
    MagnetComparison magnetComparison;
    int magnetComparisonMargin = 0;
};

// What the map reads beside the store: the corona table, magn.dat, and
// (optionally) a cache of what stays the same while the store does.
struct MapCache {
    std::vector<MagnetosphereData> magnetosphere; // the last two rotations read
    std::shared_ptr<const CoronaButterflyModel> coronaButterfly;
};
struct MapInputs {
    const CoronaTable& corona;
    const MagnDatCells& magnCells;
    MapCache* cache = nullptr;
};

// The corona butterfly's margins beside its columns (one a rotation): the
// captions on the left, the last rotation's number on the right.
inline constexpr int CoronaButterflyMargin = 160;
// The butterfly's scroll range for a client width.
int CoronaButterflyScrollMaximum(const CoronaButterflyModel& model, int width);

// The comparison's scale q: (main window width div 64) - 3, as long as both
// maps fit the height; at least 1.
int ComparisonScale(const MapScene& scene);

MapPicture BuildMapPicture(const Session& session, const MapInputs& inputs, const MapScene& scene);

// The printed high map: 14 rotations from the scene's for a page that wide.
StripView BuildPrintedHighMap(const Session& session, const MapScene& scene, int pageWidth);

} // namespace hk
