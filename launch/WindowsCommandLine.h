// The Windows command line that starts the game client: the program path,
// always quoted, so that a folder with spaces never makes Windows try a
// shorter path first; then the argument, exactly as given. Pure text work,
// portable so that it is tested everywhere.
#pragma once

#include <string>
#include <string_view>

namespace velk {

struct WindowsCommandLine {
    std::wstring applicationName;  // the program's full path
    std::wstring commandLine;
};

// `folder` may or may not end in a separator.
WindowsCommandLine BuildWindowsCommandLine(std::wstring_view folder, std::wstring_view programName,
                                           std::wstring_view argument);

}  // namespace velk
