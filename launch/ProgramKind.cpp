#include "ProgramKind.h"

#include <cstdint>

namespace velk {

ProgramKind ProgramKindOf(std::string_view head) {
    constexpr std::size_t kHeaderOffsetField = 0x3C;
    constexpr std::string_view kSignature("PE\0\0", 4);
    if (head.size() < kHeaderOffsetField + 4 || !head.starts_with("MZ")) return ProgramKind::Native;
    std::uint32_t offset = 0;  // e_lfanew, little-endian
    for (std::size_t i = 4; i-- > 0;) {
        offset = offset << 8 | static_cast<std::uint8_t>(head[kHeaderOffsetField + i]);
    }
    if (offset > head.size() || head.size() - offset < kSignature.size()) return ProgramKind::Native;
    return head.substr(offset, kSignature.size()) == kSignature ? ProgramKind::Windows : ProgramKind::Native;
}

std::vector<std::string> DirectArguments(const std::string& program, const std::string& argument) {
    return {program, argument};
}

std::vector<std::string> WineArguments(const std::string& wine, const std::string& program,
                                       const std::string& argument) {
    return {wine, "start", "/min", "/unix", program, argument};
}

}  // namespace velk
