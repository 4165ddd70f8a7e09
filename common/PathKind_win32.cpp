#include "PathKind.h"

#include "WindowsPath.h"

#include <windows.h>

namespace velk {
namespace {

bool IsNotThere(DWORD error) {
    return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND || error == ERROR_INVALID_NAME;
}

}  // namespace

PathKind KindOfPath(const Path& path) {
    const std::wstring extended = ExtendedLengthPath(path.Native());
    // The attributes of a link are its own, not its target's.
    const DWORD attributes = GetFileAttributesW(extended.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) return IsNotThere(GetLastError()) ? PathKind::Nothing : PathKind::Unknown;
    if (attributes & FILE_ATTRIBUTE_REPARSE_POINT) {
        // Opened through the link, without any access: is the target there?
        const HANDLE target = CreateFileW(extended.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                          nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
        if (target != INVALID_HANDLE_VALUE) {
            CloseHandle(target);
        } else if (const DWORD error = GetLastError(); error == ERROR_CANT_RESOLVE_FILENAME) {
            return PathKind::LinkLoop;
        } else if (IsNotThere(error)) {
            return PathKind::BrokenLink;
        }
    }
    return attributes & FILE_ATTRIBUTE_DIRECTORY ? PathKind::Folder : PathKind::File;
}

}  // namespace velk
