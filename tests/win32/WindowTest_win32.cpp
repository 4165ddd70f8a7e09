// The Windows starter's window built in process and driven by its messages:
// made on, or moved to, a monitor of another dpi, it takes the layout's size
// there, draws everything at the new scale and hit-tests "Start" at it.
#include "Form1Layout.h"
#include "Form1.h"
#include "WindowPixels.h"
#include "Win32MessageBoxes.h"
#include "support/ColorSchemes.h"
#include "support/Fakes.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <vector>

namespace velk::win32 {
namespace {

using velk::test::WindowPixels;

int Difference(std::uint32_t a, std::uint32_t b) {
    int sum = 0;
    for (int shift = 0; shift < 24; shift += 8) {
        sum += std::abs(static_cast<int>(a >> shift & 0xFF) - static_cast<int>(b >> shift & 0xFF));
    }
    return sum;
}

constexpr std::uint32_t kBackground = 0x010042;

class Form1Dpi : public testing::Test {
protected:
    void SetUp() override {
        form_.SetStartPress(&press_);
        form_.Show(SW_SHOWNORMAL);
    }
    void MoveToDpi(UINT dpi, RECT suggested) {
        SendMessageW(form_.Handle(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
    }
    void ClickAt(int x, int y) {
        SendMessageW(form_.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
        SendMessageW(form_.Handle(), WM_LBUTTONUP, 0, MAKELPARAM(x, y));
    }

    Form1 form_{GetModuleHandleW(nullptr)};
    int clicks_ = 0;
    test::EventLog log_;
    test::FakeMessageBoxes boxes_{log_};
    test::FakePressFrontEnd frontEnd_{log_};
    StartPress press_{[this] { ++clicks_; }, boxes_, frontEnd_};
};

TEST_F(Form1Dpi, TakesTheLayoutsSizeWhereTheSystemSuggests) {
    ASSERT_EQ(WindowPixels(form_.Handle()).Width(), 709) << "the test prefix runs at 96 dpi";
    for (const UINT dpi : {192u, 120u, 144u, 96u}) {
        const double scale = dpi / 96.0;
        MoveToDpi(dpi, {40, 30, 40 + 3 * static_cast<int>(dpi), 30 + static_cast<int>(dpi)});
        RECT client{};
        RECT outer{};
        GetClientRect(form_.Handle(), &client);
        GetWindowRect(form_.Handle(), &outer);
        EXPECT_EQ(client.right, layout::ToPixels(layout::kClientWidthTwips, scale)) << "dpi " << dpi;
        EXPECT_EQ(client.bottom, layout::ToPixels(layout::kClientHeightTwips, scale)) << "dpi " << dpi;
        EXPECT_EQ(outer.left, 40) << "dpi " << dpi;
        EXPECT_EQ(outer.top, 30) << "dpi " << dpi;

        const HWND newsBox = FindWindowExW(form_.Handle(), nullptr, L"EDIT", nullptr);
        RECT box{};
        GetWindowRect(newsBox, &box);
        MapWindowPoints(nullptr, form_.Handle(), reinterpret_cast<POINT*>(&box), 2);
        const layout::PixelRect expected = layout::ToPixels(layout::kText1.twips, scale);
        EXPECT_EQ(box.left, expected.left) << "dpi " << dpi;
        EXPECT_EQ(box.top, expected.top) << "dpi " << dpi;
        EXPECT_EQ(box.right - box.left, expected.width) << "dpi " << dpi;
        EXPECT_EQ(box.bottom - box.top, expected.height) << "dpi " << dpi;
    }
}

// A window manager's sizes (full screen, maximized, a pager's resize) leave
// the window at its own, at 96 dpi and after a move to another dpi;
// minimizing and restoring still work.
TEST_F(Form1Dpi, KeepsItsOwnSizeWhateverAManagerAsks) {
    for (const UINT dpi : {96u, 144u}) {
        MoveToDpi(dpi, {0, 0, 1100, 300});
        RECT own{};
        GetWindowRect(form_.Handle(), &own);
        const auto expectOwnSize = [&](const char* after) {
            RECT now{};
            GetWindowRect(form_.Handle(), &now);
            EXPECT_EQ(now.right - now.left, own.right - own.left) << after << " at dpi " << dpi;
            EXPECT_EQ(now.bottom - now.top, own.bottom - own.top) << after << " at dpi " << dpi;
        };
        SetWindowPos(form_.Handle(), nullptr, 0, 0, 1280, 800, SWP_NOZORDER | SWP_NOACTIVATE);
        expectOwnSize("a full-screen size");
        for (const int command : {SW_MAXIMIZE, SW_RESTORE, SW_MINIMIZE, SW_RESTORE}) ShowWindow(form_.Handle(), command);
        EXPECT_FALSE(IsIconic(form_.Handle()));
        expectOwnSize("maximized, minimized and restored");
    }
}

// A box keeps its size under Wine (which the test runner's WINEPREFIX
// tells), as Windows keeps it, where none of that runs.
struct BoxRow {
    const char* name;
    bool underWine;
    bool kept;
};
class Win32MessageBox : public testing::TestWithParam<BoxRow> {};

TEST_P(Win32MessageBox, KeepsItsOwnSizeUnderWineOnly) {
    Win32MessageBoxes boxes(GetParam().underWine);
    RECT own{}, after{};
    boxes.WhenNextBoxIsUp([&] {
        const HWND box = FindWindowW(L"#32770", kApplicationTitle);
        GetWindowRect(box, &own);
        SetWindowPos(box, nullptr, 0, 0, 1280, 800, SWP_NOZORDER | SWP_NOMOVE);
        GetWindowRect(box, &after);
        PostMessageW(box, WM_COMMAND, IDOK, 0);
    });
    boxes.Show(L"Held at its size", MessageIcon::None);
    EXPECT_GT(own.right - own.left, 100);
    EXPECT_EQ(after.right - after.left == own.right - own.left, GetParam().kept);
    EXPECT_EQ(after.bottom - after.top == own.bottom - own.top, GetParam().kept);
}
INSTANTIATE_TEST_SUITE_P(Table, Win32MessageBox,
                         testing::Values(BoxRow{"AsTheSystemTells", RunningUnderWine(), std::getenv("WINEPREFIX") != nullptr},
                                         BoxRow{"NotUnderWine", false, false}),
                         [](const auto& row) { return std::string(row.param.name); });

TEST_F(Form1Dpi, DrawsEverythingAtTheNewScale) {
    const WindowPixels before(form_.Handle());
    MoveToDpi(192, {0, 0, 1500, 400});
    const WindowPixels after(form_.Handle());
    ASSERT_EQ(after.Width(), 1418);

    // The banner, doubled: each pixel of the unscaled one against the
    // resampled pixels in its place.
    const layout::PixelRect start = layout::ToPixels(layout::kLabel2.twips);
    long long difference = 0;
    long long pixels = 0;
    for (int y = 0; y < 123; ++y) {
        for (int x = 0; x < 514; ++x) {
            if (start.Contains(x, y)) continue;
            difference += Difference(before.At(x, y), after.At(2 * x, 2 * y));
            ++pixels;
        }
    }
    EXPECT_LT(static_cast<double>(difference) / static_cast<double>(pixels), 30.0) << "mean difference per pixel";

    const layout::PixelRect line1 = layout::ToPixels(layout::kLine1, 2.0);
    ASSERT_EQ(line1.left, 1040);
    for (const int y : {0, 100, 239}) {
        for (int x = 1028; x < 1040; ++x) EXPECT_EQ(after.At(x, y), kBackground) << x << "," << y;
        for (int x = 1040; x < 1040 + line1.width; ++x) EXPECT_NE(after.At(x, y), kBackground) << x << "," << y;
        EXPECT_NE(after.At(1027, y), kBackground) << "the banner's last column at y " << y;
    }
    int white = 0;
    const layout::PixelRect scaledStart = layout::ToPixels(layout::kLabel2.twips, 2.0);
    for (int y = scaledStart.top; y < scaledStart.top + scaledStart.height; ++y) {
        for (int x = scaledStart.left; x < scaledStart.left + scaledStart.width; ++x) {
            white += after.At(x, y) == 0xFFFFFF;
        }
    }
    EXPECT_GT(white, 400) << "\"Start\" in white, at its doubled size";
}

TEST_F(Form1Dpi, HitTestsStartAtTheNewScale) {
    MoveToDpi(144, {0, 0, 1100, 300});
    const layout::PixelRect start = layout::ToPixels(layout::kLabel2.twips, 1.5);
    const int right = start.left + start.width - 1;
    const int bottom = start.top + start.height - 1;
    const struct {
        int x, y, clicks;
    } rows[] = {// each click on Start after one elsewhere: no burst of clicks
                {start.left, start.top, 1}, {start.left - 1, start.top, 0}, {right, bottom, 1},
                {right + 1, bottom, 0},     {start.left, bottom, 1},        {start.left, start.top - 1, 0},
                {right, start.top, 1},      {right, bottom + 1, 0}};
    for (const auto& row : rows) {
        clicks_ = 0;
        ClickAt(row.x, row.y);
        EXPECT_EQ(clicks_, row.clicks) << "at " << row.x << "," << row.y;
    }
    // A double-click: its second press comes as WM_LBUTTONDBLCLK.
    clicks_ = 0;
    ClickAt(start.left, start.top);
    SendMessageW(form_.Handle(), WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(start.left, start.top));
    SendMessageW(form_.Handle(), WM_LBUTTONUP, 0, MAKELPARAM(start.left, start.top));
    EXPECT_EQ(clicks_, 1) << "a double-click is one press";
}

// The monitor's dpi as a test sets it; the system's stays 96.
UINT monitorDpi = 96;
UINT MonitorDpi(HWND window) { return window ? monitorDpi : 96u; }

TEST(Form1Created, OnAMonitorOfAnotherDpiTakesTheLayoutsSizeThere) {
    for (const UINT dpi : {120u, 144u, 192u}) {
        monitorDpi = dpi;
        const Form1 form(GetModuleHandleW(nullptr), &MonitorDpi);
        const double scale = dpi / 96.0;
        RECT client{};
        GetClientRect(form.Handle(), &client);
        EXPECT_EQ(client.right, layout::ToPixels(layout::kClientWidthTwips, scale)) << "dpi " << dpi;
        EXPECT_EQ(client.bottom, layout::ToPixels(layout::kClientHeightTwips, scale)) << "dpi " << dpi;
        const HWND newsBox = FindWindowExW(form.Handle(), nullptr, L"EDIT", nullptr);
        RECT box{};
        GetClientRect(newsBox, &box);
        EXPECT_GT(box.right, 185) << "the news box at dpi " << dpi;
    }
    // Asked for its size at a dpi, it answers with the layout's, frame and all.
    const Form1 form(GetModuleHandleW(nullptr));
    RECT outer{};
    GetWindowRect(form.Handle(), &outer);
    SIZE size{};
    EXPECT_TRUE(SendMessageW(form.Handle(), WM_GETDPISCALEDSIZE, 96, reinterpret_cast<LPARAM>(&size)));
    EXPECT_EQ(size.cx, outer.right - outer.left);
    EXPECT_EQ(size.cy, outer.bottom - outer.top);
}

// Each scheme set before the window opens, and set while it is open after
// each of two schemes in which both labels take the other look, as a player
// changes colours: each label drawn exactly as at a fresh start.
class Form1InScheme : public testing::TestWithParam<test::ColorScheme> {
protected:
    static constexpr int kIndexes[] = {COLOR_WINDOWTEXT, COLOR_HIGHLIGHT, COLOR_HIGHLIGHTTEXT, COLOR_BTNFACE,
                                       COLOR_BTNTEXT};
    static constexpr int kCount = 5;
    void SetUp() override {
        for (int i = 0; i < kCount; ++i) original_[i] = GetSysColor(kIndexes[i]);
    }
    void TearDown() override { SetSysColors(kCount, kIndexes, original_); }
    static void Use(const test::ColorScheme& scheme) {
        COLORREF colours[kCount];
        for (int i = 0; i < kCount; ++i) {
            const layout::Rgb8 c = test::ColorOf(scheme, static_cast<layout::SystemColor>(kIndexes[i]));
            colours[i] = RGB(c.red, c.green, c.blue);
        }
        ASSERT_TRUE(SetSysColors(kCount, kIndexes, colours));
    }
    static test::Pixels PixelsOf(const WindowPixels& pixels) {
        return [pixels](int x, int y) { return pixels.At(x, y); };
    }
    COLORREF original_[kCount]{};
};

TEST_P(Form1InScheme, DrawsEachLabelAsAFreshStartDoes) {
    Use(GetParam());
    const WindowPixels fresh(Form1(GetModuleHandleW(nullptr)).Handle());
    test::ExpectDrawnIn(GetParam(), PixelsOf(fresh));
    for (const test::ColorScheme& before : {test::kColorSchemes[0], test::kColorSchemes[1]}) {
        SCOPED_TRACE(std::string("changed while open, from ") + before.name);
        Use(before);
        const Form1 form(GetModuleHandleW(nullptr));
        (void)WindowPixels(form.Handle());
        Use(GetParam());
        SendMessageW(form.Handle(), WM_SYSCOLORCHANGE, 0, 0);
        const WindowPixels window(form.Handle());
        test::ExpectSameLabels(PixelsOf(window), PixelsOf(fresh));
        test::ExpectDrawnIn(GetParam(), PixelsOf(window));
    }
}

INSTANTIATE_TEST_SUITE_P(Schemes, Form1InScheme, testing::ValuesIn(test::kColorSchemes), test::NameOf);

}  // namespace
}  // namespace velk::win32
