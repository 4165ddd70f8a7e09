#include "FixedSize.h"

namespace velk::win32 {
namespace {

UINT RefitMessage() {
    static const UINT message = RegisterWindowMessageW(L"VelkLoader.Refit");
    return message;
}

}  // namespace

void FixedSize::TakeFrom(HWND window) {
    RECT outer{};
    GetWindowRect(window, &outer);
    own_ = {outer.right - outer.left, outer.bottom - outer.top};
}

bool FixedSize::Handle(HWND window, UINT message, WPARAM, LPARAM lParam, LRESULT* result) const {
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

}  // namespace velk::win32
