#include "Form1.h"

#include "FixedSize.h"
#include "Form1Accessibility.h"
#include "Form1Layout.h"
#include "HitTest.h"
#include "LayoutToQt.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QScopedValueRollback>
#include <QShortcut>
#include <QStyleHints>
#include <QWindow>


namespace velk::qt {
namespace {

// Tells of a new application palette. Qt tells the application object of
// it; a top-level widget itself is not always told (Qt 6.4 tells children
// only).
class PaletteWatcher final : public QObject {
public:
    PaletteWatcher(QObject* parent, std::function<void()> changed) : QObject(parent), changed_(std::move(changed)) {
        QCoreApplication::instance()->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == QCoreApplication::instance() && event->type() == QEvent::ApplicationPaletteChange) changed_();
        return false;
    }

private:
    std::function<void()> changed_;
};

// Qt's keys in the terms of the press owner.
StartKey StartKeyOf(const QKeyEvent& key) {
    switch (key.key()) {
    case Qt::Key_Return:
        return StartKey::Return;
    case Qt::Key_Enter:
        return StartKey::Enter;
    case Qt::Key_Space:
        return StartKey::Space;
    default:
        return StartKey::Other;
    }
}

KeyModifiers ModifiersOf(const QKeyEvent& key) {
    const Qt::KeyboardModifiers held = key.modifiers();
    return {held.testFlag(Qt::ShiftModifier), held.testFlag(Qt::ControlModifier), held.testFlag(Qt::AltModifier),
            held.testFlag(Qt::MetaModifier)};
}

Qt::KeyboardModifiers QtModifiersOf(KeyModifiers modifiers) {
    Qt::KeyboardModifiers held;
    held.setFlag(Qt::ShiftModifier, modifiers.shift);
    held.setFlag(Qt::ControlModifier, modifiers.control);
    held.setFlag(Qt::AltModifier, modifiers.alt);
    held.setFlag(Qt::MetaModifier, modifiers.meta);
    return held;
}

KeyStamp StampOf(const QKeyEvent& key) {
    return {static_cast<std::uint32_t>(key.key()), static_cast<InputTime>(key.timestamp())};
}

}  // namespace

Form1::Form1(std::function<void(int)> end) : QWidget(nullptr, Qt::Window), end_(std::move(end)) {
    InstallForm1Accessibility();  // before any control has an interface
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(ToQString(layout::kCaptionAtCreation));
    setWindowIcon(QIcon(QStringLiteral(":/assets/icon.png")));
    // A fixed single frame: no resizing, no maximise button.
    setFixedSize(layout::ToPixels(layout::kClientWidthTwips), layout::ToPixels(layout::kClientHeightTwips));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    KeepFixedSize(this);
    setAutoFillBackground(true);

    // Made back to front, as the table stacks them; the focus in its tab
    // order, the news box first.
    controls_ = MakeForm1Widgets(this);
    controls_.Label2->SetKeyHandler([this](const QKeyEvent& key) {
        return press_ && press_->FocusedKeyDown(StartKeyOf(key), ModifiersOf(key), key.isAutoRepeat(), StampOf(key));
    });
    // Keys shown to "Start" for its cues, and to the press owner.
    controls_.Text1->installEventFilter(this);
    controls_.Label2->installEventFilter(this);
    MatchAccessKey();

    ApplyColors();
    new PaletteWatcher(this, [this] { ApplyColors(); });
}

Form1::~Form1() = default;

// The window's own background on the application's palette; each control
// keeps its colour role there, and the labels take their look as they paint.
void Form1::ApplyColors() {
    const QScopedValueRollback applying(applyingColors_, true);
    QPalette colours = QApplication::palette(this);
    colours.setColor(QPalette::Window, ToQColor(layout::kBackground, colours));
    setPalette(colours);
    controls_.Label2->update();
    controls_.Label1->update();
}

// The scheme changes while the window is open: a player switching between
// light and dark, or a theme service setting a new application palette.
void Form1::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    const auto type = event->type();
    if ((type == QEvent::ApplicationPaletteChange || type == QEvent::PaletteChange) && !applyingColors_) {
        ApplyColors();
    }
}

void Form1::PressStart() {
    if (press_) press_->Press();
}

bool Form1::eventFilter(QObject* watched, QEvent* event) {
    const auto type = event->type();
    if (type == QEvent::KeyRelease && press_) press_->KeyUp(StampOf(static_cast<const QKeyEvent&>(*event)));
    if (type == QEvent::KeyPress) controls_.Label2->KeyPressed(static_cast<const QKeyEvent&>(*event));
    // Qt asks the focus widget before it tries its shortcuts with a key: the
    // key a shortcut then matches.
    if (type == QEvent::ShortcutOverride) {
        const auto& key = static_cast<const QKeyEvent&>(*event);
        shortcutKey_ = {ModifiersOf(key), key.isAutoRepeat(), StampOf(key)};
    }
    return QWidget::eventFilter(watched, event);
}

