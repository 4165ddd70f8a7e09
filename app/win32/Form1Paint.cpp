// The main window's painting: the banner, the labels in the looks that read
// in the player's colours, the lines and the focus rectangle, in the table's
// stacking order.
#include "Form1.h"

#include "Form1Layout.h"

namespace velk::win32 {
namespace {

COLORREF ToColorRef(const layout::Color& color) {
    if (!color.isSystem) return RGB(color.red, color.green, color.blue);
    return GetSysColor(static_cast<int>(color.system));
}

layout::Rgb8 SystemScheme(layout::SystemColor color) {
    const COLORREF value = GetSysColor(static_cast<int>(color));
    return {GetRValue(value), GetGValue(value), GetBValue(value)};
}

RECT ToRect(const layout::PixelRect& r) { return {r.left, r.top, r.left + r.width, r.top + r.height}; }

}  // namespace

void Form1::TakeColors() {
    startLook_ = layout::LookOf(layout::kLabel2, &SystemScheme);
    headingLook_ = layout::LookOf(layout::kLabel1, &SystemScheme);
}

void Form1::Paint(HDC dc) const {
    RECT client{};
    GetClientRect(Handle(), &client);
    FillRect(dc, &client, background_.get());

    SetBkMode(dc, TRANSPARENT);
    // A label's access key is underlined only while the window's UI state
    // shows access keys; otherwise its text is drawn as it is.
    auto drawLabel = [&](const layout::Control& label, const layout::LabelLook& look, HFONT font) {
        RECT rect = ToRect(layout::ToPixels(label.twips, scale_));
        if (look.filled) {
            const OwnedBrush fill(CreateSolidBrush(ToColorRef(look.fill)));
            FillRect(dc, &rect, fill.get());
        }
        const HGDIOBJ previous = SelectObject(dc, font);
        SetTextColor(dc, ToColorRef(look.text));
        std::wstring text(label.text);
        UINT format = DT_LEFT | DT_TOP | DT_NOPREFIX;
        const std::size_t key = layout::AccessKeyIndex(label);
        if (key != std::wstring::npos && !(hiddenCues_ & UISF_HIDEACCEL)) {
            text.insert(key, 1, L'&');
            format = DT_LEFT | DT_TOP;
        }
        DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &rect, format);
        SelectObject(dc, previous);
    };
    auto drawLine = [&](const layout::Line& line) {
        const RECT rect = ToRect(layout::ToPixels(line, scale_));
        FillRect(dc, &rect, GetSysColorBrush(static_cast<int>(layout::kLineColor.system)));
    };
    // Back to front, as the table stacks them; the banner is drawn first, the
    // news box (a child window) draws itself on top.
    for (auto element = layout::kStackingFrontFirst.rbegin(); element != layout::kStackingFrontFirst.rend(); ++element) {
        if (element->line) {
            drawLine(*element->line);
        } else if (element->control->kind == layout::ControlKind::Picture) {
            const layout::PixelRect image = element->Pixels(scale_);
            image1_.Draw(dc, image.left, image.top);
        } else if (element->control->kind == layout::ControlKind::Label) {
            const bool start = element->control == &layout::kLabel2;
            drawLabel(*element->control, start ? startLook_ : headingLook_, start ? startFont_.get() : uiFont_.get());
        }
    }
    if (startFocused_ && GetFocus() == Handle() && !(hiddenCues_ & UISF_HIDEFOCUS)) {
        const RECT start = ToRect(layout::ToPixels(layout::kLabel2.twips, scale_));
        SetTextColor(dc, RGB(0, 0, 0));  // DrawFocusRect inverts; these make it visible on any picture
        SetBkColor(dc, RGB(255, 255, 255));
        DrawFocusRect(dc, &start);
    }
}

}  // namespace velk::win32
