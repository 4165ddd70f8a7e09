// Starting a real program: a stand-in client that records how it was started.
#include "ProgramStart.h"
#include "ProgramStart_linux.h"

#include "AppError.h"
#include "support/RowName.h"
#include "support/TempFolder.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <chrono>
#include <cstdlib>
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

TEST_F(PosixProgramStart, PassesOneArgumentNoDescriptorsAndDetachesInItsFolder) {
    // Started from elsewhere, as from a shortcut or a terminal, by a starter
    // run from nohup or a launcher that ignores and blocks signals, whose
    // own Qt was kept off a silent session bus.
    std::filesystem::current_path("/");
    const std::wstring argument = L"127.0.0.1:8 00;$(echo x)* \"q\"";
    PassToPrograms("DBUS_SESSION_BUS_ADDRESS", "unix:path=/run/user/1000/bus");
    const auto savedInt = std::signal(SIGINT, SIG_IGN), savedHup = std::signal(SIGHUP, SIG_IGN);
    sigset_t term, savedMask;
    sigemptyset(&term);
    sigaddset(&term, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &term, &savedMask);
    PlatformProgramStarter().Start(client_, argument, WindowState::MinimizedWithFocus);
    pthread_sigmask(SIG_SETMASK, &savedMask, nullptr);
    std::signal(SIGINT, savedInt), std::signal(SIGHUP, savedHup);

    const auto lines = WaitForRecords(folder_.Path() / "velk.log", 1);
    ASSERT_EQ(lines.size(), 10u) << testing::PrintToString(lines);
    EXPECT_EQ(lines[0], "start");
    EXPECT_EQ(lines[2], "leader:1") << "the client must not share our session";
    EXPECT_EQ(lines[3], "arg:127.0.0.1:8 00;$(echo x)* \"q\"");
    EXPECT_EQ(lines[4], "fds:");
    EXPECT_EQ(lines[5], "cwd:" + folder_.Path().string()) << "the client's working folder is its own";
    EXPECT_EQ(lines[6], "bus:unix:path=/run/user/1000/bus") << "the player's session bus, for the game";
    EXPECT_EQ(lines[7], "ignored:");
    EXPECT_EQ(lines[8], "blocked:");
}

// The children of this process that have ended and not been reaped.
int Zombies() {
    int zombies = 0;
    for (const auto& entry : std::filesystem::directory_iterator("/proc")) {
        std::ifstream in(entry.path() / "stat");
        std::string stat;
        std::getline(in, stat);
        const auto end = stat.rfind(')');
        if (end == std::string::npos) continue;
        std::istringstream rest(stat.substr(end + 2));
        char state = 0;
        pid_t parent = 0;
        rest >> state >> parent;
        zombies += parent == getpid() && state == 'Z';
    }
    return zombies;
}

TEST_F(PosixProgramStart, TwoStartsStartTwoClientsAndLeaveNoZombie) {
    PlatformProgramStarter().Start(client_, L"1.2.3.4:1", WindowState::MinimizedWithFocus);
    PlatformProgramStarter().Start(client_, L"1.2.3.4:2", WindowState::MinimizedWithFocus);

    const auto lines = WaitForRecords(folder_.Path() / "velk.log", 2);
    EXPECT_THAT(lines, testing::IsSupersetOf({"arg:1.2.3.4:1", "arg:1.2.3.4:2"}));
    // The clients have ended; they are reaped without anyone asking.
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (Zombies() > 0 && std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    EXPECT_EQ(Zombies(), 0);
}

struct FailureCase {
    const char* name;
    const char* content;  // nullptr: no file, or what `link` makes
    std::filesystem::perms permissions;
    const char* reason;
    const char* link = nullptr;  // "": a folder; else a link to it
};

class PosixProgramStartFailure : public testing::TestWithParam<FailureCase> {};

TEST_P(PosixProgramStartFailure, NamesTheProgramAndTheReason) {
    test::TempFolder folder;
    const auto program = folder.Path() / "velk.exe";
    if (GetParam().content) {
        folder.Write("velk.exe", GetParam().content);
        std::filesystem::permissions(program, GetParam().permissions);
    } else if (GetParam().link && !*GetParam().link) {
        std::filesystem::create_directory(program);
    } else if (GetParam().link) {
        std::filesystem::create_symlink(GetParam().link, program);
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
                                "it is not an executable program"},
                    FailureCase{"AFolder", nullptr, perms::none, "it is a folder, not the game client", ""},
                    FailureCase{"ADevice", nullptr, perms::none, "it is not a regular file", "/dev/null"},
                    FailureCase{"ALinkToNothing", nullptr, perms::none, "it is a link to a file that is not there",
                                "missing.exe"}),
    test::RowName());

