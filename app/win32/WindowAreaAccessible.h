// The main window's client area for assistive technology (Microsoft Active
// Accessibility): the layout table's controls as simple elements ("Start" a
// push button pressed by its default action, "Press", or by Alt+S, focusable
// from the keyboard), but the news box, which is an object of its own.
#pragma once

#include "AccessibleBase.h"
#include "NewsBoxAccessible.h"

#include <functional>

namespace velk::win32 {

// What the client area's object asks of its window.
struct WindowAreaSide {
    HWND window;
    HWND newsBox;
    std::function<double()> scale;       // the window's current scale
    std::function<void()> press;         // presses "Start"
    std::function<bool()> startFocused;  // "Start" holds the window's focus
};

// The object, with one reference for the caller. It takes over the reference
// to `standard` (the window's standard client object) and adds one to `news`.
AccessibleBase* MakeWindowAreaAccessible(IAccessible* standard, NewsBoxAccessible* news, WindowAreaSide side);

// The child id of "Start", for the events that tell of it.
long StartChildId();

}  // namespace velk::win32
