#include "ProgramStart.h"

#include "AppError.h"
#include "TextCodec.h"

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
    throw AppError(L"Cannot start the game client \"" + PathToText(program) + L"\": " + reason + L".");
}

}  // namespace velk
