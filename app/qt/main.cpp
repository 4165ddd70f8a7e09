// Entry of the Qt starter.
#include "ApplicationFolder.h"
#include "ProgramStart.h"
#include "QtMessageBoxes.h"
#include "SocketLayer.h"
#include "Starter.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    velk::qt::QtMessageBoxes messages;
    velk::qt::Starter starter(messages,
                              {velk::ApplicationFolder, velk::PlatformSocketLayer(), velk::PlatformProgramStarter()},
                              [](int status) { QApplication::exit(status); });
    if (!starter.Start()) return 1;
    return QApplication::exec();
}
