#include "support/FileAccess.h"

#include <windows.h>

namespace velk::test {

// An open without any sharing fails while another handle holds the file.
bool IsHeldOpen(const std::filesystem::path& file) {
    const HANDLE probe = CreateFileW(file.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (probe == INVALID_HANDLE_VALUE) return GetLastError() == ERROR_SHARING_VIOLATION;
    CloseHandle(probe);
    return false;
}

PermissionsBind::PermissionsBind() = default;
PermissionsBind::~PermissionsBind() = default;

}  // namespace velk::test
