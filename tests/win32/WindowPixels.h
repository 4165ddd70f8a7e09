// The window's client area as it draws it for WM_PRINTCLIENT (screenshots,
// magnifiers), for the tests to read pixel by pixel.
#pragma once

#include <windows.h>

#include <cstdint>
#include <vector>

namespace velk::test {

// The client area as the window draws it for WM_PRINTCLIENT.
class WindowPixels {
public:
    explicit WindowPixels(HWND window) {
        RECT client{};
        GetClientRect(window, &client);
        width_ = client.right;
        height_ = client.bottom;
        BITMAPINFO info{};
        info.bmiHeader = {sizeof(BITMAPINFOHEADER), width_, -height_, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
        void* bits = nullptr;
        const HDC dc = CreateCompatibleDC(nullptr);
        const HBITMAP bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        const HGDIOBJ previous = SelectObject(dc, bitmap);
        SendMessageW(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
        GdiFlush();
        const auto* pixels = static_cast<const std::uint32_t*>(bits);
        pixels_.assign(pixels, pixels + static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_));
        SelectObject(dc, previous);
        DeleteObject(bitmap);
        DeleteDC(dc);
    }
    int Width() const { return width_; }
    int Height() const { return height_; }
    bool operator==(const WindowPixels&) const = default;
    // 0xRRGGBB
    std::uint32_t At(int x, int y) const {
        return pixels_[static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) + static_cast<std::size_t>(x)] &
               0xFFFFFF;
    }

private:
    int width_ = 0;
    int height_ = 0;
    std::vector<std::uint32_t> pixels_;
};

}  // namespace velk::test
