// Windows: the system's own IdnToAscii.
#include "HostNameToAscii.h"

#include <windows.h>

namespace velk {

std::optional<std::string> HostNameToAscii(std::wstring_view name) {
    // A host name is at most 253 characters; room for more tells a name that
    // is too long from one that fits.
    wchar_t ascii[512];
    const int length = IdnToAscii(0, name.data(), static_cast<int>(name.size()), ascii, 512);
    if (length <= 0) return std::nullopt;
    std::string result;
    for (int i = 0; i < length; ++i) result.push_back(static_cast<char>(ascii[i]));
    return result;
}

}  // namespace velk
