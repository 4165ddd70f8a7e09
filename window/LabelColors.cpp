#include "LabelColors.h"

#include <algorithm>
#include <cmath>

namespace velk::layout {
namespace {

double Linear(std::uint8_t channel) {
    const double value = channel / 255.0;
    return value <= 0.04045 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
}

LuminanceSpan SpanBeneath(const Control& label, const SchemeColors& scheme) {
    if (label.beneath == Beneath::Banner) return kBannerUnderStart;
    const double background = RelativeLuminance(Resolve(kBackground, scheme));
    return {background, background};
}

}  // namespace

Rgb8 Resolve(const Color& color, const SchemeColors& scheme) {
    return color.isSystem ? scheme(color.system) : Rgb8{color.red, color.green, color.blue};
}

double RelativeLuminance(Rgb8 color) {
    return 0.2126 * Linear(color.red) + 0.7152 * Linear(color.green) + 0.0722 * Linear(color.blue);
}

double ContrastRatio(double luminance, double otherLuminance) {
    return (std::max(luminance, otherLuminance) + 0.05) / (std::min(luminance, otherLuminance) + 0.05);
}

double ContrastRatio(double luminance, LuminanceSpan span) {
    if (luminance < span.darkest) return ContrastRatio(luminance, span.darkest);
    if (luminance > span.brightest) return ContrastRatio(luminance, span.brightest);
    return 1.0;
}

double MinimumContrast(const Font& font) {
    const bool large = font.points >= 18 || (font.points >= 14 && font.weight >= 700);
    return large ? 3.0 : 4.5;
}

LabelLook LookOf(const Control& label, const SchemeColors& scheme) {
    const double text = RelativeLuminance(Resolve(label.textColor, scheme));
    const double minimum = MinimumContrast(label.font);
    const bool readsAsDesigned = ContrastRatio(text, SpanBeneath(label, scheme)) >= minimum;
    const bool readsFilled = ContrastRatio(text, RelativeLuminance(Resolve(label.backColor, scheme))) >= minimum;
    return {!readsAsDesigned && readsFilled, label.textColor, label.backColor};
}

}  // namespace velk::layout
