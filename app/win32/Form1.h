// The main window as a native Win32 window: the news box is a real EDIT
// control; the banner, the labels and the lines are drawn by the window
// itself, in the layout's stacking order. "Start" follows the news box in the
// tab order (the window itself holds the focus for it); its focus rectangle
// and access key show only once the keyboard is used (the window's UI
// state). Clicks on "Start", its keys, its press for assistive technology and
// closes go to the owner of a press (StartPress).
#pragma once

#include "Banner.h"
#include "Form1Accessibility.h"
#include "FixedSize.h"
#include "LauncherView.h"
#include "LabelColors.h"
#include "OwnedHandles.h"
#include "StartPress.h"

#include <windows.h>

#include <memory>
#include <string>

namespace velk::win32 {

class Form1 final : public LauncherView, public PressFrontEnd {
public:
    // The dpi of a window, or of the system for none.
    using DpiSource = UINT (*)(HWND);
    static UINT DpiOf(HWND window);

    // Creates the window hidden, with the caption it was designed with, at
    // the layout's size for the dpi of the monitor it opens on (`dpiOf`
    // tells it; the system's own calls unless a test says otherwise).
    explicit Form1(HINSTANCE instance, DpiSource dpiOf = &DpiOf);
    ~Form1() override;
    Form1(const Form1&) = delete;
    Form1& operator=(const Form1&) = delete;

    // Where clicks on "Start", its other presses and closes go; none before.
    void SetStartPress(StartPress* press) { press_ = press; }
    // While a press is handled: the busy pointer over the window.
    void ShowBusy(bool busy) override;
    void HideWindow() override { ShowWindow(window_.get(), SW_HIDE); }
    // Destroys the window, whose end posts the quit message; EndStatus()
    // then tells `status`.
    void End(int status) override;
    int EndStatus() const { return endStatus_; }

    void SetCaption(const std::wstring& caption) override;
    void SetNewsText(const std::wstring& news) override;

    // Shows the window and gives the news box the focus.
    void Show(int showCommand);
    HWND Handle() const { return window_.get(); }

    // Input held back from the window during a press, settled as the owner
    // of a press rules (FateOf); then what is still queued when it ends.
    void Hold(const MSG& message);
    void SettleHeldInput() override;

private:
    // Posted by assistive technology's press of "Start": the press runs from
    // the message loop, not inside the caller's request.
    static constexpr UINT kPressStartMessage = WM_APP + 1;

    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK NewsBoxProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void PressStart();
    // A left-button down on the window, to the owner of a press (which
    // counts it into a burst).
    bool PointerDown(const MSG& message);
    // The focus moved by the keyboard, to "Start" or to the news box.
    void FocusStart();
    void FocusNewsBox();
    // Keys either control takes: Tab, and Start's access key with Alt.
    // True when the key was the window's.
    bool TakeKey(UINT message, WPARAM key, LPARAM flags);
    // A key has pressed "Start" (or was held on it): a click begun on it is
    // over, and the pointer's capture goes with it, so that the next click
    // anywhere is not eaten.
    void EndCapture();
    // The keyboard cues (UISF_HIDEFOCUS, UISF_HIDEACCEL) that `message`, a
    // key of the window's or WM_UPDATEUISTATE, shows or hides.
    void TakeCues(UINT message, WPARAM wParam);
    // Fonts, the banner and the news box at `dpi`, then the window at the
    // layout's size there, placed at `at` (its top-left corner) if given.
    void FitToDpi(UINT dpi, const POINT* at);
    void ApplyDpi(UINT dpi);
    // The window's outer size for the layout's client size at `dpi`.
    SIZE OuterSize(UINT dpi) const;
    void Paint(HDC dc) const;
    // Each label's look in the system colours of now.
    void TakeColors();

    HINSTANCE instance_;
    DpiSource dpiOf_;
    Banner image1_;  // the banner, resampled for the dpi
    OwnedBrush background_;
    OwnedFont startFont_;
    OwnedFont uiFont_;
    double scale_ = 1.0;
    // Its own size, whatever a window manager asks for.
    FixedSize fixedSize_;
    layout::LabelLook startLook_{};
    layout::LabelLook headingLook_{};
    bool busy_ = false;
    int endStatus_ = 0;
    bool startFocused_ = false;
    // The cues a mouse player never sees, hidden until the keyboard is used.
    WORD hiddenCues_ = UISF_HIDEFOCUS | UISF_HIDEACCEL;
    StartPress* press_ = nullptr;
    std::unique_ptr<Form1Accessibility> accessibility_;
    WNDPROC newsBoxProc_ = nullptr;
    // Last, so that it goes first: nothing it calls back is gone yet.
    OwnedWindow window_;
    HWND text1_ = nullptr;  // the news box: a child, destroyed with the window
};

}  // namespace velk::win32
