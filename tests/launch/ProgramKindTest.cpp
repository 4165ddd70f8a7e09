#include "ProgramKind.h"

#include "support/RowName.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace velk {
namespace {

// An "MZ" header of `size` bytes whose header offset field holds `offset`,
// with `signature` written at `offset` where it fits.
std::string Executable(std::size_t size, std::uint32_t offset, std::string_view signature = {"PE\0\0", 4}) {
    std::string bytes(size, '\0');
    bytes.replace(0, 2, "MZ");
    for (std::size_t i = 0; i < 4; ++i) bytes[0x3C + i] = static_cast<char>(offset >> (8 * i) & 0xFF);
    if (offset < size) {
        const std::size_t fits = std::min(signature.size(), size - offset);
        bytes.replace(offset, fits, signature.substr(0, fits));
    }
    return bytes;
}

struct KindCase {
    const char* name;
    std::string head;
    ProgramKind kind;
};

class ProgramKinds : public testing::TestWithParam<KindCase> {};

TEST_P(ProgramKinds, AreToldFromTheFirstBytes) { EXPECT_EQ(ProgramKindOf(GetParam().head), GetParam().kind); }

INSTANTIATE_TEST_SUITE_P(
    Table, ProgramKinds,
    testing::Values(
        // The PE header of a 32-bit (i386) and a 64-bit (x86-64) program.
        KindCase{"Pe32", Executable(0x200, 0x80).replace(0x84, 2, "\x4C\x01", 2), ProgramKind::Windows},
        KindCase{"Pe64", Executable(0x200, 0x80).replace(0x84, 2, "\x64\x86", 2), ProgramKind::Windows},
        KindCase{"HeaderRightAfterTheOffsetField", Executable(0x44, 0x40), ProgramKind::Windows},
        KindCase{"MzWithoutPe", Executable(0x200, 0x80, "NE"), ProgramKind::Native},
        KindCase{"OffsetPastTheEnd", Executable(0x200, 0x1FE), ProgramKind::Native},
        KindCase{"OffsetFarPastTheEnd", Executable(0x200, 0xFFFFFFFF), ProgramKind::Native},
        KindCase{"TruncatedBeforeTheOffsetField", Executable(0x200, 0x80).substr(0, 0x3E), ProgramKind::Native},
        KindCase{"Elf", std::string("\x7F" "ELF\x02\x01\x01", 7) + std::string(0x40, '\0'), ProgramKind::Native},
        KindCase{"Script", "#!/bin/sh\nexec true\n", ProgramKind::Native},
        KindCase{"Empty", "", ProgramKind::Native},
        KindCase{"OneByte", "M", ProgramKind::Native}),
    test::RowName());

}  // namespace
}  // namespace velk
