// The Qt event thread's wait for a call made on another thread: a local
// event loop, so that the window goes on painting and can be moved and
// closed. The window itself holds off input meanwhile (Form1::ShowBusy).
#pragma once

#include "EventThreadWait.h"

namespace velk::qt {

class QtEventThreadWait final : public EventThreadWait {
public:
    void RunElsewhere(const std::function<void()>& call) override;
};

}  // namespace velk::qt
