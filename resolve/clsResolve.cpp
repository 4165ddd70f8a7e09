#include "clsResolve.h"

#include "HostNameToAscii.h"
#include "TextCodec.h"

#include <algorithm>

namespace velk {
namespace {

constexpr std::uint16_t kWinsockVersion11 = 0x0101;

// The name as the name server is asked for it: an ASCII name as it stands
// (dotted numbers keep the platform's own reading), any other in its IDNA
// form; nothing where it has none.
std::optional<std::string> NameForLookup(const std::wstring& name) {
    if (std::all_of(name.begin(), name.end(), [](wchar_t c) { return c < 0x80; })) return ToSystemCodePage(name);
    return HostNameToAscii(name);
}

}  // namespace

bool clsResolve::OpenSockets() { return sockets_.Startup(kWinsockVersion11) == 0; }

void clsResolve::CloseSockets() {
    if (sockets_.Cleanup() != 0) messages_.Show(L"Error calling apiWSACleanup.", MessageIcon::Error);
}

std::wstring clsResolve::AddressToText(const std::array<std::uint8_t, 4>& address) {
    return std::to_wstring(address[0]) + L'.' + std::to_wstring(address[1]) + L'.' + std::to_wstring(address[2]) +
           L'.' + std::to_wstring(address[3]);
}

std::wstring clsResolve::GetIPFromHostName(std::wstring sHostName) {
    if (!OpenSockets()) {
        messages_.Show(L"Failed to open Socket.", MessageIcon::None);
        return L"";
    }
    // The platform reads the name up to its first NUL: a name holding one
    // would be looked up cut short, so it is a name that does not resolve.
    if (sHostName.find(L'\0') != std::wstring::npos) return L"";
    const auto name = NameForLookup(sHostName);
    if (!name) return L"";
    const auto entry = sockets_.GetHostByName(*name);
    // Built for one 4-byte IPv4 address per lookup; anything else counts as a
    // name that does not resolve. The layer stays started either way.
    if (!entry || entry->addressLength != 4 || entry->addresses.empty() || entry->addresses.front().size() < 4) {
        return L"";
    }
    std::array<std::uint8_t, 4> address{};
    for (std::size_t i = 0; i < address.size(); ++i) address[i] = static_cast<std::uint8_t>(entry->addresses.front()[i]);
    return AddressToText(address);
}

std::wstring clsResolve::GetHostNameFromIP(std::wstring sIPAddress) {
    if (!OpenSockets()) {
        messages_.Show(L"Failed to open Socket", MessageIcon::None);
        return L"";
    }
    // As with host names, text cut short at a NUL would be a different address.
    const std::uint32_t address =
        sIPAddress.find(L'\0') == std::wstring::npos ? sockets_.InetAddr(ToSystemCodePage(sIPAddress)) : kInaddrNone;
    if (address == kInaddrNone) {
        messages_.Show(L"Invalid IP address", MessageIcon::None);
        return L"";
    }
    const auto name = sockets_.GetHostByAddr(address);
    if (!name) {
        messages_.Show(L"Call to gethostbyaddr failed.", MessageIcon::None);
        CloseSockets();
        return L"";
    }
    // The platform's name ends at its first NUL, like lstrlenA counts it.
    const std::string official = name->substr(0, name->find('\0'));
    if (official.empty()) {
        CloseSockets();
        return L"";
    }
    std::wstring result = FromSystemCodePage(official);
    CloseSockets();
    return result;
}

}  // namespace velk
