#include "FileProblem.h"

#include "WindowsError.h"

#include <windows.h>

namespace velk {

FileProblemError ProblemOfSystemError(unsigned long code) {
    switch (code) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_INVALID_NAME:
        return {FileProblem::NotFound};
    case ERROR_PATH_NOT_FOUND:
        return {FileProblem::PathNotFound};
    case ERROR_ACCESS_DENIED:  // also for a folder (what stands there tells it)
        return {FileProblem::Denied};
    case ERROR_BAD_EXE_FORMAT:
    case ERROR_EXE_MACHINE_TYPE_MISMATCH:
        return {FileProblem::NotExecutable};
    default:
        return {FileProblem::Other, WindowsErrorText(code)};
    }
}

}  // namespace velk
