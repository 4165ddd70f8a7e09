// Message boxes as MessageBoxW, titled with the application title, modal to
// the main window once it exists.
#pragma once

#include "MessageBoxes.h"

#include <windows.h>

namespace velk::win32 {

class Win32MessageBoxes final : public MessageBoxes {
public:
    void SetOwner(HWND owner) { owner_ = owner; }
    void Show(const std::wstring& text, MessageIcon icon) override;

private:
    HWND owner_ = nullptr;
};

}  // namespace velk::win32
