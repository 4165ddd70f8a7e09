#include "PathKind.h"

namespace velk {

std::optional<std::wstring> ReasonAt(const Path& path, std::wstring_view what) {
    switch (KindOfPath(path)) {
    case PathKind::Folder:
        return L"it is a folder, not " + std::wstring(what);
    case PathKind::Special:
        return L"it is not a regular file";
    case PathKind::BrokenLink:
        return L"it is a link to a file that is not there";
    case PathKind::LinkLoop:
        return L"it is a link in a loop of links, which leads to no file";
    default:
        return std::nullopt;
    }
}

}  // namespace velk
