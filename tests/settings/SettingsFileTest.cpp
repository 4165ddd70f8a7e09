#include "SettingsFile.h"

#include "AppError.h"
#include "ItemReader.h"
#include "TextCodec.h"
#include "support/FileAccess.h"
#include "support/RowName.h"
#include "support/TempFolder.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <fstream>
#include <variant>

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

// What a read gives: the items, or an error whose text holds this reason.
using Items = std::vector<std::wstring>;
using Outcome = std::variant<Items, std::string>;

struct FileCase {
    const char* name;
    std::string file;
    Outcome load;
    Outcome click;
};

class SettingsFiles : public testing::TestWithParam<FileCase> {
protected:
    void Expect(const Outcome& expected, const std::function<Items()>& read) {
        const std::string path = ToUtf8(PathToText(folder_.Path() / "config.ini"));
        if (const auto* items = std::get_if<Items>(&expected)) {
            EXPECT_EQ(read(), *items);
        } else {
            EXPECT_THAT(FailureOf([&] { read(); }), AllOf(HasSubstr(path), HasSubstr(std::get<std::string>(expected))));
        }
    }
    TempFolder folder_;
};

TEST_P(SettingsFiles, GiveTheirItemsOrSayWhyNot) {
    folder_.Write("config.ini", GetParam().file);
    Expect(GetParam().load, [&] {
        const ServerSettings s = ReadSettingsForLoad(folder_.Path());
        return Items{s.host, s.port, s.title, s.news};
    });
    Expect(GetParam().click, [&] {
        const PressSettings s = ReadSettingsForPress(folder_.Path());
        return Items{s.Host(), s.Port()};
    });
}

const std::string kPastEnd0 = "input past end of file (it holds 0 of the";
const std::string kPastEnd1 = "input past end of file (it holds 1 of the";
const std::string kLoadPastEnd2 = "input past end of file (it holds 2 of the 4";
const std::string kLoadPastEnd3 = "input past end of file (it holds 3 of the 4";
const std::string kFull(kMaxItemBytes, 'x');

// `text` as UTF-16 in either byte order, with or without a byte-order mark.
std::string Utf16(std::u16string_view text, bool littleEndian, bool mark = true) {
    std::string bytes;
    for (const char16_t unit : mark ? u"\uFEFF" + std::u16string(text) : std::u16string(text)) {
        const char high = static_cast<char>(unit >> 8), low = static_cast<char>(unit & 0xFF);
        bytes += littleEndian ? std::string{low, high} : std::string{high, low};
    }
    return bytes;
}
const std::string kOver(kMaxItemBytes + 1, 'x');

INSTANTIATE_TEST_SUITE_P(
    Table, SettingsFiles,
    testing::Values(
        FileCase{"Typical", "alpha,800\r\nMy Server\r\nWelcome, all\r\n", Items{L"alpha", L"800", L"My Server", L"Welcome"},
                 Items{L"alpha", L"800"}},
        FileCase{"FifthLineIgnored", "a,1,T,N\r\nextra\r\n", Items{L"a", L"1", L"T", L"N"}, Items{L"a", L"1"}},
        FileCase{"Empty", "", kPastEnd0, kPastEnd0},
        FileCase{"OnlyBlankLineEnds", "\r\n", kPastEnd1, kPastEnd1},
        FileCase{"OneItem", "alpha\r\n", kPastEnd1, kPastEnd1},
        FileCase{"TwoItems", "alpha,800\r\n", kLoadPastEnd2, Items{L"alpha", L"800"}},
        FileCase{"ThreeItems", "alpha\n800\nMy Server\n", kLoadPastEnd3, Items{L"alpha", L"800"}},
        FileCase{"CrOnlyLineEnds", "alpha\r800\rT\rN\r", Items{L"alpha", L"800", L"T", L"N"}, Items{L"alpha", L"800"}},
        FileCase{"TabsBeforeItems", "\talpha,\t800\n\t\"T\"\n N", Items{L"alpha", L"800", L"T", L"N"},
                 Items{L"alpha", L"800"}},
        FileCase{"NulBytes", std::string("al\0pha,8\0\n\0T,N", 14),
                 Items{std::wstring(L"al\0pha", 6), std::wstring(L"8\0", 2), std::wstring(L"\0T", 2), L"N"},
                 Items{std::wstring(L"al\0pha", 6), std::wstring(L"8\0", 2)}},
        FileCase{"ByteOrderMark", "\xEF\xBB\xBF" "alpha,800,Caf\xC3\xA9,N", Items{L"alpha", L"800", L"Caf\u00E9", L"N"},
                 Items{L"alpha", L"800"}},
        FileCase{"InvalidUtf8AfterMark", "\xEF\xBB\xBF" "alpha,800,Caf\xE9,N", Items{L"alpha", L"800", L"Caf\uFFFD", L"N"},
                 Items{L"alpha", L"800"}},
        FileCase{"QuoteNeverClosed", "alpha,800,\"My Server\nnews", kLoadPastEnd3, Items{L"alpha", L"800"}},
        FileCase{"QuoteInsideUnquoted", "al\"pha,8\"00,T,N", Items{L"al\"pha", L"8\"00", L"T", L"N"},
                 Items{L"al\"pha", L"8\"00"}},
        FileCase{"TextAfterClosingQuote", "\"alpha\" x,\"800\"y\nT,N", Items{L"alpha", L"800", L"T", L"N"},
                 Items{L"alpha", L"800"}},
        FileCase{"NewsOfExactlyTheLimit", "a,1,T,\"" + kFull + "\"", Items{L"a", L"1", L"T", std::wstring(kFull.size(), L'x')},
                 Items{L"a", L"1"}},
        FileCase{"TitlePastTheLimit", "a,1," + kOver + ",N", "item 3 is longer than the limit of 64 KiB (65536 bytes)",
                 Items{L"a", L"1"}},
        FileCase{"HostPastTheLimit", kOver + ",1,T,N", "item 1 is longer than the limit", "item 1 is longer than the limit"},
        FileCase{"Utf16LittleEndian", Utf16(u"alpha\r\n803\r\n\u0420\u0435\u0430\u043B\u043C\r\n\U0001F3AE, \"a,b\"\r\n", true),
                 Items{L"alpha", L"803", L"\u0420\u0435\u0430\u043B\u043C", L"\U0001F3AE"}, Items{L"alpha", L"803"}},
        FileCase{"Utf16BigEndian", Utf16(u"alpha,803,T\u00E9,N", false), Items{L"alpha", L"803", L"T\u00E9", L"N"},
                 Items{L"alpha", L"803"}},
        FileCase{"Utf16WithoutMark", Utf16(u"alpha,803,\u0420\u0435,N", true, false),
                 Items{L"alpha", L"803", L"\u0420\u0435", L"N"}, Items{L"alpha", L"803"}},
        FileCase{"Utf16TooFewItems", Utf16(u"alpha,803\r\n", true), kLoadPastEnd2, Items{L"alpha", L"803"}},
        FileCase{"Utf8WithoutMark", "a,1,Z\xC3\xBCrich,N", Items{L"a", L"1", L"Z\u00FCrich", L"N"}, Items{L"a", L"1"}}),
    test::RowName());

