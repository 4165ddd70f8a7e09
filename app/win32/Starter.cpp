#include "Starter.h"

#include "FatalError.h"
#include "Win32EventThreadWait.h"

#include <objbase.h>

namespace velk::win32 {

Starter::Starter(HINSTANCE instance, Win32MessageBoxes& messages, LauncherPlatform platform,
                 Form1::DpiSource dpiOf)
    : instance_(instance),
      messages_(messages),
      dpiOf_(dpiOf),
      launcher_(*this, messages, std::move(platform)),
      press_([this] { launcher_.HandleStartClick(); }, messages, *this) {}

Starter::~Starter() {
    form_.reset();
    if (comStarted_) CoUninitialize();
}

void Starter::Build() noexcept {
    if (form_ || buildError_) return;
    try {
        // COM (for the banner's decoder and accessibility) pays for the
        // thread's first window; both wait until the box is up.
        comStarted_ = SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE));
        form_.emplace(instance_, dpiOf_);
        form_->SetCaption(caption_);
        form_->SetNewsText(news_);
        form_->SetStartPress(&press_);
    } catch (...) {
        form_.reset();
        buildError_ = std::current_exception();
    }
}

bool Starter::Start(int showCommand) {
    try {
        messages_.WhenNextBoxIsUp([this] { Build(); });
        launcher_.HandleLoad();
        Build();
        if (buildError_) std::rethrow_exception(buildError_);
    } catch (const std::exception& error) {
        messages_.WhenNextBoxIsUp(nullptr);
        ReportFatalError(messages_, error);
        return false;
    }
    messages_.SetOwner(form_->Handle());
    form_->Show(showCommand);
    return true;
}

int Starter::Run() {
    MSG message{};
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return status_;
}

void Starter::SetCaption(const std::wstring& caption) {
    caption_ = caption;
    if (form_) form_->SetCaption(caption);
}

void Starter::SetNewsText(const std::wstring& news) {
    news_ = news;
    if (form_) form_->SetNewsText(news);
}

void Starter::ShowBusy(bool busy) {
    if (form_) form_->SetBusy(busy);
}

void Starter::Hold(const MSG& message) {
    if (form_) form_->Hold(message);
}

void Starter::SettleHeldInput() {
    if (form_) form_->SettleHeldInput();
}

void Starter::HideWindow() {
    if (form_) ShowWindow(form_->Handle(), SW_HIDE);
}

// The window's end posts the quit message that ends Run. An error has been
// reported while the window still existed (destroying it first would post
// the quit message that closes the error box at once).
void Starter::End(int status) {
    status_ = status;
    if (form_ && form_->Handle()) DestroyWindow(form_->Handle());
}

}  // namespace velk::win32
