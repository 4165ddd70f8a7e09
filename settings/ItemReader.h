// The free-format item reader of the settings file: comma- and line-separated
// items, optionally in double quotes, read one at a time from a stream.
#pragma once

#include "FileSource.h"

#include <array>
#include <optional>
#include <string>

namespace velk {

class ItemReader {
public:
    explicit ItemReader(ByteSource& source) : source_(source) {}

    // The next item, or nothing when the stream holds no further item.
    // Items are 8-bit text in the system code page, or UTF-8 when the stream
    // starts with a UTF-8 byte-order mark (which is skipped).
    std::optional<std::wstring> Next();

private:
    static constexpr int kEnd = -1;

    int Peek();
    int Get();
    bool Fill();
    void DetectByteOrderMark();
    // Appends bytes to `out` up to the first of `stops` (or the end), and
    // returns that stop byte, consumed, or kEnd.
    int CopyUntil(std::string* out, std::string_view stops);
    void EndLine(int stop);

    ByteSource& source_;
    std::array<char, 8192> buffer_{};
    std::size_t pos_ = 0;
    std::size_t end_ = 0;
    bool started_ = false;
    bool utf8_ = false;
};

}  // namespace velk
