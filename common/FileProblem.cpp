#include "FileProblem.h"

#include "PathKind.h"

namespace velk {

std::wstring ProblemText(const Path& path, const FileProblemError& error, std::wstring_view what,
                         std::wstring_view denied) {
    if (auto reason = ReasonAt(path, what)) return std::move(*reason);
    switch (error.Problem()) {
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
