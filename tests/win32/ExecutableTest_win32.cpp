// The Windows starter's executable, read back as Windows sees it: its version
// record, its icon, its banner and its manifest.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

const std::filesystem::path kExecutable = VELK_LOADER_EXE;

std::wstring VersionString(const std::vector<char>& record, const wchar_t* name) {
    void* value = nullptr;
    UINT length = 0;
    const std::wstring key = std::wstring(L"\\StringFileInfo\\040904B0\\") + name;
    if (!VerQueryValueW(record.data(), key.c_str(), &value, &length) || length == 0) return L"<missing>";
    return std::wstring(static_cast<const wchar_t*>(value));
}

// The executable loaded as data only: nothing of it runs.
class Executable : public testing::Test {
protected:
    void SetUp() override {
        module_ = LoadLibraryExW(kExecutable.c_str(), nullptr,
                                 LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
        ASSERT_NE(module_, nullptr);
    }
    void TearDown() override { FreeLibrary(module_); }

    std::string Resource(const wchar_t* type, int id) const {
        const HRSRC found = FindResourceW(module_, MAKEINTRESOURCEW(id), type);
        if (!found) return {};
        const auto* bytes = static_cast<const char*>(LockResource(LoadResource(module_, found)));
        return std::string(bytes, SizeofResource(module_, found));
    }

    HMODULE module_ = nullptr;
};

TEST(VersionRecord, NamesTheProductAndItsVersion) {
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeW(kExecutable.c_str(), &ignored);
    ASSERT_GT(size, 0u);
    std::vector<char> record(size);
    ASSERT_TRUE(GetFileVersionInfoW(kExecutable.c_str(), 0, size, record.data()));

    EXPECT_EQ(VersionString(record, L"CompanyName"), L"none");
    EXPECT_EQ(VersionString(record, L"ProductName"), L"Project1");
    EXPECT_EQ(VersionString(record, L"FileVersion"), L"1.00");
    EXPECT_EQ(VersionString(record, L"ProductVersion"), L"1.00");
    EXPECT_EQ(VersionString(record, L"InternalName"), L"Velk_Loader");
    EXPECT_EQ(VersionString(record, L"OriginalFilename"), L"Velk_Loader.exe");
}

TEST_F(Executable, CarriesThe32PixelIcon) {
    const auto icon = static_cast<HICON>(LoadImageW(module_, MAKEINTRESOURCEW(1), IMAGE_ICON, 32, 32, 0));
    ASSERT_NE(icon, nullptr);
    ICONINFO info{};
    ASSERT_TRUE(GetIconInfo(icon, &info));
    BITMAP colour{};
    GetObjectW(info.hbmColor, sizeof colour, &colour);
    EXPECT_EQ(colour.bmWidth, 32);
    EXPECT_EQ(colour.bmHeight, 32);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    DestroyIcon(icon);
}

TEST_F(Executable, CarriesTheBannerAsItIs) {
    const auto path = std::filesystem::path(VELK_ASSETS_DIR) / "banner.jpg";
    std::string expected(static_cast<std::size_t>(std::filesystem::file_size(path)), '\0');
    std::ifstream(path, std::ios::binary).read(expected.data(), static_cast<std::streamsize>(expected.size()));
    ASSERT_FALSE(expected.empty());
    EXPECT_TRUE(Resource(MAKEINTRESOURCEW(10), 101) == expected);  // RT_RCDATA
}

TEST_F(Executable, AsksForPerMonitorDpiAndCommonControls6) {
    const std::string manifest = Resource(MAKEINTRESOURCEW(24), 1);  // RT_MANIFEST
    EXPECT_NE(manifest.find("PerMonitorV2"), std::string::npos);
    EXPECT_NE(manifest.find("Microsoft.Windows.Common-Controls"), std::string::npos);
    EXPECT_NE(manifest.find("asInvoker"), std::string::npos);
}

}  // namespace
