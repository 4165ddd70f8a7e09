// The free-format item reader of the settings file: comma- and line-separated
// items, optionally in double quotes, read one at a time from a stream.
#pragma once

#include "ByteSource.h"

#include <array>
#include <cstddef>
#include <exception>
#include <optional>
#include <string>

namespace velk {

// The most bytes one item may take in the file (quotes and separator aside,
// the blanks before it and text dropped after a closing quote included). Nothing the starter shows
// needs more, and it keeps a broken or hostile file from costing memory.
inline constexpr std::size_t kMaxItemBytes = 64 * 1024;

// An item ran past kMaxItemBytes; the stream was not read any further.
class ItemTooLongError : public std::exception {
public:
    explicit ItemTooLongError(std::size_t item) : item_(item) {}
    // The item's number, counted from 1.
    std::size_t Item() const noexcept { return item_; }
    const char* what() const noexcept override { return "settings item too long"; }

private:
    std::size_t item_;
};

class ItemReader {
public:
    explicit ItemReader(ByteSource& source, std::size_t maxItemBytes = kMaxItemBytes)
        : source_(source), maxItemBytes_(maxItemBytes) {}

    // The next item, or nothing when the stream holds no further item.
    // Throws ItemTooLongError. Text is decided item by item: every item is
    // UTF-8 when the stream starts with a UTF-8 byte-order mark (which is
    // skipped); otherwise an item that is valid UTF-8 is read as UTF-8, and
    // any other as 8-bit text (FromEightBitText).
    std::optional<std::wstring> Next();

private:
    static constexpr int kEnd = -1;

    int Peek();
    int Get();
    bool Fill();
    void DetectByteOrderMark();
    // Appends bytes to `out` up to the first of `stops` (or the end), and
    // returns that stop byte, consumed, or kEnd. The bytes passed over, kept
    // or not, count against the item's budget.
    int CopyUntil(std::string* out, std::string_view stops);
    void EndLine(int stop);

    ByteSource& source_;
    std::size_t maxItemBytes_;
    std::array<char, 8192> buffer_{};
    std::size_t pos_ = 0;
    std::size_t end_ = 0;
    bool started_ = false;
    bool utf8_ = false;
    std::size_t items_ = 0;
    std::size_t budget_ = 0;
};

}  // namespace velk
