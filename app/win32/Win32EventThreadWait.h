// The Win32 event thread's wait for a call made on another thread: the
// thread's messages are dispatched meanwhile, so the window paints and can
// be moved and closed, but its input (keys, mouse in the client area) is
// handed to whoever holds it, and a quit request is kept for the loop that
// waits for it.
#pragma once

#include "EventThreadWait.h"

#include <windows.h>

namespace velk::win32 {

class Win32EventThreadWait final : public EventThreadWait {
public:
    void RunElsewhere(const std::function<void()>& call) override;

    // Takes each input message meanwhile; without it, input is dropped.
    void SetHeldInput(std::function<void(const MSG&)> held) { held_ = std::move(held); }

private:
    std::function<void(const MSG&)> held_;
};

}  // namespace velk::win32