// A Windows client is started through the first "wine" on PATH, found in a
// private PATH here: a fake that records its arguments and WINEPREFIX.
class WineRoute : public testing::Test {
protected:
    void SetUp() override {
        const char* path = std::getenv("PATH");
        savedPath_ = path ? path : "";
        std::filesystem::create_directories(client_.parent_path());
        std::filesystem::create_directories(tools_);
        // The smallest PE file, as unpacked from a zip: no exec bit.
        std::string pe(0x80, '\0');
        pe.replace(0, 2, "MZ");
        pe[0x3C] = 0x40;
        pe.replace(0x40, 4, std::string("PE\0\0", 4));
        folder_.Write(client_.lexically_relative(folder_.Path()), pe);
        WriteScript(tools_ / "wine",
                    "{ for a; do printf 'arg:%s\\n' \"$a\"; done; printf 'prefix:%s\\nend\\n' \"$WINEPREFIX\"; } "
                    ">>\"$(dirname \"$0\")/velk.log\"\n");
        setenv("WINEPREFIX", "/tmp/a prefix of the player's", 1);
    }
    void TearDown() override {
        setenv("PATH", savedPath_.c_str(), 1);
        unsetenv("WINEPREFIX");
    }
    void WriteScript(const std::filesystem::path& path, const std::string& body) {
        folder_.Write(path.lexically_relative(folder_.Path()), "#!/bin/sh\n" + body);
        std::filesystem::permissions(path, std::filesystem::perms::owner_all);
    }
    std::string Failure() {
        try {
            PlatformProgramStarter().Start(client_, L"10.1.2.3:800", WindowState::MinimizedWithFocus);
        } catch (const AppError& error) {
            return error.what();
        }
        return "started";
    }

    test::TempFolder folder_;
    std::string savedPath_;
    std::filesystem::path tools_ = folder_.Path() / "tools";
    std::filesystem::path client_ = folder_.Path() / "Velk \"Game\" $HOME Z\xC3\xBCrich" / "velk.exe";
};

TEST_F(WineRoute, StartsAWindowsClientMinimizedThroughWine) {
    // Relative and empty entries mean the current folder: never searched.
    setenv("PATH", ("tools::" + tools_.string() + ":/usr/bin:/bin").c_str(), 1);
    std::filesystem::current_path(folder_.Path());
    PlatformProgramStarter().Start(client_, L"10.1.2.3:800", WindowState::MinimizedWithFocus);
    std::filesystem::current_path("/");

    EXPECT_EQ(WaitForRecords(tools_ / "velk.log", 1),
              (std::vector<std::string>{"arg:start", "arg:/min", "arg:/unix", "arg:" + client_.string(),
                                        "arg:10.1.2.3:800", "prefix:/tmp/a prefix of the player's", "end"}));
}

TEST_F(WineRoute, WithoutWineSaysWhatIsNeeded) {
    setenv("PATH", "/nonexistent:relative", 1);
    EXPECT_THAT(Failure(), testing::AllOf(testing::HasSubstr(client_.string()),
                                          testing::HasSubstr("it is a Windows program, and Wine is needed to run it "
                                                             "here, but no \"wine\" was found on the PATH")));
}

TEST_F(WineRoute, AWineThatCannotRunGivesTheSystemsReason) {
    std::filesystem::permissions(tools_ / "wine", std::filesystem::perms::owner_read);
    setenv("PATH", tools_.c_str(), 1);
    if (access((tools_ / "wine").c_str(), X_OK) == 0) GTEST_SKIP() << "permissions do not bind this user";
    EXPECT_THAT(Failure(), testing::HasSubstr("Wine (\"" + (tools_ / "wine").string() +
                                              "\") cannot be run: Permission denied"));
}

TEST_F(WineRoute, NativeClientsStillStartDirectly) {
    setenv("PATH", (tools_.string() + ":/usr/bin:/bin").c_str(), 1);
    const auto client = folder_.Path() / "native";
    std::filesystem::create_directories(client);
    std::filesystem::copy_file(VELK_STAND_IN_CLIENT, client / "velk.exe");
    WriteScript(client / "script.exe", "printf 'script:%s\\nend\\n' \"$*\" >>\"$(dirname \"$0\")/velk.log\"\n");

    PlatformProgramStarter().Start(client / "velk.exe", L"1.2.3.4:1", WindowState::MinimizedWithFocus);
    PlatformProgramStarter().Start(client / "script.exe", L"1.2.3.4:2", WindowState::MinimizedWithFocus);
    EXPECT_THAT(WaitForRecords(client / "velk.log", 2), testing::IsSupersetOf({"arg:1.2.3.4:1", "script:1.2.3.4:2"}));
    EXPECT_FALSE(std::filesystem::exists(tools_ / "velk.log")) << "Wine was started for a native client";
}

}  // namespace
}  // namespace velk
