// Windows: CreateProcessW with the full path as the application name and a
// command line whose program path is quoted (see WindowsCommandLine.h).
// Nothing is inherited, nothing is waited for.
#include "ProgramStart.h"

#include "WindowsCommandLine.h"
#include "WindowsError.h"

#include <windows.h>

namespace velk {
namespace {

StartProblem ProblemOf(DWORD error) {
    switch (error) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_NAME:
        return StartProblem::NotFound;
    case ERROR_ACCESS_DENIED:
        return StartProblem::PermissionDenied;
    case ERROR_BAD_EXE_FORMAT:
    case ERROR_EXE_MACHINE_TYPE_MISMATCH:
        return StartProblem::NotExecutable;
    default:
        return StartProblem::Other;
    }
}

static_assert(static_cast<int>(WindowState::MinimizedWithFocus) == SW_SHOWMINIMIZED);

class Win32ProgramStarter final : public ProgramStarter {
public:
    void Start(const Path& program, const std::wstring& argument, WindowState state) override {
        const std::wstring& path = program.Native();
        const std::size_t name = path.find_last_of(L"\\/") + 1;  // 0 without a folder
        const WindowsCommandLine command =
            BuildWindowsCommandLine(std::wstring_view(path).substr(0, name), std::wstring_view(path).substr(name), argument);
        std::wstring commandLine = command.commandLine;  // CreateProcessW may write to it

        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        startup.dwFlags = STARTF_USESHOWWINDOW;
        startup.wShowWindow = static_cast<WORD>(state);
        PROCESS_INFORMATION process{};
        if (!CreateProcessW(command.applicationName.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                            nullptr, &startup, &process)) {
            const DWORD error = GetLastError();
            ThrowStartError(program, ProblemOf(error), WindowsErrorText(error));
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
