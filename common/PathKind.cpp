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
    default:
        return std::nullopt;
    }
}

}  // namespace velk
