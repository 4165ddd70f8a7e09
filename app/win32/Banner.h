// The banner picture, a JPEG built into the executable as an RCDATA resource
// and decoded by OLE's picture loader.
#pragma once

#include <windows.h>

namespace velk::win32 {

class Banner {
public:
    // Throws AppError when the resource is missing or cannot be decoded.
    explicit Banner(HINSTANCE instance);
    ~Banner();
    Banner(const Banner&) = delete;
    Banner& operator=(const Banner&) = delete;

    // Draws the picture unscaled with its top-left corner at (x, y).
    void Draw(HDC dc, int x, int y) const;
    SIZE Size() const { return size_; }

private:
    HBITMAP bitmap_ = nullptr;
    SIZE size_{};
};

}  // namespace velk::win32
