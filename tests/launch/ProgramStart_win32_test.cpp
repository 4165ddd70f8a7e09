// Starting a real program on Windows: a stand-in client that records its
// command line, in a folder whose name has a space.
#include "ProgramStart.h"

#include "AppError.h"
#include "TextCodec.h"
#include "support/TempFolder.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <chrono>
#include <fstream>
#include <thread>

namespace velk {
namespace {

std::vector<std::string> WaitForRecord(const std::filesystem::path& log) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    for (;;) {
        std::ifstream in(log);
        std::vector<std::string> lines;
        for (std::string line; std::getline(in, line);) lines.push_back(line);
        if (!lines.empty() && lines.back() == "end") return lines;
        if (std::chrono::steady_clock::now() > deadline) return lines;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
}

TEST(Win32ProgramStart, QuotesTheProgramAndAsksForAMinimizedWindowInItsFolder) {
    test::TempFolder temp;
    const auto folder = temp.Path() / L"Velk Game \u00DC";
    std::filesystem::create_directory(folder);
    std::filesystem::copy_file(VELK_STAND_IN_CLIENT, folder / "velk.exe");
    std::filesystem::current_path(std::filesystem::temp_directory_path());  // the starter run from elsewhere

    PlatformProgramStarter().Start(folder / "velk.exe", L"127.0.0.1:8 00", WindowState::MinimizedWithFocus);

    const auto lines = WaitForRecord(folder / "velk.log");
    ASSERT_EQ(lines.size(), 4u) << testing::PrintToString(lines);
    EXPECT_EQ(lines[0], "cmd:\"" + ToUtf8((folder / "velk.exe").native()) + "\" 127.0.0.1:8 00");
    EXPECT_EQ(lines[1], "show:2");
    EXPECT_EQ(lines[2], "cwd:" + ToUtf8(folder.native()));
}

// What earlier calls leave on the stack, as a press's host lookup does:
// short relative names, which the start must never take for the client's.
[[gnu::noinline]] void StainTheStack() {
    volatile wchar_t stain[16384];
    for (std::size_t i = 0; i < std::size(stain); ++i) stain[i] = i % 97 == 96 ? L'\0' : L'x';
}

// A client whose path is longer than MAX_PATH, in a folder that is (255
// characters) or is not (290) short enough to be a working folder: it
// starts, whatever the stack holds; one that is not there is missing.
TEST(Win32ProgramStart, FromAFolderDeeperThanMaxPath) {
    for (const auto& [depth, there] : {std::pair{255u, true}, std::pair{290u, true}, std::pair{290u, false}}) {
        test::TempFolder temp;
        std::filesystem::path folder = temp.Path();
        while (folder.native().size() + 17 < depth) folder /= L"Velk Game Folder";
        folder /= std::wstring(depth - folder.native().size() - 1, L'x');
        std::filesystem::create_directories(folder);
        if (there) std::filesystem::copy_file(VELK_STAND_IN_CLIENT, folder / "velk.exe");
        StainTheStack();
        try {
            PlatformProgramStarter().Start(folder / "velk.exe", L"127.0.0.1:800", WindowState::MinimizedWithFocus);
            const auto lines = WaitForRecord(folder / "velk.log");
            ASSERT_EQ(lines.size(), 4u) << testing::PrintToString(lines);
            EXPECT_TRUE(lines[0].ends_with("\" 127.0.0.1:800")) << lines[0];
            EXPECT_TRUE(there) << "started";
        } catch (const AppError& error) {
            EXPECT_FALSE(there) << depth << ": " << error.what();
            EXPECT_THAT(error.what(), testing::HasSubstr("file not found"));
        }
    }
}

// A client that cannot start is reported by name and reason: missing, or a
// folder in its place (where the system says "access denied", or under
// Wine "invalid handle").
class Win32ProgramStartFailure : public testing::TestWithParam<std::pair<const char*, bool>> {};

TEST_P(Win32ProgramStartFailure, NamesTheProgramAndTheReason) {
    test::TempFolder temp;
    const auto program = temp.Path() / "velk.exe";
    if (GetParam().second) std::filesystem::create_directory(program);
    try {
        PlatformProgramStarter().Start(program, L"1.2.3.4:1", WindowState::MinimizedWithFocus);
        FAIL() << "started";
    } catch (const AppError& error) {
        EXPECT_THAT(error.what(),
                    testing::AllOf(testing::HasSubstr(ToUtf8(program.native())), testing::HasSubstr(GetParam().first)));
    }
}
INSTANTIATE_TEST_SUITE_P(Table, Win32ProgramStartFailure,
                         testing::Values(std::pair("file not found", false),
                                         std::pair("it is a folder, not the game client", true)),
                         [](const auto& row) { return std::string(row.param.second ? "AFolder" : "Missing"); });

}  // namespace
}  // namespace velk
