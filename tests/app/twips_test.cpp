#include <gtest/gtest.h>

#include "app/Twips.h"

namespace yrn::twips {
namespace {

TEST(Twips, RoundingConversionAndTheLayoutRules) {
    // Ties to even; out of range saturates.
    const std::pair<double, int> cases[] = {
        {552.5, 552},  {553.5, 554}, {-0.5, 0},      {-1.5, -2},
        {183.51, 184}, {1e9, 32767}, {-1e9, -32768}, {std::numeric_limits<double>::quiet_NaN(), 0}};
    for (const auto& [value, rounded] : cases)
        EXPECT_EQ(nearest(value), rounded) << value;
    // A main window of 12000 x 8500 twips: 0.065 x 8500 = 552.5 is taken as 552.
    const Size resized = FrameResize(8500, 12000);
    EXPECT_EQ((QList<double>{resized.height, resized.width}), (QList<double>{7948, 11892}));
    // A 1366 x 738 pixel work area at 96 dpi is 20490 x 11070 twips: 442.8 and
    // 184.41 are taken off; a tie in the width, 4.5, takes 4.
    const Rect frame = FrameSettings(11070, 20490);
    EXPECT_EQ((QList<double>{frame.top, frame.left, frame.height, frame.width}),
              (QList<double>{0, 0, 11070 - 443, 20490 - 184}));
    EXPECT_DOUBLE_EQ(FrameSettings(0, 500).width, 496);
    const Rect pane = PaneSettings(450, 0, 11070, 20490);
    EXPECT_EQ((QList<double>{pane.top, pane.left, pane.height, pane.width}),
              (QList<double>{450, 0, 21070, 30490}));
    // 8500 twips are 566.67 pixels; a missing resolution falls back to 96.
    EXPECT_EQ((QList<int>{toPixels(1440, 96), toPixels(8500, 96), toPixels(12000, 120),
                          toPixels(1440, 0)}),
              (QList<int>{96, 567, 1000, 96}));
    EXPECT_EQ((QList<double>{fromPixels(96, 96), fromPixels(738, 96), fromPixels(96, 0)}),
              (QList<double>{1440, 11070, 1440}));
}

}  // namespace
}  // namespace yrn::twips