// Start's access key is matched as Qt matches its own shortcuts and
// mnemonics: on every layout the player has, so that where the active one
// has no Latin letter on that key (Russian, Greek) Qt finds it in the
// others. One shortcut for each set of modifiers the press owner takes with
// it; the press owner then has the key Qt matched, as it came.
void Form1::MatchAccessKey() {
    const wchar_t key = layout::FoldCase(layout::AccessKeyOf(layout::kLabel2.accessible));
    for (unsigned held = 0; held < 16; ++held) {
        const KeyModifiers modifiers{(held & 1) != 0, (held & 2) != 0, (held & 4) != 0, (held & 8) != 0};
        if (!IsStartAccessKey(key, modifiers)) continue;
        const QKeyCombination combination(QtModifiersOf(modifiers), static_cast<Qt::Key>(key));
        auto* shortcut = new QShortcut(QKeySequence(combination), this);
        const auto matched = [this, key] {
            const MatchedKey typed = shortcutKey_.value_or(MatchedKey{});
            shortcutKey_.reset();
            if (press_) press_->AccessKeyDown(key, typed.modifiers, typed.autoRepeat, typed.stamp);
        };
        connect(shortcut, &QShortcut::activated, this, matched);
        connect(shortcut, &QShortcut::activatedAmbiguously, this, matched);
    }
}

namespace {

// Holds back the input meant for the window it watches, as the press owner
// rules (FateOf). Qt sees no close key: the window system closes windows.
class InputHold final : public QObject {
public:
    explicit InputHold(std::function<void(const QMouseEvent&)> pointerDown) : pointerDown_(std::move(pointerDown)) {}

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (!event->isInputEvent()) return false;
        const auto type = event->type();
        const auto* down = type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick
                               ? static_cast<const QMouseEvent*>(event)
                               : nullptr;
        const HeldInputFate fate =
            FateOf(down && down->button() == Qt::LeftButton ? HeldInput::PrimaryButtonDown : HeldInput::Other);
        if (fate.counted) pointerDown_(*down);
        return !fate.delivered;
    }

private:
    std::function<void(const QMouseEvent&)> pointerDown_;
};

}  // namespace

void Form1::ShowBusy(bool busy) {
    // Input reaches the window's widgets through its window, where it is held.
    QObject* const window = windowHandle() ? static_cast<QObject*>(windowHandle()) : this;
    if (busy && !inputHold_) {
        inputHold_ = std::make_unique<InputHold>([this](const QMouseEvent& event) { PointerDown(event); });
        window->installEventFilter(inputHold_.get());
        setCursor(Qt::BusyCursor);
        controls_.Text1->viewport()->setCursor(Qt::BusyCursor);
    } else if (!busy && inputHold_) {
        window->removeEventFilter(inputHold_.get());
        inputHold_.reset();
        unsetCursor();
        controls_.Text1->viewport()->setCursor(Qt::IBeamCursor);
    }
}

void Form1::SettleHeldInput() {
    if (inputHold_) QCoreApplication::processEvents();
}

// A click on "Start" is a left-button press and release both inside its
// rectangle, wherever the banner lies under it. The hit test works in the
// screen's pixels, as the window is drawn, so that on a scaled display the
// rectangle's edges round as the layout says.
bool Form1::IsOnStart(const QMouseEvent& event) const {
    const double scale = devicePixelRatioF();
    return event.button() == Qt::LeftButton &&
           layout::IsStartClick(ToPixel(event.position().x(), scale), ToPixel(event.position().y(), scale), scale);
}

void Form1::PointerDown(const QMouseEvent& event) {
    if (!press_ || event.button() != Qt::LeftButton) return;
    const auto doubleClickTime = static_cast<InputTime>(QGuiApplication::styleHints()->mouseDoubleClickInterval());
    press_->PointerDown(IsOnStart(event), static_cast<InputTime>(event.timestamp()), doubleClickTime);
}

void Form1::mousePressEvent(QMouseEvent* event) {
    PointerDown(*event);
    QWidget::mousePressEvent(event);
}

// The second press of a double-click comes as this alone.
void Form1::mouseDoubleClickEvent(QMouseEvent* event) { PointerDown(*event); }

void Form1::mouseReleaseEvent(QMouseEvent* event) {
    QWidget::mouseReleaseEvent(event);
    if (press_ && event->button() == Qt::LeftButton) press_->PointerUp(IsOnStart(*event));
}

void Form1::closeEvent(QCloseEvent* event) {
    if (press_ && !press_->Close()) event->ignore();
}

void Form1::SetCaption(const std::wstring& caption) { setWindowTitle(QString::fromStdWString(caption)); }

void Form1::SetNewsText(const std::wstring& news) { controls_.Text1->setPlainText(QString::fromStdWString(news)); }

}  // namespace velk::qt
