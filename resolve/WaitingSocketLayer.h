// A socket layer whose blocking lookups are made on another thread while the
// event thread waits for them as its front end lets it: the window stays
// painted and can be moved and closed, and the lookups stay synchronous to
// the resolver, with the same answers in the same order.
#pragma once

#include "EventThreadWait.h"
#include "SocketLayer.h"

namespace velk {

class WaitingSocketLayer final : public SocketLayer {
public:
    WaitingSocketLayer(SocketLayer& platform, EventThreadWait& wait) : platform_(platform), wait_(wait) {}

    int Startup(std::uint16_t version) override { return platform_.Startup(version); }
    int Cleanup() override { return platform_.Cleanup(); }
    std::optional<HostAddresses> GetHostByName(const std::string& name) override {
        return CallElsewhere(wait_, [&] { return platform_.GetHostByName(name); });
    }
    // Text to a number: nothing to wait for.
    std::uint32_t InetAddr(const std::string& text) override { return platform_.InetAddr(text); }
    std::optional<std::string> GetHostByAddr(std::uint32_t address) override {
        return CallElsewhere(wait_, [&] { return platform_.GetHostByAddr(address); });
    }

private:
    SocketLayer& platform_;
    EventThreadWait& wait_;
};

}  // namespace velk
