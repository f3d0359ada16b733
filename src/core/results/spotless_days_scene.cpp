#include "results/spotless_days_scene.h"

#include "records/record.h"
#include "records/session.h"

namespace hk {

SpotlessDaysScene SpotlessDaysPrintScene(int year) {
    return {year, 1000, 700, 100};
}

SpotlessDaysPicture BuildSpotlessDaysPicture(const Session& session,
                                             const SpotlessDaysScene& scene) {
    SpotlessDaysPicture picture;
    picture.year = scene.year;
    for (const TZaznam& z : session.records())
        if (const auto d = RecordDate(z); d && d->year == scene.year) {
            picture.yearDrawn = true;
            break;
        }
    const std::vector<std::string> dates = SpotlessDaysOf(session.records());
    picture.days = SpotlessDaysOfYear(dates, scene.year);
    picture.calendar =
        BuildSpotlessCalendar(dates, scene.year, scene.width, scene.height, scene.sizePercent);
    return picture;
}

} // namespace hk
