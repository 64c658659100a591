#include <gtest/gtest.h>

#include "app/Twips.h"

namespace yrn::twips {
namespace {

TEST(Twips, RoundingTakesTiesToEvenAndSaturates) {
    EXPECT_EQ(nearest(552.5), 552);
    EXPECT_EQ(nearest(553.5), 554);
    EXPECT_EQ(nearest(-0.5), 0);
    EXPECT_EQ(nearest(-1.5), -2);
    EXPECT_EQ(nearest(183.51), 184);
    EXPECT_EQ(nearest(1e9), 32767);
    EXPECT_EQ(nearest(-1e9), -32768);
    EXPECT_EQ(nearest(std::numeric_limits<double>::quiet_NaN()), 0);
}

TEST(Twips, PagesAndPanesFollowTheLayoutRules) {
    // A main window of 12000 x 8500 twips: 0.065 x 8500 = 552.5 is taken as 552.
    const Size resized = FrameResize(8500, 12000);
    EXPECT_DOUBLE_EQ(resized.height, 7948);
    EXPECT_DOUBLE_EQ(resized.width, 11892);

    // A 1366 x 738 pixel work area at 96 dpi is 20490 x 11070 twips.
    const Rect page = FrameSettings(11070, 20490);
    EXPECT_DOUBLE_EQ(page.top, 0);
    EXPECT_DOUBLE_EQ(page.left, 0);
    EXPECT_DOUBLE_EQ(page.height, 11070 - 443);  // 442.8
    EXPECT_DOUBLE_EQ(page.width, 20490 - 184);   // 184.41
    // A tie in the width: 4.5 -> 4.
    EXPECT_DOUBLE_EQ(FrameSettings(0, 500).width, 496);

    const Rect pane = PaneSettings(450, 0, 11070, 20490);
    EXPECT_DOUBLE_EQ(pane.top, 450);
    EXPECT_DOUBLE_EQ(pane.left, 0);
    EXPECT_DOUBLE_EQ(pane.height, 21070);
    EXPECT_DOUBLE_EQ(pane.width, 30490);
}

TEST(Twips, ConvertsThroughTheLogicalResolution) {
    EXPECT_EQ(toPixels(1440, 96), 96);
    EXPECT_EQ(toPixels(12000, 96), 800);
    EXPECT_EQ(toPixels(8500, 96), 567);  // 566.67
    EXPECT_EQ(toPixels(12000, 120), 1000);
    EXPECT_DOUBLE_EQ(fromPixels(96, 96), 1440);
    EXPECT_DOUBLE_EQ(fromPixels(738, 96), 11070);
    // A missing resolution falls back to 96 instead of dividing by zero.
    EXPECT_EQ(toPixels(1440, 0), 96);
    EXPECT_DOUBLE_EQ(fromPixels(96, 0), 1440);
}

}  // namespace
}  // namespace yrn::twips
