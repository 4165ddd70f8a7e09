#include "QtEventThreadWait.h"

#include <QEventLoop>
#include <QThread>

#include <memory>

namespace velk::qt {

void QtEventThreadWait::RunElsewhere(const std::function<void()>& call) {
    QEventLoop loop;
    const std::unique_ptr<QThread> thread(QThread::create(call));
    QObject::connect(thread.get(), &QThread::finished, &loop, &QEventLoop::quit);
    thread->start();
    if (!thread->isRunning() && !thread->isFinished()) {
        call();  // no thread to be had: the call blocks here, as it always did
        return;
    }
    // The thread's end reaches the loop as a queued call, also when it ends
    // before the loop runs. The application's end ends local loops too, and
    // at once every one started after it: the call is then waited for
    // plainly (its caller relies on its result), never by running loops
    // again, which would only spin.
    if (!thread->isFinished()) loop.exec();
    thread->wait();
}

}  // namespace velk::qt
