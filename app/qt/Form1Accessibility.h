// The main window as assistive technology sees it, built from the layout
// table: the window a frame named by its caption, "Start" a push button whose
// press action does what a click does, the news box named after its heading,
// the banner a graphic, and the lines left out.
#pragma once

namespace velk::qt {

// Registers the interfaces with Qt's accessibility; once is enough, and it
// must come before the window's first interface is asked for.
void InstallForm1Accessibility();

}  // namespace velk::qt
