// Conversion between the wide strings the starter holds and the 8-bit text of
// files and the socket layer. The system code page is the ANSI code page on
// Windows and UTF-8 elsewhere.
#pragma once

#include <filesystem>
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

// A path as the user should read it.
std::wstring PathToText(const std::filesystem::path& path);

}  // namespace velk
