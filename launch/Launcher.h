// The starter's behaviour, free of any window system: what happens when the
// main window loads and when "Start" is pressed. Failures that end the
// application leave as AppError.
#pragma once

#include "LauncherView.h"
#include "MessageBoxes.h"
#include "ProgramStart.h"
#include "SocketLayer.h"

#include <functional>
#include <string>

namespace velk {

inline constexpr std::wstring_view kWelcomePrefix = L"Welcome to Tobin_Ravel's Loader, Currently being used for ";
inline constexpr std::string_view kClientProgram = "velk.exe";

// What the launcher needs of the platform.
struct LauncherPlatform {
    std::function<Path()> applicationFolder;
    SocketLayer& sockets;
    ProgramStarter& programs;
};

class Launcher {
public:
    Launcher(LauncherView& form, MessageBoxes& messages, LauncherPlatform platform);

    // The load event of the main window: settings into the window, then the
    // welcome box. The window is shown by the caller once this returns.
    void HandleLoad();

    // The start, the same in every front end: the load event, then `show`
    // puts the window on screen. An error on the way is reported and ends
    // the start: false, and the window is never shown.
    bool LoadAndShow(const std::function<void()>& show);

    // The design's click handler of "Start", run for every press of it (a
    // click, its keys, a screen reader's press): host and port read afresh,
    // the host resolved, the client started with "<address>:<port>".
    void HandleStartClick();

private:
    LauncherView& form_;
    MessageBoxes& messages_;
    LauncherPlatform platform_;
};

}  // namespace velk
