// Starting a real program: a stand-in client that records how it was started.
#include "ProgramStart.h"

#include "AppError.h"
#include "support/RowName.h"
#include "support/TempFolder.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <fstream>
#include <sstream>
#include <thread>

namespace velk {
namespace {

// Waits (at most 10 s) until the stand-in has written `records` records.
std::vector<std::string> WaitForRecords(const std::filesystem::path& log, std::size_t records) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    for (;;) {
        std::ifstream in(log);
        std::vector<std::string> lines;
        for (std::string line; std::getline(in, line);) lines.push_back(line);
        if (std::count(lines.begin(), lines.end(), "end") >= static_cast<long>(records) ||
            std::chrono::steady_clock::now() > deadline) {
            return lines;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
}

class PosixProgramStart : public testing::Test {
protected:
    void SetUp() override {
        std::filesystem::copy_file(VELK_STAND_IN_CLIENT, client_);
    }
    test::TempFolder folder_;
    std::filesystem::path client_ = folder_.Path() / "velk.exe";
};

TEST_F(PosixProgramStart, PassesOneArgumentNoDescriptorsAndDetaches) {
    const std::wstring argument = L"127.0.0.1:8 00;$(echo x)* \"q\"";
    PlatformProgramStarter().Start(client_, argument, WindowState::MinimizedWithFocus);

    const auto lines = WaitForRecords(folder_.Path() / "velk.log", 1);
    ASSERT_EQ(lines.size(), 6u) << testing::PrintToString(lines);
    EXPECT_EQ(lines[0], "start");
    EXPECT_NE(lines[1], "ppid:" + std::to_string(getpid())) << "the client must not be our child";
    EXPECT_EQ(lines[2], "leader:1") << "the client must not share our session";
    EXPECT_EQ(lines[3], "arg:127.0.0.1:8 00;$(echo x)* \"q\"");
    EXPECT_EQ(lines[4], "fds:");
}

TEST_F(PosixProgramStart, TwoStartsStartTwoClientsAndLeaveNoChild) {
    PlatformProgramStarter().Start(client_, L"1.2.3.4:1", WindowState::MinimizedWithFocus);
    PlatformProgramStarter().Start(client_, L"1.2.3.4:2", WindowState::MinimizedWithFocus);

    const auto lines = WaitForRecords(folder_.Path() / "velk.log", 2);
    EXPECT_THAT(lines, testing::IsSupersetOf({"arg:1.2.3.4:1", "arg:1.2.3.4:2"}));
    // The clients ran on their own: nothing of them is left to reap here.
    errno = 0;
    EXPECT_EQ(waitpid(-1, nullptr, WNOHANG), -1);
    EXPECT_EQ(errno, ECHILD);
}

struct FailureCase {
    const char* name;
    const char* content;  // nullptr: no file
    std::filesystem::perms permissions;
    const char* reason;
};

class PosixProgramStartFailure : public testing::TestWithParam<FailureCase> {};

TEST_P(PosixProgramStartFailure, NamesTheProgramAndTheReason) {
    test::TempFolder folder;
    const auto program = folder.Path() / "velk.exe";
    if (GetParam().content) {
        folder.Write("velk.exe", GetParam().content);
        std::filesystem::permissions(program, GetParam().permissions);
    }
    try {
        PlatformProgramStarter().Start(program, L"1.2.3.4:1", WindowState::MinimizedWithFocus);
        FAIL() << "started";
    } catch (const AppError& error) {
        EXPECT_THAT(error.what(), testing::AllOf(testing::HasSubstr(program.string()),
                                                 testing::HasSubstr(GetParam().reason)));
    }
}

using std::filesystem::perms;
INSTANTIATE_TEST_SUITE_P(
    Table, PosixProgramStartFailure,
    testing::Values(FailureCase{"Missing", nullptr, perms::none, "file not found"},
                    FailureCase{"NotExecutable", "#!/bin/sh\n", perms::owner_read | perms::owner_write,
                                "permission denied"},
                    FailureCase{"NoProgramInside", "just text\n", perms::owner_all,
                                "it is not an executable program"}),
    test::RowName());

}  // namespace
}  // namespace velk
