// Under Wine only: message boxes kept at their size. Windows never sizes a
// message box; Wine (8.0, Debian 12's) lets an X window manager maximize one
// or make it full screen. Whether the starter runs under Wine is decided at
// run time, so that a player on Windows runs none of this.
#pragma once

#include "SystemLibrary_win32.h"

#include <windows.h>

namespace velk::win32 {

// While it lives, and `underWine`, each message box (or any dialog) of the
// calling thread is kept at its size from its first activation until it is
// destroyed. Nested guards keep the hook of the outermost.
class WineDialogSize {
public:
    explicit WineDialogSize(bool underWine = RunningUnderWine());
    ~WineDialogSize();
    WineDialogSize(const WineDialogSize&) = delete;
    WineDialogSize& operator=(const WineDialogSize&) = delete;

private:
    HHOOK hook_;
};

}  // namespace velk::win32
