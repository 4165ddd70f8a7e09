// How a label of the main window is drawn in the player's colour scheme:
// transparent, as designed, unless its text would not stand out enough from
// what lies beneath it; then filled with the colour the scheme pairs with its
// text, where that pair reads. Both front ends draw what this decides, and
// ask again when the scheme changes.
#pragma once

#include "Form1Layout.h"

#include <cstdint>
#include <functional>

namespace velk::layout {

struct Rgb8 {
    std::uint8_t red, green, blue;
    constexpr bool operator==(const Rgb8&) const = default;
};

// The scheme's colour for a system colour; RGB colours need no scheme.
using SchemeColors = std::function<Rgb8(SystemColor)>;
Rgb8 Resolve(const Color& color, const SchemeColors& scheme);

// Relative luminance and contrast ratio, as WCAG 2 defines them: 0 for
// black to 1 for white; 1:1 for equal colours to 21:1 for black on white.
double RelativeLuminance(Rgb8 color);
double ContrastRatio(double luminance, double otherLuminance);
// The lowest contrast of a colour against any luminance in a span: 1 when
// the colour's own luminance lies inside it.
double ContrastRatio(double luminance, LuminanceSpan span);

// 3:1 for large text (14 points and bold, or 18 points), 4.5:1 otherwise;
// the default font is not large.
double MinimumContrast(const Font& font);

struct LabelLook {
    bool filled;
    Color text;
    Color fill;  // only where filled
    constexpr bool operator==(const LabelLook&) const = default;
};

// Transparent where the text reaches its minimum contrast against what lies
// beneath the label; else filled, where the text reaches it on its fill. A
// broken scheme, where neither does, keeps the design.
LabelLook LookOf(const Control& label, const SchemeColors& scheme);

}  // namespace velk::layout
