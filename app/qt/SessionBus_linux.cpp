#include "SessionBus.h"

#include "ProgramStart_linux.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace velk::qt {
namespace {

// The bus address's escapes: "%xx" is the byte of that hex value.
std::string Unescape(std::string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 2 < text.size()) {
            out += static_cast<char>(std::strtol(std::string(text.substr(i + 1, 2)).c_str(), nullptr, 16));
            i += 2;
        } else {
            out += text[i];
        }
    }
    return out;
}

class Socket {
public:
    Socket() : fd_(socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0)) {}
    ~Socket() {
        if (fd_ >= 0) close(fd_);
    }
    Socket(const Socket&) = delete;
    Socket& operator=(const Socket&) = delete;
    int Fd() const { return fd_; }

private:
    int fd_;
};

// Waits for `events` on `fd` until `until`; false when the time is up.
bool WaitFor(int fd, short events, std::chrono::steady_clock::time_point until) {
    for (;;) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(until - std::chrono::steady_clock::now());
        if (left.count() <= 0) return false;
        pollfd watch{fd, events, 0};
        const int ready = poll(&watch, 1, static_cast<int>(left.count()));
        if (ready > 0) return true;
        if (ready < 0 && errno != EINTR) return false;
    }
}

}  // namespace

std::optional<std::string> UnixSocketOfBusAddress(std::string_view address) {
    while (!address.empty()) {
        const std::size_t end = address.find(';');
        const std::string_view entry = address.substr(0, end);
        address = end == std::string_view::npos ? std::string_view{} : address.substr(end + 1);
        if (!entry.starts_with("unix:")) continue;
        for (std::string_view keys = entry.substr(5); !keys.empty();) {
            const std::size_t comma = keys.find(',');
            const std::string_view key = keys.substr(0, comma);
            keys = comma == std::string_view::npos ? std::string_view{} : keys.substr(comma + 1);
            if (key.starts_with("path=")) return Unescape(key.substr(5));
            if (key.starts_with("abstract=")) return '\0' + Unescape(key.substr(9));
        }
    }
    return std::nullopt;
}

BusAnswer AskSessionBus(std::string_view address, std::chrono::milliseconds deadline) {
    const auto path = UnixSocketOfBusAddress(address);
    sockaddr_un peer{};
    if (!path || path->empty() || path->size() >= sizeof peer.sun_path) return BusAnswer::Unknown;
    peer.sun_family = AF_UNIX;
    std::memcpy(peer.sun_path, path->data(), path->size());
    const auto length = static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + path->size() + ((*path)[0] ? 1 : 0));
    const Socket bus;
    if (bus.Fd() < 0) return BusAnswer::Unknown;
    const auto until = std::chrono::steady_clock::now() + deadline;
    if (connect(bus.Fd(), reinterpret_cast<const sockaddr*>(&peer), length) != 0) {
        if (errno != EINPROGRESS && errno != EAGAIN) return BusAnswer::Unknown;
        if (!WaitFor(bus.Fd(), POLLOUT, until)) return BusAnswer::Silent;
        int error = 0;
        socklen_t size = sizeof error;
        if (getsockopt(bus.Fd(), SOL_SOCKET, SO_ERROR, &error, &size) != 0 || error != 0) return BusAnswer::Unknown;
    }
    // The protocol's first words: a NUL byte, then an authentication as this
    // user, which any bus answers (OK or REJECTED) at once.
    char uid[32];
    std::string hello(1, '\0');
    std::snprintf(uid, sizeof uid, "%u", static_cast<unsigned>(getuid()));
    hello += "AUTH EXTERNAL ";
    for (const char* digit = uid; *digit; ++digit) {
        char hex[3];
        std::snprintf(hex, sizeof hex, "%02x", static_cast<unsigned char>(*digit));
        hello += hex;
    }
    hello += "\r\n";
    if (send(bus.Fd(), hello.data(), hello.size(), MSG_NOSIGNAL) != static_cast<ssize_t>(hello.size())) {
        return BusAnswer::Unknown;
    }
    if (!WaitFor(bus.Fd(), POLLIN, until)) return BusAnswer::Silent;
    char reply[64];
    return recv(bus.Fd(), reply, sizeof reply, 0) > 0 ? BusAnswer::Answers : BusAnswer::Unknown;
}

void DropSilentSessionBus() {
    const char* address = std::getenv("DBUS_SESSION_BUS_ADDRESS");
    if (!address || !*address) return;
    if (AskSessionBus(address, std::chrono::milliseconds(1000)) != BusAnswer::Silent) return;
    std::fprintf(stderr,
                 "Velk_Loader: the session bus at %s does not answer; going on without it (no screen reader "
                 "support in this run).\n",
                 address);
    // Out of the starter's own environment only: the game (or Wine) gets the
    // player's session as it is.
    PassToPrograms("DBUS_SESSION_BUS_ADDRESS", address);
    unsetenv("DBUS_SESSION_BUS_ADDRESS");
}

}  // namespace velk::qt
