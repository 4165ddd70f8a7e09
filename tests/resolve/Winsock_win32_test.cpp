// The Winsock layer takes its library from the system folder, whatever lies
// beside the executable.
#include "SocketLayer.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <cwctype>
#include <string>

namespace velk {
namespace {

std::wstring Lower(std::wstring text) {
    for (auto& c : text) c = static_cast<wchar_t>(std::towlower(c));
    return text;
}

TEST(WinsockLayer, LoadsWsock32FromTheSystemFolder) {
    ASSERT_EQ(PlatformSocketLayer().Startup(0x0101), 0);
    const HMODULE module = GetModuleHandleW(L"wsock32.dll");
    ASSERT_NE(module, nullptr);
    wchar_t loaded[MAX_PATH] = {};
    wchar_t system[MAX_PATH] = {};
    ASSERT_GT(GetModuleFileNameW(module, loaded, MAX_PATH), 0u);
    ASSERT_GT(GetSystemDirectoryW(system, MAX_PATH), 0u);
    EXPECT_EQ(Lower(std::wstring(loaded)), Lower(std::wstring(system) + L"\\wsock32.dll"));
    EXPECT_EQ(PlatformSocketLayer().Cleanup(), 0);
}

}  // namespace
}  // namespace velk
