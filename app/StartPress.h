// The one owner of a press of "Start", wherever it comes from: a click, a
// key, an assistive technology's press action. One press is handled at a
// time: a press while one is handled is dropped, never queued, and the input
// that reached the window meanwhile is discarded when it ends, so that a
// player's one intent starts one client. A failure is reported and ends the
// application; a close meanwhile hides the window at once and ends the
// application when the press is done.
#pragma once

#include "MessageBoxes.h"

#include <functional>

namespace velk {

// What a press needs of the front end it came from.
class PressFrontEnd {
public:
    virtual ~PressFrontEnd() = default;
    // The platform's busy pointer over the window while a press is handled.
    virtual void ShowBusy(bool busy) = 0;
    // Drops the input (mouse, keys) that reached the window during a press.
    virtual void DiscardInput() = 0;
    // Takes the window off the screen at once; the application goes on.
    virtual void HideWindow() = 0;
    // Ends the application with `status`.
    virtual void End(int status) = 0;
};

class StartPress {
public:
    // `start` is what a press does: the launcher's start action.
    StartPress(std::function<void()> start, MessageBoxes& messages, PressFrontEnd& frontEnd)
        : start_(std::move(start)), messages_(messages), frontEnd_(frontEnd) {}

    // The primary pointer button over the window, hit-tested by the front
    // end: a click is the button going down and up both on "Start". The
    // second down of a double-click begins no click, so a double-click is
    // one press. True when a click on Start has begun.
    bool PointerDown(bool onStart, bool secondOfDoubleClick = false);
    void PointerUp(bool onStart);

    // A press from the keyboard or from assistive technology.
    void Press();

    // The player closes the window. True: close it now. False: a press is
    // being handled; the window has been hidden, and the application ends
    // (status 0) once the press is done.
    bool Close();

    bool Busy() const { return busy_; }

private:
    std::function<void()> start_;
    MessageBoxes& messages_;
    PressFrontEnd& frontEnd_;
    bool clickBegun_ = false;
    bool busy_ = false;
    bool closed_ = false;
};

}  // namespace velk
