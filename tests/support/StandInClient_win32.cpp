// Stands in for the game client in the Windows tests (a GUI program, as the
// real client is: under Wine a console child would take the starter's next
// click), appending its raw
// command line and the window state it was asked for to velk.log beside it,
// as UTF-8, one record a start: "cmd:<command line>" / "show:<state>" /
// "cwd:<working folder>" / "end".
#include <windows.h>

#include <string>

namespace {

std::string Utf8(const std::wstring& text) {
    const int size = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), nullptr, 0,
                                         nullptr, nullptr);
    std::string out(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), out.data(), size, nullptr, nullptr);
    return out;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    std::wstring log(MAX_PATH, L'\0');
    while (GetModuleFileNameW(nullptr, log.data(), static_cast<DWORD>(log.size())) >= log.size()) {
        log.resize(log.size() * 2);
    }
    log.resize(log.rfind(L'\\') + 1);
    if (log.size() >= MAX_PATH && !log.starts_with(L"\\\\")) log.insert(0, L"\\\\?\\");
    log += L"velk.log";

    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    GetStartupInfoW(&startup);
    const int show = (startup.dwFlags & STARTF_USESHOWWINDOW) ? startup.wShowWindow : -1;
    std::wstring cwd(GetCurrentDirectoryW(0, nullptr), L'\0');
    cwd.resize(GetCurrentDirectoryW(static_cast<DWORD>(cwd.size()), cwd.data()));
    const std::string record = "cmd:" + Utf8(GetCommandLineW()) + "\nshow:" + std::to_string(show) +
                               "\ncwd:" + Utf8(cwd) + "\nend\n";

    const HANDLE file = CreateFileW(log.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                    OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    DWORD written = 0;
    WriteFile(file, record.data(), static_cast<DWORD>(record.size()), &written, nullptr);
    CloseHandle(file);
    return 0;
}
