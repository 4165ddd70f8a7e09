#include "Form1Window.h"

#include "AppError.h"
#include "Form1Layout.h"
#include "HitTest.h"
#include "WindowsError.h"
#include "resource.h"

#include <windowsx.h>

namespace velk::win32 {
namespace {

constexpr wchar_t kClassName[] = L"VelkLoaderForm1";
constexpr wchar_t kOwnerProperty[] = L"VelkLoaderForm1";
// Posted by assistive technology's press of "Start": the click runs from the
// message loop, not inside the caller's request.
constexpr UINT kPressStartMessage = WM_APP + 1;
constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
constexpr DWORD kExStyle = 0;

// The per-monitor dpi calls exist from Windows 10 (1607) on; elsewhere the
// system dpi serves.
UINT DpiOf(HWND window) {
    using GetDpiForWindowFn = UINT(WINAPI*)(HWND);
    static const auto getDpiForWindow = reinterpret_cast<GetDpiForWindowFn>(
        reinterpret_cast<void (*)()>(GetProcAddress(GetModuleHandleW(L"user32.dll"), "GetDpiForWindow")));
    if (getDpiForWindow && window) return getDpiForWindow(window);
    const HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSX);
    ReleaseDC(nullptr, screen);
    return dpi > 0 ? static_cast<UINT>(dpi) : 96u;
}

RECT WindowRectFor(int clientWidth, int clientHeight, UINT dpi) {
    using AdjustFn = BOOL(WINAPI*)(LPRECT, DWORD, BOOL, DWORD, UINT);
    static const auto adjustForDpi = reinterpret_cast<AdjustFn>(
        reinterpret_cast<void (*)()>(GetProcAddress(GetModuleHandleW(L"user32.dll"), "AdjustWindowRectExForDpi")));
    RECT rect{0, 0, clientWidth, clientHeight};
    if (adjustForDpi) {
        adjustForDpi(&rect, kStyle, FALSE, kExStyle, dpi);
    } else {
        AdjustWindowRectEx(&rect, kStyle, FALSE, kExStyle);
    }
    return rect;
}

COLORREF ToColorRef(const layout::Color& color) {
    if (!color.isSystem) return RGB(color.red, color.green, color.blue);
    return GetSysColor(static_cast<int>(color.system));
}

RECT ToRect(const layout::PixelRect& r) { return {r.left, r.top, r.left + r.width, r.top + r.height}; }

// The edit control wants CR LF; a news item may hold bare line feeds.
std::wstring WithCrLf(const std::wstring& text) {
    std::wstring out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == L'\n' && (i == 0 || text[i - 1] != L'\r')) out += L'\r';
        out += text[i];
        if (text[i] == L'\r' && (i + 1 == text.size() || text[i + 1] != L'\n')) out += L'\n';
    }
    return out;
}

std::wstring ToWString(std::wstring_view text) { return std::wstring(text); }

}  // namespace

Form1Window::Form1Window(HINSTANCE instance) : instance_(instance), banner_(instance) {
    background_ = CreateSolidBrush(ToColorRef(layout::kBackground));
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = instance;
    windowClass.hIcon = static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(IDI_APPLICATION_ICON), IMAGE_ICON,
                                                      0, 0, LR_DEFAULTSIZE | LR_SHARED));
    windowClass.hIconSm = static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(IDI_APPLICATION_ICON), IMAGE_ICON,
                                                        GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON),
                                                        LR_SHARED));
    windowClass.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // IDC_ARROW
    windowClass.hbrBackground = background_;
    windowClass.lpszClassName = kClassName;
    RegisterClassExW(&windowClass);

    const std::wstring caption = ToWString(layout::kCaptionAtCreation);
    const UINT dpi = DpiOf(nullptr);
    scale_ = dpi / 96.0;
    const RECT outer = WindowRectFor(layout::ToPixels(layout::kClientWidthTwips, scale_),
                                     layout::ToPixels(layout::kClientHeightTwips, scale_), dpi);
    window_ = CreateWindowExW(kExStyle, kClassName, caption.c_str(), kStyle, CW_USEDEFAULT, CW_USEDEFAULT,
                              outer.right - outer.left, outer.bottom - outer.top, nullptr, nullptr, instance, this);
    if (!window_) throw AppError(L"Cannot create the main window: " + WindowsErrorText(GetLastError()) + L".");

    text1_ = CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", L"",
                             WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN, 0, 0,
                             0, 0, window_, nullptr, instance, nullptr);
    if (!text1_) throw AppError(L"Cannot create the news box: " + WindowsErrorText(GetLastError()) + L".");
    ApplyDpi(DpiOf(window_));

    // The news box answers assistive technology through the window's object
    // for it; everything else it does stays the EDIT control's own.
    accessibility_ = std::make_unique<Form1Accessibility>(
        window_, text1_, [this] { return scale_; }, [this] { PostMessageW(window_, kPressStartMessage, 0, 0); });
    SetPropW(text1_, kOwnerProperty, this);
    newsBoxProc_ = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(text1_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Form1Window::NewsBoxProc)));
}

