// Windows paths as the system's file calls take them at any length: an
// absolute path in its extended-length form ("\\?\C:\...", "\\?\UNC\...").
// Pure text work, portable so that it is tested everywhere.
#pragma once

#include <string>
#include <string_view>

namespace velk {

// The extended-length form of an absolute path, with "/" as "\"; a path
// already in that form, or one that is not absolute, as it is.
std::wstring ExtendedLengthPath(std::wstring_view path);

}  // namespace velk
