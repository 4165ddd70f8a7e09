// Entry of the Windows starter.
#include "ApplicationFolder.h"
#include "ProgramStart.h"
#include "SocketLayer.h"
#include "Starter.h"
#include "SystemLibrary_win32.h"
#include "WaitingSocketLayer.h"
#include "Win32EventThreadWait.h"
#include "Win32MessageBoxes.h"

#include <windows.h>

namespace {

// The starter lives in a game folder that players can write to: no DLL is
// ever to be loaded from there. SetDefaultDllDirectories is looked up, as
// Windows 7 has it only with update KB2533623; without it, the current folder
// at least leaves the search (the socket library is loaded by its full path).
void RestrictDllSearch() {
    using SetDefaultDllDirectoriesFn = BOOL(WINAPI*)(DWORD);
    const auto restrict =
        velk::LibraryEntry<SetDefaultDllDirectoriesFn>(GetModuleHandleW(L"kernel32.dll"), "SetDefaultDllDirectories");
    if (!restrict || !restrict(LOAD_LIBRARY_SEARCH_SYSTEM32)) SetDllDirectoryW(L"");
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand) {
    RestrictDllSearch();
    velk::win32::Win32MessageBoxes messages;
    // Name lookups are waited for with the window painted and closable.
    velk::win32::Win32EventThreadWait wait;
    velk::WaitingSocketLayer sockets(velk::PlatformSocketLayer(), wait);
    velk::win32::Starter starter(instance, messages,
                                 {velk::ApplicationFolder, sockets, velk::PlatformProgramStarter()});
    wait.SetHeldInput([&starter](const MSG& message) { starter.Hold(message); });
    if (!starter.Start(showCommand)) return 1;
    return starter.Run();
}
