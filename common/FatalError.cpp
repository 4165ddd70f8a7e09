#include "FatalError.h"

#include "AppError.h"
#include "TextCodec.h"

namespace velk {

void ReportFatalError(MessageBoxes& messages, const std::exception& error) {
    if (const auto* appError = dynamic_cast<const AppError*>(&error)) {
        messages.Show(appError->Message(), MessageIcon::Error);
    } else {
        messages.Show(L"Unexpected error: " + FromUtf8(error.what()), MessageIcon::Error);
    }
}

}  // namespace velk
