#include "WindowsPath.h"

#include <algorithm>

namespace velk {

std::wstring ExtendedLengthPath(std::wstring_view path) {
    std::wstring text(path);
    if (text.starts_with(L"\\\\?\\")) return text;
    std::replace(text.begin(), text.end(), L'/', L'\\');
    const bool drive = text.size() >= 3 && text[1] == L':' && text[2] == L'\\' &&
                       ((text[0] >= L'A' && text[0] <= L'Z') || (text[0] >= L'a' && text[0] <= L'z'));
    if (drive) return L"\\\\?\\" + text;
    // \\server\share\..., but not the device paths \\.\ and \??\ .
    if (text.starts_with(L"\\\\") && text.size() > 2 && text[2] != L'.' && text[2] != L'?') {
        return L"\\\\?\\UNC\\" + text.substr(2);
    }
    return std::wstring(path);
}

}  // namespace velk
