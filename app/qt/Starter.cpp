#include "Starter.h"

#include "FatalError.h"

namespace velk::qt {

Starter::Starter(MessageBoxes& messages, LauncherPlatform platform, std::function<void(int)> end)
    : messages_(messages),
      end_(std::move(end)),
      launcher_(form_, messages, std::move(platform)),
      press_([this] { launcher_.HandleStartClick(); }, messages, *this) {
    form_.SetStartPress(&press_);
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
