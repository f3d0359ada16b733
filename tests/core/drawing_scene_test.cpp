// The drawing's scene: a model taken again only while the drawing, the store
// and the magnetic map stay, and the size of the area or of the drawing alone.
#include <gtest/gtest.h>

#include <vector>

#include "drawing/drawing_scene.h"
#include "records/record_file.h"
#include "records/session.h"
#include "tests_support/records.h"
#include "tests_support/temp_dir.h"

using namespace hk;
using namespace hk::test_records;

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
