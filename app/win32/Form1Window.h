// The main window as a native Win32 window: the news box is a real EDIT
// control; the banner, the labels and the lines are drawn by the window
// itself, in the layout's stacking order, and never take the focus.
#pragma once

#include "Banner.h"
#include "Form1Accessible.h"
#include "Form1View.h"

#include <windows.h>

#include <functional>
#include <memory>
#include <string>

namespace velk::win32 {

class Form1Window final : public Form1View {
public:
    // Creates the window hidden, with the caption it was designed with.
    explicit Form1Window(HINSTANCE instance);
    ~Form1Window() override;
    Form1Window(const Form1Window&) = delete;
    Form1Window& operator=(const Form1Window&) = delete;

    // Called for a click on "Start".
    void SetStartClickHandler(std::function<void()> handler) { startClick_ = std::move(handler); }

    void SetCaption(const std::wstring& caption) override;
    void SetNewsText(const std::wstring& news) override;

    // Shows the window and gives the news box the focus.
    void Show(int showCommand);
    HWND Handle() const { return window_; }

private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK NewsBoxProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
    void PressStart();
    void ApplyDpi(UINT dpi);
    void Paint(HDC dc) const;

    HINSTANCE instance_;
    Banner banner_;
    HWND window_ = nullptr;
    HWND text1_ = nullptr;
    HFONT startFont_ = nullptr;
    HFONT uiFont_ = nullptr;
    HBRUSH background_ = nullptr;
    double scale_ = 1.0;
    bool pressedOnStart_ = false;
    std::function<void()> startClick_;
    WNDPROC newsBoxProc_ = nullptr;
    std::unique_ptr<Form1Accessibility> accessibility_;
};

}  // namespace velk::win32
