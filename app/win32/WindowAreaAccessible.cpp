#include "WindowAreaAccessible.h"

#include "Form1Layout.h"
#include "HitTest.h"

#include <string>

namespace velk::win32 {
namespace {

long ToRole(layout::AccessibleRole role) {
    switch (role) {
    case layout::AccessibleRole::Frame:
        return ROLE_SYSTEM_WINDOW;
    case layout::AccessibleRole::PushButton:
        return ROLE_SYSTEM_PUSHBUTTON;
    case layout::AccessibleRole::StaticText:
        return ROLE_SYSTEM_STATICTEXT;
    case layout::AccessibleRole::EditableText:
        return ROLE_SYSTEM_TEXT;
    case layout::AccessibleRole::Graphic:
        break;
    }
    return ROLE_SYSTEM_GRAPHIC;
}

// Child ids: CHILDID_SELF (0) for the client area itself, then 1, 2, ... for
// the table's accessible controls in reading order.
constexpr long kChildCount = static_cast<long>(layout::kAccessibleControls.size());

const layout::Control* ControlOf(const VARIANT& child) {
    if (child.vt != VT_I4 || child.lVal < 1 || child.lVal > kChildCount) return nullptr;
    return layout::kAccessibleControls[static_cast<std::size_t>(child.lVal - 1)];
}

long IdOf(const layout::Control& control) {
    for (long i = 0; i < kChildCount; ++i) {
        if (layout::kAccessibleControls[static_cast<std::size_t>(i)] == &control) return i + 1;
    }
    return CHILDID_SELF;
}

// The client area: the table's controls as simple elements, but the news box,
// which is an object of its own.
class WindowAreaAccessible final : public AccessibleBase {
public:
    WindowAreaAccessible(IAccessible* standard, NewsBoxAccessible* news, WindowAreaSide side)
        : window_(side.window), newsBox_(side.newsBox), standard_(standard), news_(news), scale_(std::move(side.scale)),
          press_(std::move(side.press)), startFocused_(std::move(side.startFocused)) {
        news_->AddRef();
    }
    ~WindowAreaAccessible() override {
        news_->Release();
        standard_->Release();
    }

    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override {
        return connected_ ? standard_->get_accParent(parent) : RPC_E_DISCONNECTED;
    }
    HRESULT STDMETHODCALLTYPE get_accChildCount(long* count) override {
        return Reply(count, [&] {
            *count = kChildCount;
            return S_OK;
        });
    }
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** object) override {
        return Reply(object, [&] {
            *object = nullptr;
            const layout::Control* control = ControlOf(child);
            if (!control) return E_INVALIDARG;
            if (control != &layout::kText1) return S_FALSE;  // a simple element
            return news_->QueryInterface(__uuidof(IDispatch), reinterpret_cast<void**>(object));
        });
    }
    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override {
        return Reply(name, [&] {
            *name = nullptr;
            if (IsSelf(child)) {
                // The window's caption, as the standard client area gives it.
                std::wstring caption(static_cast<std::size_t>(GetWindowTextLengthW(window_)) + 1, L'\0');
                caption.resize(static_cast<std::size_t>(GetWindowTextW(window_, caption.data(), static_cast<int>(caption.size()))));
                *name = ToBstr(caption);
                return S_OK;
            }
            const layout::Control* control = ControlOf(child);
            if (!control) return E_INVALIDARG;
            *name = ToBstr(control->accessible.name);
            return S_OK;
        });
    }
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override {
        if (!connected_) return RPC_E_DISCONNECTED;
        if (ControlOf(child) == &layout::kText1) return news_->get_accValue(Self(), value);
        return DISP_E_MEMBERNOTFOUND;
    }
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* text) override {
        return connected_ ? TableText(child, text, &layout::Accessible::description) : RPC_E_DISCONNECTED;
    }
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override {
        return Reply(role, [&] {
            if (IsSelf(child)) return standard_->get_accRole(child, role);
            const layout::Control* control = ControlOf(child);
            if (!control) return E_INVALIDARG;
            VariantInit(role);
            role->vt = VT_I4;
            role->lVal = ToRole(control->accessible.role);
            return S_OK;
        });
    }
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override {
        return Reply(state, [&] {
            if (IsSelf(child)) return standard_->get_accState(child, state);
            const layout::Control* control = ControlOf(child);
            if (!control) return E_INVALIDARG;
            if (control == &layout::kText1) return news_->get_accState(Self(), state);
            VariantInit(state);
            state->vt = VT_I4;
            // "Start" takes the focus by the keyboard; the others are only read.
            state->lVal = control != &layout::kLabel2 ? STATE_SYSTEM_READONLY
                          : STATE_SYSTEM_FOCUSABLE | (StartHasFocus() ? STATE_SYSTEM_FOCUSED : 0);
            return S_OK;
        });
    }
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT, BSTR* help) override {
        if (help) *help = nullptr;
        return connected_ ? S_FALSE : RPC_E_DISCONNECTED;
    }
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT, long* topic) override {
        if (file) *file = nullptr;
        if (topic) *topic = 0;
        return connected_ ? S_FALSE : RPC_E_DISCONNECTED;
    }
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* keys) override {
        return connected_ ? TableText(child, keys, &layout::Accessible::keyboardShortcut) : RPC_E_DISCONNECTED;
    }
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* child) override {
        return Reply(child, [&] {
            VariantInit(child);
            const HWND focus = GetFocus();
            if (focus == newsBox_) return NewsBoxAsChild(child);
            if (focus != window_) return S_FALSE;
            child->vt = VT_I4;
            child->lVal = StartHasFocus() ? IdOf(layout::kLabel2) : CHILDID_SELF;
            return S_OK;
        });
    }
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* children) override {
        if (children) VariantInit(children);
        return connected_ ? S_FALSE : RPC_E_DISCONNECTED;
    }
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override {
        return Reply(action, [&] {
            *action = nullptr;
            if (ControlOf(child) != &layout::kLabel2) return DISP_E_MEMBERNOTFOUND;
            *action = ToBstr(layout::kPressAction);
            return S_OK;
        });
    }
    HRESULT STDMETHODCALLTYPE accSelect(long, VARIANT) override {
        return connected_ ? DISP_E_MEMBERNOTFOUND : RPC_E_DISCONNECTED;
    }
    // In screen pixels: the control's scaled rectangle, as much of it as lies
    // in the client area (the banner begins left of it).
    HRESULT STDMETHODCALLTYPE accLocation(long* left, long* top, long* width, long* height, VARIANT child) override {
        if (!connected_) return RPC_E_DISCONNECTED;
        if (!left || !top || !width || !height) return E_POINTER;
        if (IsSelf(child)) return standard_->accLocation(left, top, width, height, child);
        const layout::Control* control = ControlOf(child);
        if (!control) return E_INVALIDARG;
        const layout::PixelRect r = layout::ToPixels(control->twips, scale_());
        RECT client{};
        GetClientRect(window_, &client);
        RECT rect{r.left, r.top, r.left + r.width, r.top + r.height};
        IntersectRect(&rect, &rect, &client);
        MapWindowPoints(window_, nullptr, reinterpret_cast<POINT*>(&rect), 2);
        *left = rect.left;
        *top = rect.top;
        *width = rect.right - rect.left;
        *height = rect.bottom - rect.top;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE accNavigate(long direction, VARIANT start, VARIANT* end) override {
        if (!connected_) return RPC_E_DISCONNECTED;
        if (!end) return E_POINTER;
        VariantInit(end);
        long id = 0;
        if (IsSelf(start) && direction == NAVDIR_FIRSTCHILD) {
            id = 1;
        } else if (IsSelf(start) && direction == NAVDIR_LASTCHILD) {
            id = kChildCount;
        } else if (ControlOf(start) && (direction == NAVDIR_NEXT || direction == NAVDIR_DOWN || direction == NAVDIR_RIGHT)) {
            id = start.lVal + 1;
        } else if (ControlOf(start) && (direction == NAVDIR_PREVIOUS || direction == NAVDIR_UP || direction == NAVDIR_LEFT)) {
            id = start.lVal - 1;
        } else if (IsSelf(start)) {
            return standard_->accNavigate(direction, start, end);
        } else {
            return E_INVALIDARG;
        }
        if (id < 1 || id > kChildCount) return S_FALSE;
        end->vt = VT_I4;
        end->lVal = id;
        return S_OK;
    }
    // The same hit test as a click; the news box answers as its own object.
    HRESULT STDMETHODCALLTYPE accHitTest(long x, long y, VARIANT* child) override {
        return Reply(child, [&] {
            VariantInit(child);
            POINT at{x, y};
            ScreenToClient(window_, &at);
            RECT client{};
            GetClientRect(window_, &client);
            if (!PtInRect(&client, at)) return S_FALSE;
            const layout::Control* control = layout::AccessibleControlAt(at.x, at.y, scale_());
            if (control == &layout::kText1) return NewsBoxAsChild(child);
            child->vt = VT_I4;
            child->lVal = control ? IdOf(*control) : CHILDID_SELF;
            return S_OK;
        });
    }
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override {
        if (!connected_) return RPC_E_DISCONNECTED;
        if (ControlOf(child) != &layout::kLabel2) return DISP_E_MEMBERNOTFOUND;
        press_();
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT, BSTR) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT, BSTR) override { return E_NOTIMPL; }

