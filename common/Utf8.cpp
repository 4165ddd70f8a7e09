// Portable UTF-8 conversion.
#include "TextCodec.h"

#include <cstdint>

namespace velk {
namespace {

constexpr char32_t kReplacement = 0xFFFD;

void AppendCodePoint(std::wstring& out, char32_t cp) {
    if constexpr (sizeof(wchar_t) == 2) {
        if (cp > 0xFFFF) {
            cp -= 0x10000;
            out.push_back(static_cast<wchar_t>(0xD800 + (cp >> 10)));
            out.push_back(static_cast<wchar_t>(0xDC00 + (cp & 0x3FF)));
            return;
        }
    }
    out.push_back(static_cast<wchar_t>(cp));
}

// Reads one code point from UTF-16 or UTF-32 text; unpaired surrogates and
// values beyond U+10FFFF read as U+FFFD.
template <typename Unit>
char32_t NextCodePoint(std::basic_string_view<Unit> text, std::size_t& i) {
    const auto unit = static_cast<char32_t>(text[i++]);
    if (unit >= 0xD800 && unit <= 0xDBFF && sizeof(Unit) == 2 && i < text.size()) {
        const auto low = static_cast<char32_t>(text[i]);
        if (low >= 0xDC00 && low <= 0xDFFF) {
            ++i;
            return 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00);
        }
    }
    if ((unit >= 0xD800 && unit <= 0xDFFF) || unit > 0x10FFFF) return kReplacement;
    return unit;
}

void AppendUtf8(std::string& out, char32_t cp) {
    auto put = [&out](char32_t byte) { out.push_back(static_cast<char>(byte)); };
    if (cp < 0x80) {
        put(cp);
    } else if (cp < 0x800) {
        put(0xC0 | (cp >> 6));
        put(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        put(0xE0 | (cp >> 12));
        put(0x80 | ((cp >> 6) & 0x3F));
        put(0x80 | (cp & 0x3F));
    } else {
        put(0xF0 | (cp >> 18));
        put(0x80 | ((cp >> 12) & 0x3F));
        put(0x80 | ((cp >> 6) & 0x3F));
        put(0x80 | (cp & 0x3F));
    }
}

// Reads the UTF-8 sequence that starts at bytes[i] into `cp` and moves `i`
// past it. An invalid sequence gives false, with `i` past its maximal
// subpart (at least one byte).
bool ReadSequence(std::string_view bytes, std::size_t& i, char32_t& cp) {
    const std::size_t n = bytes.size();
    const auto lead = static_cast<std::uint8_t>(bytes[i]);
    if (lead < 0x80) {
        cp = lead;
        ++i;
        return true;
    }
    // Length and the allowed range of the second byte; the ranges rule out
    // overlong forms, surrogates and values beyond U+10FFFF.
    int trail = 0;
    std::uint8_t low = 0x80;
    std::uint8_t high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        trail = 1;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        trail = 2;
        if (lead == 0xE0) low = 0xA0;
        if (lead == 0xED) high = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        trail = 3;
        if (lead == 0xF0) low = 0x90;
        if (lead == 0xF4) high = 0x8F;
    } else {
        ++i;
        return false;
    }
    cp = lead & (0x3F >> trail);
    std::size_t j = i + 1;
    for (int k = 0; k < trail; ++k, ++j) {
        const std::uint8_t byte = j < n ? static_cast<std::uint8_t>(bytes[j]) : std::uint8_t{0};
        if (j >= n || byte < low || byte > high) {
            i = j;
            return false;
        }
        cp = (cp << 6) | (static_cast<char32_t>(byte) & 0x3Fu);
        low = 0x80;
        high = 0xBF;
    }
    i = j;
    return true;
}

}  // namespace

std::wstring FromUtf8(std::string_view bytes) {
    std::wstring out;
    out.reserve(bytes.size());
    for (std::size_t i = 0; i < bytes.size();) {
        char32_t cp = 0;
        AppendCodePoint(out, ReadSequence(bytes, i, cp) ? cp : kReplacement);
    }
    return out;
}

bool IsUtf8(std::string_view bytes) {
    char32_t cp = 0;
    for (std::size_t i = 0; i < bytes.size();) {
        if (!ReadSequence(bytes, i, cp)) return false;
    }
    return true;
}

template <typename Unit>
std::string EncodeUtf8(std::basic_string_view<Unit> text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) AppendUtf8(out, NextCodePoint(text, i));
    return out;
}

std::string ToUtf8(std::wstring_view text) { return EncodeUtf8(text); }

std::string Utf16ToUtf8(std::u16string_view units) { return EncodeUtf8(units); }

std::wstring FromEightBitText(std::string_view bytes) { return FromCodePage(EightBitCodePage(), bytes); }

}  // namespace velk
