#include "image/image_bytes.h"

#include <cstdlib>

void PutField32(Bytes& bytes, size_t offset, uint32_t value) {
    for (size_t i = 0; i < 4; ++i)
        bytes[offset + i] = static_cast<uint8_t>(value >> (8 * i));
}

Bytes Patched(Bytes bytes, size_t offset, uint32_t value) {
    PutField32(bytes, offset, value);
    return bytes;
}

uint32_t PatternColour(int32_t x, int32_t y) {
    return static_cast<uint32_t>((x * 37 + y * 11) & 0xFF) << 16 |
           static_cast<uint32_t>((x * 3 + 1) & 0xFF) << 8 | static_cast<uint32_t>(y & 0xFF);
}

void FillImage(CDIBImage& image, const PixelSource& pixel) {
    for (int32_t y = 0; y < image.GetHeight(); ++y) {
        for (int32_t x = 0; x < image.GetWidth(); ++x) {
            const uint32_t colour = pixel(x, y);
            uint8_t* p = image.PixelAddress(x, y);
            p[0] = static_cast<uint8_t>(colour >> 16);
            p[1] = static_cast<uint8_t>(colour >> 8);
            p[2] = static_cast<uint8_t>(colour);
        }
    }
}

Bytes SectionFile(int32_t width, int32_t height, uint16_t bitCount, uint32_t tableEntries,
                  uint32_t gap) {
    const uint32_t rowBytes = ((static_cast<uint32_t>(width) * bitCount + 31) / 32) * 4;
    const uint32_t offset = 54 + 4 * tableEntries + gap;
    Bytes bytes(offset + rowBytes * static_cast<uint32_t>(std::abs(height)), 0);
    bytes[0] = 'V';
    bytes[1] = '1';
    PutField32(bytes, 10, offset);
    PutField32(bytes, 14, 40);
    PutField32(bytes, 18, static_cast<uint32_t>(width));
    PutField32(bytes, 22, static_cast<uint32_t>(height));
    bytes[26] = 1;
    bytes[28] = static_cast<uint8_t>(bitCount);
    for (size_t i = 38; i < 54; ++i)
        bytes[i] = 0x5A; // resolutions and colour counts, cleared on reading
    for (uint32_t i = 0; i < 4 * tableEntries; ++i)
        bytes[54 + i] = static_cast<uint8_t>(i + 1);
    return bytes;
}
