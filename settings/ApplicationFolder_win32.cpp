// Windows: the module file name of the executable, of any length.
#include "ApplicationFolder.h"

#include "AppError.h"

#include <windows.h>

#include <string>

namespace velk {

std::filesystem::path ApplicationFolder() {
    std::wstring name(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, name.data(), static_cast<DWORD>(name.size()));
        if (length == 0) throw AppError(L"Cannot find the folder of the running program.");
        if (length < name.size()) {
            name.resize(length);
            break;
        }
        name.resize(name.size() * 2);
    }
    return std::filesystem::path(name).parent_path();
}

}  // namespace velk
