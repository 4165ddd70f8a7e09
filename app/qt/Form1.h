// The main window as a Qt widget: the six controls of the layout table, drawn
// in its stacking order.
#pragma once

#include "LauncherView.h"
#include "StartLabel.h"
#include "StartPress.h"

#include <QWidget>

#include <memory>
#include <optional>

class QLabel;
class QPlainTextEdit;

namespace velk::qt {

class Form1 final : public QWidget, public LauncherView {
    Q_OBJECT
public:
    explicit Form1(QWidget* parent = nullptr);
    ~Form1() override;

    // Where clicks on "Start", its other presses and closes go; none before.
    void SetStartPress(StartPress* press) { press_ = press; }

    // A press of "Start" that is no click: its press action for assistive
    // technology.
    void PressStart();

    // While a press is handled: the busy pointer over the window, and no
    // input delivered to it (painting, moving and closing go on).
    void SetBusy(bool busy);
    // Settles the input held back while it was busy.
    void SettleHeldInput();

    void SetCaption(const std::wstring& caption) override;
    void SetNewsText(const std::wstring& news) override;

    QPlainTextEdit* Text1() const { return newsBox_; }
    QLabel* Label1() const { return newsHeading_; }
    StartLabel* Label2() const { return start_; }
    QWidget* Line1() const { return separator_; }
    QWidget* Line2() const { return headingRule_; }
    QLabel* Image1() const { return banner_; }

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
    QLabel* banner_;
    StartLabel* start_;
    QWidget* separator_;
    QWidget* headingRule_;
    QLabel* newsHeading_;
    QPlainTextEdit* newsBox_;
};

}  // namespace velk::qt
