// The window's client area as a screen reader gets it through Active
// Accessibility, in process (Wine cannot marshal IAccessible between
// processes): roles and names from the layout table, scaled locations, the
// same hit test as a click, and "Press" on Start doing what a click does.
#include "Form1Layout.h"
#include "Form1.h"
#include "support/Fakes.h"

#include <windows.h>

#include <oleacc.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace velk::win32 {
namespace {

// Objects are handed over through COM, which the starter's entry starts.
const HRESULT kComStarted = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);

VARIANT Child(long id) {
    VARIANT child;
    VariantInit(&child);
    child.vt = VT_I4;
    child.lVal = id;
    return child;
}

std::wstring Take(BSTR text) {
    std::wstring out = text ? std::wstring(text, SysStringLen(text)) : L"<none>";
    SysFreeString(text);
    return out;
}

void PumpMessages() {
    MSG message{};
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

class Form1Accessibility : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_HRESULT_SUCCEEDED(kComStarted);
        form_.SetStartPress(&press_);
        form_.SetCaption(L"My Server");
        form_.Show(SW_SHOWNORMAL);
        PumpMessages();
        ASSERT_HRESULT_SUCCEEDED(AccessibleObjectFromWindow(form_.Handle(), static_cast<DWORD>(OBJID_CLIENT),
                                                            __uuidof(IAccessible), reinterpret_cast<void**>(&client_)));
    }
    void TearDown() override {
        if (client_) client_->Release();
    }
    std::wstring Name(long id) {
        BSTR name = nullptr;
        client_->get_accName(Child(id), &name);
        return Take(name);
    }
    long Role(long id) {
        VARIANT role;
        VariantInit(&role);
        client_->get_accRole(Child(id), &role);
        return role.vt == VT_I4 ? role.lVal : -1;
    }
    // The child id under a point of the client area, or -1 for an object.
    long HitAt(int x, int y) {
        POINT at{x, y};
        ClientToScreen(form_.Handle(), &at);
        VARIANT hit;
        VariantInit(&hit);
        if (FAILED(client_->accHitTest(at.x, at.y, &hit))) return -2;
        const long id = hit.vt == VT_I4 ? hit.lVal : -1;
        VariantClear(&hit);
        return id;
    }

    Form1 form_{GetModuleHandleW(nullptr)};
    IAccessible* client_ = nullptr;
    int clicks_ = 0;
    test::EventLog log_;
    test::FakeMessageBoxes boxes_{log_};
    test::FakePressFrontEnd frontEnd_{log_};
    StartPress press_{[this] { ++clicks_; }, boxes_, frontEnd_};
};

TEST_F(Form1Accessibility, NamesTheWindowAndItsControlsFromTheTable) {
    EXPECT_EQ(Name(CHILDID_SELF), L"My Server");
    long count = 0;
    ASSERT_HRESULT_SUCCEEDED(client_->get_accChildCount(&count));
    ASSERT_EQ(count, 4) << "the lines are left out";
    const struct {
        long role;
        const wchar_t* name;
    } expected[] = {{ROLE_SYSTEM_GRAPHIC, L"Banner"},
                    {ROLE_SYSTEM_PUSHBUTTON, L"Start"},
                    {ROLE_SYSTEM_STATICTEXT, L"News"},
                    {ROLE_SYSTEM_TEXT, L"News"}};
    for (long id = 1; id <= count; ++id) {
        EXPECT_EQ(Role(id), expected[id - 1].role) << id;
        EXPECT_EQ(Name(id), expected[id - 1].name) << id;
    }
    BSTR action = nullptr;
    ASSERT_HRESULT_SUCCEEDED(client_->get_accDefaultAction(Child(2), &action));
    EXPECT_EQ(Take(action), L"Press");
    BSTR keys = nullptr;
    ASSERT_EQ(client_->get_accKeyboardShortcut(Child(2), &keys), S_OK);
    EXPECT_EQ(Take(keys), L"Alt+S");
    EXPECT_EQ(client_->get_accKeyboardShortcut(Child(1), &keys), S_FALSE) << "the banner has no key";
}

// Focus events reach this thread's hook through its message queue.
std::vector<long> focusEvents;
void CALLBACK OnFocus(HWINEVENTHOOK, DWORD, HWND, LONG object, LONG child, DWORD, DWORD) {
    if (object == OBJID_CLIENT) focusEvents.push_back(child);
}

TEST_F(Form1Accessibility, TellsWhenStartTakesTheFocusFromTheKeyboard) {
    const auto state = [this] {
        VARIANT value;
        VariantInit(&value);
        client_->get_accState(Child(2), &value);
        return value.lVal;
    };
    EXPECT_EQ(state() & (STATE_SYSTEM_FOCUSABLE | STATE_SYSTEM_FOCUSED), STATE_SYSTEM_FOCUSABLE);
    const HWINEVENTHOOK hook = SetWinEventHook(EVENT_OBJECT_FOCUS, EVENT_OBJECT_FOCUS, nullptr, &OnFocus,
                                               GetCurrentProcessId(), 0, WINEVENT_OUTOFCONTEXT);
    focusEvents.clear();

    SendMessageW(FindWindowExW(form_.Handle(), nullptr, L"EDIT", nullptr), WM_KEYDOWN, VK_TAB, 0);
    PumpMessages();

    UnhookWinEvent(hook);
    EXPECT_EQ(state() & STATE_SYSTEM_FOCUSED, STATE_SYSTEM_FOCUSED);
    VARIANT focus;
    VariantInit(&focus);
    ASSERT_EQ(client_->get_accFocus(&focus), S_OK);
    EXPECT_EQ(focus.vt, VT_I4);
    EXPECT_EQ(focus.lVal, 2);
    EXPECT_NE(std::find(focusEvents.begin(), focusEvents.end(), 2), focusEvents.end()) << "no focus event for Start";
}

