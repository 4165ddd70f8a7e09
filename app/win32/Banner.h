// The banner picture, a JPEG built into the executable as an RCDATA resource
// and decoded by OLE's picture loader.
#pragma once

#include "OwnedHandles.h"

#include <windows.h>

namespace velk::win32 {

class Banner {
public:
    // Throws AppError when the resource is missing or cannot be decoded.
    explicit Banner(HINSTANCE instance);

    // Resamples the picture to `width` x `height` for Draw; done once per
    // size (the window calls it when its dpi changes), not at every paint.
    void ScaleTo(int width, int height);

    // Draws the picture at the size it was last scaled to (at first its
    // natural size) with its top-left corner at (x, y).
    void Draw(HDC dc, int x, int y) const;
    SIZE ScaledSize() const { return scaled_ ? scaledSize_ : size_; }

private:
    OwnedBitmap bitmap_;
    SIZE size_{};
    OwnedBitmap scaled_;  // none at the natural size
    SIZE scaledSize_{};
};

}  // namespace velk::win32
