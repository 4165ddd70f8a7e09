// The main window's design as data, in twips (1/1440 inch) relative to the
// client area's top-left corner. Both front ends build their window from
// this table and nothing else.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace velk::layout {

// ---- Units -----------------------------------------------------------------

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
    constexpr bool operator==(const PixelRect&) const = default;
};

// Twips to pixels at 96 dpi times `scale` (the screen's pixels per 96-dpi
// pixel); half a pixel rounds away from zero.
constexpr int ToPixels(int twips, double scale = 1.0) {
    const double pixels = twips * scale / kTwipsPerPixelAt96Dpi;
    return pixels < 0 ? -static_cast<int>(-pixels + 0.5) : static_cast<int>(pixels + 0.5);
}

// Edges are rounded one by one, so neighbouring controls never overlap or
// leave a gap through rounding.
constexpr PixelRect ToPixels(const TwipRect& r, double scale = 1.0) {
    const int left = ToPixels(r.left, scale);
    const int top = ToPixels(r.top, scale);
    return {left, top, ToPixels(r.left + r.width, scale) - left, ToPixels(r.top + r.height, scale) - top};
}

// A font's size in pixels: points are 1/72 inch, so 20 twips.
constexpr int PointsToPixels(double points, double scale = 1.0) {
    return ToPixels(static_cast<int>(points * 20 + 0.5), scale);
}

// ---- Colours ---------------------------------------------------------------

// The desktop's system colours by index, as the window system numbers them.
enum class SystemColor { WindowText = 8, Highlight = 13, HighlightText = 14, ButtonFace = 15, ButtonText = 18 };

struct Color {
    bool isSystem;
    SystemColor system;
    std::uint8_t red, green, blue;
    constexpr bool operator==(const Color&) const = default;
};

constexpr Color Rgb(std::uint8_t r, std::uint8_t g, std::uint8_t b) { return {false, {}, r, g, b}; }
constexpr Color System(SystemColor index) { return {true, index, 0, 0, 0}; }

// ---- The window ------------------------------------------------------------

inline constexpr std::wstring_view kCaptionAtCreation = L"Vellmark Starter";
inline constexpr int kClientWidthTwips = 10635;  // 709 px
inline constexpr int kClientHeightTwips = 1875;  // 125 px
inline constexpr Color kBackground = Rgb(1, 0, 66);

// What a label's text is read against: the window's background, or the
// banner. The banner is a photograph; what counts under a label is the span
// of relative luminance (0 black to 1 white) its pixels cover, leaving out
// the darkest and the brightest twentieth: text reads on it when it stands
// out from both ends.
enum class Beneath { Background, Banner };

struct LuminanceSpan {
    double darkest;
    double brightest;
};

// The banner's pixels under "Start" (columns 112 to 168, rows 48 to 72 of
// the picture), measured from assets/banner.jpg; a test measures them again.
inline constexpr LuminanceSpan kBannerUnderStart{0.0451, 0.2941};

// ---- Controls --------------------------------------------------------------

enum class ControlKind { TextBox, Label, Picture };

// An empty face is the platform's default user-interface font.
struct Font {
    std::wstring_view face;
    double points;
    int weight;
};

inline constexpr Font kDefaultFont{L"", 0, 400};

// What assistive technology (screen readers) is told of a control: its role,
// its name and description, the control it labels, if any, and the key that
// presses it. What is drawn and clicked stays as above; only "Start" has an
// action, the same as a click.
enum class AccessibleRole { Frame, PushButton, StaticText, EditableText, Graphic };

struct Accessible {
    AccessibleRole role;
    std::wstring_view name;
    std::wstring_view description;
    std::string_view labels;            // the control this one is the heading of
    std::wstring_view keyboardShortcut = L"";  // "Alt+" and the control's access key
};

// The access key of a control: the letter of its shortcut, underlined in its
// text where keyboard cues are shown; 0 for none.
constexpr wchar_t AccessKeyOf(const Accessible& accessible) {
    return accessible.keyboardShortcut.empty() ? L'\0' : accessible.keyboardShortcut.back();
}

// Access keys are ASCII letters, matched in either case.
constexpr wchar_t FoldCase(wchar_t character) {
    return character >= L'a' && character <= L'z' ? static_cast<wchar_t>(character - L'a' + L'A') : character;
}

// Whether a typed character is the control's access key.
constexpr bool IsAccessKey(const Accessible& accessible, wchar_t typed) {
    return AccessKeyOf(accessible) != L'\0' && FoldCase(typed) == FoldCase(AccessKeyOf(accessible));
}

inline constexpr std::wstring_view kPressAction = L"Press";
// The window is a frame named by its caption.
inline constexpr AccessibleRole kWindowRole = AccessibleRole::Frame;

// A label is drawn one of two ways, its text always in `textColor`.
// Transparent: what lies beneath shows around it. Filled: its rectangle in
// `backColor`, the colour a scheme pairs with the text colour to be read on
// (highlighted text on the highlight, button text on the button face). The
// transparent look is the design's; a label falls back to the filled one
// where the player's colours make its text unreadable there (LabelColors.h).

