// What stands at a path, as far as it tells a player why the path cannot be
// used as the file it should be (the settings file, the game client): the
// system's own error for a folder or a link to nothing says less. One
// implementation per platform.
#pragma once

#include "Path.h"

#include <optional>
#include <string>
#include <string_view>

namespace velk {

enum class PathKind {
    Nothing,     // no such file, or a folder on the way missing
    BrokenLink,  // a link to a file that is not there
    LinkLoop,    // a link that leads back to itself, through other links or not
    Folder,
    File,        // a regular file, also behind a link
    Special,     // a device, a pipe or a socket, also behind a link
    Unknown,     // the system does not say (a folder on the way unreadable)
};

PathKind KindOfPath(const Path& path);

// Why what stands at `path` cannot serve as `what` ("a file", "the game
// client") where it says more than the system's error: a folder, a device, a
// link to nothing or a loop of links. Nothing where it is a file, nothing at all, or unknown.
std::optional<std::wstring> ReasonAt(const Path& path, std::wstring_view what);

}  // namespace velk
