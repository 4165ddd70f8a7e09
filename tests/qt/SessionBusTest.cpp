// The session bus as the starter asks it before Qt does: which socket an
// address names, and whether a bus there answers, stays silent or cannot be
// told (real sockets of the test's own).
#include "SessionBus.h"

#include "support/RowName.h"
#include "support/TempFolder.h"

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cstring>
#include <thread>

namespace velk::qt {
namespace {

struct AddressCase {
    const char* name;
    std::string address;
    std::optional<std::string> socket;
};

class BusAddresses : public testing::TestWithParam<AddressCase> {};

TEST_P(BusAddresses, NameTheirUnixSocket) { EXPECT_EQ(UnixSocketOfBusAddress(GetParam().address), GetParam().socket); }

INSTANTIATE_TEST_SUITE_P(
    Table, BusAddresses,
    testing::Values(AddressCase{"Path", "unix:path=/run/user/1000/bus", "/run/user/1000/bus"},
                    AddressCase{"PathAndGuid", "unix:path=/tmp/bus,guid=0123abcd", "/tmp/bus"},
                    AddressCase{"GuidFirst", "unix:guid=0123abcd,path=/tmp/bus", "/tmp/bus"},
                    AddressCase{"Abstract", "unix:abstract=/tmp/dbus-XYZ,guid=1", std::string("\0/tmp/dbus-XYZ", 14)},
                    AddressCase{"Escaped", "unix:path=/tmp/my%20bus", "/tmp/my bus"},
                    AddressCase{"SecondEntry", "tcp:host=localhost,port=1;unix:path=/tmp/bus", "/tmp/bus"},
                    AddressCase{"OnlyTcp", "tcp:host=localhost,port=1", std::nullopt},
                    AddressCase{"Empty", "", std::nullopt}),
    test::RowName());

// A bus of the test's own: listens, accepts, and answers or not.
class FakeBus {
public:
    FakeBus(const std::string& path, bool answers) : fd_(socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0)) {
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        std::strncpy(address.sun_path, path.c_str(), sizeof address.sun_path - 1);
        bind(fd_, reinterpret_cast<const sockaddr*>(&address), sizeof address);
        listen(fd_, 4);
        server_ = std::thread([this, answers] {
            const int peer = accept(fd_, nullptr, nullptr);
            char hello[128];
            if (peer >= 0 && answers && recv(peer, hello, sizeof hello, 0) > 0) send(peer, "OK 0123\r\n", 9, MSG_NOSIGNAL);
            if (peer >= 0) peers_ = peer;
        });
    }
    ~FakeBus() {
        shutdown(fd_, SHUT_RDWR);
        server_.join();
        if (peers_ >= 0) close(peers_);
        close(fd_);
    }
    FakeBus(const FakeBus&) = delete;
    FakeBus& operator=(const FakeBus&) = delete;

private:
    int fd_;
    int peers_ = -1;
    std::thread server_;
};

TEST(SessionBus, TellsABusThatAnswersFromOneThatStaysSilent) {
    test::TempFolder folder;
    const std::string answering = (folder.Path() / "answers").string();
    const std::string silent = (folder.Path() / "silent").string();
    const FakeBus live(answering, true);
    const FakeBus dead(silent, false);
    EXPECT_EQ(AskSessionBus("unix:path=" + answering, std::chrono::milliseconds(2000)), BusAnswer::Answers);
    EXPECT_EQ(AskSessionBus("unix:path=" + silent, std::chrono::milliseconds(300)), BusAnswer::Silent);
    EXPECT_EQ(AskSessionBus("unix:path=" + (folder.Path() / "none").string(), std::chrono::milliseconds(300)),
              BusAnswer::Unknown)
        << "no bus there: Qt finds out at once as well";
}

}  // namespace
}  // namespace velk::qt
