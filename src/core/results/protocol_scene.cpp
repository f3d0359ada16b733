#include "results/protocol_scene.h"

#include <algorithm>
#include <cmath>

#include "records/session.h"
#include "results/choose_month.h"

namespace hk {

namespace {

// The forms at the default font size, in form units.
constexpr ProtocolFormExtent Certificate{680, 830};
constexpr ProtocolFormExtent Protocol{760, 890};

int pixels(double v) {
    return static_cast<int>(std::ceil(v));
}

} // namespace

int LargerFontSize(int size) {
    return size + 1 > FontSizeMax ? FontSizeRestart : size + 1;
}
int SmallerFontSize(int size) {
    return size - 1 < FontSizeMin ? FontSizeMin : size - 1;
}

ProtocolFormExtent ProtocolFormUnits(ProtocolKind kind, int fontSize) {
    if (kind == ProtocolKind::Sidc) return Certificate;
    const double s = static_cast<double>(fontSize) / DefaultFontSize;
    return {Protocol.width * s, Protocol.height * s};
}

ProtocolPicture BuildProtocolPicture(const Session& session, const StationData& stationData,
                                     const ProtocolScene& scene, const ProtocolPicture* previous) {
    ProtocolPicture picture;
    picture.chosenMonth = scene.chosenMonth;
    picture.revision = session.revision();
    picture.stationData = stationData;
    picture.kind = scene.kind;
    // Only the Czech protocol has a font size of its own.
    picture.fontSize = scene.kind == ProtocolKind::Own ? scene.fontSize : DefaultFontSize;
    if (previous && previous->found && previous->revision == picture.revision &&
        previous->chosenMonth == scene.chosenMonth &&
        previous->stationData.lines == stationData.lines) {
        picture.found = true;
        picture.data = previous->data;
    } else if (const auto first = FirstRecordOfMonth(session.records(), scene.chosenMonth)) {
        picture.found = true;
        picture.data = BuildProtocolData(session.records(), *first, stationData);
    }

    const ProtocolFormExtent form = ProtocolFormUnits(scene.kind, picture.fontSize);
    if (scene.clientWidth > 0 && scene.clientHeight > 0) {
        // The window: the program's size setting magnifies the form, a form
        // larger than the client area scrolls.
        picture.unit = scene.sizePercent / 100.0;
        picture.width = scene.clientWidth;
        picture.height = scene.clientHeight;
        picture.maxScrollX = std::max(0, pixels(form.width * picture.unit) - picture.width);
        picture.maxScrollY = std::max(0, pixels(form.height * picture.unit) - picture.height);
        picture.scrollX = std::clamp(scene.scrollX, 0, picture.maxScrollX);
        picture.scrollY = std::clamp(scene.scrollY, 0, picture.maxScrollY);
    } else {
        picture.unit = scene.formWidth > 0 ? scene.formWidth / form.width : 1.0;
        picture.width = pixels(form.width * picture.unit);
        picture.height = pixels(form.height * picture.unit);
    }
    return picture;
}

} // namespace hk
