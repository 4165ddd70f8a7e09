#include "Win32MessageBoxes.h"


namespace velk::win32 {
namespace {

struct WaitingWork {
    std::function<void()> work;
    bool done = false;

    void Run() {
        if (done || !work) return;
        done = true;
        work();
    }
};

// The work waiting for the box on screen: a thread's timer runs it, whose
// message comes only once no window of the thread has anything to paint.
WaitingWork* waiting = nullptr;

void CALLBACK RunWaitingWork(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    if (waiting) waiting->Run();
}

}  // namespace

void Win32MessageBoxes::Show(const std::wstring& text, MessageIcon icon) {
    const UINT style = MB_OK | (icon == MessageIcon::Error ? MB_ICONERROR : 0u);
    WaitingWork work{icon == MessageIcon::Error ? nullptr : std::move(whenUp_)};
    whenUp_ = nullptr;
    UINT_PTR timer = 0;
    if (work.work) {
        waiting = &work;
        timer = SetTimer(nullptr, 0, USER_TIMER_MINIMUM, &RunWaitingWork);
    }
    {
        const WineDialogSize kept(underWine_);
        MessageBoxW(owner_, text.c_str(), kApplicationTitle, style);
    }
    if (timer) KillTimer(nullptr, timer);
    waiting = nullptr;
    work.Run();  // if the box was dismissed before it could run
}

}  // namespace velk::win32
