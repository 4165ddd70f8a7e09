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

Starter::Starter(MessageBoxes& messages, LauncherPlatform platform, std::function<void(int)> end)
    : messages_(messages), end_(std::move(end)), launcher_(form_, messages, std::move(platform)) {
    form_.SetStartClickHandler([this] { HandleStartClick(); });
}

void Starter::HandleStartClick() {
    try {
        launcher_.HandleStartClick();
    } catch (const std::exception& error) {
        ReportFatalError(messages_, error);
        end_(1);
    }
}

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
