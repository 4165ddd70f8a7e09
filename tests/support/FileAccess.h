// Files as the platform opens them for the tests: whether the starter holds
// one open, and a thread whose file permissions bind it.
#pragma once

#include <cstdint>
#include <filesystem>

namespace velk::test {

// True while some handle (of this process, in the tests) holds `file` open.
bool IsHeldOpen(const std::filesystem::path& file);

// While it lives, a file's permissions bind the thread that made it, even
// where it runs as root, which may read any file otherwise (a fresh machine's
// test user): on Linux, the thread's capabilities to pass over them are off. Windows' permission
// bits hold no read right to take away: there it changes nothing.
class PermissionsBind {
public:
    PermissionsBind();
    ~PermissionsBind();
    PermissionsBind(const PermissionsBind&) = delete;
    PermissionsBind& operator=(const PermissionsBind&) = delete;

private:
    std::uint32_t taken_ = 0;
};

}  // namespace velk::test
