// Windows: CreateProcessW with the full path as the application name and a
// command line whose program path is quoted (see WindowsCommandLine.h), in
// the program's own folder, at any depth that Windows can start a program
// from (through short names past MAX_PATH). Nothing is inherited, nothing is
// waited for.
#include "ProgramStart.h"

#include "PathKind.h"
#include "WindowsCommandLine.h"
#include "WineDeepStart_win32.h"
#include "WindowsPath.h"

#include <windows.h>

namespace velk {
namespace {

static_assert(static_cast<int>(WindowState::MinimizedWithFocus) == SW_SHOWMINIMIZED);

// `path` as CreateProcessW takes it: as it is when shorter than `limit`;
// longer, its short (8.3) form where the volume keeps those, else nothing
// (only Windows' opt-in long-path support would take it).
std::wstring WithinLimit(const std::wstring& path, std::size_t limit) {
    if (path.size() < limit) return path;
    const std::wstring extended = ExtendedLengthPath(path);
    std::wstring shortened(GetShortPathNameW(extended.c_str(), nullptr, 0), L'\0');
    shortened.resize(GetShortPathNameW(extended.c_str(), shortened.data(), static_cast<DWORD>(shortened.size())));
    if (shortened.starts_with(L"\\\\?\\UNC\\")) {
        shortened.replace(0, 8, L"\\\\");
    } else if (shortened.starts_with(L"\\\\?\\")) {
        shortened.erase(0, 4);
    }
    return shortened.size() < limit ? shortened : std::wstring();
}

// Where no form of the program's path is short enough for CreateProcessW.
std::wstring FolderTooLong(const std::wstring& program) {
    const std::size_t name = program.size() - program.find_last_of(L"\\/") - 1;
    return L"the game folder's path is too long for Windows to start a program in it (" +
           std::to_wstring(program.size() - name - 1) + L" characters, where Windows allows at most " +
           std::to_wstring(MAX_PATH - 2 - name) + L")";
}

class Win32ProgramStarter final : public ProgramStarter {
public:
    void Start(const Path& program, const std::wstring& argument, WindowState state) override {
        const std::wstring& full = program.Native();
        // A game folder may be deeper than the MAX_PATH that processes and
        // working folders are held to: then its short form serves.
        const std::wstring shortPath = WithinLimit(full, MAX_PATH);
        const std::wstring path = shortPath.empty() ? ExtendedLengthPath(full) : shortPath;
        const std::size_t name = path.find_last_of(L"\\/") + 1;  // 0 without a folder
        const WindowsCommandLine command =
            BuildWindowsCommandLine(std::wstring_view(path).substr(0, name), std::wstring_view(path).substr(name), argument);
        std::wstring commandLine = command.commandLine;  // CreateProcessW may write to it

        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        startup.dwFlags = STARTF_USESHOWWINDOW;
        startup.wShowWindow = static_cast<WORD>(state);
        PROCESS_INFORMATION process{};
        // The working folder with its separator, which keeps a drive's root
        // ("C:\\") a root; none where no form of it is short enough to be one.
        const std::wstring folder = WithinLimit(full.substr(0, full.find_last_of(L"\\/") + 1), MAX_PATH - 1);
        const WineDeepStart wine(shortPath.empty() ? std::wstring() : path.substr(0, name), full.size() >= MAX_PATH);
        if (!CreateProcessW(wine.ApplicationName(command.applicationName).c_str(), commandLine.data(), nullptr, nullptr,
                            FALSE, 0, nullptr, folder.empty() ? nullptr : folder.c_str(), &startup, &process)) {
            const DWORD error = GetLastError();
            // A client that is there, on a volume that keeps no short names.
            if (shortPath.empty() && KindOfPath(program) == PathKind::File) {
                ThrowStartError(program, {FileProblem::Other, FolderTooLong(full)});
            }
            ThrowStartError(program, ProblemOfSystemError(error));
        }
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    }
};

}  // namespace

ProgramStarter& PlatformProgramStarter() {
    static Win32ProgramStarter starter;
    return starter;
}

}  // namespace velk
