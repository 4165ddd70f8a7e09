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
    // The application's end also ends local loops; the call is waited for
    // all the same, as its caller relies on its result.
    while (!thread->isFinished()) loop.exec();
    thread->wait();
}

}  // namespace velk::qt
