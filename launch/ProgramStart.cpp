#include "ProgramStart.h"

#include "AppError.h"
#include "PathKind.h"
#include "TextCodec.h"

#include <utility>

namespace velk {

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
    // Where the system says no more than "access denied" or "not found" (or,
    // under Wine, "invalid handle" for a folder).
    if (auto at = ReasonAt(program, L"the game client")) reason = std::move(*at);
    throw AppError(L"Cannot start the game client \"" + PathToText(program) + L"\": " + reason + L".");
}

}  // namespace velk
