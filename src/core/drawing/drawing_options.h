#pragma once
// How the painter shows a drawing: its zoom, orientation, leaves, colours and
// overlay. BuildDrawingPicture decides them from a scene; tests and tools
// that paint a model directly pass their own.
namespace hk {

struct DrawingOptions {
    int zoomK = 14;            // scale: logical units * zoomK / 16 = pixels
    int orientEW = 1;          // +1: east on the right; -1 mirrored
    int orientNS = 1;          // +1: north at the top; -1 mirrored
    bool showLeaves = true;    // the band from a group to its first auxiliary spot
    bool print = false;        // paper and saved pictures: white disk instead of light yellow
    bool showMagnetic = false; // the magnetic-map overlay of the model
};

} // namespace hk
