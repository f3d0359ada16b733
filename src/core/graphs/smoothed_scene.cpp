#include "graphs/smoothed_scene.h"

#include <algorithm>

#include "records/session.h"
#include "text/number_format.h"

namespace hk {

namespace {

// The series `S` of the store: the previous picture's when it was built
// from the same revision, else computed.
std::shared_ptr<const SmoothedData> series(const Session& session, int S,
                                           const SmoothedPicture* previous) {
    if (previous && previous->data && previous->revision == session.revision()) {
        if (previous->data->S == S) return previous->data;
        for (const auto& d : previous->comparison)
            if (d->S == S) return d;
    }
    return std::make_shared<const SmoothedData>(BuildSmoothedData(session.records(), S));
}

} // namespace

SmoothedPicture BuildSmoothedPicture(const Session& session, const SmoothedScene& scene,
                                     const SmoothedPicture* previous) {
    SmoothedPicture picture;
    const int S = std::clamp(scene.S, 1, SmoothedQuantityCount);
    picture.revision = session.revision();
    picture.data = series(session, S, previous);
    for (int other = 1; other <= SmoothedQuantityCount; ++other)
        if (scene.comparison[static_cast<std::size_t>(other - 1)] && other != S)
            picture.comparison.push_back(series(session, other, previous));
    // Inter SOL has no hemispheres.
    picture.H = S == 9 ? HemisphereOption::Disk : scene.H;
    const int firstYear = picture.data->firstYear;
    const StartupTables& tables = session.tables();
    // The outside tables are read once at start-up: a curve of the same
    // column and the same records' axis is the previous picture's.
    const bool sameStore = previous && previous->data && previous->revision == session.revision() &&
                           previous->data->firstYear == firstYear;
    auto outside = [&](OutsideCurve SmoothedPicture::*curve, int SmoothedPicture::*used, int column,
                       auto build) {
        picture.*used = column;
        picture.*curve = sameStore && previous->*used == column ? previous->*curve : build();
    };
    const bool brussels = scene.brussels && SmoothedBrusselsAllowed(S, picture.H);
    if (brussels) {
        const int column = static_cast<int>(picture.H) - 1;
        outside(&SmoothedPicture::brussels, &SmoothedPicture::brusselsColumn, column,
                [&] { return BuildBrusselsCurve(tables.sidcDaily, firstYear, column); });
        picture.k = scene.k;
    }
    if (scene.areas) {
        // Both hemispheres: the north, and the south as a curve of its own.
        const bool both = picture.H == HemisphereOption::Both;
        const int column = both ? 1 : static_cast<int>(picture.H) - 1;
        outside(&SmoothedPicture::areas, &SmoothedPicture::areasColumn, column,
                [&] { return BuildOutsideCurve(tables.areasTable, column, firstYear); });
        if (both)
            outside(&SmoothedPicture::southAreas, &SmoothedPicture::southAreasColumn, 2,
                    [&] { return BuildOutsideCurve(tables.areasTable, 2, firstYear); });
    }
    picture.fluxOption = scene.fluxOption;
    if (scene.flux) {
        const int column = static_cast<int>(scene.fluxOption);
        outside(&SmoothedPicture::flux, &SmoothedPicture::fluxColumn, column,
                [&] { return BuildOutsideCurve(tables.fluxTable, column, firstYear); });
    }

    picture.Z = std::clamp(scene.Z, 1, 9);
    picture.divisor = std::max(1, scene.divisor);
    picture.height = std::max(1, scene.clientHeight);
    picture.monthWidth = SmoothedMonthWidth(picture.Z, picture.height);
    picture.fullWidth = (picture.data->tLast + 14) * picture.monthWidth + 80;
    if (scene.wholeAxis) {
        picture.width = std::clamp(picture.fullWidth, 700, SmoothedMaxWidth);
    } else {
        picture.width = std::max(1, scene.clientWidth);
        picture.maxOffset = std::max(0, picture.fullWidth - picture.width);
        picture.offset = std::clamp(scene.offset, 0, picture.maxOffset);
    }
    picture.title = SmoothedTitle(picture.H, brussels, scene.k);
    return picture;
}

SmoothedOptions SmoothedPicture::options() const {
    SmoothedOptions o;
    o.Z = Z;
    o.divisor = divisor;
    o.offset = offset;
    o.H = H;
    // A curve without a point compares nothing: the monthly means stay.
    if (!brussels.t.empty()) {
        o.brusselsCurve = &brussels;
        o.k = k;
    }
    for (const auto& d : comparison)
        o.comparison.push_back(d.get());
    if (!areas.t.empty()) o.areasCurve = &areas;
    if (!southAreas.t.empty()) o.southAreasCurve = &southAreas;
    if (!flux.t.empty()) {
        o.tok = &flux;
        o.fluxOption = fluxOption;
    }
    return o;
}

bool SmoothedBrusselsAllowed(int S, HemisphereOption H) {
    return S == 3 && H != HemisphereOption::Both;
}

int SmoothedMonthWidth(int Z, int height) {
    return std::max(1, Z * std::max(1, height / 45) / 22);
}

int SmoothedPrintWidth(const SmoothedPicture& picture, std::optional<int> lastYear) {
    if (!lastYear) return picture.fullWidth;
    return std::clamp(((*lastYear - picture.data->firstYear + 1) * 12 + 1) * picture.monthWidth +
                          30,
                      200, std::max(200, picture.fullWidth));
}

std::string SmoothedTitle(HemisphereOption H, bool brusselsCurve, double k) {
    static const char* const Hemispheres[4] = {"   celkový", "   severní", "   jižní",
                                               "   severní a jižní"};
    std::string t = std::string("Vyhlazovací   grafy") + Hemispheres[static_cast<int>(H) - 1];
    if (brusselsCurve) t += "         " + FormatNumber(1.0 / k, "#0.000");
    return t;
}

} // namespace hk
