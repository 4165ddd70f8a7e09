// The message box every room shows its messages through: modal, one OK button,
// optionally the error icon, always titled with the application title.
#pragma once

#include <string>

namespace velk {

inline constexpr const wchar_t* kApplicationTitle = L"Project1";

enum class MessageIcon { None, Error };

class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;

    // Returns when the user has dismissed the box.
    virtual void Show(const std::wstring& text, MessageIcon icon) = 0;
};

}  // namespace velk
