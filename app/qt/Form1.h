// The main window as a Qt widget: the six controls of the layout table, drawn
// in its stacking order.
#pragma once

#include "Form1Widgets.h"
#include "LauncherView.h"
#include "StartLabel.h"
#include "StartPress.h"

#include <QCoreApplication>
#include <QWidget>

#include <functional>
#include <memory>
#include <optional>

namespace velk::qt {

class Form1 final : public QWidget, public LauncherView, public PressFrontEnd {
    Q_OBJECT
public:
    // `end` ends the application with an exit status.
    explicit Form1(std::function<void(int)> end = &QCoreApplication::exit);
    ~Form1() override;

    // Where clicks on "Start", its other presses and closes go; none before.
    void SetStartPress(StartPress* press) { press_ = press; }

    // A press of "Start" that is no click: its press action for assistive
    // technology.
    void PressStart();

    // While a press is handled: the busy pointer over the window, and no
    // input delivered to it (painting, moving and closing go on).
    void ShowBusy(bool busy) override;
    void SettleHeldInput() override;
    void HideWindow() override { hide(); }
    void End(int status) override { end_(status); }

    void SetCaption(const std::wstring& caption) override;
    void SetNewsText(const std::wstring& news) override;

    const Form1Widgets& Controls() const { return controls_; }

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void ApplyColors();
    void MatchAccessKey();
    bool IsOnStart(const QMouseEvent& event) const;
    // A left-button down, delivered or held back while busy, to the press owner.
    void PointerDown(const QMouseEvent& event);

    std::function<void(int)> end_;
    StartPress* press_ = nullptr;
    // The key event of the shortcut Qt is about to match.
    struct MatchedKey {
        KeyModifiers modifiers;
        bool autoRepeat = false;
        KeyStamp stamp;
    };
    std::optional<MatchedKey> shortcutKey_;
    bool applyingColors_ = false;
    std::unique_ptr<QObject> inputHold_;
    Form1Widgets controls_{};
};

}  // namespace velk::qt
