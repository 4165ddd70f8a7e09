// The starter's behaviour, free of any window system: what happens when the
// main window loads. Failures that end the application leave as AppError.
#pragma once

#include "Form1View.h"
#include "MessageBoxes.h"

#include <filesystem>
#include <functional>
#include <string>

namespace velk {

inline constexpr std::wstring_view kWelcomePrefix = L"Welcome to Tobin_Ravel's Loader, Currently being used for ";

class Launcher {
public:
    using FolderSource = std::function<std::filesystem::path()>;

    Launcher(Form1View& form, MessageBoxes& messages, FolderSource applicationFolder);

    // The load event of the main window: settings into the window, then the
    // welcome box. The window is shown by the caller once this returns.
    void HandleLoad();

private:
    Form1View& form_;
    MessageBoxes& messages_;
    FolderSource applicationFolder_;
};

}  // namespace velk
