#include "ProgramStart.h"

#include "AppError.h"
#include "PathKind.h"
#include "TextCodec.h"

namespace velk {
namespace {

// Where the system says no more than "access denied" or "not found" (or,
// under Wine, "invalid handle" for a folder).
const wchar_t* ReasonAt(const Path& program) {
    switch (KindOfPath(program)) {
    case PathKind::Folder:
        return L"it is a folder, not the game client";
    case PathKind::Special:
        return L"it is not a regular file";
    case PathKind::BrokenLink:
        return L"it is a link to a file that is not there";
    default:
        return nullptr;
    }
}

}  // namespace

void ThrowStartError(const Path& program, StartProblem problem, const std::wstring& systemText) {
    std::wstring reason;
    switch (problem) {
    case StartProblem::NotFound:
        reason = L"file not found";
        break;
    case StartProblem::PathNotFound:
        reason = L"path not found";
        break;
    case StartProblem::PermissionDenied:
        reason = L"permission denied";
        break;
    case StartProblem::NotExecutable:
        reason = L"it is not an executable program";
        break;
    case StartProblem::NeedsWine:
        reason = L"it is a Windows program, and Wine is needed to run it here, but no \"wine\" was found on the PATH";
        break;
    case StartProblem::Other:
        reason = systemText;
        break;
    }
    if (const wchar_t* at = ReasonAt(program)) reason = at;
    throw AppError(L"Cannot start the game client \"" + PathToText(program) + L"\": " + reason + L".");
}

}  // namespace velk
