// Reporting an error that ends the application, as every front end does at
// the edge of the event that raised it.
#pragma once

#include "MessageBoxes.h"

#include <exception>

namespace velk {

// Shows the error in an error box; the caller then ends the application with
// a non-zero status.
void ReportFatalError(MessageBoxes& messages, const std::exception& error);

}  // namespace velk
