// The host resolver: host name to dotted IPv4 text and back. Every lookup
// starts the socket layer itself; failures come back as the empty string,
// socket-layer failures and those of the reverse lookup also as message boxes.
#pragma once

#include "MessageBoxes.h"
#include "SocketLayer.h"

#include <array>
#include <cstdint>
#include <string>

namespace velk {

class clsResolve {
public:
    clsResolve(SocketLayer& sockets, MessageBoxes& messages) : sockets_(sockets), messages_(messages) {}

    // The dotted text of the host's first IPv4 address, or "".
    std::wstring GetIPFromHostName(std::wstring sHostName);
    // The official name of the host at the address, or "".
    std::wstring GetHostNameFromIP(std::wstring sIPAddress);

private:
    bool OpenSockets();
    void CloseSockets();
    static std::wstring AddressToText(const std::array<std::uint8_t, 4>& address);

    SocketLayer& sockets_;
    MessageBoxes& messages_;
};

}  // namespace velk
