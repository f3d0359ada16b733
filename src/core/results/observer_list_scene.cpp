#include "results/observer_list_scene.h"

#include <algorithm>

#include "records/session.h"

namespace hk {

ObserverListPicture BuildObserverListPicture(const Session& session,
                                             const ObserverListScene& scene) {
    ObserverListPicture picture;
    picture.periods = ObserverPeriods(session.records(), session.observers());
    // A heading above the observers, or the one line saying there are none.
    const int rows = picture.periods.empty() ? 1 : static_cast<int>(picture.periods.size()) + 1;
    picture.listWidth = 2 * ObserverListMargin + ObserverListNameWidth + ObserverListPeriodWidth +
                        ObserverListCountWidth;
    picture.listHeight = 2 * ObserverListMargin + rows * ObserverListRowHeight;
    const bool room = scene.roomWidth > 0 && scene.roomHeight > 0;
    picture.width = room ? std::min(picture.listWidth, scene.roomWidth) : picture.listWidth;
    picture.height = room ? std::min(picture.listHeight, scene.roomHeight) : picture.listHeight;
    return picture;
}

} // namespace hk
