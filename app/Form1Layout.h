// The main window's design as data, in twips (1/1440 inch) relative to the
// client area's top-left corner. Front ends build their window from this table.
#pragma once

#include <array>
#include <string_view>

namespace velk::layout {

inline constexpr int kTwipsPerPixelAt96Dpi = 15;

struct TwipRect {
    int left;
    int top;
    int width;
    int height;
};

struct PixelRect {
    int left;
    int top;
    int width;
    int height;
    constexpr bool Contains(int x, int y) const {
        return x >= left && x < left + width && y >= top && y < top + height;
    }
};

// Edges are rounded one by one, so neighbouring controls never overlap or
// leave a gap through rounding; `scale` is the screen's pixels per 96 dpi pixel.
constexpr int ToPixels(int twips, double scale = 1.0) {
    const double pixels = twips * scale / kTwipsPerPixelAt96Dpi;
    // Half a pixel rounds away from zero.
    return pixels < 0 ? -static_cast<int>(-pixels + 0.5) : static_cast<int>(pixels + 0.5);
}

constexpr PixelRect ToPixels(const TwipRect& r, double scale = 1.0) {
    const int left = ToPixels(r.left, scale);
    const int top = ToPixels(r.top, scale);
    return {left, top, ToPixels(r.left + r.width, scale) - left, ToPixels(r.top + r.height, scale) - top};
}

inline constexpr std::wstring_view kCaptionAtCreation = L"Vellmark Starter";
inline constexpr int kClientWidthTwips = 10635;   // 709 px
inline constexpr int kClientHeightTwips = 1875;   // 125 px

enum class ControlKind { TextBox, Label, Picture };

struct Control {
    std::string_view name;
    ControlKind kind;
    TwipRect twips;
    std::wstring_view text;
    int tabIndex;  // -1: never takes the focus
};

inline constexpr Control kText1{"Text1", ControlKind::TextBox, {7810, 240, 2780, 1575}, L"", 2};
inline constexpr Control kLabel1{"Label1", ControlKind::Label, {8040, 0, 1095, 255}, L"News", -1};
inline constexpr Control kLabel2{"Label2", ControlKind::Label, {1320, 720, 855, 375}, L"Start", -1};
inline constexpr Control kImage1{"Image1", ControlKind::Picture, {-360, 0, 8070, 1845}, L"", -1};

struct Line {
    std::string_view name;
    int x1, y1, x2, y2;  // twips
};

// The pixels a line covers: from its first point up to, not including, its
// last, one pixel thick.
constexpr PixelRect ToPixels(const Line& line, double scale = 1.0) {
    const int x1 = ToPixels(line.x1, scale);
    const int y1 = ToPixels(line.y1, scale);
    const int x2 = ToPixels(line.x2, scale);
    const int y2 = ToPixels(line.y2, scale);
    const int width = x2 > x1 ? x2 - x1 : x1 - x2;
    const int height = y2 > y1 ? y2 - y1 : y1 - y2;
    return {x1 < x2 ? x1 : x2, y1 < y2 ? y1 : y2, width > 0 ? width : 1, height > 0 ? height : 1};
}

inline constexpr Line kLine1{"Line1", 7800, 0, 7800, 1800};
inline constexpr Line kLine2{"Line2", 7800, 240, 10680, 240};

// Front first. The text box lies above every drawn element; among the drawn
// ones an earlier entry is drawn over a later one.
inline constexpr std::array<std::string_view, 6> kStackingFrontFirst{"Text1", "Label1", "Line2",
                                                                     "Line1", "Label2", "Image1"};

}  // namespace velk::layout
