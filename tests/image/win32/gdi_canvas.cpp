#include "image/win32/gdi_canvas.h"

namespace {

// Stored as blue, green, red, unused: the value 0x00RRGGBB.
uint32_t SwapRedAndBlue(uint32_t colour) {
    return (colour & 0xFF) << 16 | (colour & 0xFF00) | (colour >> 16 & 0xFF);
}

} // namespace

GdiCanvas::GdiCanvas(int32_t width, int32_t height, uint32_t fill) : width(width) {
    // Top-down: row y starts at y * width.
    const BITMAPINFO info = gdi::BitmapInfo(width, -height, 32);
    void* pixels = nullptr;
    bitmap = gdi::CreateSection(nullptr, &info, &pixels);
    bits = static_cast<uint32_t*>(pixels);
    memory = std::make_unique<gdi::MemoryDC>(nullptr, bitmap);
    for (int32_t i = 0; i < width * height; ++i)
        bits[i] = SwapRedAndBlue(fill);
}

GdiCanvas::~GdiCanvas() {
    memory.reset(); // the bitmap is selected out before it goes
    DeleteObject(bitmap);
}

uint32_t GdiCanvas::Pixel(int32_t x, int32_t y) const {
    GdiFlush();
    return SwapRedAndBlue(bits[y * width + x]);
}
