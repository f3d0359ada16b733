#include "graphs/butterfly_scene.h"

#include <algorithm>
#include <cmath>

#include "records/session.h"

namespace hk {

ButterflyPicture BuildButterflyPicture(const Session& session, const CoronaTable* corona,
                                       const ButterflyScene& scene,
                                       const ButterflyPicture* previous) {
    ButterflyPicture picture;
    picture.options = scene.view;
    picture.options.corona = scene.view.corona && corona && corona->present();
    picture.revision = session.revision();
    const bool sameRecords =
        previous && previous->model && previous->revision == session.revision();
    if (sameRecords && (previous->model->corona || !picture.options.corona)) {
        picture.model = previous->model;
    } else if (sameRecords) {
        // The corona is read only when first shown: its columns join the model.
        auto withCorona = std::make_shared<ButterflyModel>(*previous->model);
        SetButterflyCorona(*withCorona, *corona);
        picture.model = std::move(withCorona);
    } else {
        const CoronaTable none;
        picture.model = std::make_shared<const ButterflyModel>(MakeButterflyModel(
            session.records(), session.geometry(), session.tables().supplementaryData,
            picture.options.corona ? *corona : none));
    }
    picture.options.fontPixels =
        static_cast<int>(std::nearbyint(session.sizePercent() * 8 / 100.0));
    if (scene.fitRotationScale)
        picture.options.rotationScale = ButterflyFittedRotationScale(
            ButterflyAxisOf(*picture.model, picture.options.supplementary), scene.clientWidth);
    // The scroll positions within the diagram.
    const int right =
        std::max(0, ButterflyScrollRange(*picture.model, picture.options) - scene.clientWidth);
    picture.options.sx = std::clamp(picture.options.sx, 0, right);
    const int extra = ButterflyVerticalScroll(picture.options, scene.clientHeight);
    picture.options.sy = std::clamp(picture.options.sy, -extra, extra);
    picture.clientWidth = scene.clientWidth;
    picture.clientHeight = scene.clientHeight;
    return picture;
}

int ButterflyScrollRange(const ButterflyModel& model, const ButterflyOptions& o) {
    return 50 + (ButterflyAxisOf(model, o.supplementary).rotations() + 1) * o.rotationScale;
}

int ButterflyVerticalScroll(const ButterflyOptions& options, int clientHeight) {
    return std::max(0, (180 * options.latitudeScale + 60 - clientHeight) / 2);
}

} // namespace hk
