#include "ItemReader.h"

#include "TextCodec.h"

#include "support/RowName.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <vector>

namespace velk {
namespace {

// Hands out its bytes in pieces of a fixed size, so that every item and
// separator also gets split across reads.
class ChunkedSource final : public ByteSource {
public:
    ChunkedSource(std::string bytes, std::size_t chunk) : bytes_(std::move(bytes)), chunk_(chunk) {}
    std::size_t Read(std::span<char> buffer) override {
        const std::size_t n = std::min({buffer.size(), chunk_, bytes_.size() - pos_});
        std::memcpy(buffer.data(), bytes_.data() + pos_, n);
        pos_ += n;
        return n;
    }

private:
    std::string bytes_;
    std::size_t chunk_;
    std::size_t pos_ = 0;
};

std::vector<std::wstring> ReadAll(const std::string& bytes, std::size_t chunk) {
    ChunkedSource source(bytes, chunk);
    ItemReader reader(source);
    std::vector<std::wstring> items;
    while (auto item = reader.Next()) items.push_back(*item);
    return items;
}

struct ItemCase {
    const char* name;
    std::string file;
    std::vector<std::wstring> items;
};

class ItemSyntax : public testing::TestWithParam<ItemCase> {};

TEST_P(ItemSyntax, ReadsTheItems) {
    for (const std::size_t chunk : {std::size_t{1}, std::size_t{2}, std::size_t{4096}}) {
        EXPECT_EQ(ReadAll(GetParam().file, chunk), GetParam().items) << "read in pieces of " << chunk;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, ItemSyntax,
    testing::Values(
        ItemCase{"OnePerLineCrLf", "alpha\r\n800\r\nMy Server\r\nHello\r\n", {L"alpha", L"800", L"My Server", L"Hello"}},
        ItemCase{"CommasAndLines", "alpha,800\nMy Server\nHello", {L"alpha", L"800", L"My Server", L"Hello"}},
        ItemCase{"CrOnly", "a\rb\r", {L"a", L"b"}},
        ItemCase{"EmptyLineIsAnItem", "a\r\n\r\nb\n\nc", {L"a", L"", L"b", L"", L"c"}},
        ItemCase{"TwoCommas", "a,,b", {L"a", L"", L"b"}},
        ItemCase{"CommaThenLineEnd", "a,\nb", {L"a", L"", L"b"}},
        ItemCase{"SpacesAndTabsBefore", "   a,\t b", {L"a", L"b"}},
        ItemCase{"TrailingBlanksTrimmed", "a  ,b \t\r\n", {L"a", L"b"}},
        ItemCase{"InnerSpacesKept", "My  Server , x", {L"My  Server", L"x"}},
        ItemCase{"QuotedKeepsCommas", "\"Hello, players\",x", {L"Hello, players", L"x"}},
        ItemCase{"QuotedKeepsBlanks", "  \"  a \"\r\nb", {L"  a ", L"b"}},
        ItemCase{"QuotedEmpty", "\"\",x", {L"", L"x"}},
        ItemCase{"QuotedHoldsLineEnds", "\"one\r\ntwo\",x", {L"one\r\ntwo", L"x"}},
        ItemCase{"TextAfterClosingQuoteDropped", "\"a\"junk,b\n\"c\" \r\nd", {L"a", L"b", L"c", L"d"}},
        ItemCase{"QuoteNeverClosed", "\"abc,def\nghi", {L"abc,def\nghi"}},
        ItemCase{"QuoteInsideUnquoted", "ab\"c,d", {L"ab\"c", L"d"}},
        ItemCase{"LastLineWithoutLineEnd", "a,b", {L"a", L"b"}},
        ItemCase{"NothingAfterLastComma", "a,", {L"a"}},
        ItemCase{"OnlyBlanks", "  \t ", {}},
        ItemCase{"Empty", "", {}},
        ItemCase{"ByteOrderMarkSkipped", "\xEF\xBB\xBFh\xC3\xB6st,1", {L"h\u00F6st", L"1"}},
        ItemCase{"InvalidUtf8AfterMarkReplaced", "\xEF\xBB\xBF" "a\xFF" "b,c", {L"a\uFFFDb", L"c"}},
        ItemCase{"NulKeptInItem", std::string("a\0b,c", 5), {std::wstring(L"a\0b", 3), L"c"}}),
    test::RowName());

TEST(ItemReader, ReadsTextWithoutMarkInTheSystemCodePage) {
    // UTF-8 on Linux, where a stray byte becomes U+FFFD; the ANSI code page on
    // Windows. A mark after the start is no mark.
    EXPECT_EQ(ReadAll("h\xF6st,\xEF\xBB\xBF" "b", 4096),
              (std::vector<std::wstring>{FromSystemCodePage("h\xF6st"), FromSystemCodePage("\xEF\xBB\xBF" "b")}));
}

TEST(ItemReader, StopsReadingAtTheItemsAskedFor) {
    // Reads only what it needs: a huge remainder is never touched.
    std::string file = "host,800,title,news\n";
    file += std::string(1 << 20, 'x');
    ChunkedSource source(file, 4096);
    ItemReader reader(source);
    for (int i = 0; i < 4; ++i) ASSERT_TRUE(reader.Next().has_value());
}

}  // namespace
}  // namespace velk