TEST_F(Form1Accessibility, GivesTheNewsBoxAsTheEditControlsOwnObject) {
    IDispatch* dispatch = nullptr;
    ASSERT_EQ(client_->get_accChild(Child(4), &dispatch), S_OK);
    IAccessible* newsBox = nullptr;
    ASSERT_HRESULT_SUCCEEDED(dispatch->QueryInterface(__uuidof(IAccessible), reinterpret_cast<void**>(&newsBox)));
    dispatch->Release();
    BSTR name = nullptr;
    newsBox->get_accName(Child(CHILDID_SELF), &name);
    EXPECT_EQ(Take(name), L"News");
    VARIANT role;
    VariantInit(&role);
    newsBox->get_accRole(Child(CHILDID_SELF), &role);
    EXPECT_EQ(role.lVal, ROLE_SYSTEM_TEXT);
    newsBox->Release();

    // The same object answers for the EDIT control itself.
    const HWND edit = FindWindowExW(form_.Handle(), nullptr, L"EDIT", nullptr);
    IAccessible* fromEdit = nullptr;
    ASSERT_HRESULT_SUCCEEDED(AccessibleObjectFromWindow(edit, static_cast<DWORD>(OBJID_CLIENT), __uuidof(IAccessible),
                                                        reinterpret_cast<void**>(&fromEdit)));
    fromEdit->get_accName(Child(CHILDID_SELF), &name);
    EXPECT_EQ(Take(name), L"News");
    fromEdit->Release();
}

TEST_F(Form1Accessibility, LocatesStartWhereItIsDrawn) {
    long left = 0, top = 0, width = 0, height = 0;
    ASSERT_HRESULT_SUCCEEDED(client_->accLocation(&left, &top, &width, &height, Child(2)));
    POINT origin{0, 0};
    ClientToScreen(form_.Handle(), &origin);
    const layout::PixelRect start = layout::ToPixels(layout::kLabel2.twips);
    EXPECT_EQ(left - origin.x, start.left);
    EXPECT_EQ(top - origin.y, start.top);
    EXPECT_EQ(width, start.width);
    EXPECT_EQ(height, start.height);
    ASSERT_HRESULT_SUCCEEDED(client_->accLocation(&left, &top, &width, &height, Child(1)));
    EXPECT_EQ(left - origin.x, 0) << "the banner's visible part";
    EXPECT_EQ(width, 514);
}

TEST_F(Form1Accessibility, HitTestsAsAClickDoes) {
    const layout::PixelRect start = layout::ToPixels(layout::kLabel2.twips);
    const int right = start.left + start.width - 1;
    const int bottom = start.top + start.height - 1;
    EXPECT_EQ(HitAt(start.left, start.top), 2);
    EXPECT_EQ(HitAt(right, bottom), 2);
    EXPECT_EQ(HitAt(start.left - 1, start.top), 1) << "the banner beside it";
    EXPECT_EQ(HitAt(right + 1, bottom), 1);
    EXPECT_EQ(HitAt(540, 8), 3);
    EXPECT_EQ(HitAt(600, 60), -1) << "the news box, as an object";
    EXPECT_EQ(HitAt(520, 60), CHILDID_SELF) << "a line";
}

TEST_F(Form1Accessibility, PressesStartLikeAClickAndLeavesTheFocus) {
    const HWND focus = GetFocus();
    ASSERT_HRESULT_SUCCEEDED(client_->accDoDefaultAction(Child(2)));
    PumpMessages();
    EXPECT_EQ(clicks_, 1);
    EXPECT_EQ(GetFocus(), focus);
    EXPECT_EQ(client_->accDoDefaultAction(Child(1)), DISP_E_MEMBERNOTFOUND) << "the banner has no action";
    PumpMessages();
    EXPECT_EQ(clicks_, 1);
}

TEST(Form1AccessibilityLifetime, AnswersDisconnectedOnceTheWindowIsGone) {
    IAccessible* client = nullptr;
    {
        Form1 form(GetModuleHandleW(nullptr));
        ASSERT_HRESULT_SUCCEEDED(AccessibleObjectFromWindow(form.Handle(), static_cast<DWORD>(OBJID_CLIENT),
                                                            __uuidof(IAccessible), reinterpret_cast<void**>(&client)));
    }
    long count = 0;
    EXPECT_EQ(client->get_accChildCount(&count), RPC_E_DISCONNECTED);
    EXPECT_EQ(client->accDoDefaultAction(Child(2)), RPC_E_DISCONNECTED);
    client->Release();
}

}  // namespace
}  // namespace velk::win32