private:
    // The news box, as the object of its own it is.
    HRESULT NewsBoxAsChild(VARIANT* child) const {
        child->vt = VT_DISPATCH;
        return news_->QueryInterface(__uuidof(IDispatch), reinterpret_cast<void**>(&child->pdispVal));
    }
    // A text the table gives a control; S_FALSE where it gives none.
    static HRESULT TableText(const VARIANT& child, BSTR* text, std::wstring_view layout::Accessible::*field) {
        if (!text) return E_POINTER;
        *text = nullptr;
        const layout::Control* control = ControlOf(child);
        if (!control || (control->accessible.*field).empty()) return S_FALSE;
        *text = ToBstr(control->accessible.*field);
        return S_OK;
    }
    bool StartHasFocus() const { return GetFocus() == window_ && startFocused_ && startFocused_(); }

    HWND window_;
    HWND newsBox_;
    IAccessible* standard_;
    NewsBoxAccessible* news_;
    std::function<double()> scale_;
    std::function<void()> press_;
    std::function<bool()> startFocused_;
};

}  // namespace

AccessibleBase* MakeWindowAreaAccessible(IAccessible* standard, NewsBoxAccessible* news, WindowAreaSide side) {
    return new WindowAreaAccessible(standard, news, std::move(side));
}

long StartChildId() { return IdOf(layout::kLabel2); }

}  // namespace velk::win32
