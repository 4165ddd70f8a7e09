#include "FixedSize.h"

#include <QCoreApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <qpa/qplatformnativeinterface.h>

#include <dlfcn.h>

#include <cstdint>

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

// Qt 6.4's Wayland client announces a window's size limits
// (xdg_toplevel.set_min_size and set_max_size) as the size of its content,
// without the frame Qt draws itself, while the window geometry it commits
// includes that frame. A compositor that goes by the limits (mutter) then
// takes the window for smaller than it is, asks for that size and places it
// wrong. So each time Qt has announced the limits of a window of one size,
// they are announced again as that window's committed geometry, frame
// included. A Qt whose Wayland client counts the frame in (qtwayland's
// current sources do) makes this a repetition of what Qt sent.
void AnnounceFrameSize(QWindow* handle) {
    using Marshal = void (*)(void*, std::uint32_t, ...);
    static const Marshal marshal = [] {
        void* library = dlopen("libwayland-client.so.0", RTLD_NOW | RTLD_NOLOAD);
        return library ? reinterpret_cast<Marshal>(dlsym(library, "wl_proxy_marshal")) : nullptr;
    }();
    QPlatformNativeInterface* native = QGuiApplication::platformNativeInterface();
    void* toplevel = native ? native->nativeResourceForWindow("xdg_toplevel", handle) : nullptr;
    if (!marshal || !toplevel || handle->minimumSize() != handle->maximumSize()) return;
    constexpr std::uint32_t kSetMaxSize = 7;  // xdg_toplevel's requests, as the stable xdg-shell numbers them
    constexpr std::uint32_t kSetMinSize = 8;
    const QSize size = handle->frameGeometry().size();
    marshal(toplevel, kSetMaxSize, size.width(), size.height());
    marshal(toplevel, kSetMinSize, size.width(), size.height());
}

// Wayland: see the header. Phases of one large request.
class WaylandKeeper final : public Keeper {
public:
    explicit WaylandKeeper(QWidget* window) : Keeper(window) {
        bound_.setSingleShot(true);
        bound_.setInterval(kAnswerBound);
        connect(&bound_, &QTimer::timeout, this, [this] {
            if (phase_ == Phase::Asked) {
                AskForNormal();  // Qt's idea of the state follows the limits back
                Fix();
            } else if (phase_ == Phase::Granted) {
                TakeBack();
            }
        });
        quiet_.setSingleShot(true);
        quiet_.setInterval(kAnswerBound);
    }

private:
    // How long the compositor may take to answer, and how long the window
    // must stay at its size before a new large state is a new request.
    static constexpr int kAnswerBound = 1000;  // ms
    // Large states in a row, each given soon after the last was taken back,
    // after which the compositor is given its way.
    static constexpr int kGiveUpAfter = 3;

    enum class Phase { Fixed, Asked, Granted, Returning, GaveUp };

    void Watching() override {
        for (const auto changed : {&QWindow::minimumWidthChanged, &QWindow::minimumHeightChanged,
                                   &QWindow::maximumWidthChanged, &QWindow::maximumHeightChanged}) {
            connect(handle_, changed, this, [this] { Announce(); });
        }
    }
    void Announce() {
        if (!handle_ || phase_ != Phase::Fixed) return;
        AnnounceFrameSize(handle_);
        window_->update();  // committed with the next frame
    }

    void Asked(bool large) override {
        if (!large || phase_ != Phase::Fixed || !Lift()) return;
        phase_ = Phase::Asked;
        bound_.start();
    }

    void Applied(bool large) override {
        if (!large) {
            // A state from before the request (a configure already on its
            // way) changes nothing; the answer to it is still to come.
            if (phase_ != Phase::Fixed && phase_ != Phase::Asked) Fix();
            return;
        }
        if (phase_ == Phase::Fixed && !Lift()) return;  // the compositor's own request
        if (phase_ == Phase::Returning) ++inARow_;      // given again at once
        if (phase_ == Phase::GaveUp) return;
        Grant();
    }

    bool Seen(QEvent::Type type) override {
        // A window that sizes itself (a message box) would fix its size
        // again on the layout request that lifting the limits makes; it
        // gets one once the limits are back.
        if (type == QEvent::LayoutRequest && phase_ != Phase::Fixed) return true;
        // By the first paint the frame is known.
        if (type == QEvent::Paint && !announced_) {
            announced_ = true;
            QTimer::singleShot(0, this, [this] { Announce(); });
        }
        if (phase_ != Phase::Granted) return false;
        if (type == QEvent::Resize && window_->size() != size_) grown_ = true;
        // The frame at the granted size is drawn (and committed) by the time
        // a call queued from its paint runs.
        if (type == QEvent::Paint && grown_) QTimer::singleShot(0, this, [this] { TakeBack(); });
        return false;
    }

    void Grant() {
        if (inARow_ >= kGiveUpAfter) {
            phase_ = Phase::GaveUp;
            bound_.stop();
            return;
        }
        phase_ = Phase::Granted;
        grown_ = window_->size() != size_;
        if (grown_) window_->update();  // its frame may already be drawn: one more
        bound_.start();
    }

    void TakeBack() {
        if (phase_ != Phase::Granted) return;
        phase_ = Phase::Returning;
        bound_.stop();
        AskForNormal();
    }

    // Lets the window take whatever size the compositor gives it; false where
    // it was not fixed to begin with.
    bool Lift() {
        inARow_ = quiet_.isActive() ? inARow_ + 1 : 0;
        quiet_.stop();
        const QSize size = FixedAt(*window_);
        if (!size.isEmpty()) size_ = size;
        if (size_.isEmpty()) return false;
        window_->setMinimumSize(0, 0);
        window_->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        return true;
    }

    void Fix() {
        bound_.stop();
        phase_ = Phase::Fixed;
        window_->setFixedSize(size_);
        QCoreApplication::postEvent(window_, new QEvent(QEvent::LayoutRequest));
        quiet_.start();
    }

    Phase phase_ = Phase::Fixed;
    QSize size_;  // the size the window was fixed at before it was lifted
    bool grown_ = false;
    bool announced_ = false;
    int inARow_ = 0;
    QTimer bound_;
    QTimer quiet_;
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
