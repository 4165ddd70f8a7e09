// A second reader of the settings file's items, written straight from the
// item rules over the whole buffer at once and deliberately plain: the fuzzer
// holds the streaming reader to it.
#pragma once

#include "DecodedSource.h"
#include "TextCodec.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace velk::fuzz {

struct PlainItems {
    std::vector<std::wstring> items;
    std::size_t tooLong = 0;  // the number of the item past the limit, or 0
};

// The file as the item reader is given it: UTF-16 (by its mark, or by its
// start's zero bytes) decoded whole, behind a UTF-8 mark.
inline std::string DecodePlainly(std::string_view file) {
    bool littleEndian = file.starts_with("\xFF\xFE");
    if (littleEndian || file.starts_with("\xFE\xFF")) {
        file.remove_prefix(2);
    } else if (LooksLikeUtf16Le(file.substr(0, kFormSampleBytes))) {
        littleEndian = true;
    } else {
        return std::string(file);
    }
    std::u16string units;
    for (std::size_t i = 0; i + 1 < file.size(); i += 2) {
        const auto first = static_cast<unsigned char>(file[i]);
        const auto second = static_cast<unsigned char>(file[i + 1]);
        units.push_back(static_cast<char16_t>(littleEndian ? first | second << 8 : first << 8 | second));
    }
    return "\xEF\xBB\xBF" + Utf16ToUtf8(units) + (file.size() % 2 ? "\xEF\xBF\xBD" : "");
}

inline PlainItems ParsePlainly(std::string_view file, std::size_t maxItemBytes) {
    PlainItems result;
    const bool mark = file.starts_with("\xEF\xBB\xBF");
    if (mark) file.remove_prefix(3);
    std::size_t i = 0;
    const auto at = [&](std::size_t k) { return k < file.size() ? file[k] : '\0'; };
    const auto isSeparator = [](char c) { return c == ',' || c == '\r' || c == '\n'; };
    for (;;) {
        std::size_t blanks = 0;
        for (; i < file.size() && (file[i] == ' ' || file[i] == '\t'); ++i) {
            if (++blanks > maxItemBytes) {
                result.tooLong = result.items.size() + 1;
                return result;
            }
        }
        if (i == file.size()) return result;

        std::string value;
        std::size_t itemBytes = blanks;
        if (file[i] == '"') {
            const std::size_t close = file.find('"', i + 1);
            const std::size_t valueEnd = close == std::string_view::npos ? file.size() : close;
            value = file.substr(i + 1, valueEnd - i - 1);
            i = valueEnd;
            itemBytes += value.size();
            if (close != std::string_view::npos) {
                ++i;  // the closing quote; what follows it up to the separator is dropped
                for (; i < file.size() && !isSeparator(file[i]); ++i) ++itemBytes;
            }
        } else {
            while (i < file.size() && !isSeparator(file[i])) value += file[i++];
            itemBytes += value.size();
            while (!value.empty() && (value.back() == ' ' || value.back() == '\t')) value.pop_back();
        }
        if (itemBytes > maxItemBytes) {
            result.tooLong = result.items.size() + 1;
            return result;
        }
        // The separator: a comma, CR, LF or CR LF.
        if (i < file.size()) {
            if (file[i] == '\r' && at(i + 1) == '\n') ++i;
            ++i;
        }
        result.items.push_back(mark || IsUtf8(value) ? FromUtf8(value) : FromEightBitText(value));
    }
}

}  // namespace velk::fuzz
