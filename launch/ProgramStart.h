// Starting another program without waiting for it. One implementation per
// platform; failures leave as AppError naming the program and the reason.
#pragma once

#include "FileProblem.h"
#include "Path.h"

#include <string>

namespace velk {

// The window state the started program is asked to show itself in.
enum class WindowState { MinimizedWithFocus = 2 };

class ProgramStarter {
public:
    virtual ~ProgramStarter() = default;

    // Starts `program` with `argument` as its one argument, in the program's
    // own folder as its working folder (a client that loads its data by
    // relative path finds it, wherever the starter was run); returns once the
    // program has started, without waiting for it to end.
    virtual void Start(const Path& program, const std::wstring& argument, WindowState state) = 0;
};

ProgramStarter& PlatformProgramStarter();

// Throws the AppError that names the program and says why it did not start
// (ProblemText).
[[noreturn]] void ThrowStartError(const Path& program, const FileProblemError& error);

}  // namespace velk
