// Colour schemes players use, the look each label must take in them, and a
// check of a window drawn in one, for both front ends.
#pragma once

#include "LabelColors.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <string>

namespace velk::test {

struct ColorScheme {
    const char* name;
    layout::Rgb8 highlightText, highlight, buttonText, buttonFace, windowText;
    bool startFilled, newsFilled;
};

// Default and HighContrastBlack come first: between them each label changes
// its look, and the live changes start from them.
inline constexpr ColorScheme kColorSchemes[] = {
    {"Default", {255, 255, 255}, {0, 120, 215}, {0, 0, 0}, {240, 240, 240}, {0, 0, 0}, false, true},
    {"HighContrastBlack", {0, 0, 0}, {26, 235, 255}, {255, 255, 255}, {0, 0, 0}, {255, 255, 255}, true, false},
    {"HighContrastWhite", {255, 255, 255}, {55, 0, 110}, {0, 0, 0}, {255, 255, 255}, {0, 0, 0}, false, true},
    // "Start" reads 2.97:1 on the banner and 2.43:1 on the highlight: as designed.
    {"BreezeDark", {252, 252, 252}, {61, 174, 233}, {252, 252, 252}, {49, 54, 59}, {252, 252, 252}, false, false},
    {"NeitherReads", {200, 200, 200}, {200, 200, 200}, {200, 200, 200}, {200, 200, 200}, {200, 200, 200}, false, false},
    {"GreyButFillReads", {128, 128, 128}, {0, 0, 0}, {0, 0, 0}, {255, 255, 255}, {0, 0, 0}, true, true},
};

inline layout::Rgb8 ColorOf(const ColorScheme& s, layout::SystemColor color) {
    switch (color) {
    case layout::SystemColor::Highlight: return s.highlight;
    case layout::SystemColor::HighlightText: return s.highlightText;
    case layout::SystemColor::ButtonText: return s.buttonText;
    case layout::SystemColor::ButtonFace: return s.buttonFace;
    case layout::SystemColor::WindowText: break;
    }
    return s.windowText;
}

inline std::uint32_t Rgb(layout::Rgb8 c) { return std::uint32_t{c.red} << 16 | std::uint32_t{c.green} << 8 | c.blue; }

using Pixels = std::function<std::uint32_t(int, int)>;  // 0xRRGGBB at 96 dpi

// The window as drawn in `scheme`: its own background, the lines in the
// window-text colour, each label in its look: its text in its own colour,
// filled in the colour paired with it or not.
inline void ExpectDrawnIn(const ColorScheme& scheme, const Pixels& pixel) {
    const auto count = [&pixel](int left, int top, int width, int height, std::uint32_t colour) {
        int n = 0;
        for (int i = 0; i < width * height; ++i) n += pixel(left + i % width, top + i / width) == colour;
        return n;
    };
    EXPECT_EQ(pixel(516, 60), 0x010042u) << "the background";
    EXPECT_EQ(pixel(520, 60), Rgb(scheme.windowText)) << "the separator";
    EXPECT_GT(count(88, 48, 57, 25, Rgb(scheme.highlightText)), 100) << "the letters of \"Start\"";
    EXPECT_EQ(count(88, 48, 57, 25, Rgb(scheme.highlight)) > 600, scheme.startFilled) << "filled, or the banner";
    const int newsGround = count(536, 0, 73, 16, scheme.newsFilled ? Rgb(scheme.buttonFace) : 0x010042u);
    EXPECT_GT(newsGround, 73 * 16 * 7 / 10) << "around \"News\"";
    EXPECT_LT(newsGround, 73 * 16 - 20) << "the letters of \"News\"";
}

// Both labels drawn pixel for pixel alike, as after a change of scheme and
// at a fresh start in it.
inline void ExpectSameLabels(const Pixels& changed, const Pixels& fresh) {
    for (const layout::Control* label : {&layout::kLabel2, &layout::kLabel1}) {
        const layout::PixelRect r = layout::ToPixels(label->twips);
        int differing = 0;
        for (int i = 0; i < r.width * r.height; ++i) {
            differing += changed(r.left + i % r.width, r.top + i / r.width) != fresh(r.left + i % r.width, r.top + i / r.width);
        }
        EXPECT_EQ(differing, 0) << label->name << " differs from a fresh start";
    }
}

inline std::string NameOf(const testing::TestParamInfo<ColorScheme>& row) { return row.param.name; }

}  // namespace velk::test
