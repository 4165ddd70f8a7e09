// The folder of the running executable: the settings file and the game client
// are found there. One implementation per platform.
#pragma once

#include "Path.h"

namespace velk {

// Without a trailing separator (but for a root folder). Throws AppError when
// the platform cannot tell.
Path ApplicationFolder();

// The AppError of a folder the platform cannot tell, with its reason (the
// system's words; may be empty).
[[noreturn]] void ThrowNoApplicationFolder(const std::wstring& systemText);

}  // namespace velk
