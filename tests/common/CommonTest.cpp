#include "AppError.h"
#include "LocaleCodePage.h"
#include "TextCodec.h"
#include "WindowsPath.h"

#include "support/RowName.h"

#include <gtest/gtest.h>

namespace velk {
namespace {

struct DecodeCase {
    const char* name;
    std::string bytes;
    std::wstring text;
};

class Utf8Decode : public testing::TestWithParam<DecodeCase> {};

TEST_P(Utf8Decode, GivesTheExpectedText) {
    EXPECT_EQ(FromUtf8(GetParam().bytes), GetParam().text);
}

// Invalid input follows the "maximal subpart" practice: one U+FFFD for each
// longest prefix of a valid sequence, and each stray byte on its own.
INSTANTIATE_TEST_SUITE_P(
    Table, Utf8Decode,
    testing::Values(DecodeCase{"Ascii", "host-1.example", L"host-1.example"},
                    DecodeCase{"TwoBytes", "K\xC3\xB6ln", L"K\u00F6ln"},
                    DecodeCase{"ThreeBytes", "\xE2\x82\xAC", L"\u20AC"},
                    DecodeCase{"FourBytes", "\xF0\x9F\x8E\xAE", L"\U0001F3AE"},
                    DecodeCase{"EmbeddedNul", std::string("a\0b", 3), std::wstring(L"a\0b", 3)},
                    DecodeCase{"StrayContinuation", "a\x80z", L"a\uFFFDz"},
                    DecodeCase{"Latin1Byte", "caf\xE9", L"caf\uFFFD"},
                    DecodeCase{"Overlong", "\xC0\xAF", L"\uFFFD\uFFFD"},
                    DecodeCase{"OverlongThreeBytes", "\xE0\x80\xAF", L"\uFFFD\uFFFD\uFFFD"},
                    DecodeCase{"Surrogate", "\xED\xA0\x80", L"\uFFFD\uFFFD\uFFFD"},
                    DecodeCase{"BeyondUnicode", "\xF4\x90\x80\x80", L"\uFFFD\uFFFD\uFFFD\uFFFD"},
                    DecodeCase{"TruncatedAtEnd", "ab\xE2\x82", L"ab\uFFFD"},
                    DecodeCase{"TruncatedBeforeAscii", "\xF0\x9F\x8E,", L"\uFFFD,"},
                    DecodeCase{"InvalidLeads", "\xF5\xFF\xFE", L"\uFFFD\uFFFD\uFFFD"}),
    test::RowName());

// One title per language as a Windows editor of that language saves it.
// Rows marked `anywhere` read the same through Windows' own conversion; the
// others hold invalid bytes, which only the portable decoder promises to
// turn into U+FFFD.
struct CodePageCase {
    const char* name;
    int codePage;
    std::string bytes;
    std::wstring text;
    bool anywhere;
};

class CodePageDecode : public testing::TestWithParam<CodePageCase> {};

TEST_P(CodePageDecode, GivesTheText) {
    if (!GetParam().anywhere && sizeof(wchar_t) == 2) GTEST_SKIP() << "Windows maps invalid bytes its own way";
    EXPECT_EQ(FromCodePage(GetParam().codePage, GetParam().bytes), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Table, CodePageDecode,
    testing::Values(
        CodePageCase{"Russian1251", 1251, "\xD1\xE5\xF0\xE2\xE5\xF0 \xC2\xE5\xEB\xFC\xEC\xE0\xF0\xEA",
                     L"\u0421\u0435\u0440\u0432\u0435\u0440 \u0412\u0435\u043B\u044C\u043C\u0430\u0440\u043A", true},
        CodePageCase{"Polish1250", 1250, "Za\xBF\xF3\xB3\xE6 \x9C", L"Za\u017C\u00F3\u0142\u0107 \u015B", true},
        CodePageCase{"Greek1253", 1253, "\xC5\xEB\xEB\xDC\xE4\xE1", L"\u0395\u03BB\u03BB\u03AC\u03B4\u03B1", true},
        CodePageCase{"Turkish1254", 1254, "\xDDstanbul \xF0\xFE", L"\u0130stanbul \u011F\u015F", true},
        CodePageCase{"Hebrew1255", 1255, "\xF9\xEC\xE5\xED", L"\u05E9\u05DC\u05D5\u05DD", true},
        CodePageCase{"Arabic1256", 1256, "\xD3\xE1\xC7\xE3", L"\u0633\u0644\u0627\u0645", true},
        CodePageCase{"Lithuanian1257", 1257, "\xD0\xE8", L"\u0160\u010D", true},
        CodePageCase{"Vietnamese1258", 1258, "\xF0\xE2u", L"\u0111\u00E2u", true},
        CodePageCase{"Thai874", 874, "\xE4\xB7\xC2", L"\u0E44\u0E17\u0E22", true},
        CodePageCase{"Western1252", 1252, "Z\xFCrich \x80\x96\x9F \xA0\xC6\xFF", L"Z\u00FCrich \u20AC\u2013\u0178 \u00A0\u00C6\u00FF",
                     true},
        // Windows maps the five bytes Windows-1252 leaves undefined to C1.
        CodePageCase{"Undefined1252", 1252, "\x81\x8D\x8F\x90\x9D", L"\u0081\u008D\u008F\u0090\u009D", true},
        // Shift-JIS, whose trail bytes include ASCII letters and "\\".
        CodePageCase{"Japanese932", 932, "\x93\xFA\x96\x7B\x8C\xEA \x83\x5C\x95\x5C", L"\u65E5\u672C\u8A9E \u30BD\u8868", true},
        CodePageCase{"Chinese936", 936, "\xD6\xD0\xCE\xC4\xB7\xFE\xCE\xF1\xC6\xF7", L"\u4E2D\u6587\u670D\u52A1\u5668", true},
        CodePageCase{"Korean949", 949, "\xC7\xD1\xB1\xB9\xBE\xEE", L"\uD55C\uAD6D\uC5B4", true},
        CodePageCase{"Chinese950", 950, "\xA4\xA4\xA4\xE5", L"\u4E2D\u6587", true},
        CodePageCase{"NulKept", 1251, std::string("a\0b", 3), std::wstring(L"a\0b", 3), true},
        CodePageCase{"LeadByteAtTheEnd", 932, "ab\x82", L"ab\uFFFD", false},
        CodePageCase{"LeadByteBeforeASpace", 949, "\xC7 x", L"\uFFFD x", false},
        CodePageCase{"UndefinedIn1253", 1253, "a\xAA" "b", L"a\uFFFDb", false}),
    test::RowName());

// The item syntax splits the bytes before they are decoded: safe only
// because its own bytes are never the second byte of a double-byte character.
TEST(CodePageDecode, NoSyntaxByteIsEverASecondByte) {
    if (sizeof(wchar_t) == 2) GTEST_SKIP() << "Windows maps invalid pairs as one character; iconv tells them apart";
    for (const int codePage : {932, 936, 949, 950}) {
        for (int lead = 0x81; lead <= 0xFE; ++lead) {
            for (const char syntax : {',', '"', '\r', '\n'}) {
                const std::wstring text = FromCodePage(codePage, std::string{static_cast<char>(lead), syntax});
                ASSERT_FALSE(text.empty());
                EXPECT_EQ(text.back(), static_cast<wchar_t>(syntax)) << "code page " << codePage << ", lead " << lead;
            }
        }
    }
}

struct PathCase {
    const char* name;
    std::wstring path;
    std::wstring extended;
};

class WindowsPaths : public testing::TestWithParam<PathCase> {};

TEST_P(WindowsPaths, TakeTheirExtendedLengthForm) { EXPECT_EQ(ExtendedLengthPath(GetParam().path), GetParam().extended); }

INSTANTIATE_TEST_SUITE_P(
    Table, WindowsPaths,
    testing::Values(PathCase{"Drive", L"C:\\Games\\Velk\\config.ini", L"\\\\?\\C:\\Games\\Velk\\config.ini"},
                    PathCase{"ForwardSlashes", L"d:/Games/Velk", L"\\\\?\\d:\\Games\\Velk"},
                    PathCase{"Share", L"\\\\server\\games\\velk.exe", L"\\\\?\\UNC\\server\\games\\velk.exe"},
                    PathCase{"AlreadyExtended", L"\\\\?\\C:\\Velk", L"\\\\?\\C:\\Velk"},
                    PathCase{"Device", L"\\\\.\\pipe\\velk", L"\\\\.\\pipe\\velk"},
                    PathCase{"Relative", L"Velk\\config.ini", L"Velk\\config.ini"},
                    PathCase{"DriveRelative", L"C:config.ini", L"C:config.ini"}),
    test::RowName());

struct LocaleCase {
    const char* name;
    const char* locale;
    int codePage;
};

class LocaleCodePage : public testing::TestWithParam<LocaleCase> {};

TEST_P(LocaleCodePage, IsWhatWindowsGivesTheLocale) {
    EXPECT_EQ(AnsiCodePageOfLocale(GetParam().locale), GetParam().codePage);
}

INSTANTIATE_TEST_SUITE_P(
    Table, LocaleCodePage,
    testing::Values(LocaleCase{"Russian", "ru_RU.UTF-8", 1251}, LocaleCase{"Ukrainian", "uk_UA.UTF-8", 1251},
                    LocaleCase{"SerbianCyrillic", "sr_RS", 1251}, LocaleCase{"SerbianLatin", "sr_RS.UTF-8@latin", 1250},
                    LocaleCase{"Polish", "pl_PL.UTF-8", 1250}, LocaleCase{"Bosnian", "bs_BA", 1250},
                    LocaleCase{"Greek", "el_GR.UTF-8", 1253}, LocaleCase{"Turkish", "tr_TR.UTF-8", 1254},
                    LocaleCase{"Azerbaijani", "az_AZ", 1254}, LocaleCase{"Hebrew", "he_IL.UTF-8", 1255},
                    LocaleCase{"Persian", "fa_IR", 1256}, LocaleCase{"Latvian", "lv_LV.UTF-8", 1257},
                    LocaleCase{"Vietnamese", "vi_VN", 1258}, LocaleCase{"Thai", "th_TH.UTF-8", 874},
                    LocaleCase{"Japanese", "ja_JP.UTF-8", 932}, LocaleCase{"ChineseChina", "zh_CN.UTF-8", 936},
                    LocaleCase{"ChineseSingapore", "zh_SG.GBK", 936}, LocaleCase{"ChineseTaiwan", "zh_TW.UTF-8", 950},
                    LocaleCase{"ChineseHongKong", "zh_HK", 950}, LocaleCase{"Korean", "ko_KR.EUC-KR", 949},
                    LocaleCase{"LanguageOnly", "ru", 1251}, LocaleCase{"English", "en_US.UTF-8", 1252},
                    LocaleCase{"GermanEuro", "de_DE@euro", 1252}, LocaleCase{"C", "C", 1252},
                    LocaleCase{"CUtf8", "C.UTF-8", 1252}, LocaleCase{"Posix", "POSIX", 1252},
                    LocaleCase{"Empty", "", 1252}, LocaleCase{"Unknown", "xx_YY.UTF-8", 1252},
                    LocaleCase{"NotALanguagePrefix", "rus_RU", 1252}),
    test::RowName());

TEST(Utf8Encode, RoundTripsEveryPlane) {
    const std::wstring text = L"a\u00E9\u20AC\U0001F3AE";
    EXPECT_EQ(ToUtf8(text), "a\xC3\xA9\xE2\x82\xAC\xF0\x9F\x8E\xAE");
    EXPECT_EQ(FromUtf8(ToUtf8(text)), text);
}

TEST(AppError, CarriesTheTextAndItsUtf8Form) {
    const AppError error(L"Datei \u00BBconfig.ini\u00AB fehlt");
    EXPECT_EQ(error.Message(), L"Datei \u00BBconfig.ini\u00AB fehlt");
    EXPECT_STREQ(error.what(), "Datei \xC2\xBB" "config.ini\xC2\xAB fehlt");
}

}  // namespace
}  // namespace velk
