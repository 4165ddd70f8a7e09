// What the start-up and press behaviour may do to the main window.
#pragma once

#include <string>

namespace velk {

class Form1View {
public:
    virtual ~Form1View() = default;
    virtual void SetCaption(const std::wstring& caption) = 0;
    virtual void SetNewsText(const std::wstring& news) = 0;
};

}  // namespace velk
