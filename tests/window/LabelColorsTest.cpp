// Each label's look in the schemes players use: the design's transparent one
// wherever its text reads, filled only where it does not and its text reads
// on the colour its scheme pairs with it.
#include "LabelColors.h"
#include "support/ColorSchemes.h"

#include <gtest/gtest.h>

namespace velk::layout {
namespace {

class LabelLookInScheme : public testing::TestWithParam<test::ColorScheme> {};

TEST_P(LabelLookInScheme, FillsOnlyALabelThatWouldNotRead) {
    const SchemeColors scheme = [](SystemColor color) { return test::ColorOf(GetParam(), color); };
    const auto hilite = System(SystemColor::HighlightText);
    EXPECT_EQ(LookOf(kLabel2, scheme), (LabelLook{GetParam().startFilled, hilite, System(SystemColor::Highlight)}));
    const auto buttonText = System(SystemColor::ButtonText);
    EXPECT_EQ(LookOf(kLabel1, scheme), (LabelLook{GetParam().newsFilled, buttonText, System(SystemColor::ButtonFace)}));
    // WCAG 2's own figures: black on white, the palest grey that reads on white.
    EXPECT_DOUBLE_EQ(ContrastRatio(RelativeLuminance({0, 0, 0}), RelativeLuminance({255, 255, 255})), 21.0);
    EXPECT_NEAR(ContrastRatio(RelativeLuminance({118, 118, 118}), RelativeLuminance({255, 255, 255})), 4.54, 0.01);
}

INSTANTIATE_TEST_SUITE_P(Schemes, LabelLookInScheme, testing::ValuesIn(test::kColorSchemes), test::NameOf);

}  // namespace
}  // namespace velk::layout
