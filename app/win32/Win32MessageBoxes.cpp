#include "Win32MessageBoxes.h"

namespace velk::win32 {

void Win32MessageBoxes::Show(const std::wstring& text, MessageIcon icon) {
    const UINT style = MB_OK | (icon == MessageIcon::Error ? MB_ICONERROR : 0u);
    MessageBoxW(owner_, text.c_str(), kApplicationTitle, style);
}

}  // namespace velk::win32
