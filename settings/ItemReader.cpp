// Item syntax:
//  - spaces and tabs before an item are skipped (but count toward its limit);
//  - "quoted" items run to the next double quote and may hold commas and line
//    ends; anything between the closing quote and the next comma or line end
//    is dropped;
//  - unquoted items run to the next comma or line end, trailing spaces and tabs
//    trimmed; a double quote inside one is an ordinary character;
//  - CR, LF and CR LF are line ends; the end of the stream ends an item too.
// The stream is read in blocks and never held whole, so what follows the
// items asked for costs nothing, and an item is given up as soon as it runs
// past kMaxItemBytes.
#include "ItemReader.h"

#include "TextCodec.h"

#include <cstring>

namespace velk {

bool ItemReader::Fill() {
    if (pos_ < end_) return true;
    pos_ = 0;
    end_ = source_.Read(buffer_);
    return end_ > 0;
}

int ItemReader::Peek() { return Fill() ? static_cast<unsigned char>(buffer_[pos_]) : kEnd; }

int ItemReader::Get() { return Fill() ? static_cast<unsigned char>(buffer_[pos_++]) : kEnd; }

void ItemReader::DetectByteOrderMark() {
    static constexpr std::string_view kMark = "\xEF\xBB\xBF";
    // The mark may arrive split over several reads.
    while (end_ < kMark.size()) {
        const std::size_t got = source_.Read(std::span(buffer_).subspan(end_));
        if (got == 0) break;
        end_ += got;
    }
    if (std::string_view(buffer_.data(), end_).starts_with(kMark)) {
        pos_ = kMark.size();
        utf8_ = true;
    }
}

namespace {

// The first of the stop bytes in [begin, end), or end. One memchr per stop
// byte, each only as far as the nearest stop found so far: this scan is where
// a long item spends its time.
const char* FindStop(const char* begin, const char* end, std::string_view stops) {
    const char* first = end;
    for (const char stop : stops) {
        if (const void* hit = std::memchr(begin, stop, static_cast<std::size_t>(first - begin))) {
            first = static_cast<const char*>(hit);
        }
    }
    return first;
}

}  // namespace

int ItemReader::CopyUntil(std::string* out, std::string_view stops) {
    while (Fill()) {
        const char* begin = buffer_.data() + pos_;
        const char* const bufferEnd = buffer_.data() + end_;
        const char* stop = FindStop(begin, bufferEnd, stops);
        const auto taken = static_cast<std::size_t>(stop - begin);
        if (taken > budget_) throw ItemTooLongError(items_);
        budget_ -= taken;
        if (out) out->append(begin, stop);
        pos_ += taken;
        if (pos_ < end_) return Get();
    }
    return kEnd;
}

void ItemReader::EndLine(int stop) {
    if (stop == '\r' && Peek() == '\n') Get();
}

std::optional<std::wstring> ItemReader::Next() {
    if (!started_) {
        started_ = true;
        DetectByteOrderMark();
    }
    // Blanks before an item count toward its limit: a file of nothing but
    // blanks is given up as soon as a long item would be.
    budget_ = maxItemBytes_;
    while (Fill()) {
        const char* const begin = buffer_.data() + pos_;
        const char* const bufferEnd = buffer_.data() + end_;
        const char* blank = begin;
        while (blank < bufferEnd && (*blank == ' ' || *blank == '\t')) ++blank;
        const auto taken = static_cast<std::size_t>(blank - begin);
        if (taken > budget_) throw ItemTooLongError(items_ + 1);
        budget_ -= taken;
        pos_ += taken;
        if (pos_ < end_) break;
    }
    if (Peek() == kEnd) return std::nullopt;
    ++items_;

    std::string raw;
    if (Peek() == '"') {
        Get();
        if (CopyUntil(&raw, "\"") == '"') EndLine(CopyUntil(nullptr, ",\r\n"));
    } else {
        EndLine(CopyUntil(&raw, ",\r\n"));
        raw.erase(raw.find_last_not_of(" \t") + 1);
    }
    // Valid UTF-8 is taken for UTF-8 (ASCII reads the same every way); 8-bit
    // text that happens to be valid UTF-8 is the one trade-off.
    return utf8_ || IsUtf8(raw) ? FromUtf8(raw) : FromEightBitText(raw);
}

}  // namespace velk
