// For a Qt whose Wayland client announces a window's size limits frame
// included (qtwayland after 6.4): nothing to add.
#include "WaylandFrameSize.h"

namespace velk::qt {

void AnnounceFrameSize(QWindow*) {}

}  // namespace velk::qt
