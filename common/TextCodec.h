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

// UTF-16 code units as UTF-8; unpaired surrogates become U+FFFD.
std::string Utf16ToUtf8(std::u16string_view units);

// True when `bytes` is well-formed UTF-8 (ASCII is).
bool IsUtf8(std::string_view bytes);

// 8-bit text in a Windows code page (1250 to 1258, 874, 932, 936, 949, 950).
// Never fails: what is not valid in the code page becomes U+FFFD, but for
// the five bytes Windows-1252 leaves undefined, which become the C1 controls
// of the same value, as Windows maps them.
std::wstring FromCodePage(int codePage, std::string_view bytes);

// The code page of 8-bit text whose encoding nothing tells: Windows' ANSI
// code page; elsewhere the one Windows would give the user's locale
// (LC_ALL, else LC_CTYPE, else LANG), since such a file has most likely been
// saved by a Windows editor in the user's language.
int EightBitCodePage();

// FromCodePage(EightBitCodePage(), bytes).
std::wstring FromEightBitText(std::string_view bytes);

// A path as the user should read it.
std::wstring PathToText(const Path& path);

}  // namespace velk
