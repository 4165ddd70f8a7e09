#include "Launcher.h"

#include "SettingsFile.h"
#include "clsResolve.h"

#include <algorithm>
#include <memory>

namespace velk {
namespace {

// A NUL shows as an unreadable byte does: a Windows window's text would end
// at it, and Qt would draw it as a box.
std::wstring Shown(std::wstring text) {
    std::replace(text.begin(), text.end(), L'\0', L'\uFFFD');
    return text;
}

}  // namespace

Launcher::Launcher(Form1View& form, MessageBoxes& messages, LauncherPlatform platform)
    : form_(form), messages_(messages), platform_(std::move(platform)) {}

void Launcher::HandleLoad() {
    const ServerSettings settings = ReadSettingsForLoad(platform_.applicationFolder());
    const std::wstring title = Shown(settings.title);
    form_.SetNewsText(Shown(settings.news));
    form_.SetCaption(title);
    messages_.Show(std::wstring(kWelcomePrefix) + title, MessageIcon::None);
}

void Launcher::HandleStartClick() {
    std::unique_ptr<clsResolve> resolver;
    {
        const PressSettings settings = ReadSettingsForPress(platform_.applicationFolder());
        resolver = std::make_unique<clsResolve>(platform_.sockets, messages_);
        const Path folder = platform_.applicationFolder();
        // An unresolved host still starts the client, with ":<port>".
        const std::wstring address = resolver->GetIPFromHostName(settings.Host());
        platform_.programs.Start(folder.Join(kClientProgram), address + L":" + settings.Port(),
                                 WindowState::MinimizedWithFocus);
    }  // the settings file is closed here, then the resolver released
}

}  // namespace velk
