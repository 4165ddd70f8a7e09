// Conversion between the wide strings the starter holds and the 8-bit text of
// files and the socket layer. The system code page is the ANSI code page on
// Windows and UTF-8 elsewhere.
#pragma once

#include "Path.h"

#include <string>
#include <string_view>

namespace velk {

// Never fails: bytes that are not valid in the code page become U+FFFD.
std::wstring FromSystemCodePage(std::string_view bytes);

// Characters the code page cannot hold become '?'.
std::string ToSystemCodePage(std::wstring_view text);

// Portable UTF-8; invalid sequences become U+FFFD (one per maximal invalid
// subpart, as Unicode recommends). wchar_t is UTF-16 or UTF-32, whichever the
// platform uses.
std::wstring FromUtf8(std::string_view bytes);
std::string ToUtf8(std::wstring_view text);

// True when `bytes` is well-formed UTF-8 (ASCII is).
bool IsUtf8(std::string_view bytes);

// Portable Windows-1252; never fails.
std::wstring FromWindows1252(std::string_view bytes);

// 8-bit text whose encoding nothing tells: the ANSI code page on Windows, and
// Windows-1252 elsewhere, where such a file has most likely come from a
// Windows editor. Never fails.
std::wstring FromEightBitText(std::string_view bytes);

// A path as the user should read it.
std::wstring PathToText(const Path& path);

}  // namespace velk
