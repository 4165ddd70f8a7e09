#include "FixedSize.h"

#include "WaylandFrameSize.h"
#include "WaylandSizeRules.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QGuiApplication>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <algorithm>
#include <optional>

namespace velk::qt {
namespace {

constexpr Qt::WindowStates kLarge = Qt::WindowMaximized | Qt::WindowFullScreen;

// The size `window` is fixed at, or an empty size where it is not fixed.
QSize FixedAt(const QWidget& window) {
    return window.minimumSize() == window.maximumSize() ? window.minimumSize() : QSize();
}

// Follows the window's handle, which exists once the window is shown.
class Keeper : public QObject {
public:
    explicit Keeper(QWidget* window) : QObject(window), window_(window) {
        window->installEventFilter(this);
        Watch();
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == window_ && event->type() == QEvent::Show) Watch();
        if (watched == handle_ && event->type() == QEvent::WindowStateChange && event->spontaneous()) {
            Applied(handle_->windowStates() & kLarge);
        }
        return watched == window_ && Seen(event->type());
    }

    // The desktop has applied a state (large or not).
    virtual void Applied(bool large) = 0;
    // The window is asked for a state, by the desktop or by itself.
    virtual void Asked(bool /*large*/) {}
    // An event of the window's own; true eats it.
    virtual bool Seen(QEvent::Type /*type*/) { return false; }

    void AskForNormal() {
        if (handle_) handle_->setWindowStates(handle_->windowStates() & ~kLarge);
    }

    QWidget* const window_;
    // Gone before the keeper when the window is destroyed: guarded.
    QPointer<QWindow> handle_;

private:
    void Watch() {
        QWindow* handle = window_->windowHandle();
        if (!handle || handle == handle_) return;
        handle_ = handle;
        handle_->installEventFilter(this);
        connect(handle_, &QWindow::windowStateChanged, this, [this](Qt::WindowState state) { Asked(state & kLarge); });
        Watching();
    }

protected:
    // The window's handle is new.
    virtual void Watching() {}
};

// X11: the window manager knows the size limits (min = max) and keeps them;
// a large state it grants anyway (a pager's full-screen request) is asked
// away at once and the window put back at its size.
class X11Keeper final : public Keeper {
public:
    using Keeper::Keeper;

private:
    void Applied(bool large) override {
        if (large) AskForNormal();
        BackToSize();
    }
    bool Seen(QEvent::Type type) override {
        if (type == QEvent::Resize && handle_ && !(handle_->windowStates() & kLarge)) BackToSize();
        return false;
    }
    void BackToSize() {
        const QSize size = FixedAt(*window_);
        if (!size.isEmpty() && window_->size() != size) window_->resize(size);
    }
};

// Wayland: see WaylandSizeRules.h; this carries its decisions out on the
// window and tells it the window's events and the time.
class WaylandKeeper final : public Keeper, private ResizableWindow {
public:
    explicit WaylandKeeper(QWidget* window) : Keeper(window) {
        clock_.start();
        due_.setSingleShot(true);
        connect(&due_, &QTimer::timeout, this, [this] {
            rules_.Tick();
            Schedule();
        });
    }

private:
    void Watching() override {
        for (const auto changed : {&QWindow::minimumWidthChanged, &QWindow::minimumHeightChanged,
                                   &QWindow::maximumWidthChanged, &QWindow::maximumHeightChanged}) {
            connect(handle_, changed, this, [this] { Announce(); });
        }
    }
    void Announce() {
        if (!handle_ || !rules_.Settled()) return;
        AnnounceFrameSize(handle_);
        window_->update();  // committed with the next frame
    }

    void Asked(bool large) override {
        rules_.Asked(large);
        Schedule();
    }
    void Applied(bool large) override {
        rules_.Applied(large);
        Schedule();
    }

    bool Seen(QEvent::Type type) override {
        // A window that sizes itself (a message box) would fix its size
        // again on the layout request that lifting the limits makes; it
        // gets one once the limits are back.
        if (type == QEvent::LayoutRequest && !rules_.Settled()) return true;
        // By the first paint the frame is known.
        if (type == QEvent::Paint && !announced_) {
            announced_ = true;
            QTimer::singleShot(0, this, [this] { Announce(); });
        }
        if (type == QEvent::Resize) rules_.Resized();
        // The frame at the granted size is drawn (and committed) by the time
        // a call queued from its paint runs.
        if (type == QEvent::Paint && rules_.AwaitsFrame()) {
            QTimer::singleShot(0, this, [this] {
                rules_.Drawn();
                Schedule();
            });
        }
        return false;
    }

    // The rules' next deadline on the event loop's timer.
    void Schedule() {
        const std::optional<Milliseconds> deadline = rules_.Deadline();
        if (!deadline) {
            due_.stop();
            return;
        }
        due_.start(static_cast<int>(std::max<Milliseconds>(0, *deadline - clock_.elapsed())));
    }

    // ResizableWindow
    bool Lift() override {
        const QSize size = FixedAt(*window_);
        if (!size.isEmpty()) size_ = size;
        if (size_.isEmpty()) return false;
        window_->setMinimumSize(0, 0);
        window_->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        return true;
    }
    void Fix() override {
        window_->setFixedSize(size_);
        QCoreApplication::postEvent(window_, new QEvent(QEvent::LayoutRequest));
    }
    void AskForNormal() override { Keeper::AskForNormal(); }
    void Repaint() override { window_->update(); }
    bool Grown() const override { return window_->size() != size_; }

    QSize size_;  // the size the window was fixed at before it was lifted
    bool announced_ = false;
    QElapsedTimer clock_;
    QTimer due_;
    WaylandSizeRules rules_{*this, [this] { return static_cast<Milliseconds>(clock_.elapsed()); }};
};

}  // namespace

void KeepFixedSize(QWidget* window) {
    if (QGuiApplication::platformName().startsWith(QLatin1String("wayland"))) {
        new WaylandKeeper(window);
    } else if (QGuiApplication::platformName() == QLatin1String("xcb")) {
        new X11Keeper(window);
    }
}

}  // namespace velk::qt
