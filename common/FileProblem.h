// Why a file cannot be used, read as the settings file or started as the
// game client: one vocabulary for both, the system's error codes mapped to it
// once per platform, and the words a player reads made in one place.
#pragma once

#include "Path.h"

#include <exception>
#include <string>
#include <string_view>

namespace velk {

// PathNotFound: a folder on the way to the file is missing (Windows tells it
// apart from a missing file). NeedsWine: a Windows program, and no Wine to
// run it with.
enum class FileProblem {
    NotFound,
    PathNotFound,
    Denied,
    IsFolder,
    NotRegularFile,
    BrokenLink,
    LinkLoop,
    NotExecutable,
    NeedsWine,
    Other
};

class FileProblemError : public std::exception {
public:
    FileProblemError(FileProblem problem, std::wstring systemText = {})
        : problem_(problem), systemText_(std::move(systemText)) {}

    FileProblem Problem() const noexcept { return problem_; }
    // The platform's own words, for problems without a portable meaning.
    const std::wstring& SystemText() const noexcept { return systemText_; }
    const char* what() const noexcept override { return "file cannot be used"; }

private:
    FileProblem problem_;
    std::wstring systemText_;
};

// The problem a system error code stands for: errno, or Windows' last error.
FileProblemError ProblemOfSystemError(unsigned long code);

// Why `path` cannot serve as `what` ("a file", "the game client"): what
// stands there (KindOfPath) where that says more than the system's error (a
// folder, a device, a link to nothing or in a loop: Windows calls a folder
// "access denied", Linux a link to nothing "not found"), else the problem;
// `denied` is how a denial is put ("access denied").
std::wstring ProblemText(const Path& path, const FileProblemError& error, std::wstring_view what,
                         std::wstring_view denied);

}  // namespace velk
