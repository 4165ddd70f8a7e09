// What kind of program the game client is, told from its first bytes, and the
// argument vector that starts each kind on a POSIX system: a native program
// directly, a Windows program through Wine. Pure byte and text work, portable
// so that it is tested everywhere.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace velk {

enum class ProgramKind { Native, Windows };

// How much of the file ProgramKindOf needs: a Windows program's PE header
// lies within its first page.
inline constexpr std::size_t kProgramHeadBytes = 4096;

// A Windows program is a PE file: "MZ" at offset 0 and "PE\0\0" at the offset
// stored at 0x3C. Anything else (ELF, a script, a short or truncated file)
// is native: the system decides whether it can run it.
ProgramKind ProgramKindOf(std::string_view head);

// {program, argument}: no shell, the argument one entry as it is.
std::vector<std::string> DirectArguments(const std::string& program, const std::string& argument);

// {wine, "start", "/min", "/unix", program, argument}: Wine's start command
// shows the program minimized with focus (SW_SHOWMINIMIZED), takes the Unix
// path as it is and makes its folder the working folder. `program` must be
// absolute.
std::vector<std::string> WineArguments(const std::string& wine, const std::string& program,
                                       const std::string& argument);

}  // namespace velk
