// Message boxes as MessageBoxW, titled with the application title, modal to
// the main window once it exists.
#pragma once

#include "MessageBoxes.h"
#include "WineDialogSize.h"

#include <windows.h>

#include <functional>

namespace velk::win32 {

class Win32MessageBoxes final : public MessageBoxes {
public:
    // Under Wine the boxes are kept at their size (WineDialogSize.h).
    explicit Win32MessageBoxes(bool underWine = RunningUnderWine()) : underWine_(underWine) {}
    void SetOwner(HWND owner) { owner_ = owner; }
    void Show(const std::wstring& text, MessageIcon icon) override;

    // `work` runs once the next box is on screen (after its first paint),
    // inside its modal loop; it throws nothing. An error box drops it: an
    // error ends what the work was for.
    void WhenNextBoxIsUp(std::function<void()> work) { whenUp_ = std::move(work); }

private:
    bool underWine_;
    HWND owner_ = nullptr;
    std::function<void()> whenUp_;
};

}  // namespace velk::win32
