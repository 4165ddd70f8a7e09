#include "HitTest.h"

#include "support/RowName.h"

#include <gtest/gtest.h>

namespace velk::layout {
namespace {

struct Point {
    const char* name;
    int x;
    int y;
    std::string_view element;
    std::string_view accessible;  // the control assistive technology is shown there
};

class HitTest : public testing::TestWithParam<Point> {};

TEST_P(HitTest, FindsTheFrontMostDrawnElement) {
    EXPECT_EQ(DrawnElementAt(GetParam().x, GetParam().y), GetParam().element);
    EXPECT_EQ(IsStartClick(GetParam().x, GetParam().y), GetParam().element == "Label2");
    const Control* accessible = AccessibleControlAt(GetParam().x, GetParam().y);
    EXPECT_EQ(accessible ? accessible->name : "", GetParam().accessible);
}

INSTANTIATE_TEST_SUITE_P(
    Table, HitTest,
    testing::Values(Point{"StartTopLeft", 88, 48, "Label2", "Label2"}, Point{"StartTopRight", 144, 48, "Label2", "Label2"},
                    Point{"StartBottomLeft", 88, 72, "Label2", "Label2"},
                    Point{"StartBottomRight", 144, 72, "Label2", "Label2"}, Point{"LeftOfStart", 87, 60, "Image1", "Image1"},
                    Point{"RightOfStart", 145, 60, "Image1", "Image1"}, Point{"AboveStart", 100, 47, "Image1", "Image1"},
                    Point{"BelowStart", 100, 73, "Image1", "Image1"}, Point{"BannerFarLeft", 0, 0, "Image1", "Image1"},
                    Point{"BannerLastColumn", 513, 122, "Image1", "Image1"}, Point{"GapBeforeSeparator", 516, 60, "", ""},
                    Point{"Separator", 520, 60, "Line1", ""}, Point{"SeparatorEnd", 520, 120, "", ""},
                    Point{"News", 540, 8, "Label1", "Label1"}, Point{"LineUnderNews", 706, 16, "Line2", ""},
                    Point{"LineOverTheNewsBox", 700, 16, "Line2", "Text1"}, Point{"NewsBox", 600, 60, "", "Text1"},
                    Point{"UnderBanner", 100, 124, "", ""}),
    test::RowName());

TEST(HitTestScaled, FollowsTheScreensResolution) {
    // At 144 dpi "Start" covers x 132 to 217 and y 72 to 109.
    EXPECT_TRUE(IsStartClick(132, 72, 1.5));
    EXPECT_TRUE(IsStartClick(217, 109, 1.5));
    EXPECT_FALSE(IsStartClick(131, 72, 1.5));
    EXPECT_FALSE(IsStartClick(218, 109, 1.5));
}

}  // namespace
}  // namespace velk::layout
