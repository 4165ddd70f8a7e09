// A socket layer with a fixed table of hosts. It writes its starts and stops
// into the same log as the fake message boxes.
#pragma once

#include "SocketLayer.h"
#include "support/Fakes.h"

#include <cstring>
#include <initializer_list>
#include <map>

namespace velk::test {

inline std::string Bytes(std::initializer_list<int> values) {
    std::string bytes;
    for (const int v : values) bytes.push_back(static_cast<char>(v));
    return bytes;
}

// An IPv4 address as inet_addr gives it: bytes in network order in memory.
inline std::uint32_t Address(std::initializer_list<int> values) {
    std::uint32_t address = 0;
    std::memcpy(&address, Bytes(values).data(), sizeof address);
    return address;
}

class FakeSocketLayer final : public SocketLayer {
public:
    explicit FakeSocketLayer(EventLog& log) : log_(log) {}

    int Startup(std::uint16_t version) override {
        log_.push_back(L"startup " + std::to_wstring(version));
        return startupResult;
    }
    int Cleanup() override {
        log_.push_back(L"cleanup");
        return cleanupResult;
    }
    std::optional<HostAddresses> GetHostByName(const std::string& name) override {
        lastName = name;
        if (duringLookup) duringLookup();
        const auto found = hosts.find(name);
        if (found == hosts.end()) return std::nullopt;
        return found->second;
    }
    std::uint32_t InetAddr(const std::string& text) override {
        const auto found = addresses.find(text);
        return found == addresses.end() ? kInaddrNone : found->second;
    }
    std::optional<std::string> GetHostByAddr(std::uint32_t address) override {
        const auto found = names.find(address);
        if (found == names.end()) return std::nullopt;
        return found->second;
    }

    int startupResult = 0;
    int cleanupResult = 0;
    std::map<std::string, HostAddresses> hosts;
    std::map<std::string, std::uint32_t> addresses;
    std::map<std::uint32_t, std::string> names;
    std::string lastName;
    // Runs inside each forward lookup, on the thread that makes it.
    std::function<void()> duringLookup;

private:
    EventLog& log_;
};

}  // namespace velk::test
