// The main window's behaviour: its messages and its keys.
#include "Form1.h"

#include "Form1Layout.h"
#include "HitTest.h"
#include "WideResources.h"

#include <windowsx.h>

namespace velk::win32 {
namespace {

// The window's two focus stops, which Tab and Shift+Tab lead between, are
// the table's tab order.
static_assert(layout::kTabOrder.size() == 2 && layout::kTabOrder[0] == &layout::kText1 &&
              layout::kTabOrder[1] == &layout::kLabel2);

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

HCURSOR BusyCursor() { return LoadCursorW(nullptr, kBusyCursor); }

}  // namespace

void Form1::SetCaption(const std::wstring& caption) { SetWindowTextW(Handle(), caption.c_str()); }

void Form1::SetNewsText(const std::wstring& news) { SetWindowTextW(text1_, WithCrLf(news).c_str()); }

void Form1::PressStart() {
    if (press_) press_->Press();
}

void Form1::Show(int showCommand) {
    ShowWindow(Handle(), showCommand);
    UpdateWindow(Handle());
    SetFocus(text1_);
}

void Form1::FocusStart() {
    startFocused_ = true;
    SetFocus(Handle());
    InvalidateRect(Handle(), nullptr, FALSE);
    if (accessibility_) accessibility_->NotifyStartFocused(Handle());
}

void Form1::FocusNewsBox() {
    startFocused_ = false;
    SetFocus(text1_);
    InvalidateRect(Handle(), nullptr, FALSE);
}

// The window's UI state is kept here: cues hidden when it is first shown
// (whatever key closed the welcome box), Tab shows the focus rectangle and
// Alt the access key from then on; the system may hide them again
// (WM_UPDATEUISTATE), never show them.
void Form1::TakeCues(UINT message, WPARAM wParam) {
    WORD shown = 0;
    WORD hidden = 0;
    if (message == WM_KEYDOWN && wParam == VK_TAB) shown = UISF_HIDEFOCUS;
    if (message == WM_SYSKEYDOWN && wParam == VK_MENU) shown = UISF_HIDEACCEL;
    if (message == WM_UPDATEUISTATE && LOWORD(wParam) == UIS_SET) {
        hidden = static_cast<WORD>(HIWORD(wParam) & (UISF_HIDEFOCUS | UISF_HIDEACCEL));
    }
    const auto cues = static_cast<WORD>((hiddenCues_ & ~shown) | hidden);
    if (cues == hiddenCues_) return;
    hiddenCues_ = cues;
    InvalidateRect(Handle(), nullptr, FALSE);
    // The system keeps the state too, for the window's children.
    if (shown) SendMessageW(Handle(), WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, shown), 0);
}

namespace {

// Bit 30 of a key message: the key was down before, so the system repeats it.
bool Repeated(LPARAM flags) { return (static_cast<DWORD>(flags) & (1u << 30)) != 0; }

// Windows' keys in the terms of the press owner; the keypad's Enter is
// VK_RETURN with the extended-key flag (bit 24).
StartKey StartKeyOf(WPARAM key, LPARAM flags) {
    if (key == VK_SPACE) return StartKey::Space;
    if (key != VK_RETURN) return StartKey::Other;
    return (static_cast<DWORD>(flags) & (1u << 24)) ? StartKey::Enter : StartKey::Return;
}

// The modifiers held when the message was sent (the queue's key state); Alt
// is the message's own: WM_SYS* messages come with Alt down.
KeyModifiers ModifiersOf(UINT message) {
    const auto down = [](int key) { return GetKeyState(key) < 0; };
    return {down(VK_SHIFT), down(VK_CONTROL), message == WM_SYSKEYDOWN || message == WM_SYSCHAR,
            down(VK_LWIN) || down(VK_RWIN)};
}

// A window message in the press owner's terms.
HeldInput HeldInputOf(const MSG& message) {
    if (message.message == WM_SYSKEYDOWN && message.wParam == VK_F4) return HeldInput::CloseKey;
    if (message.message == WM_LBUTTONDOWN || message.message == WM_LBUTTONDBLCLK) return HeldInput::PrimaryButtonDown;
    return HeldInput::Other;
}

}  // namespace

void Form1::EndCapture() {
    if (GetCapture() == Handle()) ReleaseCapture();
}

bool Form1::PointerDown(const MSG& message) {
    if (!press_ || message.hwnd != Handle()) return false;
    const bool onStart = layout::IsStartClick(GET_X_LPARAM(message.lParam), GET_Y_LPARAM(message.lParam), scale_);
    return press_->PointerDown(onStart, static_cast<InputTime>(message.time), static_cast<InputTime>(GetDoubleClickTime()));
}

