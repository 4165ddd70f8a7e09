// POSIX: the program is started by a short-lived intermediate process, so it
// is nobody's child here: it leaves no zombie when it ends. In a session of
// its own, it runs on when the starter ends or its terminal closes. No shell
// is involved; the argument is one argv entry. Only standard input, output
// and error are passed on.
//
// X11 and Wayland have no portable way to ask a new program to start
// minimized, so the window state is not passed on: the client decides.
#include "ProgramStart.h"

#include "TextCodec.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <vector>

extern char** environ;

namespace velk {
namespace {

StartProblem ProblemOf(int error) {
    switch (error) {
    case ENOENT:
    case ENOTDIR:
        return StartProblem::NotFound;
    case EACCES:
    case EPERM:
        return StartProblem::PermissionDenied;
    case ENOEXEC:
    case EISDIR:
        return StartProblem::NotExecutable;
    default:
        return StartProblem::Other;
    }
}

// Closes every descriptor from 3 up, but `keep`. Between fork and exec only
// async-signal-safe calls are allowed: plain system calls.
void CloseInheritedDescriptors(int keep) {
    const unsigned first = 3;
    const unsigned kept = keep < 3 ? first - 1 : static_cast<unsigned>(keep);
    const bool below = kept <= first || close_range(first, kept - 1, 0) == 0;
    if (below && close_range(std::max(first, kept + 1), ~0u, 0) == 0) return;
    // Kernels before 5.9 lack close_range.
    const long limit = sysconf(_SC_OPEN_MAX);
    for (int fd = 3; fd < limit; ++fd) {
        if (fd != keep) close(fd);
    }
}

class PosixProgramStarter final : public ProgramStarter {
public:
    void Start(const std::filesystem::path& program, const std::wstring& argument, WindowState) override {
        std::string path = program.native();
        std::string arg = ToSystemCodePage(argument);
        std::vector<char*> argv{path.data(), arg.data(), nullptr};

        // The exec's error, if any, comes back through this pipe; a successful
        // exec closes it without a word.
        int report[2];
        if (pipe2(report, O_CLOEXEC) != 0) ThrowStartError(program, ProblemOf(errno), SystemText(errno));

        const pid_t intermediate = fork();
        if (intermediate == 0) {
            const pid_t client = fork();
            if (client == 0) {
                setsid();
                CloseInheritedDescriptors(report[1]);
                execve(argv[0], argv.data(), environ);
                const int error = errno;
                (void)!write(report[1], &error, sizeof error);
                _exit(127);
            }
            _exit(client < 0 ? 1 : 0);
        }
        const int forkError = errno;
        close(report[1]);
        if (intermediate < 0) {
            close(report[0]);
            ThrowStartError(program, ProblemOf(forkError), SystemText(forkError));
        }
        int status = 0;
        while (waitpid(intermediate, &status, 0) < 0 && errno == EINTR) {
        }
        int error = 0;
        ssize_t got = 0;
        do {
            got = read(report[0], &error, sizeof error);
        } while (got < 0 && errno == EINTR);
        close(report[0]);
        if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
            ThrowStartError(program, StartProblem::Other, L"the system could not create a process");
        }
        if (got == static_cast<ssize_t>(sizeof error)) ThrowStartError(program, ProblemOf(error), SystemText(error));
    }

private:
    static std::wstring SystemText(int error) { return FromSystemCodePage(std::strerror(error)); }
};

}  // namespace

ProgramStarter& PlatformProgramStarter() {
    static PosixProgramStarter starter;
    return starter;
}

}  // namespace velk
