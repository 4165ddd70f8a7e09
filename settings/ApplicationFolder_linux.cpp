// Linux: the kernel's link to the running executable.
#include "ApplicationFolder.h"

#include "AppError.h"
#include "TextCodec.h"

#include <cstring>
#include <filesystem>
#include <system_error>

namespace velk {

Path ApplicationFolder() {
    std::error_code error;
    const std::filesystem::path executable = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error) {
        throw AppError(L"Cannot find the folder of the running program: " + FromSystemCodePage(error.message()) +
                       L".");
    }
    return executable.parent_path();
}

}  // namespace velk
