// Windows: the module file name of the executable, of any length.
#include "ApplicationFolder.h"

#include "WindowsError.h"

#include <windows.h>

#include <string>

namespace velk {

Path ApplicationFolder() {
    std::wstring name(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, name.data(), static_cast<DWORD>(name.size()));
        if (length == 0) ThrowNoApplicationFolder(WindowsErrorText(GetLastError()));
        if (length < name.size()) {
            name.resize(length);
            break;
        }
        name.resize(name.size() * 2);
    }
    // The folder: up to the last separator, which stays only after a drive
    // letter, as in C:\velk.exe.
    std::size_t end = name.find_last_of(L"\\/");
    if (end == std::wstring::npos) ThrowNoApplicationFolder(L"");
    if (end == 2 && name[1] == L':') ++end;
    name.resize(end);
    return Path(std::move(name));
}

}  // namespace velk
