#pragma once
// The drawing of a record ("Zákres"): what the drawing window shows, as plain
// values (the scene), and the one function that turns it and the store into
// the picture the painter draws. The window, its saved pictures and printouts
// and heliokres-cli render drawing all build the picture here, so that the
// record, the zoom for the size, the colours and the layers are decided in
// one place.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <span>

#include "drawing/drawing_model.h"
#include "drawing/drawing_options.h"
#include "drawing/drawing_scale.h"

namespace hk {

class Session;

struct DrawingScene {
    // The drawing shown: record `record` of the store (1-based), or with 0
    // the working record, the one the window follows.
    int record = 0;
    // The area the picture fills; a height of 0 makes it as high as the
    // picture at the width's zoom (no white below it).
    int width = 800;
    int height = 0;
    // Only the drawing itself, at the zoom the size gives (saved pictures
    // and paper), not the whole area.
    bool drawingOnly = false;
    // The enlarged window draws at 16/800 of its width instead of 14/800.
    bool enlarged = false;
    int orientEW = 1; // +1: east on the right; -1 mirrored
    int orientNS = 1; // +1: north at the top; -1 mirrored
    bool leaves = true;
    // Paper and saved pictures: a white disk instead of the light yellow one.
    bool printColours = false;
    // The overlay of the magnetic map given to the build.
    bool magnetic = false;
};

struct DrawingPicture {
    // Shared by the pictures of one drawing: a change of the view (size,
    // orientation, colours) paints the same model again.
    std::shared_ptr<const DrawingModel> model;
    DrawingOptions options;
    int width = 0, height = 0; // the area painted (white beyond the drawing)

    // What the model was made from.
    std::uint64_t revision = 0;
    int record = 0;
    const std::uint16_t* magneticWords = nullptr;
    std::size_t magneticCount = 0;

    DrawingScale scale() const { return DrawingScale{options.zoomK}; }
};

// The zoom at which the drawing fills an area of `width` x `height` (height
// 0: the width alone decides): the window's width rule, lowered until the
// whole drawing fits.
int DrawingZoom(int width, int height, bool enlarged);

// The file of the magnetic map of the drawing's date (Magneto/yymmdd in the
// program directory); nullopt when the drawing has no date or there is no
// such file.
std::optional<std::filesystem::path> DrawingMagneticMapFile(const Session& session,
                                                            const TZaznam& z);

// The picture of the scene. `magneticWords` are the words of the magnetic map
// of the drawing's date (shown when the scene asks for the overlay). The model
// of `previous` is taken again when it was made from the same record, store
// revision and map.
DrawingPicture BuildDrawingPicture(const Session& session, const DrawingScene& scene,
                                   std::span<const std::uint16_t> magneticWords = {},
                                   const DrawingPicture* previous = nullptr);

} // namespace hk
