#include "Starter.h"

namespace velk::qt {

Starter::Starter(MessageBoxes& messages, LauncherPlatform platform, std::function<void(int)> end)
    : form_(std::move(end)),
      launcher_(form_, messages, std::move(platform)),
      press_([this] { launcher_.HandleStartClick(); }, messages, form_) {
    form_.SetStartPress(&press_);
}

}  // namespace velk::qt
