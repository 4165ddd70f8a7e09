#include "WindowsCommandLine.h"

namespace velk {

WindowsCommandLine BuildWindowsCommandLine(std::wstring_view folder, std::wstring_view programName,
                                           std::wstring_view argument) {
    std::wstring path(folder);
    if (!path.empty() && path.back() != L'\\' && path.back() != L'/') path += L'\\';
    path += programName;
    // A path cannot hold a double quote, and the first word of a command line
    // is read up to the closing quote with no escapes, so plain quotes suffice.
    // The argument stays as it is: the client reads it as the raw rest.
    return {path, L'"' + path + L"\" " + std::wstring(argument)};
}

}  // namespace velk
