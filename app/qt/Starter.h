// The application's start: builds the main window, runs its load event and
// shows it; presses of "Start" go through one owner of a press.
#pragma once

#include "Form1.h"
#include "Launcher.h"
#include "MessageBoxes.h"
#include "StartPress.h"

namespace velk::qt {

class Starter final {
public:
    // `end` ends the application with an exit status.
    Starter(MessageBoxes& messages, LauncherPlatform platform, std::function<void(int)> end);

    // Runs the load event and shows the window. False when an error ended the
    // start; it has been reported and the window was never shown.
    bool Start() {
        return launcher_.LoadAndShow([this] { form_.show(); });
    }

    Form1& Window() { return form_; }

private:
    Form1 form_;
    Launcher launcher_;
    StartPress press_;
};

}  // namespace velk::qt
