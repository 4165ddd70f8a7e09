// On POSIX systems the system code page is UTF-8, the encoding of every
// current desktop locale. Windows code pages are decoded by glibc's iconv,
// each converter opened once and kept for the life of the process.
#include "LocaleCodePage.h"
#include "TextCodec.h"

#include <cerrno>
#include <cstdlib>
#include <iconv.h>

#include <array>
#include <cstdint>
#include <map>
#include <mutex>

namespace velk {
namespace {

constexpr wchar_t kReplacement = 0xFFFD;

// A byte that Windows-1252 leaves undefined: Windows maps it to the C1
// control of the same value, where iconv calls it invalid.
bool IsUndefinedIn1252(unsigned char byte) {
    return byte == 0x81 || byte == 0x8D || byte == 0x8F || byte == 0x90 || byte == 0x9D;
}

class Converters {
public:
    ~Converters() {
        for (const auto& [codePage, converter] : open_) {
            if (converter != kNone) iconv_close(converter);
        }
    }

    std::wstring Decode(int codePage, std::string_view bytes) {
        const std::lock_guard lock(mutex_);
        const iconv_t converter = Open(codePage);
        if (converter == kNone) return Latin1(bytes);
        iconv(converter, nullptr, nullptr, nullptr, nullptr);  // its initial state

        std::wstring text;
        text.reserve(bytes.size());
        // iconv's interface takes non-const input; it does not write to it.
        char* in = const_cast<char*>(bytes.data());
        std::size_t inLeft = bytes.size();
        while (inLeft > 0) {
            if (Convert(converter, &in, &inLeft, text) || errno == E2BIG) continue;
            // An invalid byte (EILSEQ), or a sequence cut short by the end
            // (EINVAL): one replacement for its first byte, and on.
            Convert(converter, nullptr, nullptr, text);
            const auto byte = static_cast<unsigned char>(*in);
            text.push_back(codePage == 1252 && IsUndefinedIn1252(byte) ? static_cast<wchar_t>(byte) : kReplacement);
            ++in;
            --inLeft;
        }
        // Some converters (1255, 1258) hold back a character until they see
        // whether a combining mark follows.
        Convert(converter, nullptr, nullptr, text);
        return text;
    }

private:
    static inline const iconv_t kNone = reinterpret_cast<iconv_t>(static_cast<std::intptr_t>(-1));

    // One call of iconv, its output appended to `text`; without input, it
    // writes out what the converter holds back and returns to its initial
    // state. False on an error, which errno tells.
    static bool Convert(iconv_t converter, char** in, std::size_t* inLeft, std::wstring& text) {
        std::array<wchar_t, 256> chunk;  // written by iconv before it is read
        char* out = reinterpret_cast<char*>(chunk.data());
        std::size_t outLeft = sizeof chunk;
        const std::size_t done = iconv(converter, in, inLeft, &out, &outLeft);
        const int error = errno;
        text.append(chunk.data(), (sizeof chunk - outLeft) / sizeof(wchar_t));
        errno = error;
        return done != static_cast<std::size_t>(-1);
    }

    iconv_t Open(int codePage) {
        const auto found = open_.find(codePage);
        if (found != open_.end()) return found->second;
        // glibc names each Windows code page "CP" and its number (936 is GBK
        // and 949 Unified Hangul Code, as Windows extends them); one it lacks
        // fails to open, and its bytes read as Latin-1 below.
        const iconv_t converter = iconv_open("WCHAR_T", ("CP" + std::to_string(codePage)).c_str());
        open_.emplace(codePage, converter);
        return converter;
    }

    // Where iconv has no converter (a system without its modules): each byte
    // as the character of the same value, which is never wrong for ASCII.
    static std::wstring Latin1(std::string_view bytes) {
        std::wstring text;
        for (const char c : bytes) text.push_back(static_cast<wchar_t>(static_cast<unsigned char>(c)));
        return text;
    }

    std::mutex mutex_;
    std::map<int, iconv_t> open_;
};

// The first of these that is set and not empty names the locale whose text
// encoding applies, as POSIX has it.
std::string_view UserLocale() {
    for (const char* variable : {"LC_ALL", "LC_CTYPE", "LANG"}) {
        const char* value = std::getenv(variable);
        if (value && *value) return value;
    }
    return "C";
}

}  // namespace

std::wstring FromSystemCodePage(std::string_view bytes) { return FromUtf8(bytes); }

std::string ToSystemCodePage(std::wstring_view text) { return ToUtf8(text); }

std::wstring FromCodePage(int codePage, std::string_view bytes) {
    static Converters converters;
    return converters.Decode(codePage, bytes);
}

int EightBitCodePage() {
    static const int codePage = AnsiCodePageOfLocale(UserLocale());
    return codePage;
}

std::wstring PathToText(const Path& path) { return FromUtf8(path.Native()); }

}  // namespace velk
