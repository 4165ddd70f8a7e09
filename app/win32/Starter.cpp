#include "Starter.h"

#include "Win32EventThreadWait.h"

#include <objbase.h>

namespace velk::win32 {

Starter::Starter(HINSTANCE instance, Win32MessageBoxes& messages, LauncherPlatform platform,
                 Form1::DpiSource dpiOf)
    : instance_(instance), messages_(messages), dpiOf_(dpiOf), launcher_(*this, messages, std::move(platform)) {}

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
        press_.emplace([this] { launcher_.HandleStartClick(); }, messages_, *form_);
        form_->SetStartPress(&*press_);
    } catch (...) {
        form_.reset();
        buildError_ = std::current_exception();
    }
}

bool Starter::Start(int showCommand) {
    // Built while the welcome box is up, or once it is gone at the latest.
    messages_.WhenNextBoxIsUp([this] { Build(); });
    return launcher_.LoadAndShow([&] {
        Build();
        if (buildError_) std::rethrow_exception(buildError_);
        messages_.SetOwner(form_->Handle());
        form_->Show(showCommand);
    });
}

int Starter::Run() {
    MSG message{};
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return form_ ? form_->EndStatus() : 0;
}

void Starter::SetCaption(const std::wstring& caption) {
    caption_ = caption;
    if (form_) form_->SetCaption(caption);
}

void Starter::SetNewsText(const std::wstring& news) {
    news_ = news;
    if (form_) form_->SetNewsText(news);
}

}  // namespace velk::win32
