// The protocol's picture of a scene lends its month's table only to a picture
// of the same month, store revision and general data.
#include <gtest/gtest.h>

#include "demo/demo.h"
#include "records/record.h"
#include "records/session.h"
#include "results/protocol_scene.h"
#include "tests_support/temp_dir.h"

using namespace hk;

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
