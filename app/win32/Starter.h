// The Windows starter's run: the load event with its welcome box, the main
// window built while the box is on screen (nothing of it is seen before),
// presses of "Start" through one owner of a press, and the message loop.
#pragma once

#include "Form1.h"
#include "Launcher.h"
#include "StartPress.h"
#include "Win32MessageBoxes.h"

#include <exception>
#include <optional>
#include <string>

namespace velk::win32 {

class Starter final : public LauncherView {
public:
    Starter(HINSTANCE instance, Win32MessageBoxes& messages, LauncherPlatform platform,
            Form1::DpiSource dpiOf = &Form1::DpiOf);
    ~Starter() override;
    Starter(const Starter&) = delete;
    Starter& operator=(const Starter&) = delete;

    // Runs the load event and shows the window. False when an error ended the
    // start; it has been reported and the window was never shown.
    bool Start(int showCommand);

    // Dispatches the thread's messages until the window is gone; the exit
    // status: 1 after an error that ended the starter, else 0.
    int Run();

    // Input held back from the window during a press.
    void Hold(const MSG& message) {
        if (form_) form_->Hold(message);
    }

private:
    // Kept until the window exists, then handed to it.
    void SetCaption(const std::wstring& caption) override;
    void SetNewsText(const std::wstring& news) override;

    // COM, the window and the owner of its presses; an error is kept for the
    // caller (it may run inside the welcome box's modal loop, which no
    // exception may cross).
    void Build() noexcept;

    HINSTANCE instance_;
    Win32MessageBoxes& messages_;
    Form1::DpiSource dpiOf_;
    Launcher launcher_;
    std::wstring caption_;
    std::wstring news_;
    bool comStarted_ = false;
    std::exception_ptr buildError_;
    // Before the window, which calls it until it is gone.
    std::optional<StartPress> press_;
    std::optional<Form1> form_;
};

}  // namespace velk::win32
