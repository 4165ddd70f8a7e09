// Message boxes as modal Qt dialogs titled with the application title.
#pragma once

#include "MessageBoxes.h"

namespace velk::qt {

class QtMessageBoxes final : public MessageBoxes {
public:
    void Show(const std::wstring& text, MessageIcon icon) override;
};

}  // namespace velk::qt
