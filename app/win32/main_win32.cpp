// Entry of the Windows starter.
#include "ApplicationFolder.h"
#include "FatalError.h"
#include "Form1Window.h"
#include "Launcher.h"
#include "ProgramStart.h"
#include "SocketLayer.h"
#include "Win32MessageBoxes.h"

#include <objbase.h>
#include <windows.h>

#include <optional>

namespace {

// Builds the window, runs its load event, shows it and runs the event loop.
// An error that leaves an event handler is reported while the window still
// exists (destroying it first would post the quit message that closes the
// error box at once), and the exit status is then 1.
int Run(HINSTANCE instance, int showCommand, velk::win32::Win32MessageBoxes& messages) {
    std::optional<velk::win32::Form1Window> form;
    std::optional<velk::Launcher> launcher;
    bool failed = false;
    try {
        form.emplace(instance);
        launcher.emplace(*form, messages,
                         velk::LauncherPlatform{velk::ApplicationFolder, velk::PlatformSocketLayer(),
                                                velk::PlatformProgramStarter()});
        launcher->HandleLoad();
    } catch (const std::exception& error) {
        velk::ReportFatalError(messages, error);
        return 1;
    }
    form->SetStartClickHandler([&] {
        try {
            launcher->HandleStartClick();
        } catch (const std::exception& error) {
            velk::ReportFatalError(messages, error);
            failed = true;
            DestroyWindow(form->Handle());
        }
    });
    messages.SetOwner(form->Handle());
    form->Show(showCommand);

    MSG message{};
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return failed ? 1 : static_cast<int>(message.wParam);
}

// The starter lives in a game folder that players can write to: no DLL is
// ever to be loaded from there. SetDefaultDllDirectories is looked up, as
// Windows 7 has it only with update KB2533623; without it, the current folder
// at least leaves the search (the socket library is loaded by its full path).
void RestrictDllSearch() {
    using SetDefaultDllDirectoriesFn = BOOL(WINAPI*)(DWORD);
    const auto restrict = reinterpret_cast<SetDefaultDllDirectoriesFn>(reinterpret_cast<void (*)()>(
        GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "SetDefaultDllDirectories")));
    if (!restrict || !restrict(LOAD_LIBRARY_SEARCH_SYSTEM32)) SetDllDirectoryW(L"");
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand) {
    RestrictDllSearch();
    const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
    velk::win32::Win32MessageBoxes messages;
    const int status = Run(instance, showCommand, messages);
    if (SUCCEEDED(com)) CoUninitialize();
    return status;
}
