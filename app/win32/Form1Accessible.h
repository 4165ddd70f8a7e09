// The main window's client area for assistive technology (Microsoft Active
// Accessibility), built from the layout table: "Start" a push button whose
// default action, "Press", does what a click does, "News" static text, the
// banner a graphic, and the news box the real EDIT control's own object,
// named after its heading. The lines are not exposed.
#pragma once

#include <windows.h>

#include <oleacc.h>

#include <functional>

namespace velk::win32 {

class AccessibleBase;
class ClientAccessible;
class NewsBoxAccessible;

class Form1Accessibility {
public:
    // `scale` gives the window's current scale, `press` presses "Start".
    Form1Accessibility(HWND window, HWND newsBox, std::function<double()> scale, std::function<void()> press);
    ~Form1Accessibility();
    Form1Accessibility(const Form1Accessibility&) = delete;
    Form1Accessibility& operator=(const Form1Accessibility&) = delete;

    // The answer to WM_GETOBJECT for the window, and for the news box
    // (which the window subclasses for it); 0 for objects not ours.
    LRESULT AnswerWindow(WPARAM wParam, LPARAM lParam);
    LRESULT AnswerNewsBox(WPARAM wParam, LPARAM lParam);

    // The window is going: every object answers "disconnected" from now on.
    void Disconnect();

private:
    ClientAccessible* client_ = nullptr;
    NewsBoxAccessible* newsBox_ = nullptr;
};

}  // namespace velk::win32
