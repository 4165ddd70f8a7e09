#include "Launcher.h"

#include "FatalError.h"
#include "SettingsFile.h"
#include "clsResolve.h"

#include <algorithm>

namespace velk {
namespace {

// A NUL shows as an unreadable byte does: a Windows window's text would end
// at it, and Qt would draw it as a box.
std::wstring Shown(std::wstring text) {
    std::replace(text.begin(), text.end(), L'\0', L'\uFFFD');
    return text;
}

}  // namespace

Launcher::Launcher(LauncherView& form, MessageBoxes& messages, LauncherPlatform platform)
    : form_(form), messages_(messages), platform_(std::move(platform)) {}

void Launcher::HandleLoad() {
    const ServerSettings settings = ReadSettingsForLoad(platform_.applicationFolder());
    const std::wstring title = Shown(settings.title);
    form_.SetNewsText(Shown(settings.news));
    form_.SetCaption(title);
    messages_.Show(std::wstring(kWelcomePrefix) + title, MessageIcon::None);
}

bool Launcher::LoadAndShow(const std::function<void()>& show) {
    try {
        HandleLoad();
        show();
    } catch (const std::exception& error) {
        ReportFatalError(messages_, error);
        return false;
    }
    return true;
}

void Launcher::HandleStartClick() {
    const Path folder = platform_.applicationFolder();
    // Held open until the client has started.
    const PressSettings settings = ReadSettingsForPress(folder);
    clsResolve resolver(platform_.sockets, messages_);
    // An unresolved host still starts the client, with ":<port>".
    const std::wstring address = resolver.GetIPFromHostName(settings.Host());
    platform_.programs.Start(folder.Join(kClientProgram), address + L":" + settings.Port(),
                             WindowState::MinimizedWithFocus);
}

}  // namespace velk