TEST(SettingsFile, AHugeLineAfterTheItemsIsNeverRead) {
    TempFolder folder;
    {
        std::ofstream out(folder.Path() / "config.ini", std::ios::binary);
        out << "alpha,800,T,N\r\n";
        const std::string block(1 << 20, 'x');
        for (int i = 0; i < 100; ++i) out << block;  // a 100 MB fifth line
    }
    EXPECT_EQ(ReadSettingsForLoad(folder.Path()).news, L"N");
    EXPECT_EQ(ReadSettingsForPress(folder.Path()).Port(), L"800");
}

// A file of 300 MB whose first `head` bytes are given; the rest is a hole
// the file system need not store, read as NUL bytes: no line end anywhere.
void WriteHugeFile(const TempFolder& folder, const std::string& head) {
    folder.Write("config.ini", head);
    std::filesystem::resize_file(folder.Path() / "config.ini", std::uintmax_t{300} << 20);
}

TEST(SettingsFile, AHugeItemEndsTheReadAtTheLimit) {
    const struct {
        const char* head;
        const char* item;
    } rows[] = {{"x", "item 1 is longer"}, {"alpha,800,\"Unclosed", "item 3 is longer"}};
    for (const auto& row : rows) {
        TempFolder folder;
        WriteHugeFile(folder, row.head);
        EXPECT_THAT(FailureOf([&] { ReadSettingsForLoad(folder.Path()); }), HasSubstr(row.item)) << row.head;
    }
}

TEST(SettingsFile, EveryReadSeesTheFileAsItIsNow) {
    TempFolder folder;
    folder.Write("config.ini", "alpha,800,A,a\n");
    EXPECT_EQ(ReadSettingsForPress(folder.Path()).Port(), L"800");
    folder.Write("config.ini", "beta,900,B,b\n");
    EXPECT_EQ(ReadSettingsForPress(folder.Path()).Port(), L"900");
    EXPECT_EQ(ReadSettingsForLoad(folder.Path()).title, L"B");
}

TEST(SettingsFile, AMissingFileIsReported) {
    TempFolder folder;
    EXPECT_THAT(FailureOf([&] { ReadSettingsForLoad(folder.Path()); }), HasSubstr("file not found"));
    EXPECT_THAT(FailureOf([&] { ReadSettingsForPress(folder.Path()); }), HasSubstr("file not found"));
}

TEST(SettingsFile, AFolderNamedLikeTheFileIsReported) {
    TempFolder folder;
    std::filesystem::create_directory(folder.Path() / "config.ini");
    EXPECT_THAT(FailureOf([&] { ReadSettingsForLoad(folder.Path()); }), HasSubstr("it is a folder, not a file"));
}

TEST(SettingsFile, AnUnreadableFileIsReported) {
    TempFolder folder;
    folder.Write("config.ini", "alpha,800,A,a\n");
    std::filesystem::permissions(folder.Path() / "config.ini", std::filesystem::perms::none);
    const test::PermissionsBind asAPlayer;
    if (std::ifstream(folder.Path() / "config.ini").is_open()) GTEST_SKIP() << "Windows' permission bits deny no read";
    EXPECT_THAT(FailureOf([&] { ReadSettingsForLoad(folder.Path()); }), HasSubstr("access denied"));
}

}  // namespace
}  // namespace velk
