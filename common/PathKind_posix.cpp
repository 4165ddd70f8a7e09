#include "PathKind.h"

#include <cerrno>
#include <sys/stat.h>

namespace velk {

PathKind KindOfPath(const Path& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) == 0) {
        if (S_ISDIR(info.st_mode)) return PathKind::Folder;
        return S_ISREG(info.st_mode) ? PathKind::File : PathKind::Special;
    }
    if (errno == ELOOP) return PathKind::LinkLoop;
    if (errno != ENOENT && errno != ENOTDIR) return PathKind::Unknown;
    // The path itself may be there, a link whose target is not.
    if (::lstat(path.c_str(), &info) == 0 && S_ISLNK(info.st_mode)) return PathKind::BrokenLink;
    return PathKind::Nothing;
}

}  // namespace velk
