// The one rounding rule both front ends draw and hit-test by, worked out by
// hand for the display scales players use: every edge rounds on its own
// (half a pixel away from zero), so neighbours never gap or overlap.
#include "Form1Layout.h"

#include <gtest/gtest.h>

#include <string>

namespace velk::layout {
namespace {

struct ScaleCase {
    double scale;
    int clientWidth, clientHeight;
    PixelRect image1, label2, line1, text1;
};

class LayoutAtScale : public testing::TestWithParam<ScaleCase> {};

TEST_P(LayoutAtScale, RoundsEveryEdgeOnItsOwn) {
    const ScaleCase& row = GetParam();
    EXPECT_EQ(ToPixels(kClientWidthTwips, row.scale), row.clientWidth);
    EXPECT_EQ(ToPixels(kClientHeightTwips, row.scale), row.clientHeight);
    EXPECT_EQ(ToPixels(kImage1.twips, row.scale), row.image1);
    EXPECT_EQ(ToPixels(kLabel2.twips, row.scale), row.label2);
    EXPECT_EQ(ToPixels(kLine1, row.scale), row.line1);
    EXPECT_EQ(ToPixels(kText1.twips, row.scale), row.text1);
}

TEST_P(LayoutAtScale, LeavesTheStripBetweenBannerAndSeparator) {
    const ScaleCase& row = GetParam();
    const int bannerEnd = row.image1.left + row.image1.width;
    EXPECT_GE(row.line1.left - bannerEnd, static_cast<int>(6 * row.scale)) << "six scaled pixels, rounded";
    EXPECT_LE(row.line1.left - bannerEnd, static_cast<int>(6 * row.scale) + 1);
}

INSTANTIATE_TEST_SUITE_P(
    Scales, LayoutAtScale,
    testing::Values(ScaleCase{1.0, 709, 125, {-24, 0, 538, 123}, {88, 48, 57, 25}, {520, 0, 1, 120}, {521, 16, 185, 105}},
                    ScaleCase{1.25, 886, 156, {-30, 0, 673, 154}, {110, 60, 71, 31}, {650, 0, 1, 150}, {651, 20, 232, 131}},
                    ScaleCase{1.5, 1064, 188, {-36, 0, 807, 185}, {132, 72, 86, 38}, {780, 0, 2, 180},
                              {781, 24, 278, 158}},
                    ScaleCase{1.75, 1241, 219, {-42, 0, 942, 215}, {154, 84, 100, 44}, {910, 0, 2, 210}, {911, 28, 325, 184}},
                    ScaleCase{2.0, 1418, 250, {-48, 0, 1076, 246}, {176, 96, 114, 50}, {1040, 0, 2, 240}, {1041, 32, 371, 210}}),
    [](const testing::TestParamInfo<ScaleCase>& row) {
        return "Percent" + std::to_string(static_cast<int>(row.param.scale * 100));
    });

}  // namespace
}  // namespace velk::layout
