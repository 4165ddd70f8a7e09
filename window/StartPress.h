// The one owner of a press of "Start", wherever it comes from: a click, a
// key, an assistive technology's press action. One press is handled at a
// time: a press while one is handled is dropped, never queued, and the input
// that reached the window meanwhile is discarded when it ends, so that a
// player's one intent starts one client. A failure is reported and ends the
// application; a close meanwhile hides the window at once and ends the
// application when the press is done.
// What one intent is, is decided here, from the raw input the front ends
// hand over: a key held down is one press, however often the platform
// repeats it (StartKeys.h says which keys press); a burst of clicks, each
// within the platform's double-click time of the one before, is one press,
// also where the burst goes on past the press it made.
#pragma once

#include "MessageBoxes.h"
#include "StartKeys.h"

#include <cstdint>
#include <functional>
#include <optional>

namespace velk {

// What a press needs of the front end it came from.
class PressFrontEnd {
public:
    virtual ~PressFrontEnd() = default;
    // The platform's busy pointer over the window while a press is handled.
    virtual void ShowBusy(bool busy) = 0;
    // Settles the input that reached the window during a press as FateOf
    // says, before the press ends.
    virtual void SettleHeldInput() = 0;
    // Takes the window off the screen at once; the application goes on.
    virtual void HideWindow() = 0;
    // Ends the application with `status`.
    virtual void End(int status) = 0;
};

// Input that reaches the window while a press is handled, as the front end
// names it: its held-back input is told here (HeldInputFate) and nowhere else.
enum class HeldInput {
    PrimaryButtonDown,  // down or double-click of the primary pointer button
    CloseKey,           // the platform's key that closes a window (Alt+F4)
    Other,              // any other key or pointer input
};

// What becomes of held input: the window handles only the close key, so that
// the player may close it meanwhile (StartPress::Close); all else is dropped,
// a primary-button down once it has been counted into a burst of clicks
// (StartPress::PointerDown), so that a click during a press starts nothing
// and a burst that outlasts the press starts nothing either.
struct HeldInputFate {
    bool counted;
    bool delivered;
};
constexpr HeldInputFate FateOf(HeldInput input) {
    return {input == HeldInput::PrimaryButtonDown, input == HeldInput::CloseKey};
}

// The platform's time stamp of an input event, in milliseconds (it wraps).
using InputTime = std::uint32_t;

// A key event's key, as its platform numbers it, and its time stamp (0 where
// the event does not carry one).
struct KeyStamp {
    std::uint32_t key = 0;
    InputTime time = 0;
};

class StartPress {
public:
    // `start` is what a press does: the launcher's start action.
    StartPress(std::function<void()> start, MessageBoxes& messages, PressFrontEnd& frontEnd)
        : start_(std::move(start)), messages_(messages), frontEnd_(frontEnd) {}

    // The primary pointer button over the window, hit-tested by the front
    // end, at `time`, with the platform's double-click time; also the downs
    // the front end held back during a press. A click is the button going
    // down and up both on "Start"; a down on Start within the double-click
    // time of the last one begins none. True when a click on Start has begun.
    bool PointerDown(bool onStart, InputTime time, InputTime doubleClickTime);
    void PointerUp(bool onStart);

    // A key went down where "Start" has the focus, `autoRepeat` as the
    // platform marks a key held down (Qt's isAutoRepeat, bit 30 of a Windows
    // key message). True when the key was Start's (PressesStart).
    bool FocusedKeyDown(StartKey key, KeyModifiers modifiers, bool autoRepeat, KeyStamp stamp = {});
    // A character typed with modifiers, anywhere in the window: Start's
    // access key with Alt presses it (true: the key was Start's).
    bool AccessKeyDown(wchar_t character, KeyModifiers modifiers, bool autoRepeat, KeyStamp stamp = {});
    // A key went up. X11 without XKB's detectable auto-repeat repeats a held
    // key as an up and a down of that key with one time stamp, which Qt
    // marks only when both have arrived by the time it reads the up: the
    // down that follows an up of the same key at the same known time is a
    // repeat too. A time stamp of 0 (unknown, as in the copy of a key event
    // that Qt's accessibility bridge posts for a screen reader) never is,
    // nor a down of another key (keys sent together share one time). Front
    // ends whose platform never repeats so (Windows) report no ups.
    void KeyUp(KeyStamp stamp);

    // A press from assistive technology.
    void Press();

    // The player closes the window. True: close it now. False: a press is
    // being handled; the window has been hidden, and the application ends
    // (status 0) once the press is done.
    bool Close();

private:
    std::function<void()> start_;
    MessageBoxes& messages_;
    PressFrontEnd& frontEnd_;
    // Whether a key-down is a repeat, by the platform's flag or as above.
    bool Repeated(bool autoRepeat, KeyStamp stamp) const;

    bool clickBegun_ = false;
    std::optional<KeyStamp> lastKeyUp_;
    std::optional<InputTime> lastDownOnStart_;
    bool busy_ = false;
    bool closed_ = false;
};

}  // namespace velk
