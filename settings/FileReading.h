// A file opened for reading, and the portable meaning of the reasons a file
// cannot be read. One implementation per platform.
#pragma once

#include "ByteSource.h"
#include "Path.h"

#include <exception>
#include <memory>
#include <string>

namespace velk {

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
