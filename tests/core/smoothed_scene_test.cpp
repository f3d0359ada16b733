// The smoothed graph's picture of a scene: which outside curves and columns
// a hemisphere takes, where the international number may join, the width
// and scroll position, and the series kept from the previous picture.
#include <gtest/gtest.h>

#include "demo/demo.h"
#include "graphs/smoothed_scene.h"
#include "records/session.h"
#include "records/startup.h"
#include "tests_support/temp_dir.h"

using namespace hk;

namespace {

class SmoothedScenePicture : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        dir_ = new TempDir;
        WriteDemoDirectory(dir_->path(), DemoOptions{.years = 3, .perYear = 60, .seed = 4});
        session_ = new Session(dir_->path());
        RunStartup(*session_, 1024, {2026, 12, 1});
    }
    static void TearDownTestSuite() {
        delete session_;
        delete dir_;
    }
    static const Session& session() { return *session_; }
    static const StartupTables& tables() { return session_->tables(); }
    static inline TempDir* dir_ = nullptr;
    static inline Session* session_ = nullptr;
};

TEST_F(SmoothedScenePicture, OutsideCurvesFollowTheHemisphere) {
    struct Row {
        int S;
        HemisphereOption H;
        HemisphereOption drawn;
        int areasColumn; // the south's own curve too for both
        bool brussels;
    };
    const Row rows[] = {
        {3, HemisphereOption::Disk, HemisphereOption::Disk, 0, true},
        {3, HemisphereOption::North, HemisphereOption::North, 1, true},
        {3, HemisphereOption::South, HemisphereOption::South, 2, true},
        {3, HemisphereOption::Both, HemisphereOption::Both, 1, false},
        {1, HemisphereOption::North, HemisphereOption::North, 1, false},
        // Inter SOL has no hemispheres.
        {9, HemisphereOption::South, HemisphereOption::Disk, 0, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << "S " << row.S << " H " << static_cast<int>(row.H));
        SmoothedScene scene{.S = row.S, .H = row.H, .brussels = true, .k = 1.25, .areas = true};
        scene.flux = true;
        scene.fluxOption = FluxOption::ADJ;
        const SmoothedPicture p = BuildSmoothedPicture(session(), scene);
        const int firstYear = p.data->firstYear;
        EXPECT_EQ(p.H, row.drawn);
        EXPECT_EQ(p.areas.M24,
                  BuildOutsideCurve(tables().areasTable, row.areasColumn, firstYear).M24);
        EXPECT_EQ(p.southAreas.t.empty(), row.H != HemisphereOption::Both);
        EXPECT_EQ(p.flux.M24, BuildOutsideCurve(tables().fluxTable, 1, firstYear).M24);
        ASSERT_FALSE(p.flux.t.empty());
        EXPECT_EQ(p.options().fluxOption, FluxOption::ADJ);
        if (row.brussels) {
            EXPECT_EQ(
                p.brussels.M24,
                BuildBrusselsCurve(tables().sidcDaily, firstYear, static_cast<int>(row.H) - 1).M24);
            EXPECT_EQ(p.options().k, 1.25);
            EXPECT_TRUE(p.title.ends_with("0.800")) << p.title;
        } else {
            EXPECT_TRUE(p.brussels.t.empty());
            EXPECT_EQ(p.options().brusselsCurve, nullptr);
            EXPECT_FALSE(p.title.ends_with("0.800")) << p.title;
        }
    }
}

TEST_F(SmoothedScenePicture, WidthScrollAndSeriesKept) {
    SmoothedScene scene{.S = 2, .clientWidth = 100, .clientHeight = 900, .offset = 100000};
    scene.comparison[1] = scene.comparison[6] = true; // its own series and areas
    const SmoothedPicture p = BuildSmoothedPicture(session(), scene);
    ASSERT_EQ(p.comparison.size(), 1u);
    EXPECT_EQ(p.comparison[0]->S, 7);
    EXPECT_EQ(p.monthWidth, 3 * 20 / 22);
    EXPECT_EQ(p.fullWidth, (p.data->tLast + 14) * p.monthWidth + 80);
    EXPECT_EQ(p.width, 100);
    EXPECT_EQ(p.maxOffset, p.fullWidth - 100);
    EXPECT_EQ(p.offset, p.maxOffset);

    // The whole axis: at least 700 wide, never scrolled.
    SmoothedScene whole = scene;
    whole.wholeAxis = true;
    whole.Z = 9;
    const SmoothedPicture w = BuildSmoothedPicture(session(), whole, &p);
    EXPECT_EQ(w.width, std::max(700, w.fullWidth));
    EXPECT_EQ(w.offset, 0);
    // The same store: the series come from the previous picture, swapped.
    whole.S = 7;
    whole.comparison[6] = false;
    const SmoothedPicture swapped = BuildSmoothedPicture(session(), whole, &p);
    EXPECT_EQ(swapped.data, p.comparison[0]);
    ASSERT_EQ(swapped.comparison.size(), 1u);
    EXPECT_EQ(swapped.comparison[0], p.data);

    // A year to print up to: that year's end, within the whole axis.
    EXPECT_EQ(SmoothedPrintWidth(p, std::nullopt), p.fullWidth);
    EXPECT_EQ(w.monthWidth, 9 * 20 / 22);
    EXPECT_EQ(SmoothedPrintWidth(w, w.data->firstYear + 1), (2 * 12 + 1) * w.monthWidth + 30);
    EXPECT_EQ(SmoothedPrintWidth(w, w.data->firstYear - 1), 200);
    EXPECT_EQ(SmoothedPrintWidth(w, w.data->firstYear + 50), w.fullWidth);
}

} // namespace
