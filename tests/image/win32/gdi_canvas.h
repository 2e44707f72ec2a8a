// A 32-bit top-down DIB selected into a memory device context: something to
// draw on under Wine and read back pixel by pixel. Windows only.
#pragma once

#include "platform/win32/gdi.h"

#include <cstdint>
#include <memory>

class GdiCanvas {
public:
    GdiCanvas(int32_t width, int32_t height, uint32_t fill);
    ~GdiCanvas();
    HDC Dc() const { return memory->Get(); }
    // Colour value (0x00BBGGRR, as the pictures' pixels) at (x, y) from the
    // top-left.
    uint32_t Pixel(int32_t x, int32_t y) const;

    GdiCanvas(const GdiCanvas&) = delete;
    GdiCanvas& operator=(const GdiCanvas&) = delete;

private:
    int32_t width;
    HBITMAP bitmap;
    uint32_t* bits = nullptr;
    std::unique_ptr<gdi::MemoryDC> memory;
};
