// Windows of one size (the main window, the message boxes) stay at that
// size, as on Windows, where they have no maximize button: whatever a window
// manager or compositor does to them, they return to the size they were
// fixed at, at a place the desktop chose.
//  - X11: the size limits never move; a maximized or full-screen state that
//    a window manager grants anyway is asked away at once, and the window
//    sized back.
//  - Wayland: where Qt draws the frame itself, that frame offers a maximize
//    button regardless, and a strict compositor ends a client that does not
//    take the maximized size. So the request is let through: the limits are
//    lifted until the first frame at the granted size is drawn, then the
//    state is taken back and the limits put back. A compositor that does not
//    answer within a bound gets the limits back all the same; one that
//    maximizes again and again (kiosk shells) is given its way after a few.
//    Its size limits are announced frame included, as the window geometry
//    it commits, where Qt 6.4 announces them without the frame it draws.
#pragma once

class QWidget;

namespace velk::qt {

// From now on, for as long as `window` lives. The size is the one `window`
// is fixed at (minimum = maximum) when it is first asked to grow.
void KeepFixedSize(QWidget* window);

}  // namespace velk::qt
