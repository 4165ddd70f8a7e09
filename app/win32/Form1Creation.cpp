// The main window's making and its size: the window class, the window and
// its news box, and how both follow the dpi of the monitor they are on.
#include "Form1.h"

#include "AppError.h"
#include "Form1Layout.h"
#include "SystemLibrary_win32.h"
#include "WideResources.h"
#include "WindowsError.h"
#include "resource.h"

namespace velk::win32 {
namespace {

constexpr wchar_t kClassName[] = L"VelkLoaderForm1";
constexpr wchar_t kOwnerProperty[] = L"VelkLoaderForm1";
constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
constexpr DWORD kExStyle = 0;

static_assert(!layout::kBackground.isSystem, "the background brush is made from its RGB value");

// Once per process. No class brush: the window paints every pixel itself,
// and a brush of one window's would outlive it in the class.
void RegisterWindowClass(HINSTANCE instance, WNDPROC procedure) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    // CS_DBLCLKS: the second click of a double-click comes as its own
    // message, which begins no new click.
    windowClass.style = CS_DBLCLKS;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = instance;
    windowClass.hIcon = static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(IDI_APPLICATION_ICON), IMAGE_ICON,
                                                      0, 0, LR_DEFAULTSIZE | LR_SHARED));
    windowClass.hIconSm = static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(IDI_APPLICATION_ICON), IMAGE_ICON,
                                                        GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON),
                                                        LR_SHARED));
    windowClass.hCursor = LoadCursorW(nullptr, kArrowCursor);
    windowClass.lpszClassName = kClassName;
    RegisterClassExW(&windowClass);  // fails harmlessly once it is registered
}

RECT WindowRectFor(int clientWidth, int clientHeight, UINT dpi) {
    using AdjustFn = BOOL(WINAPI*)(LPRECT, DWORD, BOOL, DWORD, UINT);
    static const auto adjustForDpi = LibraryEntry<AdjustFn>(GetModuleHandleW(L"user32.dll"), "AdjustWindowRectExForDpi");
    RECT rect{0, 0, clientWidth, clientHeight};
    if (adjustForDpi) {
        adjustForDpi(&rect, kStyle, FALSE, kExStyle, dpi);
    } else {
        AdjustWindowRectEx(&rect, kStyle, FALSE, kExStyle);
    }
    return rect;
}

}  // namespace

// The per-monitor dpi calls exist from Windows 10 (1607) on; elsewhere the
// system dpi serves.
UINT Form1::DpiOf(HWND window) {
    using GetDpiForWindowFn = UINT(WINAPI*)(HWND);
    static const auto getDpiForWindow = LibraryEntry<GetDpiForWindowFn>(GetModuleHandleW(L"user32.dll"), "GetDpiForWindow");
    if (getDpiForWindow && window) return getDpiForWindow(window);
    const HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSX);
    ReleaseDC(nullptr, screen);
    return dpi > 0 ? static_cast<UINT>(dpi) : 96u;
}

Form1::Form1(HINSTANCE instance, DpiSource dpiOf)
    : instance_(instance),
      dpiOf_(dpiOf),
      image1_(instance),
      background_(CreateSolidBrush(RGB(layout::kBackground.red, layout::kBackground.green, layout::kBackground.blue))) {
    RegisterWindowClass(instance, &Form1::WindowProc);
    // Made at the system's dpi, where the system places it; sized for the
    // dpi of the monitor it lands on as soon as it exists.
    const UINT systemDpi = dpiOf_(nullptr);
    const SIZE outer = OuterSize(systemDpi);
    const std::wstring caption(layout::kCaptionAtCreation);
    if (!CreateWindowExW(kExStyle, kClassName, caption.c_str(), kStyle, CW_USEDEFAULT, CW_USEDEFAULT, outer.cx, outer.cy,
                         nullptr, nullptr, instance, this)) {
        throw AppError(L"Cannot create the main window: " + WindowsErrorText(GetLastError()) + L".");
    }
    text1_ = CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", L"",
                             WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN, 0, 0,
                             0, 0, Handle(), nullptr, instance, nullptr);
    if (!text1_) throw AppError(L"Cannot create the news box: " + WindowsErrorText(GetLastError()) + L".");
    FitToDpi(dpiOf_(Handle()), nullptr);
    TakeColors();

    // The news box answers assistive technology through the window's object
    // for it; everything else it does stays the EDIT control's own.
    accessibility_ = std::make_unique<Form1Accessibility>(
        WindowAreaSide{Handle(), text1_, [this] { return scale_; }, [this] { PostMessageW(Handle(), kPressStartMessage, 0, 0); },
                   [this] { return startFocused_; }});
    SetPropW(text1_, kOwnerProperty, this);
    newsBoxProc_ = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(text1_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Form1::NewsBoxProc)));
}

