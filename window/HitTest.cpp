#include "HitTest.h"

#include "Form1Layout.h"

namespace velk::layout {
std::string_view DrawnElementAt(int x, int y, double scale) {
    for (const Element& element : kStackingFrontFirst) {
        if (element.control != &kText1 && element.Pixels(scale).Contains(x, y)) return element.Name();
    }
    return {};
}

bool IsStartClick(int x, int y, double scale) { return DrawnElementAt(x, y, scale) == kLabel2.name; }

const Control* AccessibleControlAt(int x, int y, double scale) {
    if (ToPixels(kText1.twips, scale).Contains(x, y)) return &kText1;
    const std::string_view name = DrawnElementAt(x, y, scale);
    for (const Control* control : kAccessibleControls) {
        if (control->name == name) return control;
    }
    return nullptr;
}

}  // namespace velk::layout
