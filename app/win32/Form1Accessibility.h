// The main window for assistive technology (Microsoft Active Accessibility),
// built from the layout table: "Start" a push button whose default action,
// "Press", does what a click does and whose shortcut is Alt+S, "News" static
// text, the banner a graphic, and the news box the real EDIT control's own
// object, named after its heading. The lines are not exposed.
#pragma once

#include "WindowAreaAccessible.h"

#include <windows.h>

namespace velk::win32 {

class Form1Accessibility {
public:
    explicit Form1Accessibility(WindowAreaSide side);
    ~Form1Accessibility();
    Form1Accessibility(const Form1Accessibility&) = delete;
    Form1Accessibility& operator=(const Form1Accessibility&) = delete;

    // The answer to WM_GETOBJECT for the window, and for the news box
    // (which the window subclasses for it); 0 for objects not ours.
    LRESULT AnswerWindow(WPARAM wParam, LPARAM lParam);
    LRESULT AnswerNewsBox(WPARAM wParam, LPARAM lParam);

    // Tells assistive technology that "Start" has taken the focus.
    void NotifyStartFocused(HWND window);

    // The window is going: every object answers "disconnected" from now on.
    void Disconnect();

private:
    AccessibleBase* client_ = nullptr;
    NewsBoxAccessible* newsBox_ = nullptr;
};

}  // namespace velk::win32
