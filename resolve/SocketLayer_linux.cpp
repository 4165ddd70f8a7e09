// POSIX: no socket layer to start or stop; lookups through the re-entrant
// forms of gethostbyname and gethostbyaddr, which answer as the classic calls
// do (same sources, same order, no address-configuration filtering).
#include "SocketLayer.h"

#include <arpa/inet.h>
#include <cerrno>
#include <netdb.h>
#include <netinet/in.h>
#include <sys/socket.h>

#include <cstring>

namespace velk {
namespace {

// Calls a *_r lookup with a buffer that grows while the call asks for more.
template <typename Lookup>
hostent* LookUp(hostent& entry, std::vector<char>& buffer, Lookup lookup) {
    buffer.resize(1024);
    for (;;) {
        hostent* result = nullptr;
        int error = 0;
        const int status = lookup(&entry, buffer.data(), buffer.size(), &result, &error);
        if (status == ERANGE && buffer.size() < (1u << 20)) {
            buffer.resize(buffer.size() * 2);
            continue;
        }
        return status == 0 ? result : nullptr;
    }
}

class PosixSocketLayer final : public SocketLayer {
public:
    int Startup(std::uint16_t) override { return 0; }
    int Cleanup() override { return 0; }

    std::optional<HostAddresses> GetHostByName(const std::string& name) override {
        hostent entry{};
        std::vector<char> buffer;
        const hostent* found = LookUp(entry, buffer, [&](hostent* e, char* b, std::size_t n, hostent** r, int* h) {
            return gethostbyname2_r(name.c_str(), AF_INET, e, b, n, r, h);
        });
        if (!found) return std::nullopt;
        HostAddresses result;
        result.addressLength = found->h_length;
        for (char** address = found->h_addr_list; address && *address; ++address) {
            result.addresses.emplace_back(*address, static_cast<std::size_t>(found->h_length));
        }
        return result;
    }

    std::uint32_t InetAddr(const std::string& text) override { return inet_addr(text.c_str()); }

    std::optional<std::string> GetHostByAddr(std::uint32_t address) override {
        hostent entry{};
        std::vector<char> buffer;
        const hostent* found = LookUp(entry, buffer, [&](hostent* e, char* b, std::size_t n, hostent** r, int* h) {
            return gethostbyaddr_r(&address, sizeof address, AF_INET, e, b, n, r, h);
        });
        if (!found) return std::nullopt;
        return std::string(found->h_name ? found->h_name : "");
    }
};

}  // namespace

SocketLayer& PlatformSocketLayer() {
    static PosixSocketLayer layer;
    return layer;
}

}  // namespace velk
