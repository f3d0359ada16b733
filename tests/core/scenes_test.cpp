// The scenes of the pictures: a picture lends its model, table or series to
// the next one only while what it was built from stays as it was.
#include <gtest/gtest.h>

#include <vector>

#include "demo/demo.h"
#include "drawing/coordinate_table_scene.h"
#include "drawing/drawing_scene.h"
#include "graphs/butterfly_scene.h"
#include "graphs/graph_scene.h"
#include "graphs/smoothed_scene.h"
#include "records/record.h"
#include "records/record_file.h"
#include "records/session.h"
#include "records/startup.h"
#include "results/protocol_scene.h"
#include "tests_support/records.h"
#include "tests_support/session_edit.h"
#include "tests_support/temp_dir.h"

using namespace hk;
using namespace hk::test_records;

// The drawing's model is taken again for another view of it, and never once
// the record, the store or the working record changed.
TEST(DrawingScene, ModelTakenAgainOnlyForTheSameDrawing) {
    TempDir dir;
    std::vector<TZaznam> rs{Record("01.03.2014", 800), Record("02.03.2014", 1200)};
    AddGroup(rs[1], "Dkc", 450, 600, 300);
    WriteRecordFile(dir.path() / "datax.dat", rs);
    Session s(dir.path());
    s.load({2025, 1, 1});
    DrawingScene scene{.record = 1, .width = 1200, .height = 820};
    const DrawingPicture first = BuildDrawingPicture(s, scene);
    scene.orientEW = -1;
    scene.drawingOnly = true;
    EXPECT_EQ(BuildDrawingPicture(s, scene, {}, &first).model, first.model);

    scene.record = 2;
    EXPECT_EQ(BuildDrawingPicture(s, scene, {}, &first).model->record.groupCount(), 1);
    scene.record = 1;
    TZaznam changed = s.record(1);
    AddGroup(changed, "Axx", 900, 300, 10);
    s.correctRecord(1, changed);
    EXPECT_EQ(BuildDrawingPicture(s, scene, {}, &first).model->record.groupCount(), 1);

    // What the entry typed changes the working record, not the store.
    scene.record = 0;
    s.selectRecord(2);
    const DrawingPicture working = BuildDrawingPicture(s, scene);
    TZaznam typed = s.workingRecord();
    AddGroup(typed, "Axx", 900, 300, 10);
    s.setWorkingRecord(typed);
    EXPECT_EQ(BuildDrawingPicture(s, scene, {}, &working).model->record.groupCount(), 2);
}

// A picture without a height takes the zoom of its width; the coordinate
// table's least scale is one table unit a pixel.
TEST(DrawingScene, ZoomOfTheWidthAndTheTablesLeastScale) {
    EXPECT_EQ(std::vector({DrawingZoom(1200, 0, false), DrawingZoom(1200, 0, true),
                           DrawingZoom(10, 0, false)}),
              std::vector({21, 24, 1}));
    for (const int scale : {1, 0}) {
        const CoordinateTablePicture p =
            BuildCoordinateTablePicture({.year = 2014, .scale = scale}, nullptr);
        EXPECT_EQ(std::pair(p.scale, p.width), std::pair(1, TableScaled(CoordinateTableWidth, 1)));
    }
}

// The picture lends its model to the next one only while the records stay as
// they were.
TEST(ButterflyScene, ModelBuiltAgainAfterAChangeOfTheRecords) {
    TempDir dir;
    WriteDemoDirectory(dir.path(), DemoOptions{.years = 2, .perYear = 40, .seed = 3});
    Session session(dir.path());
    session.load({2026, 12, 1});
    const ButterflyScene scene;
    const ButterflyPicture first = BuildButterflyPicture(session, nullptr, scene);
    EXPECT_EQ(BuildButterflyPicture(session, nullptr, scene, &first).model, first.model);
    ChangeRecord(session, 2, [](TZaznam& z) { z.Skupiny[0].CSk2 = 70; });
    EXPECT_NE(BuildButterflyPicture(session, nullptr, scene, &first).model, first.model);
}

// The graph's series is lent to the next picture of the same quantity and
// period while the records stay as they were; another quantity, another
// period or a change of the records computes its own.
TEST(GraphScene, SeriesLentOnlyForTheSameQuantityPeriodAndRecords) {
    TempDir dir;
    WriteDemoDirectory(dir.path(), DemoOptions{.years = 2, .perYear = 40, .seed = 5});
    Session session(dir.path());
    session.load({2026, 12, 1});
    GraphScene scene;
    const GraphPicture g = BuildGraphPicture(session, scene);
    scene.view = GraphView::North;
    EXPECT_EQ(BuildGraphPicture(session, scene, &g).data, g.data);
    scene.quantity = GraphQuantity::R;
    const GraphPicture r = BuildGraphPicture(session, scene, &g);
    EXPECT_EQ(r.data->quantity, GraphQuantity::R);
    EXPECT_NE(r.data->A, g.data->A);
    scene.from = *RecordDate(session.record(session.recordCount() / 2));
    const GraphPicture later = BuildGraphPicture(session, scene, &r);
    EXPECT_LT(later.data->days.size(), r.data->days.size());
    scene.from.reset();
    ChangeRecord(session, 2, [](TZaznam& z) { z.Skupiny[0].CSk2 = 70; });
    EXPECT_NE(BuildGraphPicture(session, scene, &r).data, r.data);
}

TEST(ProtocolScene, TableLentOnlyForTheSameMonth) {
    TempDir dir;
    WriteDemoDirectory(dir.path(), DemoOptions{.years = 2, .perYear = 60, .seed = 7});
    Session session(dir.path());
    session.load({2026, 12, 1});
    const auto monthOf = [&](int i) {
        const Date d = *RecordDate(session.record(i));
        return d.year * 100 + d.month;
    };
    const int first = monthOf(1), last = monthOf(session.recordCount());
    ASSERT_NE(first, last);
    const StationData station;
    const ProtocolPicture a = BuildProtocolPicture(session, station, {.chosenMonth = first});
    ASSERT_TRUE(a.found);
    EXPECT_EQ(a.data.year * 100 + a.data.month, first);
    EXPECT_EQ(a.data.firstRecord, 0u);
    // Scrolled: the same table; another month: its own.
    const ProtocolPicture scrolled =
        BuildProtocolPicture(session, station, {.chosenMonth = first, .scrollY = 40}, &a);
    EXPECT_EQ(scrolled.data.firstRecord, 0u);
    const ProtocolPicture b = BuildProtocolPicture(session, station, {.chosenMonth = last}, &a);
    ASSERT_TRUE(b.found);
    EXPECT_EQ(b.data.year * 100 + b.data.month, last);
    EXPECT_GT(b.data.firstRecord, 0u);
}

// The outside curves and columns a hemisphere takes, where the international
// number may join, the scroll position, and the series kept from the previous
// picture.
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
