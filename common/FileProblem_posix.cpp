#include "FileProblem.h"

#include "TextCodec.h"

#include <cerrno>
#include <cstring>

namespace velk {

FileProblemError ProblemOfSystemError(unsigned long code) {
    const int error = static_cast<int>(code);
    switch (error) {
    case ENOENT:
    case ENOTDIR:
        return {FileProblem::NotFound};
    case EACCES:
    case EPERM:
        return {FileProblem::Denied};
    case EISDIR:
        return {FileProblem::IsFolder};
    case ENXIO:  // a socket, or a device without its driver
        return {FileProblem::NotRegularFile};
    case ENOEXEC:
        return {FileProblem::NotExecutable};
    default:
        return {FileProblem::Other, FromSystemCodePage(std::strerror(error))};
    }
}

}  // namespace velk
