// The Win32 event thread's wait for a call made on another thread: the
// thread's messages are dispatched meanwhile, so the window paints and can
// be moved and closed, but its input (keys, mouse in the client area) is
// dropped, and a quit request is kept for the loop that waits for it.
#pragma once

#include "EventThreadWait.h"

#include <windows.h>

namespace velk::win32 {

class Win32EventThreadWait final : public EventThreadWait {
public:
    void RunElsewhere(const std::function<void()>& call) override;

    // Told of each input message dropped meanwhile.
    void SetDroppedInput(std::function<void(const MSG&)> dropped) { dropped_ = std::move(dropped); }

private:
    std::function<void(const MSG&)> dropped_;
};

// Input for the window: keys (but Alt+F4, which closes it) and the mouse in
// client areas. Title bars, frames and their buttons are not input here.
bool IsWindowInput(const MSG& message);

}  // namespace velk::win32
