#include "WineDeepStart_win32.h"

#include "SystemLibrary_win32.h"

#include <windows.h>

namespace velk {

WineDeepStart::WineDeepStart(const std::wstring& shortFolder, bool deep) {
    if (!deep || shortFolder.empty() || !RunningUnderWine()) return;
    std::wstring current(GetCurrentDirectoryW(0, nullptr), L'\0');
    current.resize(GetCurrentDirectoryW(static_cast<DWORD>(current.size()), current.data()));
    if (!current.empty() && SetCurrentDirectoryW(shortFolder.c_str())) restore_ = std::move(current);
}

WineDeepStart::~WineDeepStart() {
    if (!restore_.empty()) SetCurrentDirectoryW(restore_.c_str());
}

std::wstring WineDeepStart::ApplicationName(const std::wstring& program) const {
    return restore_.empty() ? program : program.substr(program.find_last_of(L"\\/") + 1);
}

}  // namespace velk
