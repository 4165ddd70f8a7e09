#include "WindowsCommandLine.h"

#include "support/RowName.h"

#include <gtest/gtest.h>

namespace velk {
namespace {

struct CommandCase {
    const char* name;
    std::wstring folder;
    std::wstring argument;
    std::wstring applicationName;
    std::wstring commandLine;
};

class BuildCommandLine : public testing::TestWithParam<CommandCase> {};

TEST_P(BuildCommandLine, QuotesTheProgramAndNeverTheArgument) {
    const auto built = BuildWindowsCommandLine(GetParam().folder, L"velk.exe", GetParam().argument);
    EXPECT_EQ(built.applicationName, GetParam().applicationName);
    EXPECT_EQ(built.commandLine, GetParam().commandLine);
}

INSTANTIATE_TEST_SUITE_P(
    Table, BuildCommandLine,
    testing::Values(
        CommandCase{"PlainFolder", L"C:\\Games\\Velk", L"10.1.2.3:800", L"C:\\Games\\Velk\\velk.exe",
                    L"\"C:\\Games\\Velk\\velk.exe\" 10.1.2.3:800"},
        CommandCase{"FolderWithSpaces", L"C:\\Program Files\\Velk Online", L"10.1.2.3:800",
                    L"C:\\Program Files\\Velk Online\\velk.exe",
                    L"\"C:\\Program Files\\Velk Online\\velk.exe\" 10.1.2.3:800"},
        CommandCase{"NonAsciiFolder", L"D:\\Spiele\\\u00DCberwelt \u4E16\u754C", L"10.1.2.3:800",
                    L"D:\\Spiele\\\u00DCberwelt \u4E16\u754C\\velk.exe",
                    L"\"D:\\Spiele\\\u00DCberwelt \u4E16\u754C\\velk.exe\" 10.1.2.3:800"},
        CommandCase{"TrailingBackslash", L"C:\\", L"10.1.2.3:800", L"C:\\velk.exe", L"\"C:\\velk.exe\" 10.1.2.3:800"},
        CommandCase{"UnresolvedHost", L"C:\\Velk", L":800", L"C:\\Velk\\velk.exe", L"\"C:\\Velk\\velk.exe\" :800"},
        CommandCase{"PortWithSpacesAndQuotes", L"C:\\Velk", L"10.1.2.3:8 0\"0", L"C:\\Velk\\velk.exe",
                    L"\"C:\\Velk\\velk.exe\" 10.1.2.3:8 0\"0"}),
    test::RowName());

}  // namespace
}  // namespace velk
