// Starting another program without waiting for it. One implementation per
// platform; failures leave as AppError naming the program and the reason.
#pragma once

#include "Path.h"

#include <string>

namespace velk {

// The window state the started program is asked to show itself in.
enum class WindowState { MinimizedWithFocus = 2 };

class ProgramStarter {
public:
    virtual ~ProgramStarter() = default;

    // Starts `program` with `argument` as its one argument; returns once the
    // program has started, without waiting for it to end.
    virtual void Start(const Path& program, const std::wstring& argument, WindowState state) = 0;
};

ProgramStarter& PlatformProgramStarter();

// Why a program did not start, as each platform reports it.
enum class StartProblem { NotFound, PathNotFound, PermissionDenied, NotExecutable, NeedsWine, Other };

// Throws the AppError that says why: what stands at the program's path (a
// folder, a device, a link to nothing) where that says more than `problem`,
// else `problem`, with `systemText` for Other.
[[noreturn]] void ThrowStartError(const Path& program, StartProblem problem,
                                  const std::wstring& systemText);

}  // namespace velk
