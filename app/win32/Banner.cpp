#include "Banner.h"

#include "AppError.h"
#include "WideResources.h"
#include "resource.h"

#include <cstring>

#include <ocidl.h>
#include <olectl.h>

namespace velk::win32 {
namespace {

[[noreturn]] void Fail(const wchar_t* why) { throw AppError(std::wstring(L"Cannot show the banner picture: ") + why); }

}  // namespace

Banner::Banner(HINSTANCE instance) {
    const HRSRC found = FindResourceW(instance, MAKEINTRESOURCEW(IDR_BANNER), kRawData);
    const HGLOBAL loaded = found ? LoadResource(instance, found) : nullptr;
    const void* bytes = loaded ? LockResource(loaded) : nullptr;
    const DWORD size = found ? SizeofResource(instance, found) : 0;
    if (!bytes || size == 0) Fail(L"the resource is missing.");

    // OleLoadPicture reads from a stream; it wants the bytes in movable memory.
    const HGLOBAL copy = GlobalAlloc(GMEM_MOVEABLE, size);
    if (!copy) Fail(L"out of memory.");
    std::memcpy(GlobalLock(copy), bytes, size);
    GlobalUnlock(copy);
    IStream* stream = nullptr;
    if (FAILED(CreateStreamOnHGlobal(copy, TRUE, &stream))) {
        GlobalFree(copy);
        Fail(L"cannot read the resource.");
    }
    IPicture* picture = nullptr;
    const HRESULT decoded = OleLoadPicture(stream, static_cast<LONG>(size), FALSE, IID_IPicture,
                                           reinterpret_cast<void**>(&picture));
    stream->Release();
    if (FAILED(decoded) || !picture) Fail(L"the picture cannot be decoded.");

    // Keep a copy of the decoded bitmap; the picture object owns its own.
    OLE_HANDLE handle = 0;
    picture->get_Handle(&handle);
    bitmap_.reset(static_cast<HBITMAP>(
        CopyImage(reinterpret_cast<HANDLE>(static_cast<UINT_PTR>(handle)), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
    picture->Release();
    BITMAP info{};
    if (!bitmap_ || !GetObjectW(bitmap_.get(), sizeof info, &info)) Fail(L"the picture cannot be decoded.");
    size_ = {info.bmWidth, info.bmHeight};
}

void Banner::ScaleTo(int width, int height) {
    if (scaled_ && scaledSize_.cx == width && scaledSize_.cy == height) return;
    scaled_.reset();
    if ((width == size_.cx && height == size_.cy) || width <= 0 || height <= 0) return;

    // HALFTONE averages the source pixels under each target pixel: smooth
    // when enlarging, no lost detail when shrinking.
    const HDC screen = GetDC(nullptr);
    const HDC source = CreateCompatibleDC(screen);
    const HDC target = CreateCompatibleDC(screen);
    scaled_.reset(CreateCompatibleBitmap(screen, width, height));
    if (scaled_) {
        const HGDIOBJ previousSource = SelectObject(source, bitmap_.get());
        const HGDIOBJ previousTarget = SelectObject(target, scaled_.get());
        SetStretchBltMode(target, HALFTONE);
        SetBrushOrgEx(target, 0, 0, nullptr);
        StretchBlt(target, 0, 0, width, height, source, 0, 0, size_.cx, size_.cy, SRCCOPY);
        SelectObject(target, previousTarget);
        SelectObject(source, previousSource);
        scaledSize_ = {width, height};
    }
    DeleteDC(target);
    DeleteDC(source);
    ReleaseDC(nullptr, screen);
}

void Banner::Draw(HDC dc, int x, int y) const {
    const SIZE size = ScaledSize();
    const HDC source = CreateCompatibleDC(dc);
    const HGDIOBJ previous = SelectObject(source, scaled_ ? scaled_.get() : bitmap_.get());
    BitBlt(dc, x, y, size.cx, size.cy, source, 0, 0, SRCCOPY);
    SelectObject(source, previous);
    DeleteDC(source);
}

}  // namespace velk::win32
