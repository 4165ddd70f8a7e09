// The Windows starter's window in process, as its handles and its waiting
// go: a failed construction leaves no window behind, a font is replaced only
// once the news box holds the new one, and while a lookup waits on its
// thread the window paints and closes but takes no input, under the busy
// pointer.
#include "AppError.h"
#include "Form1Layout.h"
#include "Form1.h"
#include "Win32EventThreadWait.h"
#include "support/Fakes.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <functional>
#include <string>
#include <thread>

namespace velk::win32 {
namespace {

int TopLevelWindowsOfThisThread() {
    int count = 0;
    EnumThreadWindows(
        GetCurrentThreadId(), [](HWND, LPARAM counter) { return ++*reinterpret_cast<int*>(counter), TRUE; },
        reinterpret_cast<LPARAM>(&count));
    return count;
}

std::wstring ClassOf(HWND window) {
    wchar_t name[64] = L"";
    GetClassNameW(window, name, 64);
    return name;
}

HWND mainWindow = nullptr;

TEST(Form1Handles, AFailedConstructionLeavesNoWindowBehind) {
    // The news box cannot be made: the construction fails after the window.
    const HHOOK refuseNewsBox = SetWindowsHookExW(
        WH_CBT,
        [](int code, WPARAM wParam, LPARAM lParam) -> LRESULT {
            const auto window = reinterpret_cast<HWND>(wParam);
            if (code == HCBT_CREATEWND && _wcsicmp(ClassOf(window).c_str(), L"EDIT") == 0) return 1;
            if (code == HCBT_CREATEWND && ClassOf(window) == L"VelkLoaderForm1") mainWindow = window;
            return CallNextHookEx(nullptr, code, wParam, lParam);
        },
        nullptr, GetCurrentThreadId());
    ASSERT_NE(refuseNewsBox, nullptr);
    const int before = TopLevelWindowsOfThisThread();

    EXPECT_THROW(Form1(GetModuleHandleW(nullptr)), AppError);

    UnhookWindowsHookEx(refuseNewsBox);
    EXPECT_NE(mainWindow, nullptr);
    EXPECT_FALSE(IsWindow(mainWindow)) << "the window outlived its owner";
    EXPECT_EQ(TopLevelWindowsOfThisThread(), before);
}

HWND watchedNewsBox = nullptr;
int fontsSet = 0;
int deadFonts = 0;

TEST(Form1Handles, ReplacesTheNewsBoxFontOnlyOnceItHoldsTheNewOne) {
    Form1 form(GetModuleHandleW(nullptr));
    form.Show(SW_SHOWNORMAL);
    watchedNewsBox = FindWindowExW(form.Handle(), nullptr, L"EDIT", nullptr);
    // At each new font, the one the news box holds must still be alive.
    const HHOOK watch = SetWindowsHookExW(
        WH_CALLWNDPROC,
        [](int code, WPARAM wParam, LPARAM lParam) -> LRESULT {
            const auto* message = reinterpret_cast<const CWPSTRUCT*>(lParam);
            if (code == HC_ACTION && message->hwnd == watchedNewsBox && message->message == WM_SETFONT) {
                ++fontsSet;
                LOGFONTW font{};
                const auto held = reinterpret_cast<HFONT>(SendMessageW(watchedNewsBox, WM_GETFONT, 0, 0));
                if (held && GetObjectW(held, sizeof font, &font) == 0) ++deadFonts;
            }
            return CallNextHookEx(nullptr, code, wParam, lParam);
        },
        nullptr, GetCurrentThreadId());
    ASSERT_NE(watch, nullptr);
    for (const UINT dpi : {144u, 192u, 96u}) {
        RECT suggested{0, 0, 1500, 400};
        SendMessageW(form.Handle(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
    }
    UnhookWindowsHookEx(watch);
    EXPECT_EQ(fontsSet, 3);
    EXPECT_EQ(deadFonts, 0) << "the news box held a deleted font";
    LOGFONTW font{};
    EXPECT_NE(GetObjectW(reinterpret_cast<HFONT>(SendMessageW(watchedNewsBox, WM_GETFONT, 0, 0)), sizeof font, &font), 0);
}

// The press owner's front end, as the starter is: the busy pointer on the
// window, held input settled by it, the window hidden on a close; logged.
class WindowFrontEnd final : public PressFrontEnd {
public:
    WindowFrontEnd(Form1& form, test::EventLog& log) : form_(form), log_(log) {}
    void ShowBusy(bool busy) override {
        form_.ShowBusy(busy);
        log_.push_back(busy ? L"busy" : L"idle");
    }
    void SettleHeldInput() override {
        form_.SettleHeldInput();
        log_.push_back(L"discard");
    }
    void HideWindow() override {
        ShowWindow(form_.Handle(), SW_HIDE);
        log_.push_back(L"hide");
    }
    void End(int status) override { log_.push_back(L"end " + std::to_wstring(status)); }

private:
    Form1& form_;
    test::EventLog& log_;
};

// Runs `steps` one after another from the thread's timer, as the waiting
// loop dispatches it.
std::vector<std::function<void()>> steps;
void CALLBACK NextStep(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    if (steps.empty()) return;
    auto step = std::move(steps.front());
    steps.erase(steps.begin());
    step();
    SetTimer(nullptr, 0, 30, &NextStep);
}

bool ShowsCursor(HWND window, LPCWSTR cursor) {
    SendMessageW(window, WM_SETCURSOR, reinterpret_cast<WPARAM>(window), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    return GetCursor() == LoadCursorW(nullptr, cursor);
}

TEST(Form1WhileALookupWaits, PaintsTakesNoInputAndClosesAfterTheStart) {
    test::EventLog log;
    test::FakeMessageBoxes boxes(log);
    Form1 form(GetModuleHandleW(nullptr));
    WindowFrontEnd frontEnd(form, log);
    Win32EventThreadWait wait;
    std::atomic<bool> answer{false};
    int starts = 0;
    StartPress press(
        [&] {
            ++starts;
            // Answers once the test has looked, or after 5 s should nothing come.
            wait.RunElsewhere([&answer] {
                const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
                while (!answer && std::chrono::steady_clock::now() < deadline) {
                    std::this_thread::sleep_for(std::chrono::milliseconds(5));
                }
            });
        },
        boxes, frontEnd);
    wait.SetHeldInput([&form](const MSG& message) { form.Hold(message); });
    form.SetStartPress(&press);
    form.SetNewsText(L"news");
    form.Show(SW_SHOWNORMAL);
    const HWND window = form.Handle();
    const HWND newsBox = FindWindowExW(window, nullptr, L"EDIT", nullptr);
    const layout::PixelRect start = layout::ToPixels(layout::kLabel2.twips);
    const LPARAM onStart = MAKELPARAM(start.left + 5, start.top + 5);
    bool busyPointer = false;
    bool painted = false;
    bool hidden = false;
    steps = {[&] {
                 busyPointer = ShowsCursor(window, MAKEINTRESOURCEW(32650)) && ShowsCursor(newsBox, MAKEINTRESOURCEW(32650));
                 PostMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, onStart);
                 PostMessageW(window, WM_LBUTTONUP, 0, onStart);
                 PostMessageW(newsBox, WM_CHAR, L'x', 0);
                 InvalidateRect(window, nullptr, FALSE);
             },
             [&] {
                 RECT dirty{};
                 painted = !GetUpdateRect(window, &dirty, FALSE);
                 // Alt+F4, where the focus is: the one key that still acts.
                 PostMessageW(newsBox, WM_SYSKEYDOWN, VK_F4, 1 << 29);
             },
             [&] {
                 hidden = !IsWindowVisible(window);
                 answer = true;
             }};
    SetTimer(nullptr, 0, 30, &NextStep);

    SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, onStart);
    SendMessageW(window, WM_LBUTTONUP, 0, onStart);

    EXPECT_EQ(starts, 1);
    EXPECT_EQ(log, (test::EventLog{L"busy", L"hide", L"discard", L"idle", L"end 0"}));
    EXPECT_TRUE(busyPointer);
    EXPECT_TRUE(painted) << "the window was not painted while it waited";
    EXPECT_TRUE(hidden);
    wchar_t text[16] = L"";
    GetWindowTextW(newsBox, text, 16);
    EXPECT_STREQ(text, L"news") << "a key reached the news box";
    EXPECT_TRUE(ShowsCursor(window, MAKEINTRESOURCEW(32512))) << "the arrow again";
    EXPECT_TRUE(ShowsCursor(newsBox, MAKEINTRESOURCEW(32513))) << "the text cursor again";
}

}  // namespace
}  // namespace velk::win32
