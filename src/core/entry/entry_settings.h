#pragma once
// The start-up settings the entry window works with.
namespace hk {

struct EntrySettings {
    double radius = 125;         // drawing radius R in millimetres (drawingRadius)
    bool heliographic = false;   // positions are entered as l and b (heliographicEntry)
    bool drawingNumbers = false; // drawing numbers are in use

    // R as the arithmetic uses it: a radius not chosen yet counts as 125.
    double r() const { return radius > 0 ? radius : 125.0; }
};

} // namespace hk
