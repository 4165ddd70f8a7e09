#include "StartPress.h"

#include "FatalError.h"

#include <exception>

namespace velk {

bool StartPress::PointerDown(bool onStart, InputTime time, InputTime doubleClickTime) {
    // Unsigned, so that a time stamp that wrapped still counts forward.
    const bool inBurst = onStart && lastDownOnStart_ && static_cast<InputTime>(time - *lastDownOnStart_) <= doubleClickTime;
    lastDownOnStart_ = onStart ? std::optional(time) : std::nullopt;
    clickBegun_ = onStart && !inBurst && !busy_;
    return clickBegun_;
}

bool StartPress::Repeated(bool autoRepeat, KeyStamp stamp) const {
    return autoRepeat || (stamp.time != 0 && lastKeyUp_ && lastKeyUp_->key == stamp.key && lastKeyUp_->time == stamp.time);
}

bool StartPress::FocusedKeyDown(StartKey key, KeyModifiers modifiers, bool autoRepeat, KeyStamp stamp) {
    if (!PressesStart(key, modifiers)) return false;
    if (!Repeated(autoRepeat, stamp)) Press();
    return true;
}

bool StartPress::AccessKeyDown(wchar_t character, KeyModifiers modifiers, bool autoRepeat, KeyStamp stamp) {
    if (!IsStartAccessKey(character, modifiers)) return false;
    if (!Repeated(autoRepeat, stamp)) Press();
    return true;
}

void StartPress::KeyUp(KeyStamp stamp) { lastKeyUp_ = stamp; }

void StartPress::PointerUp(bool onStart) {
    const bool click = clickBegun_ && onStart;
    clickBegun_ = false;
    if (click) Press();
}

void StartPress::Press() {
    if (busy_) return;  // dropped: the player's intent is already being served
    busy_ = true;
    frontEnd_.ShowBusy(true);
    const auto settle = [this] {
        frontEnd_.SettleHeldInput();
        frontEnd_.ShowBusy(false);
        clickBegun_ = false;
    };
    try {
        start_();
    } catch (const std::exception& error) {
        settle();
        // Still busy: presses during the error box are dropped as well.
        ReportFatalError(messages_, error);
        frontEnd_.End(1);
        return;
    }
    settle();
    busy_ = false;
    if (closed_) frontEnd_.End(0);
}

bool StartPress::Close() {
    if (!busy_) return true;
    if (!closed_) frontEnd_.HideWindow();
    closed_ = true;
    return false;
}

}  // namespace velk
