#include "support/FileAccess.h"

#include <linux/capability.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <optional>

namespace velk::test {
namespace {

// This thread's effective capabilities (the first 32, where the ones to pass
// over file permissions are), set to `set` where given; 0 where unreadable.
std::uint32_t Effective(std::optional<std::uint32_t> set = std::nullopt) {
    __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct data[_LINUX_CAPABILITY_U32S_3]{};
    if (syscall(SYS_capget, &header, data) != 0) return 0;
    const std::uint32_t former = data[0].effective;
    if (set) {
        data[0].effective = *set;
        syscall(SYS_capset, &header, data);
    }
    return former;
}

constexpr std::uint32_t kPassOver = (1u << CAP_DAC_OVERRIDE) | (1u << CAP_DAC_READ_SEARCH);

}  // namespace

PermissionsBind::PermissionsBind() {
    const std::uint32_t now = Effective();
    taken_ = now & kPassOver;
    if (taken_) Effective(now & ~kPassOver);
}

PermissionsBind::~PermissionsBind() {
    if (taken_) Effective(Effective() | taken_);
}

bool IsHeldOpen(const std::filesystem::path& file) {
    std::error_code error;
    for (const auto& fd : std::filesystem::directory_iterator("/proc/self/fd")) {
        if (std::filesystem::read_symlink(fd.path(), error) == file) return true;
    }
    return false;
}

}  // namespace velk::test
