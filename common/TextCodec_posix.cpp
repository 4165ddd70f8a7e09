// On POSIX systems the starter takes the system code page to be UTF-8, the
// encoding of every current desktop locale.
#include "TextCodec.h"

namespace velk {

std::wstring FromSystemCodePage(std::string_view bytes) { return FromUtf8(bytes); }

std::string ToSystemCodePage(std::wstring_view text) { return ToUtf8(text); }

std::wstring FromEightBitText(std::string_view bytes) { return FromWindows1252(bytes); }

std::wstring PathToText(const Path& path) { return FromUtf8(path.Native()); }

}  // namespace velk
