#include "HitTest.h"

#include "Form1Layout.h"

namespace velk::layout {
namespace {

PixelRect RectOf(std::string_view name, double scale) {
    if (name == kLabel1.name) return ToPixels(kLabel1.twips, scale);
    if (name == kLabel2.name) return ToPixels(kLabel2.twips, scale);
    if (name == kImage1.name) return ToPixels(kImage1.twips, scale);
    if (name == kLine1.name) return ToPixels(kLine1, scale);
    if (name == kLine2.name) return ToPixels(kLine2, scale);
    return {0, 0, 0, 0};
}

}  // namespace

std::string_view DrawnElementAt(int x, int y, double scale) {
    for (const std::string_view name : kStackingFrontFirst) {
        if (name != kText1.name && RectOf(name, scale).Contains(x, y)) return name;
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
