// Linux: the kernel's link to the running executable.
#include "ApplicationFolder.h"

#include "TextCodec.h"

#include <cstring>
#include <filesystem>
#include <system_error>

namespace velk {

Path ApplicationFolder() {
    std::error_code error;
    const std::filesystem::path executable = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error) ThrowNoApplicationFolder(FromSystemCodePage(error.message()));
    return executable.parent_path();
}

}  // namespace velk
