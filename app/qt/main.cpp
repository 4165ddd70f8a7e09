// Entry of the Qt starter.
#include "ApplicationFolder.h"
#include "ProgramStart.h"
#include "QtEventThreadWait.h"
#include "QtMessageBoxes.h"
#include "SocketLayer.h"
#include "Starter.h"
#include "WaitingSocketLayer.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    velk::qt::QtMessageBoxes messages;
    // Name lookups are waited for with the window painted and closable.
    velk::qt::QtEventThreadWait wait;
    velk::WaitingSocketLayer sockets(velk::PlatformSocketLayer(), wait);
    velk::qt::Starter starter(messages, {velk::ApplicationFolder, sockets, velk::PlatformProgramStarter()},
                              [](int status) { QApplication::exit(status); });
    if (!starter.Start()) return 1;
    return QApplication::exec();
}
