#include "drawing/coordinate_table_scene.h"

#include <algorithm>
#include <cmath>

namespace hk {

int CoordinateTableOpeningScale(int width) {
    if (width >= CoordinateTableWidth) return CoordinateTableUnitScale;
    return std::max(1, width * CoordinateTableUnitScale / CoordinateTableWidth);
}

CoordinateTablePicture BuildCoordinateTablePicture(const CoordinateTableScene& scene,
                                                   const CoordinateTablePicture* previous) {
    CoordinateTablePicture picture;
    picture.year = previous && previous->year && previous->year->year == scene.year
                       ? previous->year
                       : std::make_shared<const CoordinateYear>(MakeCoordinateYear(scene.year));
    picture.page = MakeCoordinateTablePage(*picture.year, scene.page);
    picture.scale = std::max(1, scene.scale);
    const int pageHeight = TableScaled(CoordinateTableHeight, picture.scale);
    if (scene.clientWidth <= 0 || scene.clientHeight <= 0) {
        picture.width = TableScaled(CoordinateTableWidth, picture.scale);
        picture.height = pageHeight;
        return picture;
    }
    picture.width = scene.clientWidth;
    picture.height = scene.clientHeight;
    // Enough steps to bring the bottom of the page into view.
    const double step = TableScrollStep * picture.scale / double(CoordinateTableUnitScale);
    const int excess = pageHeight - picture.height;
    picture.maxScroll = excess > 0 ? static_cast<int>(std::ceil(excess / step)) : 0;
    picture.pageStep = std::max(1, static_cast<int>(picture.height / step));
    picture.scroll = std::clamp(scene.scroll, 0, picture.maxScroll);
    return picture;
}

} // namespace hk
