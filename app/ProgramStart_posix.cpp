// POSIX: the program is started by a short-lived intermediate process, so it
// is nobody's child here: it leaves no zombie when it ends. In a session of
// its own, it runs on when the starter ends or its terminal closes. No shell
// is involved; the argument is one argv entry. Only standard input, output
// and error are passed on, and the environment unchanged.
//
// A Windows client (a PE file, as nearly every game client is) is started
// through Wine's start command, which shows it minimized with focus. X11 and
// Wayland have no portable way to ask a native program to start minimized,
// so for a native client the window state is not passed on: it decides.
#include "ProgramStart.h"

#include "ClientKind.h"
#include "TextCodec.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string_view>
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

// The first bytes of the file, or fewer (none when it cannot be read: the
// exec then says why).
std::string ReadHead(const Path& program) {
    char head[kProgramHeadBytes];
    std::size_t got = 0;
    const int fd = open(program.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
    if (fd < 0) return {};
    struct stat info {};
    if (fstat(fd, &info) == 0 && S_ISREG(info.st_mode)) {
        while (got < sizeof head) {
            const ssize_t n = read(fd, head + got, sizeof head - got);
            if (n > 0) {
                got += static_cast<std::size_t>(n);
            } else if (n == 0 || errno != EINTR) {
                break;
            }
        }
    }
    close(fd);
    return std::string(head, got);
}

// `name` in the folders of PATH, as the shell would find it, but only in
// absolute folders: an empty or relative entry would mean the current folder,
// which is nothing the starter should run from. The first executable file
// wins; failing that, the first file at all, so that the exec can say why it
// cannot run it.
std::optional<std::string> FindOnPath(std::string_view name) {
    const char* variable = std::getenv("PATH");
    std::string folders = variable ? variable : "";
    if (!variable) {
        folders.resize(confstr(_CS_PATH, nullptr, 0));
        if (!folders.empty()) confstr(_CS_PATH, folders.data(), folders.size());
        folders.resize(folders.find('\0'));
    }
    std::optional<std::string> found;
    for (std::size_t begin = 0; begin <= folders.size();) {
        std::size_t end = folders.find(':', begin);
        if (end == std::string::npos) end = folders.size();
        const std::string_view folder = std::string_view(folders).substr(begin, end - begin);
        begin = end + 1;
        if (!folder.starts_with('/')) continue;
        std::string candidate(folder);
        if (!candidate.ends_with('/')) candidate += '/';
        candidate += name;
        struct stat info {};
        if (stat(candidate.c_str(), &info) != 0 || S_ISDIR(info.st_mode)) continue;
        if (access(candidate.c_str(), X_OK) == 0) return candidate;
        if (!found) found = candidate;
    }
    return found;
}

class PosixProgramStarter final : public ProgramStarter {
public:
    void Start(const Path& program, const std::wstring& argument, WindowState) override {
        const std::string arg = ToSystemCodePage(argument);
        std::vector<std::string> arguments;
        bool throughWine = false;
        if (ProgramKindOf(ReadHead(program)) == ProgramKind::Windows) {
            const auto wine = FindOnPath("wine");
            if (!wine) ThrowStartError(program, StartProblem::NeedsWine, {});
            arguments = WineArguments(*wine, std::filesystem::absolute(program.Native()).native(), arg);
            throughWine = true;
        } else {
            arguments = DirectArguments(program.Native(), arg);
        }
        std::vector<char*> argv;
        for (auto& entry : arguments) argv.push_back(entry.data());
        argv.push_back(nullptr);

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
        if (got != static_cast<ssize_t>(sizeof error)) return;
        if (throughWine) {
            ThrowStartError(program, StartProblem::Other,
                            L"Wine (\"" + FromSystemCodePage(arguments[0]) + L"\") cannot be run: " + SystemText(error));
        }
        ThrowStartError(program, ProblemOf(error), SystemText(error));
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
