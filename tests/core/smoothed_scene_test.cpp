// The smoothed graph's picture of a scene: the outside curves and columns a
// hemisphere takes, where the international number may join, the scroll
// position, and the series kept from the previous picture.
#include <gtest/gtest.h>

#include "demo/demo.h"
#include "graphs/smoothed_scene.h"
#include "records/session.h"
#include "records/startup.h"
#include "tests_support/temp_dir.h"

using namespace hk;

namespace {

TEST(SmoothedScene, CurvesScrollAndSeriesKept) {
    TempDir dir;
    WriteDemoDirectory(dir.path(), DemoOptions{.years = 3, .perYear = 60, .seed = 4});
    Session session(dir.path());
    RunStartup(session, 1024, {2026, 12, 1});
    const StartupTables& t = session.tables();
    struct Row {
        int S;
        HemisphereOption H, drawn;
        int areasColumn; // and the south's own curve for both
        bool brussels;
    } const rows[] = {
        {3, HemisphereOption::North, HemisphereOption::North, 1, true},
        {3, HemisphereOption::South, HemisphereOption::South, 2, true},
        {3, HemisphereOption::Both, HemisphereOption::Both, 1, false},
        {1, HemisphereOption::Disk, HemisphereOption::Disk, 0, false},
        {9, HemisphereOption::South, HemisphereOption::Disk, 0, false}, // no hemispheres
    };
    // Each picture lends its curves to the next, where they still fit.
    SmoothedPicture p;
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << "S " << row.S << " H " << static_cast<int>(row.H));
        const SmoothedScene scene{.S = row.S,
                                  .H = row.H,
                                  .brussels = true,
                                  .k = 1.25,
                                  .areas = true,
                                  .flux = true,
                                  .fluxOption = FluxOption::ADJ};
        p = BuildSmoothedPicture(session, scene, &p);
        const int year = p.data->firstYear;
        EXPECT_EQ(p.H, row.drawn);
        EXPECT_EQ(p.areas.M24, BuildOutsideCurve(t.areasTable, row.areasColumn, year).M24);
        EXPECT_EQ(p.southAreas.t.empty(), row.H != HemisphereOption::Both);
        EXPECT_EQ(p.flux.M24, BuildOutsideCurve(t.fluxTable, 1, year).M24);
        const OutsideCurve brussels =
            row.brussels ? BuildBrusselsCurve(t.sidcDaily, year, static_cast<int>(row.H) - 1)
                         : OutsideCurve{};
        EXPECT_EQ(p.brussels.M24, brussels.M24);
        EXPECT_EQ(p.title.ends_with("0.800"), row.brussels) << p.title;
    }

    SmoothedScene scene{.S = 2, .clientWidth = 100, .clientHeight = 900, .offset = 100000};
    scene.comparison[1] = scene.comparison[6] = true; // its own series and areas
    p = BuildSmoothedPicture(session, scene);
    ASSERT_EQ(p.comparison.size(), 1u);
    EXPECT_EQ(p.fullWidth, (p.data->tLast + 14) * 2 + 80);
    EXPECT_EQ(p.offset, p.fullWidth - 100);
    // The same store: the series come from the previous picture, swapped.
    scene.S = 7;
    scene.Z = 9;
    const SmoothedPicture swapped = BuildSmoothedPicture(session, scene, &p);
    EXPECT_EQ(swapped.data, p.comparison[0]);
    EXPECT_EQ(swapped.comparison, std::vector{p.data});
    // Printed up to the end of the second year, 8 pixels a month.
    EXPECT_EQ(SmoothedPrintWidth(swapped, swapped.data->firstYear + 1), 25 * 8 + 30);
}

} // namespace
