#include "Launcher.h"

#include "AppError.h"
#include "support/Fakes.h"
#include "support/TempFolder.h"

#include "support/RowName.h"

#include <gtest/gtest.h>

namespace velk {
namespace {

using test::EventLog;

struct LoadCase {
    const char* name;
    const char* file;
    EventLog expected;
};

class HandleLoad : public testing::TestWithParam<LoadCase> {};

TEST_P(HandleLoad, FillsTheWindowThenWelcomes) {
    test::TempFolder folder;
    folder.Write("config.ini", GetParam().file);
    EventLog log;
    test::FakeForm form(log);
    test::FakeMessageBoxes messages(log);
    Launcher launcher(form, messages, [&] { return folder.Path(); });

    launcher.HandleLoad();

    EXPECT_EQ(log, GetParam().expected);
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
                 {L"news: news", L"caption: ", L"box: Welcome to Tobin_Ravel's Loader, Currently being used for "}}),
    test::RowName());

TEST(HandleLoadFailure, LeavesWindowAndBoxesUntouched) {
    for (const char* file : {static_cast<const char*>(nullptr), "alpha,800,title"}) {
        test::TempFolder folder;
        if (file) folder.Write("config.ini", file);
        EventLog log;
        test::FakeForm form(log);
        test::FakeMessageBoxes messages(log);
        Launcher launcher(form, messages, [&] { return folder.Path(); });

        EXPECT_THROW(launcher.HandleLoad(), AppError);
        EXPECT_TRUE(log.empty());
    }
}

}  // namespace
}  // namespace velk
