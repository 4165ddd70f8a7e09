#include "Starter.h"

#include "AppError.h"
#include "TextCodec.h"

namespace velk::qt {

void ReportFatalError(MessageBoxes& messages, const std::exception& error) {
    if (const auto* appError = dynamic_cast<const AppError*>(&error)) {
        messages.Show(appError->Message(), MessageIcon::Error);
    } else {
        messages.Show(L"Unexpected error: " + FromUtf8(error.what()), MessageIcon::Error);
    }
}

Starter::Starter(MessageBoxes& messages, Launcher::FolderSource applicationFolder)
    : messages_(messages), launcher_(form_, messages, std::move(applicationFolder)) {}

bool Starter::Start() {
    try {
        launcher_.HandleLoad();
    } catch (const std::exception& error) {
        ReportFatalError(messages_, error);
        return false;
    }
    form_.show();
    return true;
}

}  // namespace velk::qt