Form1Window::~Form1Window() {
    if (window_) DestroyWindow(window_);
    accessibility_.reset();
    if (startFont_) DeleteObject(startFont_);
    if (uiFont_) DeleteObject(uiFont_);
    if (background_) DeleteObject(background_);
}

void Form1Window::SetCaption(const std::wstring& caption) { SetWindowTextW(window_, caption.c_str()); }

void Form1Window::PressStart() {
    if (startClick_) startClick_();
}

void Form1Window::SetNewsText(const std::wstring& news) { SetWindowTextW(text1_, WithCrLf(news).c_str()); }

void Form1Window::Show(int showCommand) {
    ShowWindow(window_, showCommand);
    UpdateWindow(window_);
    SetFocus(text1_);
}

// Fonts, the banner and the news box's place follow the monitor's dpi.
void Form1Window::ApplyDpi(UINT dpi) {
    scale_ = dpi / 96.0;
    const layout::PixelRect image = layout::ToPixels(layout::kImage1.twips, scale_);
    banner_.ScaleTo(image.width, image.height);
    if (startFont_) DeleteObject(startFont_);
    if (uiFont_) DeleteObject(uiFont_);

    const layout::Font& start = layout::kLabel2.font;
    const std::wstring face = ToWString(start.face);
    startFont_ = CreateFontW(-layout::PointsToPixels(start.points, scale_), 0, 0, 0, start.weight, FALSE, FALSE, FALSE,
                             ANSI_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY,
                             DEFAULT_PITCH | FF_SWISS, face.c_str());

    // The default user-interface font: the one message boxes use.
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
    metrics.lfMessageFont.lfHeight = static_cast<LONG>(metrics.lfMessageFont.lfHeight * scale_ * 96.0 / DpiOf(nullptr));
    uiFont_ = CreateFontIndirectW(&metrics.lfMessageFont);

    const RECT box = ToRect(layout::ToPixels(layout::kText1.twips, scale_));
    MoveWindow(text1_, box.left, box.top, box.right - box.left, box.bottom - box.top, TRUE);
    SendMessageW(text1_, WM_SETFONT, reinterpret_cast<WPARAM>(uiFont_), TRUE);
    InvalidateRect(window_, nullptr, TRUE);
}

// Back to front, as the stacking order says; the news box, a child window,
// is drawn by itself on top.
void Form1Window::Paint(HDC dc) const {
    RECT client{};
    GetClientRect(window_, &client);
    FillRect(dc, &client, background_);

    const layout::PixelRect image = layout::ToPixels(layout::kImage1.twips, scale_);
    banner_.Draw(dc, image.left, image.top);

    SetBkMode(dc, TRANSPARENT);
    auto drawLabel = [&](const layout::Control& label, HFONT font) {
        RECT rect = ToRect(layout::ToPixels(label.twips, scale_));
        const HGDIOBJ previous = SelectObject(dc, font);
        SetTextColor(dc, ToColorRef(label.textColor));
        const std::wstring text = ToWString(label.text);
        DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &rect, DT_LEFT | DT_TOP | DT_NOPREFIX);
        SelectObject(dc, previous);
    };
    auto drawLine = [&](const layout::Line& line) {
        const RECT rect = ToRect(layout::ToPixels(line, scale_));
        FillRect(dc, &rect, GetSysColorBrush(static_cast<int>(layout::kLineColor.system)));
    };
    drawLabel(layout::kLabel2, startFont_);
    drawLine(layout::kLine1);
    drawLine(layout::kLine2);
    drawLabel(layout::kLabel1, uiFont_);
}

