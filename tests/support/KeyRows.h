// What a player without a mouse types on the window, for the press owner and
// for both front ends (each through its own platform's key events): the
// presses of "Start" it makes and where the focus ends. The news box has
// the focus first; Tab and Shift+Tab lead to "Start" and back.
#pragma once

#include <vector>

namespace velk::test {

// The keys the rows type, with the modifiers held.
enum class Typed { Tab, ShiftTab, Return, KeypadEnter, Space, CtrlReturn, LetterS, AltS, AltShiftS, AltX };

struct Stroke {
    Typed key;
    int repeats = 0;  // held down: the platform repeats it this often (its repeat flag) before it comes up
    // The repeats as X11 sends them without detectable auto-repeat: an up
    // and a down of the key with one time stamp, not marked (as Qt leaves
    // them when the two arrive apart). Windows repeats with its flag only.
    bool asX11Pairs = false;
};

// The time stamps the keys carry: a second apart; together (each key down
// and up in the millisecond of the key before, as an on-screen keyboard or
// a macro tool sends them); or none at all (0, as in the copy of a key
// event that Qt's accessibility bridge posts once a screen reader has seen it).
enum class Timing { Apart, Together, Unknown };

struct KeyRow {
    const char* name;
    std::vector<Stroke> strokes;
    int presses;
    bool startFocused;  // where the focus is at the end: "Start", or the news box
    Timing timing = Timing::Apart;
};

inline std::vector<Stroke> Times(int count, std::vector<Stroke> strokes) {
    std::vector<Stroke> all;
    for (int i = 0; i < count; ++i) all.insert(all.end(), strokes.begin(), strokes.end());
    return all;
}

using enum Typed;
inline const KeyRow kKeyRows[] = {
    {"TabThenReturn", {{Tab}, {Return}}, 1, true},
    {"TabThenSpace", {{Tab}, {Space}}, 1, true},
    {"ShiftTabThenKeypadEnter", {{ShiftTab}, {KeypadEnter}}, 1, true},
    {"AltS", {{AltS}}, 1, false},
    {"AltShiftS", {{AltShiftS}}, 1, false},
    {"AltSOnStart", {{Tab}, {AltS}}, 1, true},
    {"OtherAltKeys", {{AltX}, {Tab}, {AltX}}, 0, true},
    {"ReturnInTheNewsBox", {{Return}}, 0, false},
    {"TabTwiceThenReturn", {{Tab}, {Tab}, {Return}}, 0, false},
    {"OtherKeysOnStart", {{Tab}, {LetterS}, {CtrlReturn}}, 0, true},
    {"ReturnHeld", {{Tab}, {Return, 60}}, 1, true},
    {"SpaceHeld", {{Tab}, {Space, 60}}, 1, true},
    {"SpaceHeldAsX11Pairs", {{Tab}, {Space, 60, true}}, 1, true},
    {"AltSHeld", {{AltS, 60}}, 1, false},
    {"ReturnTwice", {{Tab}, {Return}, {Return}}, 2, true},
    {"TabAndReturnTogetherFiveTimes", Times(5, {{Tab}, {Return}, {ShiftTab}}), 5, false, Timing::Together},
    {"NoTimeStamps", {{Tab}, {Return}, {Space}, {Return, 60}, {AltS}}, 4, true, Timing::Unknown},
};

}  // namespace velk::test
