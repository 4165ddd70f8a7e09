#include "FileProblem.h"

#include "PathKind.h"

#include <optional>

namespace velk {

namespace {

// What stands at the path, where it says more than the system's error.
std::optional<FileProblem> ProblemAt(const Path& path) {
    switch (KindOfPath(path)) {
    case PathKind::Folder:
        return FileProblem::IsFolder;
    case PathKind::Special:
        return FileProblem::NotRegularFile;
    case PathKind::BrokenLink:
        return FileProblem::BrokenLink;
    case PathKind::LinkLoop:
        return FileProblem::LinkLoop;
    default:
        return std::nullopt;
    }
}

}  // namespace

std::wstring ProblemText(const Path& path, const FileProblemError& error, std::wstring_view what,
                         std::wstring_view denied) {
    switch (ProblemAt(path).value_or(error.Problem())) {
    case FileProblem::NotFound:
        return L"file not found";
    case FileProblem::PathNotFound:
        return L"path not found";
    case FileProblem::Denied:
        return std::wstring(denied);
    case FileProblem::IsFolder:
        return L"it is a folder, not " + std::wstring(what);
    case FileProblem::NotRegularFile:
        return L"it is not a regular file";
    case FileProblem::BrokenLink:
        return L"it is a link to a file that is not there";
    case FileProblem::LinkLoop:
        return L"it is a link in a loop of links, which leads to no file";
    case FileProblem::NotExecutable:
        return L"it is not an executable program";
    case FileProblem::NeedsWine:
        return L"it is a Windows program, and Wine is needed to run it here, but no \"wine\" was found on the PATH";
    case FileProblem::Other:
        break;
    }
    return error.SystemText();
}

}  // namespace velk
