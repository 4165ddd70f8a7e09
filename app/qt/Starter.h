// The application's start: builds the main window, runs its load event and
// shows it; reports an error that ends the application.
#pragma once

#include "Form1.h"
#include "Launcher.h"
#include "MessageBoxes.h"

namespace velk::qt {

class Starter {
public:
    // `end` ends the application with an exit status, after an error.
    Starter(MessageBoxes& messages, LauncherPlatform platform, std::function<void(int)> end);

    // Runs the load event and shows the window. False when an error ended the
    // start; it has been reported and the window was never shown.
    bool Start();

    Form1& Window() { return form_; }

private:
    void HandleStartClick();

    MessageBoxes& messages_;
    std::function<void(int)> end_;
    Form1 form_;
    Launcher launcher_;
};

}  // namespace velk::qt
