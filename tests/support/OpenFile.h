// Whether the starter holds a file open, as the platform can tell.
#pragma once

#include <filesystem>

namespace velk::test {

// True while some handle (of this process, in the tests) holds `file` open.
bool IsHeldOpen(const std::filesystem::path& file);

}  // namespace velk::test
