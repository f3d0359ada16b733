#pragma once
// The monthly protocol and the SIDC certificate as the results window and
// 'render protocol' show them: the month, the form, its font size and how
// large it is drawn (the scene), and the one function that turns it and the
// store into what the painter draws (the picture). The magnification, the
// picture's size and the scroll limits are decided here only.
#include <cstdint>
#include <optional>

#include "results/protocol_data.h"
#include "results/station_data.h"

namespace hk {

class Session;

enum class ProtocolKind { Own, Sidc };

// Font size of the Czech protocol: 12 when the view opens, "v" and "m" change it.
inline constexpr int DefaultFontSize = 12;
inline constexpr int FontSizeMin = 8;
inline constexpr int FontSizeMax = 60;
inline constexpr int FontSizeRestart = 20;

// "v": one size up, above 60 back to 20. "m": one size down, not below 8.
int LargerFontSize(int size);
int SmallerFontSize(int size);

// The whole form in form units at magnification 1: the certificate keeps its
// size, the Czech protocol grows with its font size.
struct ProtocolFormExtent {
    double width = 0;
    double height = 0;
};
ProtocolFormExtent ProtocolFormUnits(ProtocolKind kind, int fontSize);

struct ProtocolScene {
    ProtocolKind kind = ProtocolKind::Own;
    int chosenMonth = 0; // year * 100 + month
    int fontSize = DefaultFontSize;
    // The window: its client area, drawn at the program's size setting
    // (percent) and scrolled by scrollX, scrollY pixels.
    int clientWidth = 0;
    int clientHeight = 0;
    int sizePercent = 100;
    int scrollX = 0;
    int scrollY = 0;
    // No client area (0 x 0): the whole form as one picture, `formWidth`
    // pixels wide (0: one pixel a form unit).
    int formWidth = 0;
};

struct ProtocolPicture {
    bool found = false; // the month has a drawing
    int chosenMonth = 0;
    std::uint64_t revision = 0;
    StationData stationData;
    ProtocolData data;
    ProtocolKind kind = ProtocolKind::Own;
    int fontSize = DefaultFontSize;
    double unit = 1.0; // pixels per form unit
    int width = 0;     // the picture in pixels
    int height = 0;
    int scrollX = 0; // within 0..maxScrollX
    int scrollY = 0;
    int maxScrollX = 0;
    int maxScrollY = 0;
};

// The picture of the scene's month and form. `previous`, a picture of the
// same store revision, month and general data, lends its table (a scroll or a
// resize does not read the store again).
ProtocolPicture BuildProtocolPicture(const Session& session, const StationData& stationData,
                                     const ProtocolScene& scene,
                                     const ProtocolPicture* previous = nullptr);

} // namespace hk
