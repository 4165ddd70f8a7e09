// The platform's socket layer as the resolver sees it: the five calls of a
// Winsock 1.1 style API. One implementation per platform; tests use a fake.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace velk {

// A host entry as a forward lookup gives it: the length of each address and
// the addresses in the platform's order, each as bytes in network order.
struct HostAddresses {
    int addressLength = 0;
    std::vector<std::string> addresses;
};

// inet_addr's answer for text that is no address (and for 255.255.255.255).
inline constexpr std::uint32_t kInaddrNone = 0xFFFFFFFFu;

class SocketLayer {
public:
    virtual ~SocketLayer() = default;

    // WSAStartup: 0 when the layer has started.
    virtual int Startup(std::uint16_t version) = 0;
    // WSACleanup: 0 when the layer has stopped.
    virtual int Cleanup() = 0;
    // gethostbyname: nothing when the name does not resolve. The name is
    // 8-bit text in the system code page.
    virtual std::optional<HostAddresses> GetHostByName(const std::string& name) = 0;
    // inet_addr: the address with its bytes in network order in memory.
    virtual std::uint32_t InetAddr(const std::string& text) = 0;
    // gethostbyaddr for an IPv4 address: the official name (possibly empty),
    // or nothing when no host is found.
    virtual std::optional<std::string> GetHostByAddr(std::uint32_t address) = 0;
};

// The running platform's socket layer, shared by the whole process as the
// platform's own is. Errors that are not lookup outcomes (the socket library
// cannot be loaded) leave its calls as AppError.
SocketLayer& PlatformSocketLayer();

}  // namespace velk
