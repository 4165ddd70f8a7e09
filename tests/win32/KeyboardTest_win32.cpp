// The Windows starter's window for a player without a mouse, in process:
// Tab leads from the news box to "Start" and back, Return and Space press it
// there, Alt+S from anywhere; Return in the news box is a line end. The
// focus rectangle and the access key's underline show only once a key asks
// for them: a mouse player's window keeps every pixel.
#include "Form1Layout.h"
#include "WindowPixels.h"
#include "Form1.h"
#include "support/Fakes.h"
#include "support/KeyRows.h"
#include "support/RowName.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <vector>

namespace velk::win32 {
namespace {

// A key as the message loop delivers it to the window with the focus: its
// down, its character (as TranslateMessage makes it), held down its repeats
// (bit 30: the key was down before), its up; Shift and Ctrl in the thread's
// key state meanwhile.
struct Key {
    UINT virtualKey;
    wchar_t character;  // 0: none
    bool alt;
    bool shift = false;
    bool control = false;
    bool extended = false;  // bit 24: the keypad's Enter
    int repeats = 0;
};

void Type(const Key& key) {
    BYTE state[256] = {};
    GetKeyboardState(state);
    state[VK_SHIFT] = key.shift ? 0x80 : 0;
    state[VK_CONTROL] = key.control ? 0x80 : 0;
    SetKeyboardState(state);
    const UINT down = key.alt ? WM_SYSKEYDOWN : WM_KEYDOWN;
    if (key.alt) SendMessageW(GetFocus(), WM_SYSKEYDOWN, VK_MENU, 1 << 29);
    for (int repeat = 0; repeat <= key.repeats; ++repeat) {
        const LPARAM flags = (key.alt ? 1 << 29 : 0) | (repeat > 0 ? 1 << 30 : 0) | (key.extended ? 1 << 24 : 0);
        SendMessageW(GetFocus(), down, key.virtualKey, flags);
        if (key.character) SendMessageW(GetFocus(), key.alt ? WM_SYSCHAR : WM_CHAR, key.character, flags);
    }
    SendMessageW(GetFocus(), key.alt ? WM_SYSKEYUP : WM_KEYUP, key.virtualKey, 0);
    state[VK_SHIFT] = state[VK_CONTROL] = 0;
    SetKeyboardState(state);
}

Key KeyOf(const test::Stroke& stroke) {
    using enum test::Typed;
    Key key{};
    switch (stroke.key) {
    case Tab: key = {VK_TAB, L'\t', false}; break;
    case ShiftTab: key = {VK_TAB, L'\t', false, true}; break;
    case Return: key = {VK_RETURN, L'\r', false}; break;
    case KeypadEnter: key = {VK_RETURN, L'\r', false, false, false, true}; break;
    case Space: key = {VK_SPACE, L' ', false}; break;
    case CtrlReturn: key = {VK_RETURN, L'\n', false, false, true}; break;
    case LetterS: key = {'S', L's', false}; break;
    case AltS: key = {'S', L's', true}; break;
    case AltShiftS: key = {'S', L'S', true, true}; break;
    case AltX: key = {'X', L'x', true}; break;
    }
    key.repeats = stroke.repeats;
    return key;
}

const Key kTab{VK_TAB, L'\t', false};
const Key kReturn{VK_RETURN, L'\r', false};
const Key kAltS{'S', L's', true};

class Form1Keys : public testing::Test {
protected:
    void SetUp() override {
        form_.SetStartPress(&press_);
        form_.SetNewsText(L"news");
        form_.Show(SW_SHOWNORMAL);
        SetFocus(NewsBox());
    }
    HWND NewsBox() const { return FindWindowExW(form_.Handle(), nullptr, L"EDIT", nullptr); }
    test::WindowPixels Pixels() const { return test::WindowPixels(form_.Handle()); }

    Form1 form_{GetModuleHandleW(nullptr)};
    int presses_ = 0;
    test::EventLog log_;
    test::FakeMessageBoxes boxes_{log_};
    test::FakePressFrontEnd frontEnd_{log_};
    StartPress press_{[this] { ++presses_; }, boxes_, frontEnd_};
};

class Form1KeyTable : public Form1Keys, public testing::WithParamInterface<test::KeyRow> {};

// The shared key rows. No key rule reads the message time, so the rows'
// timings are all the same here.
TEST_P(Form1KeyTable, PressStartAsOftenAsTheRowSays) {
    for (const test::Stroke& stroke : GetParam().strokes) Type(KeyOf(stroke));
    EXPECT_EQ(presses_, GetParam().presses);
    EXPECT_EQ(GetFocus(), GetParam().startFocused ? form_.Handle() : NewsBox());
}

INSTANTIATE_TEST_SUITE_P(Table, Form1KeyTable, testing::ValuesIn(test::kKeyRows), test::RowName());

TEST_F(Form1Keys, TabTypesNoTabAndReturnALineInTheNewsBox) {
    Type(kReturn);
    Type(kTab);
    Type(kTab);
    wchar_t text[32] = L"";
    GetWindowTextW(NewsBox(), text, 32);
    EXPECT_STREQ(text, L"\r\nnews");
}

// A key that presses Start while the button is down on it ends that click
// and the pointer's capture: the next click anywhere is not eaten.
TEST_F(Form1Keys, AKeyPressEndsTheCaptureOfAClickBegunOnStart) {
    const layout::PixelRect start = layout::ToPixels(layout::kLabel2.twips);
    SendMessageW(form_.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(start.left + 5, start.top + 5));
    ASSERT_EQ(GetCapture(), form_.Handle());
    Type(kAltS);
    EXPECT_EQ(presses_, 1);
    EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(Form1Keys, ShowTheCuesOnlyOnceAKeyAsksForThem) {
    const auto asShown = Pixels();
    const layout::PixelRect start = layout::ToPixels(layout::kLabel2.twips);
    SendMessageW(form_.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(start.left + 5, start.top + 5));
    SendMessageW(form_.Handle(), WM_LBUTTONUP, 0, MAKELPARAM(start.left + 5, start.top + 5));
    ASSERT_EQ(presses_, 1);
    EXPECT_EQ(Pixels(), asShown) << "a mouse player's window changed";

    Type(kTab);
    const auto focused = Pixels();
    EXPECT_NE(focused, asShown) << "no focus rectangle around Start";
    SendMessageW(form_.Handle(), WM_SYSKEYDOWN, VK_MENU, 1 << 29);
    EXPECT_NE(Pixels(), focused) << "no underline under the access key";
}

}  // namespace
}  // namespace velk::win32
