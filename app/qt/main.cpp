// Entry of the Qt starter.
#include "ApplicationFolder.h"
#include "ApplicationStart.h"
#include "ProgramStart.h"
#include "QtEventThreadWait.h"
#include "QtMessageBoxes.h"
#include "SessionBus.h"
#include "SocketLayer.h"
#include "Starter.h"
#include "WaitingSocketLayer.h"

int main(int argc, char* argv[]) {
    // A silent session bus would hold Qt's first use of it for good.
    velk::qt::DropSilentSessionBus();
    const auto application = velk::qt::StartApplication(argc, argv);
    // Wayland shells take the starter's name and icon from the desktop file
    // of this name.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.vellmark.VelkLoader"));
    velk::qt::QtMessageBoxes messages;
    // Name lookups are waited for with the window painted and closable.
    velk::qt::QtEventThreadWait wait;
    velk::WaitingSocketLayer sockets(velk::PlatformSocketLayer(), wait);
    velk::qt::Starter starter(messages, {velk::ApplicationFolder, sockets, velk::PlatformProgramStarter()},
                              [](int status) { QApplication::exit(status); });
    if (!starter.Start()) return 1;
    return QApplication::exec();
}
