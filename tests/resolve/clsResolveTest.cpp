#include "clsResolve.h"

#include "AppError.h"
#include "TextCodec.h"
#include "WaitingSocketLayer.h"

#include "support/Fakes.h"
#include "support/FakeSocketLayer.h"
#include "support/RowName.h"

#include <gtest/gtest.h>

#include <thread>


namespace velk {
namespace {

using test::EventLog;

using test::Address;
using test::Bytes;
using test::FakeSocketLayer;

// A socket layer and message boxes that log to one list.
struct Rig {
    EventLog log;
    FakeSocketLayer sockets{log};
    test::FakeMessageBoxes messages{log};
};

struct ForwardCase {
    const char* name;
    HostAddresses entry;  // of "alpha"
    std::wstring expected;
    std::wstring host = L"alpha";
};

class ForwardLookup : public testing::TestWithParam<ForwardCase> {};

TEST_P(ForwardLookup, WritesTheFirstAddressAsDottedText) {
    Rig rig;
    rig.sockets.hosts["alpha"] = GetParam().entry;

    EXPECT_EQ(clsResolve(rig.sockets, rig.messages).GetIPFromHostName(GetParam().host), GetParam().expected);
    // One start, never a stop, never a message, also where nothing is found.
    EXPECT_EQ(rig.log, EventLog{L"startup 257"});
}

INSTANTIATE_TEST_SUITE_P(
    Table, ForwardLookup,
    testing::Values(ForwardCase{"Private", {4, {Bytes({192, 168, 0, 7})}}, L"192.168.0.7"},
                    ForwardCase{"ZeroByte", {4, {Bytes({10, 0, 0, 200})}}, L"10.0.0.200"},
                    ForwardCase{"HighBytesUnsigned", {4, {Bytes({200, 150, 10, 1})}}, L"200.150.10.1"},
                    ForwardCase{"EveryWidth", {4, {Bytes({0, 1, 127, 128})}}, L"0.1.127.128"},
                    ForwardCase{"AllOnes", {4, {Bytes({255, 255, 255, 255})}}, L"255.255.255.255"},
                    ForwardCase{"FirstOfSeveral", {4, {Bytes({10, 1, 2, 3}), Bytes({10, 9, 9, 9})}}, L"10.1.2.3"},
                    ForwardCase{"EmptyAddressList", {4, {}}, L""},
                    ForwardCase{"SixteenByteAddresses", {16, {std::string(16, '\x01')}}, L""},
                    ForwardCase{"TwoByteAddresses", {2, {Bytes({10, 1})}}, L""},
                    ForwardCase{"Unresolved", {4, {Bytes({10, 1, 2, 3})}}, L"", L"nowhere"},
                    ForwardCase{"NulDoesNotCutTheNameShort", {4, {Bytes({10, 1, 2, 3})}}, L"",
                                std::wstring(L"alpha\0evil", 10)}),
    test::RowName());

// An ASCII name reaches the platform as it stands; any other in its IDNA
// form, made by the platform's converter, or not at all where it has none.
TEST(ForwardLookupName, IsAskedForAsTheNameServerTakesIt) {
    const struct {
        std::wstring name;
        std::string asked;
    } rows[] = {{L"", ""},
                {L" alpha ", " alpha "},
                {std::wstring(300, L'a'), std::string(300, 'a')},
                {L"b\u00FCcher.example", "xn--bcher-kva.example"},
                {L"B\u00FCcher.example", "xn--bcher-kva.example"},
                {L"\u0440\u0444.example", "xn--p1ai.example"},
                {L"\u00FC" + std::wstring(70, L'a') + L".example", "(not asked)"}};
    for (const auto& row : rows) {
        Rig rig;
        rig.sockets.lastName = "(not asked)";
        EXPECT_EQ(clsResolve(rig.sockets, rig.messages).GetIPFromHostName(row.name), L"");
        EXPECT_EQ(rig.sockets.lastName, row.asked) << ToUtf8(row.name);
    }
}

TEST(SocketLayerDown, BothLookupsSayItInTheirOwnWords) {
    Rig rig;
    rig.sockets.startupResult = 10091;  // WSASYSNOTREADY
    rig.sockets.hosts["alpha"] = {4, {Bytes({10, 1, 2, 3})}};
    clsResolve resolver(rig.sockets, rig.messages);

    EXPECT_EQ(resolver.GetIPFromHostName(L"alpha"), L"");
    EXPECT_EQ(resolver.GetHostNameFromIP(L"10.1.2.3"), L"");
    EXPECT_EQ(rig.log, (EventLog{L"startup 257", L"box: Failed to open Socket.", L"startup 257",
                             L"box: Failed to open Socket"}));
}

struct ReverseCase {
    const char* name;
    std::wstring text;
    std::optional<std::string> officialName;  // of 10.0.0.1
    int cleanupResult;
    std::wstring expected;
    EventLog log;
};

class ReverseLookup : public testing::TestWithParam<ReverseCase> {};

TEST_P(ReverseLookup, AnswersAndStopsAsDesigned) {
    Rig rig;
    rig.sockets.addresses["10.0.0.1"] = Address({10, 0, 0, 1});
    rig.sockets.addresses["255.255.255.255"] = kInaddrNone;
    if (GetParam().officialName) rig.sockets.names[Address({10, 0, 0, 1})] = *GetParam().officialName;
    rig.sockets.cleanupResult = GetParam().cleanupResult;

    EXPECT_EQ(clsResolve(rig.sockets, rig.messages).GetHostNameFromIP(GetParam().text), GetParam().expected);
    EXPECT_EQ(rig.log, GetParam().log);
}

const std::wstring kStart = L"startup 257";
const std::wstring kStop = L"cleanup";
const std::wstring kStopFailed = L"error box: Error calling apiWSACleanup.";

INSTANTIATE_TEST_SUITE_P(
    Table, ReverseLookup,
    testing::Values(
        ReverseCase{"Found", L"10.0.0.1", "alpha.example", 0, L"alpha.example", {kStart, kStop}},
        ReverseCase{"FoundButStopFails", L"10.0.0.1", "alpha.example", 1, L"alpha.example",
                    {kStart, kStop, kStopFailed}},
        ReverseCase{"NotAnAddress", L"abc", "alpha.example", 0, L"", {kStart, L"box: Invalid IP address"}},
        ReverseCase{"AllOnesIsTheInvalidMarker", L"255.255.255.255", "alpha.example", 0, L"",
                    {kStart, L"box: Invalid IP address"}},
        ReverseCase{"NulInText", std::wstring(L"10.0.0.1\0x", 10), "alpha.example", 0, L"",
                    {kStart, L"box: Invalid IP address"}},
        ReverseCase{"NoHost", L"10.0.0.1", std::nullopt, 0, L"",
                    {kStart, L"box: Call to gethostbyaddr failed.", kStop}},
        ReverseCase{"NoHostAndStopFails", L"10.0.0.1", std::nullopt, 1, L"",
                    {kStart, L"box: Call to gethostbyaddr failed.", kStop, kStopFailed}},
        ReverseCase{"EmptyOfficialName", L"10.0.0.1", "", 0, L"", {kStart, kStop}},
        ReverseCase{"NameEndsAtNul", L"10.0.0.1", std::string("alpha\0rest", 10), 0, L"alpha", {kStart, kStop}}),
    test::RowName());

// Lookups made on another thread while the caller waits: the same answers,
// and what the platform throws reaches the caller.
class ThreadWait final : public EventThreadWait {
public:
    void RunElsewhere(const std::function<void()>& call) override {
        std::thread(call).join();
        ++waits;
    }
    int waits = 0;
};

TEST(WaitingSocketLayer, LooksUpOnAnotherThreadAndAnswersTheSame) {
    EventLog log;
    FakeSocketLayer platform(log);
    test::FakeMessageBoxes messages(log);
    platform.hosts["alpha"] = {4, {Bytes({10, 1, 2, 3}), Bytes({10, 9, 9, 9})}};
    platform.names[Address({10, 1, 2, 3})] = "alpha.example";
    platform.addresses["10.1.2.3"] = Address({10, 1, 2, 3});
    std::thread::id lookupThread;
    platform.duringLookup = [&] { lookupThread = std::this_thread::get_id(); };
    ThreadWait wait;
    WaitingSocketLayer sockets(platform, wait);

    EXPECT_EQ(clsResolve(sockets, messages).GetIPFromHostName(L"alpha"), L"10.1.2.3");
    EXPECT_EQ(clsResolve(sockets, messages).GetIPFromHostName(L"nowhere"), L"");
    EXPECT_EQ(clsResolve(sockets, messages).GetHostNameFromIP(L"10.1.2.3"), L"alpha.example");
    EXPECT_EQ(wait.waits, 3) << "two forward lookups and one reverse, each waited for";
    EXPECT_NE(lookupThread, std::this_thread::get_id());

    platform.duringLookup = [] { throw AppError(L"Cannot load the socket library."); };
    EXPECT_THROW(clsResolve(sockets, messages).GetIPFromHostName(L"alpha"), AppError);
}

}  // namespace
}  // namespace velk
