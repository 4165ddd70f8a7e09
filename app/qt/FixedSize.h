// Windows of one size (the main window, the message boxes) refuse to be
// maximized or made full screen, as on Windows, where they have no such
// button. Where Qt draws the window's frame itself (on Wayland compositors
// that draw none), that frame offers a maximize button regardless; the
// request it makes is let through just long enough for the window's answer
// to the compositor to be valid, then taken back.
#pragma once

class QWidget;

namespace velk::qt {

// From now on, for as long as `window` lives.
void KeepFixedSize(QWidget* window);

}  // namespace velk::qt
