// Prints the main window's layout in pixels at a scale, rounded by the
// layout's own rule, for the end-to-end checks written in shell and Python:
// "client WIDTH HEIGHT", then "NAME LEFT TOP WIDTH HEIGHT" per element.
// Usage: layout_rects SCALE
#include "Form1Layout.h"

#include <cstdio>
#include <cstdlib>
#include <string>

int main(int argc, char** argv) {
    using namespace velk::layout;
    const double scale = argc > 1 ? std::strtod(argv[1], nullptr) : 1.0;
    if (scale <= 0) {
        std::fprintf(stderr, "usage: layout_rects SCALE\n");
        return 2;
    }
    std::printf("client %d %d\n", ToPixels(kClientWidthTwips, scale), ToPixels(kClientHeightTwips, scale));
    for (const Element& element : kStackingFrontFirst) {
        const PixelRect r = element.Pixels(scale);
        std::printf("%s %d %d %d %d\n", std::string(element.Name()).c_str(), r.left, r.top, r.width, r.height);
    }
    return 0;
}
