// Small owners of Win32 handles: each handle is released once, by its owner,
// on every path (a constructor that throws included).
#pragma once

#include <windows.h>

#include <memory>
#include <type_traits>

namespace velk::win32 {

struct GdiObjectDeleter {
    void operator()(HGDIOBJ object) const { DeleteObject(object); }
};

// A font, brush or bitmap, deleted with its owner. Replace one that is in use
// by making the new one first, handing it over, then resetting the owner.
template <typename Handle>
using GdiObject = std::unique_ptr<std::remove_pointer_t<Handle>, GdiObjectDeleter>;
using OwnedFont = GdiObject<HFONT>;
using OwnedBrush = GdiObject<HBRUSH>;
using OwnedBitmap = GdiObject<HBITMAP>;

// A window destroyed with its owner. The window's procedure is cut off from
// the owner first (GWLP_USERDATA cleared), so that an owner being destroyed
// is never called back. A window the system has destroyed already must be
// released from its owner (WM_NCDESTROY).
struct WindowDestroyer {
    void operator()(HWND window) const {
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        DestroyWindow(window);
    }
};
using OwnedWindow = std::unique_ptr<HWND__, WindowDestroyer>;

}  // namespace velk::win32
