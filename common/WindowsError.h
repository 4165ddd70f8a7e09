// Windows only: the system's own words for a Win32 error code.
#pragma once

#include <string>

namespace velk {

// Without the trailing period and line end the system puts there.
std::wstring WindowsErrorText(unsigned long error);

}  // namespace velk
