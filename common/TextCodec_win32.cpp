// On Windows the system code page is the ANSI code page (CP_ACP).
#include "TextCodec.h"

#include <windows.h>

#include <limits>

namespace velk {

std::wstring FromCodePage(int codePage, std::string_view bytes) {
    if (bytes.empty()) return {};
    if (bytes.size() > static_cast<std::size_t>(std::numeric_limits<int>::max())) throw std::length_error("text too long");
    const int length = static_cast<int>(bytes.size());
    const auto page = static_cast<UINT>(codePage);
    const int needed = MultiByteToWideChar(page, 0, bytes.data(), length, nullptr, 0);
    std::wstring out(static_cast<std::size_t>(needed), L'\0');
    MultiByteToWideChar(page, 0, bytes.data(), length, out.data(), needed);
    return out;
}

std::wstring FromSystemCodePage(std::string_view bytes) { return FromCodePage(CP_ACP, bytes); }

int EightBitCodePage() { return static_cast<int>(GetACP()); }

std::string ToSystemCodePage(std::wstring_view text) {
    if (text.empty()) return {};
    if (text.size() > static_cast<std::size_t>(std::numeric_limits<int>::max())) throw std::length_error("text too long");
    const int length = static_cast<int>(text.size());
    const int needed = WideCharToMultiByte(CP_ACP, 0, text.data(), length, nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<std::size_t>(needed), '\0');
    WideCharToMultiByte(CP_ACP, 0, text.data(), length, out.data(), needed, nullptr, nullptr);
    return out;
}

std::wstring PathToText(const Path& path) { return path.Native(); }

}  // namespace velk
