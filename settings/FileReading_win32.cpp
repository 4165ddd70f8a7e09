// Reading a file with Win32 handles; wide paths of any length, so any folder
// works.
#include "FileReading.h"

#include "WindowsError.h"
#include "WindowsPath.h"

#include <windows.h>

namespace velk {
namespace {

class Win32File final : public ByteSource {
public:
    explicit Win32File(HANDLE handle) : handle_(handle) {}
    ~Win32File() override { CloseHandle(handle_); }
    Win32File(const Win32File&) = delete;
    Win32File& operator=(const Win32File&) = delete;

    std::size_t Read(std::span<char> buffer) override {
        DWORD got = 0;
        const DWORD wanted = buffer.size() > 0x10000000 ? 0x10000000 : static_cast<DWORD>(buffer.size());
        if (!ReadFile(handle_, buffer.data(), wanted, &got, nullptr)) {
            const DWORD error = GetLastError();
            throw FileProblemError(FileProblem::Other, WindowsErrorText(error));
        }
        return got;
    }

private:
    HANDLE handle_;
};

}  // namespace

std::unique_ptr<ByteSource> OpenFileForReading(const Path& path) {
    // Shared for every kind of access, so that a tool may delete the file
    // (to write it anew) while a press holds it open.
    // In the extended-length form: a game folder may be deeper than MAX_PATH.
    const HANDLE handle = CreateFileW(ExtendedLengthPath(path.Native()).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                      nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
    if (handle == INVALID_HANDLE_VALUE) throw ProblemOfSystemError(GetLastError());
    auto file = std::make_unique<Win32File>(handle);
    // A named pipe or a device would block or never end.
    if (GetFileType(handle) != FILE_TYPE_DISK) throw FileProblemError(FileProblem::NotRegularFile);
    return file;
}

}  // namespace velk
