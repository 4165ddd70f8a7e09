#include "NewsBoxAccessible.h"

#include "Form1Layout.h"

namespace velk::win32 {

// Everything but the name is the standard object's, until the window goes.
#define VELK_FORWARD(call) return connected_ ? standard_->call : RPC_E_DISCONNECTED

HRESULT STDMETHODCALLTYPE NewsBoxAccessible::get_accParent(IDispatch** parent) { VELK_FORWARD(get_accParent(parent)); }

HRESULT STDMETHODCALLTYPE NewsBoxAccessible::get_accChildCount(long* count) { VELK_FORWARD(get_accChildCount(count)); }

HRESULT STDMETHODCALLTYPE NewsBoxAccessible::get_accChild(VARIANT child, IDispatch** object) {
    VELK_FORWARD(get_accChild(child, object));
}

HRESULT STDMETHODCALLTYPE NewsBoxAccessible::get_accName(VARIANT child, BSTR* name) {
    if (!connected_) return RPC_E_DISCONNECTED;
    if (!name) return E_POINTER;
    if (!IsSelf(child)) return standard_->get_accName(child, name);
    *name = ToBstr(layout::kText1.accessible.name);
    return S_OK;
}

HRESULT STDMETHODCALLTYPE NewsBoxAccessible::get_accValue(VARIANT child, BSTR* value) { VELK_FORWARD(get_accValue(child, value)); }

HRESULT STDMETHODCALLTYPE NewsBoxAccessible::get_accDescription(VARIANT child, BSTR* text) {
    VELK_FORWARD(get_accDescription(child, text));
}

HRESULT STDMETHODCALLTYPE NewsBoxAccessible::get_accRole(VARIANT child, VARIANT* role) { VELK_FORWARD(get_accRole(child, role)); }

HRESULT STDMETHODCALLTYPE NewsBoxAccessible::get_accState(VARIANT child, VARIANT* state) {
    VELK_FORWARD(get_accState(child, state));
}

HRESULT STDMETHODCALLTYPE NewsBoxAccessible::get_accHelp(VARIANT child, BSTR* help) { VELK_FORWARD(get_accHelp(child, help)); }

HRESULT STDMETHODCALLTYPE NewsBoxAccessible::get_accHelpTopic(BSTR* file, VARIANT child, long* topic) {
    VELK_FORWARD(get_accHelpTopic(file, child, topic));
}

HRESULT STDMETHODCALLTYPE NewsBoxAccessible::get_accKeyboardShortcut(VARIANT child, BSTR* keys) {
    VELK_FORWARD(get_accKeyboardShortcut(child, keys));
}

HRESULT STDMETHODCALLTYPE NewsBoxAccessible::get_accFocus(VARIANT* child) { VELK_FORWARD(get_accFocus(child)); }

HRESULT STDMETHODCALLTYPE NewsBoxAccessible::get_accSelection(VARIANT* children) { VELK_FORWARD(get_accSelection(children)); }

HRESULT STDMETHODCALLTYPE NewsBoxAccessible::get_accDefaultAction(VARIANT child, BSTR* action) {
    VELK_FORWARD(get_accDefaultAction(child, action));
}

HRESULT STDMETHODCALLTYPE NewsBoxAccessible::accSelect(long flags, VARIANT child) { VELK_FORWARD(accSelect(flags, child)); }

HRESULT STDMETHODCALLTYPE NewsBoxAccessible::accLocation(long* left, long* top, long* width, long* height, VARIANT child) {
    VELK_FORWARD(accLocation(left, top, width, height, child));
}

HRESULT STDMETHODCALLTYPE NewsBoxAccessible::accNavigate(long direction, VARIANT start, VARIANT* end) {
    VELK_FORWARD(accNavigate(direction, start, end));
}

HRESULT STDMETHODCALLTYPE NewsBoxAccessible::accHitTest(long x, long y, VARIANT* child) { VELK_FORWARD(accHitTest(x, y, child)); }

HRESULT STDMETHODCALLTYPE NewsBoxAccessible::accDoDefaultAction(VARIANT child) { VELK_FORWARD(accDoDefaultAction(child)); }

HRESULT STDMETHODCALLTYPE NewsBoxAccessible::put_accName(VARIANT, BSTR) { return E_NOTIMPL; }

HRESULT STDMETHODCALLTYPE NewsBoxAccessible::put_accValue(VARIANT child, BSTR value) { VELK_FORWARD(put_accValue(child, value)); }
#undef VELK_FORWARD

}  // namespace velk::win32
