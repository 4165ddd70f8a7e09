// Windows of one size (the main window, the message boxes) stay at that
// size, as on Windows, where they have no maximize button: whatever a window
// manager or compositor does to them, they return to the size they were
// fixed at, at a place the desktop chose.
//  - X11: the size limits never move; a maximized or full-screen state that
//    a window manager grants anyway is asked away at once, and the window
//    sized back.
//  - Wayland: as WaylandSizeRules.h decides, with the size limits announced
//    frame included (WaylandFrameSize.h).
#pragma once

class QWidget;

namespace velk::qt {

// From now on, for as long as `window` lives. The size is the one `window`
// is fixed at (minimum = maximum) when it is first asked to grow.
void KeepFixedSize(QWidget* window);

}  // namespace velk::qt
