// The pictures built into the starter, read byte by byte.
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>

namespace velk {
namespace {

std::string ReadAsset(const char* name) {
    const auto path = std::filesystem::path(VELK_ASSETS_DIR) / name;
    std::string data(static_cast<std::size_t>(std::filesystem::file_size(path)), '\0');
    std::ifstream(path, std::ios::binary).read(data.data(), static_cast<std::streamsize>(data.size()));
    return data;
}

unsigned Byte(const std::string& data, std::size_t at) { return static_cast<unsigned char>(data.at(at)); }
unsigned BigEndian16(const std::string& data, std::size_t at) { return Byte(data, at) << 8 | Byte(data, at + 1); }
unsigned LittleEndian16(const std::string& data, std::size_t at) { return Byte(data, at) | Byte(data, at + 1) << 8; }
unsigned LittleEndian32(const std::string& data, std::size_t at) {
    return LittleEndian16(data, at) | LittleEndian16(data, at + 2) << 16;
}

TEST(Pictures, BannerIsABaselineJfifJpegOf538By123) {
    const std::string jpeg = ReadAsset("banner.jpg");
    ASSERT_GT(jpeg.size(), 1000u);
    ASSERT_EQ(BigEndian16(jpeg, 0), 0xFFD8u);
    bool jfif = false;
    bool baseline = false;
    // Walk the marker segments up to the start of the scan.
    for (std::size_t at = 2; at + 4 <= jpeg.size() && Byte(jpeg, at) == 0xFF;) {
        const unsigned marker = Byte(jpeg, at + 1);
        const std::size_t length = BigEndian16(jpeg, at + 2);
        if (marker == 0xE0 && jpeg.compare(at + 4, 5, std::string("JFIF\0", 5)) == 0) {
            jfif = true;
            EXPECT_EQ(Byte(jpeg, at + 9), 1u) << "JFIF major version";
            EXPECT_EQ(Byte(jpeg, at + 10), 1u) << "JFIF minor version";
            EXPECT_EQ(Byte(jpeg, at + 11), 1u) << "density in dots per inch";
            EXPECT_EQ(BigEndian16(jpeg, at + 12), 96u);
            EXPECT_EQ(BigEndian16(jpeg, at + 14), 96u);
        }
        EXPECT_NE(marker, 0xC2u) << "progressive";
        if (marker == 0xC0) {
            baseline = true;
            EXPECT_EQ(BigEndian16(jpeg, at + 5), 123u) << "height";
            EXPECT_EQ(BigEndian16(jpeg, at + 7), 538u) << "width";
            EXPECT_EQ(Byte(jpeg, at + 9), 3u) << "components";
        }
        if (marker == 0xDA) break;
        at += 2 + length;
    }
    EXPECT_TRUE(jfif);
    EXPECT_TRUE(baseline);
}

TEST(Pictures, IconIsOne32By32ImageOf256ColorsWithoutTransparency) {
    const std::string ico = ReadAsset("icon.ico");
    ASSERT_GE(ico.size(), 22u);
    EXPECT_EQ(LittleEndian16(ico, 0), 0u);
    EXPECT_EQ(LittleEndian16(ico, 2), 1u) << "icon, not cursor";
    ASSERT_EQ(LittleEndian16(ico, 4), 1u) << "images";
    EXPECT_EQ(Byte(ico, 6), 32u);
    EXPECT_EQ(Byte(ico, 7), 32u);
    const std::size_t size = LittleEndian32(ico, 14);
    const std::size_t offset = LittleEndian32(ico, 18);
    ASSERT_EQ(offset + size, ico.size());
    // The image: a bitmap header, 256 palette entries, 32 x 32 indices, then
    // the 1-bit transparency mask (rows padded to 4 bytes), all clear.
    EXPECT_EQ(LittleEndian32(ico, offset), 40u);
    EXPECT_EQ(LittleEndian16(ico, offset + 14), 8u) << "bits per pixel";
    const std::size_t mask = offset + 40 + 256 * 4 + 32 * 32;
    ASSERT_EQ(mask + 32 * 4, ico.size());
    EXPECT_EQ(ico.find_first_not_of('\0', mask), std::string::npos) << "transparent pixels";

    const std::string png = ReadAsset("icon.png");
    ASSERT_GE(png.size(), 33u);
    EXPECT_EQ(png.compare(0, 8, "\x89PNG\r\n\x1a\n"), 0);
    EXPECT_EQ(png.compare(12, 4, "IHDR"), 0);
    EXPECT_EQ(png.substr(16, 13), std::string("\0\0\0\x20\0\0\0\x20\x08\x03\0\0\0", 13)) << "32 x 32, 8-bit palette";
    EXPECT_EQ(png.find("tRNS"), std::string::npos) << "transparent colours";
}

}  // namespace
}  // namespace velk
