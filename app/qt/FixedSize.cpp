#include "FixedSize.h"

#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <QWindow>

namespace velk::qt {
namespace {

constexpr Qt::WindowStates kLarge = Qt::WindowMaximized | Qt::WindowFullScreen;
// How long a window shows itself in a large state before taking it back.
constexpr int kShowFor = 50;  // ms

class FixedSizeKeeper final : public QObject {
public:
    explicit FixedSizeKeeper(QWidget* window) : QObject(window), window_(window) {
        window->installEventFilter(this);
        Watch();
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == window_ && event->type() == QEvent::Show) Watch();
        // A state the compositor has applied: a large one is taken back once
        // the window has shown itself in it (a strict compositor takes no
        // other request before); back to normal, the window is fixed again.
        if (watched == handle_ && event->type() == QEvent::WindowStateChange && event->spontaneous()) {
            if (handle_->windowStates() & kLarge) {
                QTimer::singleShot(kShowFor, this, [this] { handle_->setWindowStates(handle_->windowStates() & ~kLarge); });
            } else {
                Fix();
            }
        }
        return false;
    }

private:
    // The window's handle exists once it is shown.
    void Watch() {
        QWindow* handle = window_->windowHandle();
        if (!handle || handle == handle_) return;
        handle_ = handle;
        handle_->installEventFilter(this);
        connect(handle_, &QWindow::windowStateChanged, this, [this](Qt::WindowState state) { StateChanged(state); });
    }

    // Asked for a large state (the request is on its way to the compositor):
    // the window may take the compositor's size meanwhile, so that what it
    // shows answers the compositor's.
    void StateChanged(Qt::WindowState state) {
        if ((state & kLarge) && fixed_.isEmpty()) {
            fixed_ = window_->size();
            window_->setMinimumSize(0, 0);
            window_->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        }
    }

    void Fix() {
        if (fixed_.isEmpty()) return;
        window_->setFixedSize(fixed_);
        fixed_ = {};
    }

    QWidget* window_;
    QWindow* handle_ = nullptr;
    QSize fixed_;
};

}  // namespace

void KeepFixedSize(QWidget* window) { new FixedSizeKeeper(window); }

}  // namespace velk::qt
