// The real socket layer, on names that never leave this machine.
#include "clsResolve.h"

#include "support/Fakes.h"

#include <gtest/gtest.h>

namespace velk {
namespace {

TEST(PlatformSocketLayer, ResolvesLocalNamesAndAddresses) {
    test::EventLog log;
    test::FakeMessageBoxes messages(log);
    clsResolve resolver(PlatformSocketLayer(), messages);

    EXPECT_EQ(resolver.GetIPFromHostName(L"localhost"), L"127.0.0.1");
    EXPECT_EQ(resolver.GetIPFromHostName(L"127.0.0.1"), L"127.0.0.1");
    EXPECT_EQ(resolver.GetIPFromHostName(L"10.20.30.40"), L"10.20.30.40");
    EXPECT_FALSE(resolver.GetHostNameFromIP(L"127.0.0.1").empty());
    EXPECT_EQ(resolver.GetHostNameFromIP(L"abc"), L"");
    EXPECT_EQ(resolver.GetHostNameFromIP(L"255.255.255.255"), L"");
    EXPECT_EQ(log, (test::EventLog{L"box: Invalid IP address", L"box: Invalid IP address"}));
}

}  // namespace
}  // namespace velk
