// Built for Qt before 6.5 only, with Qt's private platform header confined here.
#include "WaylandFrameSize.h"

#include <QGuiApplication>
#include <QWindow>
#include <qpa/qplatformnativeinterface.h>

#include <dlfcn.h>

#include <cstdint>

namespace velk::qt {

// Qt 6.4 (Debian 12's): its Wayland client announces a window's size limits
// (xdg_toplevel.set_min_size and set_max_size) as the size of its content,
// without the frame Qt draws itself, while the window geometry it commits
// includes that frame. A compositor that goes by the limits (mutter) then
// takes the window for smaller than it is, asks for that size and places it
// wrong. So each time Qt has announced the limits of a window of one size,
// they are announced again as that window's committed geometry, frame
// included. A Qt whose Wayland client counts the frame in (qtwayland's
// current sources do) makes this a repetition of what Qt sent.
void AnnounceFrameSize(QWindow* handle) {
    using Marshal = void (*)(void*, std::uint32_t, ...);
    static const Marshal marshal = [] {
        void* library = dlopen("libwayland-client.so.0", RTLD_NOW | RTLD_NOLOAD);
        return library ? reinterpret_cast<Marshal>(dlsym(library, "wl_proxy_marshal")) : nullptr;
    }();
    QPlatformNativeInterface* native = QGuiApplication::platformNativeInterface();
    void* toplevel = native ? native->nativeResourceForWindow("xdg_toplevel", handle) : nullptr;
    if (!marshal || !toplevel || handle->minimumSize() != handle->maximumSize()) return;
    constexpr std::uint32_t kSetMaxSize = 7;  // xdg_toplevel's requests, as the stable xdg-shell numbers them
    constexpr std::uint32_t kSetMinSize = 8;
    const QSize size = handle->frameGeometry().size();
    marshal(toplevel, kSetMaxSize, size.width(), size.height());
    marshal(toplevel, kSetMinSize, size.width(), size.height());
}

}  // namespace velk::qt
