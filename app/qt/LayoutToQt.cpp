#include "LayoutToQt.h"

namespace velk::qt {

QColor ToQColor(const layout::Color& color, const QPalette& palette) {
    if (!color.isSystem) return {color.red, color.green, color.blue};
    switch (color.system) {
    case layout::SystemColor::Highlight:
        return palette.color(QPalette::Highlight);
    case layout::SystemColor::HighlightText:
        return palette.color(QPalette::HighlightedText);
    case layout::SystemColor::ButtonText:
        return palette.color(QPalette::ButtonText);
    case layout::SystemColor::ButtonFace:
        return palette.color(QPalette::Button);
    case layout::SystemColor::WindowText:
        break;
    }
    return palette.color(QPalette::WindowText);
}

layout::SchemeColors SchemeOf(const QPalette& palette) {
    return [palette](layout::SystemColor color) {
        const QColor qColor = ToQColor(layout::System(color), palette);
        return layout::Rgb8{static_cast<std::uint8_t>(qColor.red()), static_cast<std::uint8_t>(qColor.green()),
                            static_cast<std::uint8_t>(qColor.blue())};
    };
}

}  // namespace velk::qt
