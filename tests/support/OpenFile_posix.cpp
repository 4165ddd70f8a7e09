#include "support/OpenFile.h"

namespace velk::test {

bool IsHeldOpen(const std::filesystem::path& file) {
    std::error_code error;
    for (const auto& fd : std::filesystem::directory_iterator("/proc/self/fd")) {
        if (std::filesystem::read_symlink(fd.path(), error) == file) return true;
    }
    return false;
}

}  // namespace velk::test
