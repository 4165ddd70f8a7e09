// Reading a file with POSIX descriptors.
#include "FileReading.h"

#include "TextCodec.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace velk {
namespace {

class PosixFile final : public ByteSource {
public:
    explicit PosixFile(int fd) : fd_(fd) {}
    ~PosixFile() override { ::close(fd_); }
    PosixFile(const PosixFile&) = delete;
    PosixFile& operator=(const PosixFile&) = delete;

    std::size_t Read(std::span<char> buffer) override {
        for (;;) {
            const ssize_t got = ::read(fd_, buffer.data(), buffer.size());
            if (got >= 0) return static_cast<std::size_t>(got);
            if (errno != EINTR) throw ProblemOfSystemError(static_cast<unsigned long>(errno));
        }
    }

private:
    int fd_;
};

}  // namespace

std::unique_ptr<ByteSource> OpenFileForReading(const Path& path) {
    // Without O_NONBLOCK a FIFO would block the open until a writer came.
    // Reading a regular file never blocks, so the flag changes nothing else.
    int fd = -1;
    do {
        fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
    } while (fd < 0 && errno == EINTR);
    if (fd < 0) throw ProblemOfSystemError(static_cast<unsigned long>(errno));
    auto file = std::make_unique<PosixFile>(fd);
    // A folder, a FIFO or a device opens fine; say what it is before reading.
    struct stat info {};
    if (::fstat(fd, &info) != 0) throw ProblemOfSystemError(static_cast<unsigned long>(errno));
    if (S_ISDIR(info.st_mode)) throw FileProblemError(FileProblem::IsFolder);
    if (!S_ISREG(info.st_mode)) throw FileProblemError(FileProblem::NotRegularFile);
    return file;
}

}  // namespace velk
