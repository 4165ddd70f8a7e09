#include "StartPress.h"

#include "FatalError.h"
#include "Form1Layout.h"

#include <exception>

namespace velk {

namespace {

constexpr wchar_t UpperCase(wchar_t character) {
    return character >= L'a' && character <= L'z' ? static_cast<wchar_t>(character - L'a' + L'A') : character;
}

}  // namespace

bool StartPress::PointerDown(bool onStart, InputTime time, InputTime doubleClickTime) {
    // Unsigned, so that a time stamp that wrapped still counts forward.
    const bool inBurst = onStart && lastDownOnStart_ && static_cast<InputTime>(time - *lastDownOnStart_) <= doubleClickTime;
    lastDownOnStart_ = onStart ? std::optional(time) : std::nullopt;
    clickBegun_ = onStart && !inBurst && !busy_;
    return clickBegun_;
}

void StartPress::StartKeyDown(bool autoRepeat, InputTime time) {
    if (!autoRepeat && lastKeyUp_ != time) Press();
}

bool StartPress::AccessKeyDown(wchar_t character, bool autoRepeat, InputTime time) {
    if (UpperCase(character) != UpperCase(layout::AccessKeyOf(layout::kLabel2.accessible))) return false;
    StartKeyDown(autoRepeat, time);
    return true;
}

void StartPress::KeyUp(InputTime time) { lastKeyUp_ = time; }

void StartPress::PointerUp(bool onStart) {
    const bool click = clickBegun_ && onStart;
    clickBegun_ = false;
    if (click) Press();
}

void StartPress::Press() {
    if (busy_) return;  // dropped: the player's intent is already being served
    busy_ = true;
    frontEnd_.ShowBusy(true);
    std::exception_ptr failure;
    try {
        start_();
    } catch (const std::exception&) {
        failure = std::current_exception();
    }
    frontEnd_.DiscardInput();
    frontEnd_.ShowBusy(false);
    clickBegun_ = false;
    if (failure) {
        // Still busy: presses during the error box are dropped as well.
        try {
            std::rethrow_exception(failure);
        } catch (const std::exception& error) {
            ReportFatalError(messages_, error);
        }
        frontEnd_.End(1);
        return;
    }
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