Form1::~Form1() {
    if (text1_ && newsBoxProc_) {
        SetWindowLongPtrW(text1_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(newsBoxProc_));
        RemovePropW(text1_, kOwnerProperty);
    }
    window_.reset();
}

LRESULT CALLBACK Form1::NewsBoxProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = static_cast<Form1*>(GetPropW(window, kOwnerProperty));
    if (!self) return DefWindowProcW(window, message, wParam, lParam);
    if (message == WM_GETOBJECT && self->accessibility_) {
        if (const LRESULT answer = self->accessibility_->AnswerNewsBox(wParam, lParam)) return answer;
    }
    if (message == WM_NCDESTROY) RemovePropW(window, kOwnerProperty);
    // Tab leaves the box (no tab is typed) and the access key presses Start.
    if ((message == WM_KEYDOWN || message == WM_SYSKEYDOWN || message == WM_SYSCHAR) &&
        self->TakeKey(message, wParam, lParam)) {
        return 0;
    }
    if (message == WM_CHAR && wParam == L'\t') return 0;
    if (message == WM_SETFOCUS) self->startFocused_ = false;  // also when clicked into
    return CallWindowProcW(self->newsBoxProc_, window, message, wParam, lParam);
}

SIZE Form1::OuterSize(UINT dpi) const {
    const double scale = dpi / 96.0;
    const RECT outer = WindowRectFor(layout::ToPixels(layout::kClientWidthTwips, scale),
                                     layout::ToPixels(layout::kClientHeightTwips, scale), dpi);
    return {outer.right - outer.left, outer.bottom - outer.top};
}

// Everything at the new scale before the window is resized, so that no paint
// at the old scale follows; then the layout's own size at the new dpi, which
// the system's linear estimate may miss by a pixel.
void Form1::FitToDpi(UINT dpi, const POINT* at) {
    fixedSize_.Suspend(true);
    ApplyDpi(dpi);
    const int width = layout::ToPixels(layout::kClientWidthTwips, scale_);
    const int height = layout::ToPixels(layout::kClientHeightTwips, scale_);
    const SIZE outer = OuterSize(dpi);
    const UINT move = at ? 0u : static_cast<UINT>(SWP_NOMOVE);
    SetWindowPos(Handle(), nullptr, at ? at->x : 0, at ? at->y : 0, outer.cx, outer.cy, SWP_NOZORDER | SWP_NOACTIVATE | move);
    // Where the frame the system drew is not the one asked about (a system
    // that scales frames at its own dpi only), fit to the frame.
    RECT client{};
    GetClientRect(Handle(), &client);
    if (client.right != width || client.bottom != height) {
        SetWindowPos(Handle(), nullptr, 0, 0, outer.cx + width - client.right, outer.cy + height - client.bottom,
                     SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOMOVE);
    }
    fixedSize_.TakeFrom(Handle());
    fixedSize_.Suspend(false);
}

// Fonts, the banner and the news box's place follow the monitor's dpi. A new
// font is handed to the news box before the old one goes.
void Form1::ApplyDpi(UINT dpi) {
    scale_ = dpi / 96.0;
    const layout::PixelRect image = layout::ToPixels(layout::kImage1.twips, scale_);
    image1_.ScaleTo(image.width, image.height);

    const layout::Font& start = layout::kLabel2.font;
    const std::wstring face(start.face);
    startFont_.reset(CreateFontW(-layout::PointsToPixels(start.points, scale_), 0, 0, 0, start.weight, FALSE, FALSE,
                                 FALSE, ANSI_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY,
                                 DEFAULT_PITCH | FF_SWISS, face.c_str()));

    // The default user-interface font: the one message boxes use.
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
    metrics.lfMessageFont.lfHeight = static_cast<LONG>(metrics.lfMessageFont.lfHeight * scale_ * 96.0 / dpiOf_(nullptr));
    OwnedFont uiFont(CreateFontIndirectW(&metrics.lfMessageFont));

    const layout::PixelRect box = layout::ToPixels(layout::kText1.twips, scale_);
    MoveWindow(text1_, box.left, box.top, box.width, box.height, TRUE);
    SendMessageW(text1_, WM_SETFONT, reinterpret_cast<WPARAM>(uiFont.get()), TRUE);
    uiFont_ = std::move(uiFont);
    InvalidateRect(Handle(), nullptr, TRUE);
}

}  // namespace velk::win32
