#include "platform/win32/gdi.h"

namespace gdi {

MemoryDC::MemoryDC(HDC like, HBITMAP bitmap) : dc(CreateCompatibleDC(like)) {
    if (dc != nullptr)
        previous = SelectObject(dc, bitmap);
}

MemoryDC::~MemoryDC() {
    if (dc == nullptr)
        return;
    SelectObject(dc, previous);
    DeleteDC(dc);
}

BITMAPINFO BitmapInfo(int32_t width, int32_t height, WORD bitCount) {
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = bitCount;
    info.bmiHeader.biCompression = BI_RGB;
    return info;
}

HBITMAP CreateSection(HWND window, const BITMAPINFO* info, void** pixels) {
    *pixels = nullptr;
    const WindowDC dc(window);
    if (dc.Get() == nullptr)
        return nullptr;
    HBITMAP section = CreateDIBSection(dc.Get(), info, DIB_RGB_COLORS, pixels, nullptr, 0);
    if (section == nullptr)
        *pixels = nullptr;
    return section;
}

bool BlitBitmap(HDC dc, int32_t x, int32_t y, int32_t width, int32_t height, HBITMAP bitmap,
                int32_t srcX, int32_t srcY) {
    const MemoryDC memory(dc, bitmap);
    if (memory.Get() == nullptr)
        return false;
    BitBlt(dc, x, y, width, height, memory.Get(), srcX, srcY, SRCCOPY);
    return true;
}

} // namespace gdi
