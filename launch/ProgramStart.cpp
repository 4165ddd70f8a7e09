#include "ProgramStart.h"

#include "AppError.h"
#include "TextCodec.h"

namespace velk {

void ThrowStartError(const Path& program, const FileProblemError& error) {
    throw AppError(L"Cannot start the game client \"" + PathToText(program) +
                   L"\": " + ProblemText(program, error, L"the game client", L"permission denied") + L".");
}

}  // namespace velk
