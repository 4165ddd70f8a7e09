// Stands in for the game client in tests: appends what it was started with
// to velk.log beside itself, one record a start:
//   start / ppid:<parent> / leader:<1 if it leads its own session> /
//   arg:<each argument> / fds:<descriptors above 2> / cwd:<working folder> /
//   bus:<DBUS_SESSION_BUS_ADDRESS> / ignored:<signals ignored> /
//   blocked:<signals blocked> / end
#include <fcntl.h>
#include <unistd.h>

#include <csignal>
#include <cstdlib>

#include <fstream>
#include <string>

int main(int argc, char* argv[]) {
    std::string fds;
    for (int fd = 3; fd < 1024; ++fd) {
        if (fcntl(fd, F_GETFD) != -1) fds += std::to_string(fd) + " ";
    }
    const std::string self = argv[0];
    std::ofstream log(self.substr(0, self.rfind('/') + 1) + "velk.log", std::ios::app);
    log << "start\nppid:" << getppid() << "\nleader:" << (getsid(0) == getpid()) << "\n";
    for (int i = 1; i < argc; ++i) log << "arg:" << argv[i] << "\n";
    char cwd[4096] = "";
    log << "fds:" << fds << "\ncwd:" << (getcwd(cwd, sizeof cwd) ? cwd : "?") << "\n";
    const char* bus = std::getenv("DBUS_SESSION_BUS_ADDRESS");
    std::string ignored;
    std::string blocked;
    sigset_t mask;
    sigprocmask(SIG_BLOCK, nullptr, &mask);
    for (int signal = 1; signal < 32; ++signal) {
        struct sigaction action {};
        if (sigaction(signal, nullptr, &action) == 0 && action.sa_handler == SIG_IGN) ignored += std::to_string(signal) + " ";
        if (sigismember(&mask, signal)) blocked += std::to_string(signal) + " ";
    }
    log << "bus:" << (bus ? bus : "") << "\nignored:" << ignored << "\nblocked:" << blocked << "\nend\n";
    return 0;
}
