#include "ApplicationStart.h"

#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <string>
#include <vector>

namespace velk::qt {
namespace {

// A message Qt gave while it started, its context copied (Qt's pointers
// hold only during the call).
struct HeldMessage {
    QtMsgType type;
    std::string file, function, category;
    int line;
    QString text;
};

// Qt's platform may speak from a thread of its own (xcb's event reader).
std::mutex heldLock;
std::vector<HeldMessage>* held = nullptr;

std::string ValueOf(const char* variable) {
    const char* value = std::getenv(variable);
    return value && *value ? std::string(variable) + " is \"" + value + "\"" : std::string(variable) + " is not set";
}

// What the player is told: the display the environment names, or the
// platform the player chose.
std::string NoWindowSystemText() {
    const std::string displays = ValueOf("DISPLAY") + ", " + ValueOf("WAYLAND_DISPLAY");
    if (const char* platform = std::getenv("QT_QPA_PLATFORM"); platform && *platform) {
        return std::string("the window system that QT_QPA_PLATFORM names (\"") + platform +
               "\") cannot start here (" + displays + ")";
    }
    if (!std::getenv("DISPLAY") && !std::getenv("WAYLAND_DISPLAY")) {
        return "no display to show the window on: neither DISPLAY nor WAYLAND_DISPLAY is set";
    }
    return "cannot open a display (" + displays + ")";
}

// Qt's fatal message while it starts says that no platform could start; it
// reaches the installed handler before Qt aborts, and the handler ends the
// process instead, as a program does that cannot go on.
void Hold(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type == QtFatalMsg) {
        std::fprintf(stderr, "Velk_Loader: %s.\n", NoWindowSystemText().c_str());
        std::_Exit(1);
    }
    const auto copy = [](const char* part) { return std::string(part ? part : ""); };
    const std::lock_guard lock(heldLock);
    if (held) held->push_back({type, copy(context.file), copy(context.function), copy(context.category), context.line, text});
}

}  // namespace

std::unique_ptr<QApplication> StartApplication(int& argc, char** argv) {
    std::vector<HeldMessage> messages;
    held = &messages;
    const QtMessageHandler previous = qInstallMessageHandler(&Hold);
    auto application = std::make_unique<QApplication>(argc, argv);
    qInstallMessageHandler(previous);
    {
        const std::lock_guard lock(heldLock);
        held = nullptr;
    }
    for (const HeldMessage& message : messages) {
        const QMessageLogContext context(message.file.c_str(), message.line, message.function.c_str(),
                                         message.category.c_str());
        qt_message_output(message.type, context, message.text);
    }
    return application;
}

}  // namespace velk::qt
