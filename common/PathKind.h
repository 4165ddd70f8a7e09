// What stands at a path, as far as it tells a player why the path cannot be
// used as the file it should be (the settings file, the game client): the
// system's own error for a folder or a link to nothing says less. One
// implementation per platform.
#pragma once

#include "Path.h"

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

}  // namespace velk
