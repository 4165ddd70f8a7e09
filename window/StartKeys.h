// Which keys press "Start", the same on every platform: where it has the
// focus a plain Return, Enter or Space, as a native push button is pressed;
// anywhere in the window Alt and its access key. The front ends name their
// keys and modifiers in these terms and decide nothing themselves.
#pragma once

#include "Form1Layout.h"

namespace velk {

// The keys that can press "Start"; every other key is Other.
enum class StartKey { Return, Enter, Space, Other };

struct KeyModifiers {
    bool shift = false;
    bool control = false;
    bool alt = false;
    bool meta = false;  // the Windows or Super key
};

// Where "Start" has the focus: Return, Enter (the keypad's) or Space, with
// no modifier. Ctrl+Return and the like are left to the desktop.
constexpr bool PressesStart(StartKey key, KeyModifiers modifiers) {
    return key != StartKey::Other && !modifiers.shift && !modifiers.control && !modifiers.alt && !modifiers.meta;
}

// Anywhere in the window: Alt and Start's access key, in either case (Shift
// does not matter, as in a dialog; Ctrl with Alt is AltGr on many layouts,
// which types a character instead).
constexpr bool IsStartAccessKey(wchar_t character, KeyModifiers modifiers) {
    return modifiers.alt && !modifiers.control && !modifiers.meta &&
           layout::IsAccessKey(layout::kLabel2.accessible, character);
}

}  // namespace velk
