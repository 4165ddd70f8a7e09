// Host names as name servers take them: a name in any script in its IDNA
// ASCII form ("bücher.example" is "xn--bcher-kva.example"), as browsers
// send it. One implementation per platform, each the platform's converter.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace velk {

// The ASCII form of a name that holds letters beyond ASCII, with UTS #46
// mapping (case folded, as browsers do); nothing where the name has none
// (a label too long, a character no host name may hold).
std::optional<std::string> HostNameToAscii(std::wstring_view name);

}  // namespace velk
