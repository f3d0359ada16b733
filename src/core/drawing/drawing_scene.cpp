#include "drawing/drawing_scene.h"

#include <algorithm>
#include <cstring>

#include "drawing/magnetic_map.h"
#include "records/record.h"
#include "records/session.h"

namespace hk {

int DrawingZoom(int width, int height, bool enlarged) {
    const int most = std::max(1, DrawingScale::ZoomForWidth(width, enlarged ? EnlargedZoomNumerator
                                                                            : NormalZoomNumerator));
    return height > 0 ? DrawingScale::ZoomToFit(width, height, most) : most;
}

std::optional<std::filesystem::path> DrawingMagneticMapFile(const Session& session,
                                                            const TZaznam& z) {
    const auto date = RecordDate(z);
    if (!date) return std::nullopt;
    const std::string name = "Magneto/" + MagneticMapFileName(*date);
    if (!session.dir.exists("Magneto") || !session.dir.exists(name)) return std::nullopt;
    std::filesystem::path file = session.dir.resolve(name);
    if (!std::filesystem::is_regular_file(file)) return std::nullopt;
    return file;
}

DrawingPicture BuildDrawingPicture(const Session& session, const DrawingScene& scene,
                                   std::span<const std::uint16_t> magneticWords,
                                   const DrawingPicture* previous) {
    DrawingPicture picture;
    // A record number outside the store shows the working record.
    const bool stored = scene.record >= 1 && scene.record <= session.recordCount();
    const TZaznam& z = stored ? session.record(scene.record) : session.workingRecord();
    if (!scene.magnetic) magneticWords = {};
    picture.revision = session.revision();
    picture.record = stored ? scene.record : 0;
    picture.magneticWords = magneticWords.data();
    picture.magneticCount = magneticWords.size();

    if (previous && previous->model && previous->revision == picture.revision &&
        previous->record == picture.record && previous->magneticWords == picture.magneticWords &&
        previous->magneticCount == picture.magneticCount &&
        std::memcmp(&previous->model->record, &z, sizeof z) == 0) {
        picture.model = previous->model;
    } else {
        const std::vector<std::uint16_t> words(magneticWords.begin(), magneticWords.end());
        picture.model = std::make_shared<const DrawingModel>(MakeDrawingModel(
            z,
            stored ? session.geometry(scene.record, scene.record).ephemeris(scene.record)
                   : session.workingEphemeris(),
            words));
    }

    DrawingOptions& o = picture.options;
    o.zoomK = DrawingZoom(scene.width, scene.height, scene.enlarged);
    o.orientEW = scene.orientEW < 0 ? -1 : 1;
    o.orientNS = scene.orientNS < 0 ? -1 : 1;
    o.showLeaves = scene.leaves;
    o.print = scene.printColours;
    o.showMagnetic = !picture.model->magnetic.empty();
    const DrawingScale scale = picture.scale();
    if (scene.drawingOnly) {
        picture.width = std::max(1, scale.width());
        picture.height = std::max(1, scale.height());
    } else {
        picture.width = std::max(1, scene.width);
        picture.height = scene.height > 0 ? scene.height : std::max(1, scale.height());
    }
    return picture;
}

} // namespace hk
