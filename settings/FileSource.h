// Sequential reading of a file, and the portable meaning of the reasons a file
// cannot be read. One implementation per platform.
#pragma once

#include <cstddef>
#include <exception>
#include "Path.h"

#include <memory>
#include <span>
#include <string>

namespace velk {

class ByteSource {
public:
    virtual ~ByteSource() = default;

    // Fills the front of `buffer` and returns how many bytes it wrote; 0 means
    // end of file. Throws FileProblemError when the read fails.
    virtual std::size_t Read(std::span<char> buffer) = 0;
};

// PathNotFound: a folder on the way to the file is missing (Windows tells it
// apart from a missing file).
enum class FileProblem { NotFound, PathNotFound, AccessDenied, IsFolder, NotRegularFile, Other };

class FileProblemError : public std::exception {
public:
    FileProblemError(FileProblem problem, std::wstring systemText)
        : problem_(problem), systemText_(std::move(systemText)) {}

    FileProblem Problem() const noexcept { return problem_; }
    // The platform's own words, for problems without a portable meaning.
    const std::wstring& SystemText() const noexcept { return systemText_; }
    const char* what() const noexcept override { return "file cannot be read"; }

private:
    FileProblem problem_;
    std::wstring systemText_;
};

// Opens `path` for reading from its start; throws FileProblemError. Only a
// regular file is opened: a pipe, socket or device (also behind a link) is
// refused at once, without waiting for anything to be written to it.
std::unique_ptr<ByteSource> OpenFileForReading(const Path& path);

}  // namespace velk
