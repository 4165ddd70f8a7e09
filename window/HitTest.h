// Which drawn element of the main window lies under a point of its client
// area, from the layout's rectangles and stacking order. The text box is a
// real control and takes its own clicks, so it is not among them.
#pragma once

#include "Form1Layout.h"

#include <string_view>

namespace velk::layout {

// The name of the front-most drawn element under (x, y), in pixels at 96 dpi
// scaled by `scale`; empty over the bare background.
std::string_view DrawnElementAt(int x, int y, double scale = 1.0);

// True when a click at (x, y) is a click on "Start".
bool IsStartClick(int x, int y, double scale = 1.0);

// The control assistive technology is shown at (x, y), by the same rule as
// a click: the news box over its rectangle, else the front-most drawn
// element if it is one of the accessible controls; none over the lines and
// the bare background.
const Control* AccessibleControlAt(int x, int y, double scale = 1.0);

}  // namespace velk::layout
