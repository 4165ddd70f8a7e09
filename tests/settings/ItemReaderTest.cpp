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

// Each item is read as UTF-8 when it is valid UTF-8 (or the file has a
// mark), else as 8-bit text: Windows-1252 here, the ANSI code page on Windows.
struct EncodingCase {
    const char* name;
    std::string file;
    std::vector<std::wstring> items;
    bool eightBit;  // holds 8-bit text, so its reading depends on the code page
};

class ItemEncoding : public testing::TestWithParam<EncodingCase> {};

TEST_P(ItemEncoding, DecidesPerItem) {
    if (GetParam().eightBit && FromEightBitText("\xFC\x96") != L"\u00FC\u2013") {
        GTEST_SKIP() << "the system's 8-bit code page is not Windows-1252";
    }
    EXPECT_EQ(ReadAll(GetParam().file, 4096), GetParam().items);
}

INSTANTIATE_TEST_SUITE_P(
    Table, ItemEncoding,
    testing::Values(
        EncodingCase{"Ascii", "play.example.org,800", {L"play.example.org", L"800"}, false},
        EncodingCase{"Utf8WithMark", "\xEF\xBB\xBFZ\xC3\xBCrich,\xE2\x80\x93", {L"Z\u00FCrich", L"\u2013"}, false},
        EncodingCase{"Utf8WithoutMark", "Z\xC3\xBCrich,\xC3\x86\xC3\xB8 \xF0\x9F\x8E\xAE",
                     {L"Z\u00FCrich", L"\u00C6\u00F8 \U0001F3AE"}, false},
        EncodingCase{"Windows1252", "Z\xFCrich,\x96,\xC6\xF8,\x80\x9F", {L"Z\u00FCrich", L"\u2013", L"\u00C6\u00F8", L"\u20AC\u0178"},
                     true},
        EncodingCase{"MixedItems", "Z\xC3\xBCrich,Z\xFCrich", {L"Z\u00FCrich", L"Z\u00FCrich"}, true},
        EncodingCase{"InvalidUtf8WithMarkReplaced", "\xEF\xBB\xBFZ\xFCrich", {L"Z\uFFFDrich"}, false},
        EncodingCase{"MarkAfterTheStartIsText", "a,\xEF\xBB\xBF" "b", {L"a", L"\uFEFFb"}, false},
        // The known trade-off: 8-bit text that is valid UTF-8 reads as UTF-8.
        EncodingCase{"EightBitThatIsValidUtf8", "\xC3\xBC", {L"\u00FC"}, false}),
    test::RowName());

// Reads items until the end or an error; the error gives the item's number.
struct Outcome {
    std::size_t tooLong = 0;  // the item that ran past the limit, or 0
    std::size_t bytesRead = 0;
};

// Counts what the reader takes from it.
class CountingSource final : public ByteSource {
public:
    explicit CountingSource(ByteSource& inner) : inner_(inner) {}
    std::size_t Read(std::span<char> buffer) override {
        const std::size_t got = inner_.Read(buffer);
        total_ += got;
        return got;
    }
    std::size_t Total() const { return total_; }

private:
    ByteSource& inner_;
    std::size_t total_ = 0;
};

Outcome ReadWithLimit(const std::string& bytes, std::size_t chunk) {
    ChunkedSource chunked(bytes, chunk);
    CountingSource counting(chunked);
    ItemReader reader(counting);
    Outcome outcome;
    try {
        while (reader.Next()) {
        }
    } catch (const ItemTooLongError& error) {
        outcome.tooLong = error.Item();
    }
    outcome.bytesRead = counting.Total();
    return outcome;
}

struct LimitCase {
    const char* name;
    std::string file;
    std::size_t tooLong;  // 0: every item is read
};

class ItemLimit : public testing::TestWithParam<LimitCase> {};

TEST_P(ItemLimit, StopsAtTheFirstItemPastIt) {
    for (const std::size_t chunk : {std::size_t{1000}, std::size_t{8192}}) {
        const Outcome outcome = ReadWithLimit(GetParam().file, chunk);
        EXPECT_EQ(outcome.tooLong, GetParam().tooLong) << "read in pieces of " << chunk;
        // Nothing is read beyond the block in which the limit ran out.
        if (GetParam().tooLong) {
            EXPECT_LT(outcome.bytesRead, 3 * kMaxItemBytes) << "read in pieces of " << chunk;
        }
    }
}

const std::string kFull(kMaxItemBytes, 'x');
const std::string kOver(kMaxItemBytes + 1, 'x');
const std::string kHuge(1 << 22, 'x');

INSTANTIATE_TEST_SUITE_P(
    Table, ItemLimit,
    testing::Values(
        LimitCase{"ExactlyTheLimit", kFull + "," + kFull + "\r\n\"" + kFull + "\"", 0},
        LimitCase{"OneByteMore", "a," + kOver + ",b", 2},
        LimitCase{"OneByteMoreQuoted", "a,b,\"" + kOver + "\"", 3},
        LimitCase{"OneByteMoreAtTheEnd", kOver, 1},
        LimitCase{"CrossingABlockBoundary", std::string(8000, ' ') + "abc," + kOver, 2},
        LimitCase{"HugeLine", kHuge, 1},
        LimitCase{"UnclosedQuote", "a,\"" + kHuge, 2},
        LimitCase{"TextAfterTheClosingQuoteCounts", "\"" + kFull + "\"x", 1},
        LimitCase{"BlanksCountTowardTheLimit", std::string(1 << 22, ' ') + "a", 1},
        LimitCase{"BlanksAndItemUpToTheLimit", std::string(kMaxItemBytes - 1, ' ') + "a", 0},
        LimitCase{"BlanksAndItemOneByteMore", std::string(kMaxItemBytes, ' ') + "a", 1},
        LimitCase{"BlanksPastTheLimitAfterAnItem", "a," + std::string(kMaxItemBytes + 1, '\t'), 2}),
    test::RowName());

TEST(ItemReader, KeepsAnItemOfExactlyTheLimitWhole) {
    EXPECT_EQ(ReadAll("\"" + kFull + "\"", 8192), std::vector<std::wstring>{std::wstring(kMaxItemBytes, L'x')});
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
