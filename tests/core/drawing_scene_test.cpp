// The drawing's scene: the zoom and the size each area gives, and a model
// taken again only while the drawing, the store and the magnetic map stay.
#include <gtest/gtest.h>

#include <vector>

#include "drawing/drawing_scene.h"
#include "records/record_file.h"
#include "records/session.h"
#include "tests_support/records.h"
#include "tests_support/temp_dir.h"

using namespace hk;
using namespace hk::test_records;

TEST(DrawingScene, ZoomOfTheArea) {
    const struct {
        int width, height;
        bool enlarged;
        int zoom;
    } rows[] = {
        {800, 0, false, 14},     // the width rule alone: w * 14 / 800
        {1233, 0, false, 21},    //
        {800, 0, true, 16},      // enlarged: w * 16 / 800
        {600, 820, false, 10},   // the width decides
        {1920, 1080, false, 25}, // the height decides: 680 * 25 / 16 = 1062
        {1920, 1080, true, 25},  //
        {40, 0, false, 1},       // never below 1
    };
    for (const auto& r : rows)
        EXPECT_EQ(DrawingZoom(r.width, r.height, r.enlarged), r.zoom) << r.width << "x" << r.height;
}

TEST(DrawingScene, ModelTakenAgainOnlyForTheSameDrawing) {
    TempDir dir;
    std::vector<TZaznam> rs{Record("01.03.2014", 800), Record("02.03.2014", 1200)};
    AddGroup(rs[1], "Dkc", 450, 600, 300);
    WriteRecordFile(dir.path() / "datax.dat", rs);
    Session s(dir.path());
    s.load({2025, 1, 1});

    DrawingScene scene{.record = 1, .width = 1200, .height = 820};
    const DrawingPicture first = BuildDrawingPicture(s, scene);
    EXPECT_EQ(first.width, 1200);
    EXPECT_EQ(first.height, 820);
    // Another view of the same drawing paints the same model; only the
    // drawing itself for paper.
    scene.orientEW = -1;
    scene.drawingOnly = true;
    const DrawingPicture mirrored = BuildDrawingPicture(s, scene, {}, &first);
    EXPECT_EQ(mirrored.model, first.model);
    EXPECT_EQ(mirrored.options.orientEW, -1);
    EXPECT_EQ(mirrored.width, mirrored.scale().width());
    EXPECT_EQ(mirrored.height, mirrored.scale().height());

    // Another record, a magnetic map, a changed record: a model of its own.
    scene.record = 2;
    EXPECT_EQ(BuildDrawingPicture(s, scene, {}, &first).model->record.groupCount(), 1);
    scene.record = 1;
    scene.magnetic = true;
    const std::vector<std::uint16_t> words{7, 7, 5, (213 << 7) | 10, 0};
    EXPECT_NE(BuildDrawingPicture(s, scene, words, &first).model, first.model);
    scene.magnetic = false;
    TZaznam changed = s.record(1);
    AddGroup(changed, "Axx", 900, 300, 10);
    s.correctRecord(1, changed);
    EXPECT_EQ(BuildDrawingPicture(s, scene, {}, &first).model->record.groupCount(), 1);

    // The working record changes without the store: still a model of its own.
    scene.record = 0;
    s.selectRecord(2);
    const DrawingPicture working = BuildDrawingPicture(s, scene);
    TZaznam typed = s.workingRecord();
    AddGroup(typed, "Axx", 900, 300, 10);
    s.setWorkingRecord(typed);
    EXPECT_EQ(BuildDrawingPicture(s, scene, {}, &working).model->record.groupCount(), 2);
}
