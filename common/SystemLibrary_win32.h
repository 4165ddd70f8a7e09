// Windows only: a library of the system loaded by its full path in the
// system folder. The starter lives in a game folder that players can write
// to: a planted DLL of the same name there must never be loaded.
#pragma once

#include <windows.h>

namespace velk {

// `name` (such as L"wsock32.dll") from the system folder, its own
// dependencies looked for there first; nullptr with GetLastError() set when
// it cannot be loaded. Uses no search flag that Windows 7 might not know.
HMODULE LoadSystemLibrary(const wchar_t* name);

// True when the system is Wine: its ntdll exports wine_get_version. Wine's
// workarounds run only where this is true.
bool RunningUnderWine();

// An entry of `library` as a function pointer of type Fn; nullptr if absent.
template <typename Fn>
Fn LibraryEntry(HMODULE library, const char* name) {
    return reinterpret_cast<Fn>(reinterpret_cast<void (*)()>(GetProcAddress(library, name)));
}

}  // namespace velk
