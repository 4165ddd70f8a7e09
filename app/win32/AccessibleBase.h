// What every IAccessible of the window shares: reference counting, IDispatch
// without type information (clients call IAccessible's methods directly),
// and the answer "disconnected" once the window is gone.
#pragma once

#include <windows.h>

#include <oleacc.h>

#include <string_view>

// COM interfaces have no virtual destructor: their objects end in Release,
// through the most derived class's own virtual destructor.
#pragma GCC diagnostic ignored "-Wnon-virtual-dtor"

namespace velk::win32 {

inline BSTR ToBstr(std::wstring_view text) { return SysAllocStringLen(text.data(), static_cast<UINT>(text.size())); }

inline bool IsSelf(const VARIANT& child) { return child.vt == VT_I4 && child.lVal == CHILDID_SELF; }

inline VARIANT Self() {
    VARIANT self;
    VariantInit(&self);
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    return self;
}

class AccessibleBase : public IAccessible {
public:
    virtual ~AccessibleBase() = default;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** object) override {
        if (!object) return E_POINTER;
        if (id == __uuidof(IUnknown) || id == __uuidof(IDispatch) || id == __uuidof(IAccessible)) {
            *object = static_cast<IAccessible*>(this);
            AddRef();
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return static_cast<ULONG>(InterlockedIncrement(&references_)); }
    ULONG STDMETHODCALLTYPE Release() override {
        const LONG left = InterlockedDecrement(&references_);
        if (left == 0) delete this;
        return static_cast<ULONG>(left);
    }

    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
        if (!count) return E_POINTER;
        *count = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) override {
        return E_NOTIMPL;
    }

    void Disconnect() { connected_ = false; }

protected:
    // An answer: "disconnected" once the window is gone, E_POINTER without a
    // place for it, else what `answer` gives.
    template <typename Out, typename Answer>
    HRESULT Reply(Out* out, Answer answer) const {
        if (!connected_) return RPC_E_DISCONNECTED;
        return out ? answer() : E_POINTER;
    }

    bool connected_ = true;

private:
    LONG references_ = 1;
};

}  // namespace velk::win32
