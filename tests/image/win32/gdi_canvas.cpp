#include "image/win32/gdi_canvas.h"

GdiCanvas::GdiCanvas(int32_t width, int32_t height, uint32_t fill)
    : width(width), dc(CreateCompatibleDC(nullptr)) {
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height; // top-down: row y at y * width
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* pixels = nullptr;
    bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &pixels, nullptr, 0);
    bits = static_cast<uint32_t*>(pixels);
    previous = SelectObject(dc, bitmap);
    // Stored as blue, green, red, unused: the value 0x00RRGGBB.
    const uint32_t stored = (fill & 0xFF) << 16 | (fill & 0xFF00) | (fill >> 16 & 0xFF);
    for (int32_t i = 0; i < width * height; ++i)
        bits[i] = stored;
}

GdiCanvas::~GdiCanvas() {
    SelectObject(dc, previous);
    DeleteObject(bitmap);
    DeleteDC(dc);
}

uint32_t GdiCanvas::Pixel(int32_t x, int32_t y) const {
    GdiFlush();
    const uint32_t stored = bits[y * width + x];
    return (stored & 0xFF) << 16 | (stored & 0xFF00) | (stored >> 16 & 0xFF);
}
