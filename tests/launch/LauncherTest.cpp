#include "Launcher.h"

#include "AppError.h"
#include "TextCodec.h"
#include "support/FakeSocketLayer.h"
#include "support/FileAccess.h"
#include "support/Fakes.h"
#include "support/RowName.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

namespace velk {
namespace {

using test::EventLog;

// A launcher on a temporary application folder, with fakes around it that
// all write into one log.
struct LauncherRig {
    test::TempFolder folder;
    EventLog log;
    test::FakeForm form{log};
    test::FakeMessageBoxes messages{log};
    test::FakeSocketLayer sockets{log};
    test::FakeProgramStarter programs{log};
    Launcher launcher{form, messages, {[this] { return folder.Path(); }, sockets, programs}};

    LauncherRig() { sockets.hosts["alpha"] = {4, {test::Bytes({10, 1, 2, 3})}}; }

    std::wstring Started(const std::wstring& argument) const {
        return L"start " + PathToText(folder.Path() / "velk.exe") + L" " + argument + L" [state 2]";
    }
};

struct LoadCase {
    const char* name;
    std::string file;
    EventLog expected;
};

class HandleLoad : public testing::TestWithParam<LoadCase> {};

TEST_P(HandleLoad, FillsTheWindowThenWelcomes) {
    LauncherRig rig;
    rig.folder.Write("config.ini", GetParam().file);

    rig.launcher.HandleLoad();

    EXPECT_EQ(rig.log, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Table, HandleLoad,
    testing::Values(
        LoadCase{"MyServer",
                 "alpha,800\r\nMy Server\r\n\"News, today\"\r\n",
                 {L"news: News, today", L"caption: My Server",
                  L"box: Welcome to Tobin_Ravel's Loader, Currently being used for My Server"}},
        LoadCase{"NewsCutAtComma",
                 "alpha,800,T,first, second\n",
                 {L"news: first", L"caption: T", L"box: Welcome to Tobin_Ravel's Loader, Currently being used for T"}},
        LoadCase{"EmptyTitle",
                 "alpha,800,,news\n",
                 {L"news: news", L"caption: ", L"box: Welcome to Tobin_Ravel's Loader, Currently being used for "}},
        LoadCase{"NulShownAsAnUnreadableByte",
                 std::string("alpha,800,A\0B,x\0y\n", 18),
                 {L"news: x\uFFFDy", L"caption: A\uFFFDB",
                  L"box: Welcome to Tobin_Ravel's Loader, Currently being used for A\uFFFDB"}}),
    test::RowName());

struct ClickCase {
    const char* name;
    const char* file;
    int socketStart;  // what the socket layer's start answers
    std::vector<std::wstring> expected;  // "<started>" stands for the start line
    std::wstring argument;
};

class HandleStartClick : public testing::TestWithParam<ClickCase> {};

TEST_P(HandleStartClick, ResolvesThenStartsTheClient) {
    LauncherRig rig;
    rig.folder.Write("config.ini", GetParam().file);
    rig.sockets.startupResult = GetParam().socketStart;

    rig.launcher.HandleStartClick();

    EventLog expected;
    for (const auto& line : GetParam().expected) {
        expected.push_back(line == L"<started>" ? rig.Started(GetParam().argument) : line);
    }
    EXPECT_EQ(rig.log, expected);
}

INSTANTIATE_TEST_SUITE_P(
    Table, HandleStartClick,
    testing::Values(
        ClickCase{"Resolved", "alpha,800\n", 0, {L"startup 257", L"<started>"}, L"10.1.2.3:800"},
        ClickCase{"OnlyTwoItemsNeeded", "alpha\n800", 0, {L"startup 257", L"<started>"}, L"10.1.2.3:800"},
        ClickCase{"UnresolvedHostSilently", "nowhere,800\n", 0, {L"startup 257", L"<started>"}, L":800"},
        ClickCase{"PortAsWritten", "alpha,\"8 00 x\"\n", 0, {L"startup 257", L"<started>"}, L"10.1.2.3:8 00 x"},
        ClickCase{"EmptyPort", "alpha,\n", 0, {L"startup 257", L"<started>"}, L"10.1.2.3:"},
        ClickCase{"SocketLayerDown", "alpha,800\n", 10091,
                  {L"startup 257", L"box: Failed to open Socket.", L"<started>"}, L":800"}),
    test::RowName());

TEST(HandleStartClickFailure, StartsNothingWithoutTwoItems) {
    for (const char* file : {static_cast<const char*>(nullptr), "", "alpha"}) {
        LauncherRig rig;
        if (file) rig.folder.Write("config.ini", file);
        EXPECT_THROW(rig.launcher.HandleStartClick(), AppError);
        EXPECT_TRUE(rig.log.empty()) << testing::PrintToString(rig.log);
    }
}

TEST(HandleStartClickFailure, AClientThatDoesNotStartEndsTheClick) {
    LauncherRig rig;
    rig.folder.Write("config.ini", "alpha,800\n");
    rig.programs.fail = true;
    EXPECT_THROW(rig.launcher.HandleStartClick(), AppError);
}

TEST(HandleStartClick, EveryClickReadsTheSettingsAsTheyAreNow) {
    LauncherRig rig;
    rig.folder.Write("config.ini", "alpha,800\n");
    rig.launcher.HandleStartClick();
    rig.folder.Write("config.ini", "alpha,801\n");
    rig.launcher.HandleStartClick();
    EXPECT_EQ(rig.log, (EventLog{L"startup 257", rig.Started(L"10.1.2.3:800"), L"startup 257",
                                 rig.Started(L"10.1.2.3:801")}));
}

TEST(HandleStartClick, HoldsTheSettingsFileOpenWhileTheClientStarts) {
    LauncherRig rig;
    rig.folder.Write("config.ini", "alpha,800\n");
    const auto settingsFile = rig.folder.Path() / "config.ini";
    bool openDuringStart = false;
    rig.programs.duringStart = [&] { openDuringStart = test::IsHeldOpen(settingsFile); };

    rig.launcher.HandleStartClick();

    EXPECT_TRUE(openDuringStart);
    EXPECT_FALSE(test::IsHeldOpen(settingsFile));
}

// A tool that saves the file by deleting and writing it anew may delete it
// while a click holds it open; the next click reads what it wrote.
TEST(HandleStartClick, LetsAToolDeleteTheSettingsFileMeanwhile) {
    LauncherRig rig;
    rig.folder.Write("config.ini", "alpha,800\n");
    std::error_code deleted;
    rig.programs.duringStart = [&] { std::filesystem::remove(rig.folder.Path() / "config.ini", deleted); };

    rig.launcher.HandleStartClick();

    EXPECT_FALSE(deleted) << deleted.message();
    rig.programs.duringStart = nullptr;
    rig.folder.Write("config.ini", "alpha,801\n");
    rig.launcher.HandleStartClick();
    EXPECT_EQ(rig.log.back(), rig.Started(L"10.1.2.3:801"));
}

TEST(HandleLoadFailure, LeavesWindowAndBoxesUntouched) {
    for (const char* file : {static_cast<const char*>(nullptr), "alpha,800,title"}) {
        LauncherRig rig;
        if (file) rig.folder.Write("config.ini", file);
        EXPECT_THROW(rig.launcher.HandleLoad(), AppError);
        EXPECT_TRUE(rig.log.empty());
    }
}

}  // namespace
}  // namespace velk
