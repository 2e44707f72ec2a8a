// Copying one row of 24-bit pixels while skipping those equal to a colour
// key. Shared by CDIBImage's copies; each function gives exactly the result
// of comparing and copying pixel by pixel, left to right.
#pragma once

#include <cstdint>

// Colour value (0x00BBGGRR) of the three bytes blue, green, red at pixel.
inline uint32_t ColourAt(const uint8_t* pixel) {
    return static_cast<uint32_t>(pixel[0]) << 16 | static_cast<uint32_t>(pixel[1]) << 8 | pixel[2];
}

// One pixel at a time; step is +3 for a plain row and -3 for a mirrored one.
void CopyKeyedRowScalar(const uint8_t* src, int step, uint8_t* dest, int32_t width, uint32_t key);

// Sixteen pixels at a time with SSE2 compares; any width.
void CopyKeyedRowSimd(const uint8_t* src, uint8_t* dest, int32_t width, uint32_t key);

// Copies count bytes between buffers that do not overlap, tuned for the
// short runs of opaque pixels between key pixels.
void CopyRunBytes(uint8_t* dest, const uint8_t* src, uint32_t count);
