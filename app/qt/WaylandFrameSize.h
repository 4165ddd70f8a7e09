// A window's size limits announced to a Wayland compositor as the geometry
// it commits, frame included, where the Qt in use announces them without the
// frame it draws itself (see the source built for this Qt).
#pragma once

class QWindow;

namespace velk::qt {

// After Qt has announced the limits of `handle`, a window of one size.
void AnnounceFrameSize(QWindow* handle);

}  // namespace velk::qt