LRESULT CALLBACK Form1Window::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* self = static_cast<Form1Window*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
        self->window_ = window;
    }
    auto* self = reinterpret_cast<Form1Window*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    return self ? self->Handle(message, wParam, lParam) : DefWindowProcW(window, message, wParam, lParam);
}

LRESULT CALLBACK Form1Window::NewsBoxProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = static_cast<Form1Window*>(GetPropW(window, kOwnerProperty));
    if (!self) return DefWindowProcW(window, message, wParam, lParam);
    if (message == WM_GETOBJECT && self->accessibility_) {
        if (const LRESULT answer = self->accessibility_->AnswerNewsBox(wParam, lParam)) return answer;
    }
    if (message == WM_NCDESTROY) RemovePropW(window, kOwnerProperty);
    return CallWindowProcW(self->newsBoxProc_, window, message, wParam, lParam);
}

LRESULT Form1Window::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_PAINT: {
        // Drawn off screen first, so nothing flickers.
        PAINTSTRUCT paint{};
        const HDC dc = BeginPaint(window_, &paint);
        RECT client{};
        GetClientRect(window_, &client);
        const HDC buffer = CreateCompatibleDC(dc);
        const HBITMAP bitmap = CreateCompatibleBitmap(dc, client.right, client.bottom);
        const HGDIOBJ previous = SelectObject(buffer, bitmap);
        Paint(buffer);
        BitBlt(dc, 0, 0, client.right, client.bottom, buffer, 0, 0, SRCCOPY);
        SelectObject(buffer, previous);
        DeleteObject(bitmap);
        DeleteDC(buffer);
        EndPaint(window_, &paint);
        return 0;
    }
    case WM_PRINTCLIENT:  // PrintWindow, magnifiers and screenshots
        Paint(reinterpret_cast<HDC>(wParam));
        return 0;
    case WM_ERASEBKGND:
        return 1;  // WM_PAINT covers every pixel
    case WM_CTLCOLOREDIT:
        break;  // the news box keeps the platform's own colours
    case WM_LBUTTONDOWN:
        pressedOnStart_ = layout::IsStartClick(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam), scale_);
        if (pressedOnStart_) SetCapture(window_);
        return 0;
    case WM_LBUTTONUP: {
        const bool click = pressedOnStart_ && layout::IsStartClick(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam), scale_);
        pressedOnStart_ = false;
        ReleaseCapture();
        if (click) PressStart();
        return 0;
    }
    case kPressStartMessage:
        PressStart();
        return 0;
    case WM_GETOBJECT:
        if (accessibility_) {
            if (const LRESULT answer = accessibility_->AnswerWindow(wParam, lParam)) return answer;
        }
        break;
    case WM_ACTIVATE:
        if (LOWORD(wParam) != WA_INACTIVE) SetFocus(text1_);
        return 0;
    case WM_DPICHANGED: {
        // Everything at the new scale before the window is resized, so that
        // no paint at the old scale follows. The suggested rectangle places
        // the window on its new monitor; its size is the layout's own at the
        // new dpi, which the system's linear estimate may miss by a pixel.
        const UINT dpi = HIWORD(wParam);
        ApplyDpi(dpi);
        const auto* suggested = reinterpret_cast<const RECT*>(lParam);
        const int width = layout::ToPixels(layout::kClientWidthTwips, scale_);
        const int height = layout::ToPixels(layout::kClientHeightTwips, scale_);
        const RECT outer = WindowRectFor(width, height, dpi);
        SetWindowPos(window_, nullptr, suggested->left, suggested->top, outer.right - outer.left,
                     outer.bottom - outer.top, SWP_NOZORDER | SWP_NOACTIVATE);
        // Where the frame the system drew is not the one asked about (a
        // system that scales frames at its own dpi only), fit to the frame.
        RECT client{};
        GetClientRect(window_, &client);
        if (client.right != width || client.bottom != height) {
            SetWindowPos(window_, nullptr, 0, 0, outer.right - outer.left + width - client.right,
                         outer.bottom - outer.top + height - client.bottom,
                         SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOMOVE);
        }
        return 0;
    }
    case WM_DESTROY:
        if (accessibility_) accessibility_->Disconnect();
        PostQuitMessage(0);
        return 0;
    default:
        break;
    }
    return DefWindowProcW(window_, message, wParam, lParam);
}

}  // namespace velk::win32
