#include "Form1Accessibility.h"

#include "SystemLibrary_win32.h"

namespace velk::win32 {
namespace {

// oleacc.dll, from the system folder only, loaded when first needed (no
// static import).
class Oleacc {
public:
    static const Oleacc& Get() {
        static const Oleacc library;
        return library;
    }
    decltype(&LresultFromObject) lresultFromObject = nullptr;
    decltype(&CreateStdAccessibleObject) createStdAccessibleObject = nullptr;

private:
    Oleacc() {
        const HMODULE module = LoadSystemLibrary(L"oleacc.dll");
        if (!module) return;
        lresultFromObject = LibraryEntry<decltype(&LresultFromObject)>(module, "LresultFromObject");
        createStdAccessibleObject = LibraryEntry<decltype(&CreateStdAccessibleObject)>(module, "CreateStdAccessibleObject");
    }
};

}  // namespace

Form1Accessibility::Form1Accessibility(WindowAreaSide side) {
    const HWND window = side.window;
    const HWND newsBox = side.newsBox;
    const Oleacc& oleacc = Oleacc::Get();
    if (!oleacc.createStdAccessibleObject || !oleacc.lresultFromObject) return;  // no accessibility here
    IAccessible* standardClient = nullptr;
    IAccessible* standardNewsBox = nullptr;
    if (FAILED(oleacc.createStdAccessibleObject(window, OBJID_CLIENT, __uuidof(IAccessible),
                                                reinterpret_cast<void**>(&standardClient)))) {
        return;
    }
    if (FAILED(oleacc.createStdAccessibleObject(newsBox, OBJID_CLIENT, __uuidof(IAccessible),
                                                reinterpret_cast<void**>(&standardNewsBox)))) {
        standardClient->Release();
        return;
    }
    newsBox_ = new NewsBoxAccessible(standardNewsBox);
    client_ = MakeWindowAreaAccessible(standardClient, newsBox_, std::move(side));
}

Form1Accessibility::~Form1Accessibility() {
    Disconnect();
    if (client_) client_->Release();
    if (newsBox_) newsBox_->Release();
}

LRESULT Form1Accessibility::AnswerWindow(WPARAM wParam, LPARAM lParam) {
    if (!client_ || static_cast<LONG>(lParam) != OBJID_CLIENT) return 0;
    return Oleacc::Get().lresultFromObject(__uuidof(IAccessible), wParam, static_cast<IAccessible*>(client_));
}

LRESULT Form1Accessibility::AnswerNewsBox(WPARAM wParam, LPARAM lParam) {
    if (!newsBox_ || static_cast<LONG>(lParam) != OBJID_CLIENT) return 0;
    return Oleacc::Get().lresultFromObject(__uuidof(IAccessible), wParam, static_cast<IAccessible*>(newsBox_));
}

void Form1Accessibility::NotifyStartFocused(HWND window) {
    if (client_) NotifyWinEvent(EVENT_OBJECT_FOCUS, window, OBJID_CLIENT, StartChildId());
}

void Form1Accessibility::Disconnect() {
    if (client_) client_->Disconnect();
    if (newsBox_) newsBox_->Disconnect();
}

}  // namespace velk::win32
