// A window of one size, as a window manager cannot be stopped from offering
// others: a size it did not ask for (full screen, maximized, a pager's
// resize) is refused, and once the change is through the window sets its own
// size again, so that the window system hears of it (under Wine, the X
// window manager then drops a full-screen state). Minimizing is not sizing.
#pragma once

#include <windows.h>

namespace velk::win32 {

class FixedSize {
public:
    // From now on, the window's outer size as it is now (frame and all) is
    // its own.
    void TakeFrom(HWND window);
    // While the window sets a new size of its own, nothing holds the old.
    void Suspend(bool suspended) { suspended_ = suspended; }

    // Takes WM_GETMINMAXINFO, WM_WINDOWPOSCHANGING and its own refit
    // message; true when `message` was answered here (the answer in
    // *result), false when the window handles it as it would anyway.
    bool Handle(HWND window, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) const;

private:
    bool Holding() const { return !suspended_ && own_.cx > 0; }

    SIZE own_{};
    bool suspended_ = false;
};

}  // namespace velk::win32
