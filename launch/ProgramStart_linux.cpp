// POSIX: the program is started with posix_spawn, which is safe in a
// process with threads (after a bare fork only async-signal-safe calls are).
// It runs in a session of its own, so it runs on when the starter ends or its
// terminal closes, in its own folder, with the environment unchanged and no
// descriptor but standard input, output and error. No shell is involved; the
// argument is one argv entry. A thread of the starter's waits for it, so it
// leaves no zombie when it ends.
//
// A Windows client (a PE file, as nearly every game client is) is started
// through Wine's start command, which shows it minimized with focus. X11 and
// Wayland have no portable way to ask a native program to start minimized,
// so for a native client the window state is not passed on: it decides.
#include "ProgramStart.h"
#include "ProgramStart_linux.h"

#include "FileReading.h"
#include "ProgramKind.h"
#include "TextCodec.h"

#include <cerrno>
#include <csignal>
#include <cstring>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string_view>
#include <system_error>
#include <thread>
#include <vector>

extern char** environ;

namespace velk {
namespace {

// The first bytes of the file, or fewer (none when it cannot be read: the
// exec then says why).
std::string ReadHead(const Path& program) {
    std::string head(kProgramHeadBytes, '\0');
    std::size_t got = 0;
    try {
        const auto file = OpenFileForReading(program);
        while (got < head.size()) {
            const std::size_t n = file->Read(std::span(head).subspan(got));
            if (n == 0) break;
            got += n;
        }
    } catch (const FileProblemError&) {
    }
    head.resize(got);
    return head;
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
        // The system's default; none at all searches nowhere.
        const std::size_t size = confstr(_CS_PATH, nullptr, 0);
        if (size > 1) {
            folders.resize(size);
            confstr(_CS_PATH, folders.data(), size);
            folders.resize(size - 1);
        }
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

// posix_spawn's attributes and file actions, released on every path.
class SpawnSetup {
public:
    SpawnSetup() {
        posix_spawnattr_init(&attributes_);
        posix_spawn_file_actions_init(&actions_);
    }
    ~SpawnSetup() {
        posix_spawn_file_actions_destroy(&actions_);
        posix_spawnattr_destroy(&attributes_);
    }
    SpawnSetup(const SpawnSetup&) = delete;
    SpawnSetup& operator=(const SpawnSetup&) = delete;

    // A session of its own, no blocked signals and every signal's default
    // action (a starter run from nohup, or from a launcher that ignores
    // signals, still gives the game a plain process); in `folder`, with
    // nothing open but descriptors 0 to 2.
    int Prepare(const std::string& folder) {
        sigset_t none;
        sigemptyset(&none);
        sigset_t all;
        sigfillset(&all);
        int error = posix_spawnattr_setflags(&attributes_, POSIX_SPAWN_SETSID | POSIX_SPAWN_SETSIGMASK |
                                                                 POSIX_SPAWN_SETSIGDEF);
        if (!error) error = posix_spawnattr_setsigmask(&attributes_, &none);
        if (!error) error = posix_spawnattr_setsigdefault(&attributes_, &all);
        if (!error) error = posix_spawn_file_actions_addchdir_np(&actions_, folder.c_str());
        if (!error) error = posix_spawn_file_actions_addclosefrom_np(&actions_, 3);
        return error;
    }

    const posix_spawnattr_t* Attributes() const { return &attributes_; }
    const posix_spawn_file_actions_t* Actions() const { return &actions_; }

private:
    posix_spawnattr_t attributes_;
    posix_spawn_file_actions_t actions_;
};

// Variables taken out of this process's environment, for its programs.
std::vector<std::string>& Passed() {
    static std::vector<std::string> passed;
    return passed;
}

// This process's environment with the passed variables put back, unless it
// has them again by now.
std::vector<char*> ProgramEnvironment() {
    std::vector<char*> variables;
    for (char** variable = environ; *variable; ++variable) variables.push_back(*variable);
    for (std::string& entry : Passed()) {
        const std::string_view name = std::string_view(entry).substr(0, entry.find('=') + 1);
        const bool set = std::any_of(variables.begin(), variables.end(),
                                     [name](const char* variable) { return std::string_view(variable).starts_with(name); });
        if (!set) variables.push_back(entry.data());
    }
    variables.push_back(nullptr);
    return variables;
}

// Reaps the client when it ends, whenever that is.
void WaitInTheBackground(pid_t client) {
    try {
        std::thread([client] {
            while (waitpid(client, nullptr, 0) < 0 && errno == EINTR) {
            }
        }).detach();
    } catch (const std::system_error&) {
        // No thread to be had: the ended client stays a zombie until the
        // starter ends, and is harmless meanwhile.
    }
}

class PosixProgramStarter final : public ProgramStarter {
public:
    void Start(const Path& program, const std::wstring& argument, WindowState) override {
        const std::string arg = ToSystemCodePage(argument);
        const std::string path = std::filesystem::absolute(program.Native()).native();
        std::vector<std::string> arguments;
        bool throughWine = false;
        if (ProgramKindOf(ReadHead(program)) == ProgramKind::Windows) {
            const auto wine = FindOnPath("wine");
            if (!wine) ThrowStartError(program, FileProblem::NeedsWine);
            arguments = WineArguments(*wine, path, arg);
            throughWine = true;
        } else {
            arguments = DirectArguments(program.Native(), arg);
        }
        std::vector<char*> argv;
        for (auto& entry : arguments) argv.push_back(entry.data());
        argv.push_back(nullptr);

        const std::string folder = std::filesystem::path(path).parent_path().native();
        SpawnSetup setup;
        int error = setup.Prepare(folder);
        pid_t client = -1;
        // glibc's posix_spawn reports the exec's own error, as the start's.
        // By its absolute path: a relative one would be taken from the folder.
        const std::string& executable = throughWine ? arguments[0] : path;
        if (!error) {
            std::vector<char*> environment = ProgramEnvironment();
            error = posix_spawn(&client, executable.c_str(), setup.Actions(), setup.Attributes(), argv.data(),
                                environment.data());
        }
        if (!error) {
            WaitInTheBackground(client);
            return;
        }
        if (throughWine) {
            ThrowStartError(program, {FileProblem::Other, L"Wine (\"" + FromSystemCodePage(arguments[0]) +
                                                              L"\") cannot be run: " + SystemText(error)});
        }
        ThrowStartError(program, ProblemOfSystemError(static_cast<unsigned long>(error)));
    }

private:
    static std::wstring SystemText(int error) { return FromSystemCodePage(std::strerror(error)); }
};

}  // namespace

ProgramStarter& PlatformProgramStarter() {
    static PosixProgramStarter starter;
    return starter;
}

void PassToPrograms(const std::string& name, const std::string& value) { Passed().push_back(name + "=" + value); }

}  // namespace velk
