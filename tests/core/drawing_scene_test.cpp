// The drawing's scene: the model of a drawing is taken again for another
// view of it, and never once the record, the store or the working record
// changed.
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
