// A file opened for reading. One implementation per platform.
#pragma once

#include "ByteSource.h"
#include "FileProblem.h"
#include "Path.h"

#include <memory>

namespace velk {

// Opens `path` for reading from its start; throws FileProblemError. Only a
// regular file is opened: a pipe, socket or device (also behind a link) is
// refused at once, without waiting for anything to be written to it.
std::unique_ptr<ByteSource> OpenFileForReading(const Path& path);

}  // namespace velk