struct Control {
    std::string_view name;
    ControlKind kind;
    TwipRect twips;
    std::wstring_view text;
    Font font;
    Color textColor;
    Accessible accessible;
    Color backColor = System(SystemColor::ButtonFace);
    Beneath beneath = Beneath::Background;
};

// The news box, a text box: the platform's own font, colours and frame.
inline constexpr Control kText1{"Text1", ControlKind::TextBox, {7810, 240, 2780, 1575}, L"",
                                kDefaultFont, System(SystemColor::WindowText),
                                {AccessibleRole::EditableText, L"News", L"", ""}};
// The news heading.
inline constexpr Control kLabel1{"Label1", ControlKind::Label, {8040, 0, 1095, 255}, L"News",
                                 kDefaultFont, System(SystemColor::ButtonText),
                                 {AccessibleRole::StaticText, L"News", L"", "Text1"}};
// "Start", a label pressed as a button. It follows the news box in the tab
// order, so that a player without a mouse can reach it; its focus cue and
// access key show only once the keyboard is used.
inline constexpr Control kLabel2{"Label2", ControlKind::Label, {1320, 720, 855, 375}, L"Start",
                                 {L"Verdana", 14.25, 700}, System(SystemColor::HighlightText),
                                 {AccessibleRole::PushButton, L"Start", L"Starts the game client", "", L"Alt+S"},
                                 System(SystemColor::Highlight), Beneath::Banner};
// The banner, unscaled; its leftmost 24 columns lie outside the window.
inline constexpr Control kImage1{"Image1", ControlKind::Picture, {-360, 0, 8070, 1845}, L"",
                                 kDefaultFont, System(SystemColor::WindowText),
                                 {AccessibleRole::Graphic, L"Banner", L"The game's banner picture", ""}};

// Where a label's access key stands in its text, the letter underlined
// where keyboard cues are shown; npos for none.
constexpr std::size_t AccessKeyIndex(const Control& control) {
    for (std::size_t i = 0; i < control.text.size(); ++i) {
        if (IsAccessKey(control.accessible, control.text[i])) return i;
    }
    return std::wstring_view::npos;
}
static_assert(AccessKeyIndex(kLabel2) == 0, "the S of \"Start\"");

// The controls assistive technology is shown, in reading order: the banner
// with "Start" on it, then the news column. The lines are not among them.
inline constexpr std::array<const Control*, 4> kAccessibleControls{&kImage1, &kLabel2, &kLabel1, &kText1};

// The controls that take the focus, in tab order: the news box (which has it
// when the window is first shown), then "Start".
inline constexpr std::array<const Control*, 2> kTabOrder{&kText1, &kLabel2};

// ---- Lines -----------------------------------------------------------------

// One pixel wide, solid, in the window-text colour.
struct Line {
    std::string_view name;
    int x1, y1, x2, y2;  // twips
};

// The pixels a line covers: from its first point up to, not including, its
// last; the window's edge cuts off what lies beyond it.
constexpr PixelRect ToPixels(const Line& line, double scale = 1.0) {
    const int x1 = ToPixels(line.x1, scale);
    const int y1 = ToPixels(line.y1, scale);
    const int x2 = ToPixels(line.x2, scale);
    const int y2 = ToPixels(line.y2, scale);
    const int width = x2 > x1 ? x2 - x1 : x1 - x2;
    const int height = y2 > y1 ? y2 - y1 : y1 - y2;
    const int thickness = ToPixels(kTwipsPerPixelAt96Dpi, scale) > 0 ? ToPixels(kTwipsPerPixelAt96Dpi, scale) : 1;
    return {x1 < x2 ? x1 : x2, y1 < y2 ? y1 : y2, width > 0 ? width : thickness, height > 0 ? height : thickness};
}

inline constexpr Color kLineColor = System(SystemColor::WindowText);
// The separator between the banner and the news column, x 520, y 0 to 119.
inline constexpr Line kLine1{"Line1", 7800, 0, 7800, 1800};
// The rule under the news heading, x 520 to the edge.
inline constexpr Line kLine2{"Line2", 7800, 240, 10680, 240};

// ---- Stacking --------------------------------------------------------------

// An element of the window: a control of the table, or a line.
struct Element {
    const Control* control;
    const Line* line;
    constexpr std::string_view Name() const { return control ? control->name : line->name; }
    constexpr PixelRect Pixels(double scale = 1.0) const {
        return control ? ToPixels(control->twips, scale) : ToPixels(*line, scale);
    }
};

// Front first: both front ends make and draw the window's elements in this
// order, back to front. The text box (a real control) lies above every
// drawn element; among the drawn ones an earlier entry is drawn over a later
// one.
inline constexpr std::array<Element, 6> kStackingFrontFirst{
    {{&kText1, nullptr}, {&kLabel1, nullptr}, {nullptr, &kLine2}, {nullptr, &kLine1}, {&kLabel2, nullptr}, {&kImage1, nullptr}}};

}  // namespace velk::layout
