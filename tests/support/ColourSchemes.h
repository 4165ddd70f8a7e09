// Colour schemes players use, the look each label must take in them, and a
// check of a window drawn in one, for both front ends.
#pragma once

#include "LabelColors.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <string>

namespace velk::test {

struct ColourScheme {
    const char* name;
    layout::Rgb8 highlightText, buttonText, buttonFace, windowText;
    bool startFilled, newsFilled;
};

inline constexpr ColourScheme kColourSchemes[] = {
    {"Default", {255, 255, 255}, {0, 0, 0}, {240, 240, 240}, {0, 0, 0}, false, true},
    {"HighContrastBlack", {0, 0, 0}, {255, 255, 255}, {0, 0, 0}, {255, 255, 255}, true, false},
    {"HighContrastWhite", {255, 255, 255}, {0, 0, 0}, {255, 255, 255}, {0, 0, 0}, false, true},
    {"BreezeDark", {252, 252, 252}, {252, 252, 252}, {49, 54, 59}, {252, 252, 252}, false, false},
    {"BothFailFillNoBetter", {200, 200, 200}, {200, 200, 200}, {200, 200, 200}, {200, 200, 200}, false, false},
    {"GreyButFillReads", {128, 128, 128}, {0, 0, 0}, {255, 255, 255}, {0, 0, 0}, true, true},
};

inline layout::Rgb8 ColourOf(const ColourScheme& s, layout::SystemColor color) {
    using enum layout::SystemColor;
    return color == HighlightText ? s.highlightText : color == ButtonText ? s.buttonText
           : color == ButtonFace ? s.buttonFace : s.windowText;
}

inline std::uint32_t Rgb(layout::Rgb8 c) { return std::uint32_t{c.red} << 16 | std::uint32_t{c.green} << 8 | c.blue; }

// The window as drawn in `scheme`, `pixel` giving 0xRRGGBB at 96 dpi: its own
// background, the lines in the window-text colour, each label in its look.
inline void ExpectDrawnIn(const ColourScheme& scheme, const std::function<std::uint32_t(int, int)>& pixel) {
    const auto count = [&pixel](int left, int top, int width, int height, std::uint32_t colour) {
        int n = 0;
        for (int i = 0; i < width * height; ++i) n += pixel(left + i % width, top + i / width) == colour;
        return n;
    };
    EXPECT_EQ(pixel(516, 60), 0x010042u) << "the background";
    EXPECT_EQ(pixel(520, 60), Rgb(scheme.windowText)) << "the separator";
    const std::uint32_t startText = Rgb(scheme.startFilled ? scheme.buttonText : scheme.highlightText);
    EXPECT_GT(count(88, 48, 57, 25, startText), 100) << "the letters of \"Start\"";
    EXPECT_EQ(count(88, 48, 57, 25, Rgb(scheme.highlightText)) > 600, scheme.startFilled) << "filled, or the banner";
    const int newsGround = count(536, 0, 73, 16, scheme.newsFilled ? Rgb(scheme.buttonFace) : 0x010042u);
    EXPECT_GT(newsGround, 73 * 16 * 7 / 10) << "around \"News\"";
    EXPECT_LT(newsGround, 73 * 16 - 20) << "the letters of \"News\"";
}

inline std::string NameOf(const testing::TestParamInfo<ColourScheme>& row) { return row.param.name; }

}  // namespace velk::test
