// "Start" as a keyboard player meets it: the label is reached by Tab, and
// its keys go to the press owner. Its focus frame and the underline of its access
// key show only once the keyboard has been used, and the underline only where
// the style shows access keys; a mouse player never sees either.
#pragma once

#include "SchemeLabel.h"

#include <functional>

namespace velk::qt {

class StartLabel final : public SchemeLabel {
public:
    explicit StartLabel(QWidget* parent);

    // Where its keys go while it has the focus, each time one goes down
    // (held down, as often as the platform repeats it); true: the key was
    // Start's.
    void SetKeyHandler(std::function<bool(const QKeyEvent&)> keyDown) { keyDown_ = std::move(keyDown); }

    // A key went down anywhere in the window. The cues show from the first
    // use of the keyboard that asks for them on: the access key's underline
    // after Alt, the focus frame after a move of the focus to "Start" by key.
    void KeyPressed(const QKeyEvent& key);
    bool KeyboardCuesShown() const { return focusCue_ || accessKeyCue_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void ShowCue(bool& cue);

    std::function<bool(const QKeyEvent&)> keyDown_;
    bool focusCue_ = false;
    bool accessKeyCue_ = false;
};

}  // namespace velk::qt
