// Wine 8.0's sizable message boxes answered: each dialog of the thread
// subclassed at its first activation and held at its size (FixedSize).
#include "WineDialogSize.h"

#include "FixedSize.h"

namespace velk::win32 {
namespace {

// A dialog of this thread held at its size: its own procedure wrapped.
struct HeldDialog {
    WNDPROC procedure;
    FixedSize size;
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

WineDialogSize::WineDialogSize(bool underWine)
    : hook_(!underWine || dialogHook ? nullptr
                                     : SetWindowsHookExW(WH_CBT, &OnDialogActivated, nullptr, GetCurrentThreadId())) {
    if (hook_) dialogHook = hook_;
}

WineDialogSize::~WineDialogSize() {
    if (!hook_) return;
    UnhookWindowsHookEx(hook_);
    dialogHook = nullptr;
}

}  // namespace velk::win32
