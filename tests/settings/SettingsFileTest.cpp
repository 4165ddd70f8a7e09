#include "SettingsFile.h"

#include "AppError.h"
#include "TextCodec.h"
#include "support/TempFolder.h"

#include <gmock/gmock.h>
#include "support/RowName.h"

#include <gtest/gtest.h>

#include <fstream>

namespace velk {
namespace {

using testing::AllOf;
using testing::HasSubstr;
using test::TempFolder;

std::string FailureOf(const std::function<void()>& read) {
    try {
        read();
    } catch (const AppError& error) {
        return error.what();
    }
    return "no error";
}

TEST(SettingsFile, LivesInTheApplicationFolder) {
    const std::filesystem::path folder = std::filesystem::path("game") / "client";
    EXPECT_EQ(SettingsFilePath(folder), folder / "config.ini");
}

TEST(SettingsFile, LoadReadsFourItemsAndIgnoresTheRest) {
    TempFolder folder;
    folder.Write("config.ini", "alpha,800\r\nMy Server\r\nWelcome, all\r\nextra line\r\n");
    const ServerSettings settings = ReadSettingsForLoad(folder.Path());
    EXPECT_EQ(settings.host, L"alpha");
    EXPECT_EQ(settings.port, L"800");
    EXPECT_EQ(settings.title, L"My Server");
    EXPECT_EQ(settings.news, L"Welcome");  // an unquoted item ends at its comma
}

TEST(SettingsFile, ClickReadsHostAndPortFromTwoItems) {
    TempFolder folder;
    folder.Write("config.ini", "alpha\n8 00x");
    const ClickSettings settings = ReadSettingsForClick(folder.Path());
    EXPECT_EQ(settings.Host(), L"alpha");
    EXPECT_EQ(settings.Port(), L"8 00x");
}

TEST(SettingsFile, EveryReadSeesTheFileAsItIsNow) {
    TempFolder folder;
    folder.Write("config.ini", "alpha,800,A,a\n");
    EXPECT_EQ(ReadSettingsForClick(folder.Path()).Port(), L"800");
    folder.Write("config.ini", "beta,900,B,b\n");
    EXPECT_EQ(ReadSettingsForClick(folder.Path()).Port(), L"900");
    EXPECT_EQ(ReadSettingsForLoad(folder.Path()).title, L"B");
}

struct FailureCase {
    const char* name;
    const char* file;  // nullptr: no file at all
    bool forClick;
    const char* reason;
};

class SettingsFailure : public testing::TestWithParam<FailureCase> {};

TEST_P(SettingsFailure, NamesTheFileAndTheReason) {
    TempFolder folder;
    if (GetParam().file) folder.Write("config.ini", GetParam().file);
    const std::string failure = FailureOf([&] {
        if (GetParam().forClick) {
            ReadSettingsForClick(folder.Path());
        } else {
            ReadSettingsForLoad(folder.Path());
        }
    });
    EXPECT_THAT(failure, AllOf(HasSubstr(ToUtf8(PathToText(folder.Path() / "config.ini"))),
                               HasSubstr(GetParam().reason)));
}

INSTANTIATE_TEST_SUITE_P(
    Table, SettingsFailure,
    testing::Values(FailureCase{"MissingAtLoad", nullptr, false, "file not found"},
                    FailureCase{"MissingAtClick", nullptr, true, "file not found"},
                    FailureCase{"EmptyFile", "", false, "input past end of file (it holds 0 of the 4"},
                    FailureCase{"ThreeItemsAtLoad", "alpha\n800\nMy Server\n", false,
                                "input past end of file (it holds 3 of the 4"},
                    FailureCase{"OneItemAtClick", "alpha\n", true, "input past end of file (it holds 1 of the 2"}),
    test::RowName());

TEST(SettingsFile, AFolderNamedLikeTheFileIsReported) {
    TempFolder folder;
    std::filesystem::create_directory(folder.Path() / "config.ini");
    EXPECT_THAT(FailureOf([&] { ReadSettingsForLoad(folder.Path()); }), HasSubstr("it is a folder, not a file"));
}

TEST(SettingsFile, AnUnreadableFileIsReported) {
    TempFolder folder;
    folder.Write("config.ini", "alpha,800,A,a\n");
    std::filesystem::permissions(folder.Path() / "config.ini", std::filesystem::perms::none);
    if (std::ifstream(folder.Path() / "config.ini").is_open()) GTEST_SKIP() << "permissions do not bind this user";
    EXPECT_THAT(FailureOf([&] { ReadSettingsForLoad(folder.Path()); }), HasSubstr("access denied"));
}

}  // namespace
}  // namespace velk
