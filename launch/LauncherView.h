// The launcher's view of the main window: what the start-up and press
// behaviour may do to it.
#pragma once

#include <string>

namespace velk {

class LauncherView {
public:
    virtual ~LauncherView() = default;
    virtual void SetCaption(const std::wstring& caption) = 0;
    virtual void SetNewsText(const std::wstring& news) = 0;
};

}  // namespace velk
