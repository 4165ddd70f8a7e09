#include "AppError.h"
#include "TextCodec.h"

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

TEST(Windows1252Decode, MapsEveryByte) {
    EXPECT_EQ(FromWindows1252("Z\xFCrich \x80\x96\x9F \x81\x8D\x8F\x90\x9D \xA0\xC6\xFF"),
              L"Z\u00FCrich \u20AC\u2013\u0178 \u0081\u008D\u008F\u0090\u009D \u00A0\u00C6\u00FF");
    EXPECT_EQ(FromWindows1252(std::string("a\0b", 3)), std::wstring(L"a\0b", 3));
}

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
