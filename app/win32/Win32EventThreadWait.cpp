#include "Win32EventThreadWait.h"

#include <windows.h>

namespace velk::win32 {
namespace {

DWORD WINAPI RunCall(void* call) {
    (*static_cast<const std::function<void()>*>(call))();
    return 0;
}

// Input for the window: keys and the mouse in client areas. Title bars,
// frames and their buttons are not input here.
bool IsWindowInput(const MSG& message) {
    return (message.message >= WM_KEYFIRST && message.message <= WM_KEYLAST) ||
           (message.message >= WM_MOUSEFIRST && message.message <= WM_MOUSELAST);
}

}  // namespace

void Win32EventThreadWait::RunElsewhere(const std::function<void()>& call) {
    const HANDLE thread = CreateThread(nullptr, 0, &RunCall, const_cast<std::function<void()>*>(&call), 0, nullptr);
    if (!thread) {
        call();  // no thread to be had: the call blocks here, as it always did
        return;
    }
    bool quit = false;
    WPARAM quitStatus = 0;
    for (;;) {
        const DWORD woke = MsgWaitForMultipleObjectsEx(1, &thread, INFINITE, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
        if (woke != WAIT_OBJECT_0 + 1) {
            // The call is done (or waiting failed: then wait for it plainly).
            if (woke != WAIT_OBJECT_0) WaitForSingleObject(thread, INFINITE);
            break;
        }
        MSG message{};
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (message.message == WM_QUIT) {
                quit = true;
                quitStatus = message.wParam;
            } else if (!IsWindowInput(message)) {
                TranslateMessage(&message);
                DispatchMessageW(&message);
            } else if (held_) {
                held_(message);
            }
        }
    }
    CloseHandle(thread);
    if (quit) PostQuitMessage(static_cast<int>(quitStatus));
}

}  // namespace velk::win32
