#include "FixedWindowSize.h"

namespace velk::win32 {
namespace {

UINT RefitMessage() {
    static const UINT message = RegisterWindowMessageW(L"VelkLoader.Refit");
    return message;
}

}  // namespace

void FixedWindowSize::TakeFrom(HWND window) {
    RECT outer{};
    GetWindowRect(window, &outer);
    own_ = {outer.right - outer.left, outer.bottom - outer.top};
}

bool FixedWindowSize::Handle(HWND window, UINT message, WPARAM, LPARAM lParam, LRESULT* result) const {
    if (message == WM_GETMINMAXINFO && Holding()) {
        auto* limits = reinterpret_cast<MINMAXINFO*>(lParam);
        limits->ptMinTrackSize = limits->ptMaxTrackSize = limits->ptMaxSize = {own_.cx, own_.cy};
        *result = 0;
        return true;
    }
    if (message == WM_WINDOWPOSCHANGING && Holding()) {
        auto* position = reinterpret_cast<WINDOWPOS*>(lParam);
        if (!(position->flags & SWP_NOSIZE) && !IsIconic(window) &&
            (position->cx != own_.cx || position->cy != own_.cy)) {
            position->cx = own_.cx;
            position->cy = own_.cy;
            PostMessageW(window, RefitMessage(), 0, 0);
        }
        return false;  // the window's own handling goes on with the size kept
    }
    if (message == RefitMessage() && Holding()) {
        SetWindowPos(window, nullptr, 0, 0, own_.cx, own_.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
        *result = 0;
        return true;
    }
    return false;
}

namespace {

// A dialog of this thread held at its size: its own procedure wrapped.
struct HeldDialog {
    WNDPROC procedure;
    FixedWindowSize size;
};

constexpr wchar_t kHeldProperty[] = L"VelkLoader.HeldDialog";

LRESULT CALLBACK HeldDialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* held = static_cast<HeldDialog*>(GetPropW(window, kHeldProperty));
    if (!held) return DefWindowProcW(window, message, wParam, lParam);
    const WNDPROC procedure = held->procedure;
    LRESULT result = 0;
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(procedure));
        RemovePropW(window, kHeldProperty);
        delete held;
    } else if (message == WM_DPICHANGED) {
        // The dialog's own handling sizes it for the new dpi: that size is
        // its own from then on.
        held->size.Suspend(true);
        result = CallWindowProcW(procedure, window, message, wParam, lParam);
        held->size.TakeFrom(window);
        held->size.Suspend(false);
        return result;
    } else if (held->size.Handle(window, message, wParam, lParam, &result)) {
        return result;
    }
    return CallWindowProcW(procedure, window, message, wParam, lParam);
}

LRESULT CALLBACK OnDialogActivated(int code, WPARAM wParam, LPARAM lParam) {
    const auto window = reinterpret_cast<HWND>(wParam);
    wchar_t className[8] = {};
    if (code == HCBT_ACTIVATE && !GetPropW(window, kHeldProperty) && GetClassNameW(window, className, 8) &&
        lstrcmpW(className, L"#32770") == 0) {
        auto* held = new HeldDialog{nullptr, {}};
        held->size.TakeFrom(window);
        SetPropW(window, kHeldProperty, held);
        held->procedure = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&HeldDialogProc)));
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

thread_local HHOOK dialogHook = nullptr;

}  // namespace

FixedWindowSize::DialogsKept::DialogsKept()
    : hook_(dialogHook ? nullptr : SetWindowsHookExW(WH_CBT, &OnDialogActivated, nullptr, GetCurrentThreadId())) {
    if (hook_) dialogHook = hook_;
}

FixedWindowSize::DialogsKept::~DialogsKept() {
    if (!hook_) return;
    UnhookWindowsHookEx(hook_);
    dialogHook = nullptr;
}

}  // namespace velk::win32
