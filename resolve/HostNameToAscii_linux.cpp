// Linux: libidn2, the IDNA library the distributions ship.
#include "HostNameToAscii.h"

#include "TextCodec.h"

#include <idn2.h>

#include <memory>

namespace velk {

std::optional<std::string> HostNameToAscii(std::wstring_view name) {
    char* ascii = nullptr;
    // Nontransitional processing keeps "ß" and "ς" as the letters they are.
    if (idn2_to_ascii_8z(ToUtf8(name).c_str(), &ascii, IDN2_NFC_INPUT | IDN2_NONTRANSITIONAL) != IDN2_OK) {
        return std::nullopt;
    }
    const std::unique_ptr<char, decltype(&idn2_free)> owned(ascii, &idn2_free);
    return std::string(ascii);
}

}  // namespace velk
