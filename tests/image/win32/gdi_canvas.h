// A 32-bit top-down DIB selected into a memory device context: something to
// draw on under Wine and read back pixel by pixel. Windows only.
#pragma once

#include "platform/win32/gdi.h"

#include <cstdint>
#include <memory>

class GdiCanvas {
public:
    GdiCanvas(int32_t width, int32_t height, uint32_t fill) : width(width) {
        // Top-down: row y starts at y * width.
        const BITMAPINFO info = gdi::BitmapInfo(width, -height, 32);
        void* pixels = nullptr;
        bitmap = gdi::CreateSection(nullptr, &info, &pixels);
        bits = static_cast<uint32_t*>(pixels);
        memory = std::make_unique<gdi::MemoryDC>(nullptr, bitmap);
        for (int32_t i = 0; i < width * height; ++i)
            bits[i] = SwapRedAndBlue(fill);
    }
    ~GdiCanvas() {
        memory.reset(); // the bitmap is selected out before it goes
        DeleteObject(bitmap);
    }
    HDC Dc() const { return memory->Get(); }
    // Colour value (0x00BBGGRR, as the pictures' pixels) at (x, y) from the
    // top-left.
    uint32_t Pixel(int32_t x, int32_t y) const {
        GdiFlush();
        return SwapRedAndBlue(bits[y * width + x]);
    }

    GdiCanvas(const GdiCanvas&) = delete;
    GdiCanvas& operator=(const GdiCanvas&) = delete;

private:
    // Stored as blue, green, red, unused: the value 0x00RRGGBB.
    static uint32_t SwapRedAndBlue(uint32_t colour) {
        return (colour & 0xFF) << 16 | (colour & 0xFF00) | (colour >> 16 & 0xFF);
    }

    int32_t width;
    HBITMAP bitmap;
    uint32_t* bits = nullptr;
    std::unique_ptr<gdi::MemoryDC> memory;
};
