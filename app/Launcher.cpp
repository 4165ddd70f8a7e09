#include "Launcher.h"

#include "SettingsFile.h"

namespace velk {

Launcher::Launcher(Form1View& form, MessageBoxes& messages, FolderSource applicationFolder)
    : form_(form), messages_(messages), applicationFolder_(std::move(applicationFolder)) {}

void Launcher::HandleLoad() {
    const ServerSettings settings = ReadSettingsForLoad(applicationFolder_());
    form_.SetNewsText(settings.news);
    form_.SetCaption(settings.title);
    messages_.Show(std::wstring(kWelcomePrefix) + settings.title, MessageIcon::None);
}

}  // namespace velk