void Form1::Hold(const MSG& message) {
    const HeldInputFate fate = FateOf(HeldInputOf(message));
    if (fate.counted) PointerDown(message);
    if (fate.delivered) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

void Form1::SettleHeldInput() {
    MSG message{};
    while (PeekMessageW(&message, nullptr, WM_KEYFIRST, WM_KEYLAST, PM_REMOVE)) Hold(message);
    while (PeekMessageW(&message, nullptr, WM_MOUSEFIRST, WM_MOUSELAST, PM_REMOVE)) Hold(message);
}

bool Form1::TakeKey(UINT message, WPARAM key, LPARAM flags) {
    TakeCues(message, key);
    if (message == WM_KEYDOWN && key == VK_TAB) {
        // Two stops, so Tab and Shift+Tab both lead to the other.
        if (startFocused_ && GetFocus() == Handle()) {
            FocusNewsBox();
        } else {
            FocusStart();
        }
        return true;
    }
    if (message == WM_SYSCHAR && key <= 0xFFFF && press_ &&
        press_->AccessKeyDown(static_cast<wchar_t>(key), ModifiersOf(message), Repeated(flags))) {
        EndCapture();
        return true;
    }
    return false;
}

// The pointer changes at once where it is over the window, not only when it
// next moves.
// An error has been reported while the window still existed (destroying it
// first would post the quit message that closes the error box at once).
void Form1::End(int status) {
    endStatus_ = status;
    if (window_) DestroyWindow(window_.get());
}

void Form1::ShowBusy(bool busy) {
    busy_ = busy;
    POINT at{};
    if (!GetCursorPos(&at)) return;
    const HWND under = WindowFromPoint(at);
    if (under == Handle() || under == text1_) SendMessageW(under, WM_SETCURSOR, reinterpret_cast<WPARAM>(under),
                                                           MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
}

LRESULT CALLBACK Form1::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* self = static_cast<Form1*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
        self->window_.reset(window);
    }
    auto* self = reinterpret_cast<Form1*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!self) return DefWindowProcW(window, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        // Gone: nothing may reach the owner through it any more.
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        (void)self->window_.release();
        self->text1_ = nullptr;
        return DefWindowProcW(window, message, wParam, lParam);
    }
    return self->HandleMessage(message, wParam, lParam);
}

LRESULT Form1::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    const HWND window = Handle();
    if (LRESULT result = 0; fixedSize_.Handle(window, message, wParam, lParam, &result)) return result;
    switch (message) {
    case WM_PAINT: {
        // Drawn off screen first, so nothing flickers.
        PAINTSTRUCT paint{};
        const HDC dc = BeginPaint(window, &paint);
        RECT client{};
        GetClientRect(window, &client);
        const HDC buffer = CreateCompatibleDC(dc);
        const OwnedBitmap bitmap(CreateCompatibleBitmap(dc, client.right, client.bottom));
        const HGDIOBJ previous = SelectObject(buffer, bitmap.get());
        Paint(buffer);
        BitBlt(dc, 0, 0, client.right, client.bottom, buffer, 0, 0, SRCCOPY);
        SelectObject(buffer, previous);
        DeleteDC(buffer);
        EndPaint(window, &paint);
        return 0;
    }
    case WM_PRINTCLIENT:  // PrintWindow, magnifiers and screenshots
        Paint(reinterpret_cast<HDC>(wParam));
        return 0;
    case WM_ERASEBKGND:
        return 1;  // WM_PAINT covers every pixel
    case WM_SETCURSOR:
        // Over the window and its news box alike (the news box asks here first).
        if (busy_ && LOWORD(lParam) == HTCLIENT) {
            SetCursor(BusyCursor());
            return TRUE;
        }
        break;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: {
        const MSG down{window, message, wParam, lParam, static_cast<DWORD>(GetMessageTime()), {}};
        if (PointerDown(down)) SetCapture(window);
        return 0;
    }
    case WM_LBUTTONUP:
        ReleaseCapture();
        if (press_) press_->PointerUp(layout::IsStartClick(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam), scale_));
        return 0;
    case kPressStartMessage:
        PressStart();
        return 0;
    case WM_CLOSE:
        if (press_ && !press_->Close()) return 0;  // hidden now, ended after the press
        break;
    case WM_GETOBJECT:
        if (accessibility_) {
            if (const LRESULT answer = accessibility_->AnswerWindow(wParam, lParam)) return answer;
        }
        break;
    case WM_ACTIVATE:
        if (LOWORD(wParam) != WA_INACTIVE) SetFocus(startFocused_ ? window : text1_);
        return 0;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        InvalidateRect(window, nullptr, FALSE);  // the focus rectangle comes and goes with it
        break;
    case WM_KEYDOWN:
        if (TakeKey(message, wParam, lParam)) return 0;
        if (startFocused_ && press_ &&
            press_->FocusedKeyDown(StartKeyOf(wParam, lParam), ModifiersOf(message), Repeated(lParam))) {
            EndCapture();
            return 0;
        }
        break;
    case WM_CHAR:
        return 0;  // nothing is typed on "Start"
    case WM_SYSKEYDOWN:
    case WM_SYSCHAR:
        if (TakeKey(message, wParam, lParam)) return 0;
        break;
    case WM_UPDATEUISTATE:
        TakeCues(message, wParam);
        break;
    case WM_SYSCOLORCHANGE:
    case WM_THEMECHANGED:
        // The player's colours changed: the news box, a child, is told only
        // through its window; the labels take the look that reads now.
        SendMessageW(text1_, message, wParam, lParam);
        TakeColors();
        RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
        return 0;
    case WM_DPICHANGED: {
        const auto* suggested = reinterpret_cast<const RECT*>(lParam);
        const POINT at{suggested->left, suggested->top};
        FitToDpi(HIWORD(wParam), &at);
        return 0;
    }
    case WM_GETDPISCALEDSIZE: {
        // The layout's exact size at the new dpi, in place of the system's
        // linear estimate.
        *reinterpret_cast<SIZE*>(lParam) = OuterSize(static_cast<UINT>(wParam));
        return TRUE;
    }
    case WM_DESTROY:
        if (accessibility_) accessibility_->Disconnect();
        PostQuitMessage(0);
        return 0;
    default:
        break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace velk::win32
