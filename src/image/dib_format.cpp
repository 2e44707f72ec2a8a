#include "image/dib_format.h"

#include <cstring>
#include <limits>

namespace {

uint16_t U16(const uint8_t* p) {
    return static_cast<uint16_t>(p[0] | p[1] << 8);
}

uint32_t U32(const uint8_t* p) {
    return static_cast<uint32_t>(p[0]) | static_cast<uint32_t>(p[1]) << 8 |
           static_cast<uint32_t>(p[2]) << 16 | static_cast<uint32_t>(p[3]) << 24;
}

void PutU16(uint8_t* p, uint16_t value) {
    p[0] = static_cast<uint8_t>(value);
    p[1] = static_cast<uint8_t>(value >> 8);
}

void PutU32(uint8_t* p, uint32_t value) {
    for (int i = 0; i < 4; ++i)
        p[i] = static_cast<uint8_t>(value >> (8 * i));
}

} // namespace

bool HasImageSignature(const uint8_t* fileHeader) {
    return fileHeader[0] == 'V' && fileHeader[1] == '1';
}

DibFileHeader DecodeFileHeader(const uint8_t* bytes) {
    DibFileHeader header;
    header.signature[0] = bytes[0];
    header.signature[1] = bytes[1];
    header.pixelOffset = U32(bytes + 10);
    return header;
}

DibInfoHeader DecodeInfoHeader(const uint8_t* bytes) {
    DibInfoHeader header;
    header.size = U32(bytes);
    header.width = static_cast<int32_t>(U32(bytes + 4));
    header.height = static_cast<int32_t>(U32(bytes + 8));
    header.planes = U16(bytes + 12);
    header.bitCount = U16(bytes + 14);
    header.compression = U32(bytes + 16);
    header.sizeImage = U32(bytes + 20);
    header.xPelsPerMeter = static_cast<int32_t>(U32(bytes + 24));
    header.yPelsPerMeter = static_cast<int32_t>(U32(bytes + 28));
    header.colorsUsed = U32(bytes + 32);
    header.colorsImportant = U32(bytes + 36);
    return header;
}

void EncodeInfoHeader(const DibInfoHeader& header, uint8_t* bytes) {
    PutU32(bytes, header.size);
    PutU32(bytes + 4, static_cast<uint32_t>(header.width));
    PutU32(bytes + 8, static_cast<uint32_t>(header.height));
    PutU16(bytes + 12, header.planes);
    PutU16(bytes + 14, header.bitCount);
    PutU32(bytes + 16, header.compression);
    PutU32(bytes + 20, header.sizeImage);
    PutU32(bytes + 24, static_cast<uint32_t>(header.xPelsPerMeter));
    PutU32(bytes + 28, static_cast<uint32_t>(header.yPelsPerMeter));
    PutU32(bytes + 32, header.colorsUsed);
    PutU32(bytes + 36, header.colorsImportant);
}

int64_t Dib24PixelBytes(int32_t width, int32_t height) {
    if (width <= 0 || height <= 0)
        return -1;
    constexpr int64_t kLimit = std::numeric_limits<int32_t>::max();
    const int64_t stride = (3 * static_cast<int64_t>(width) + 3) & ~int64_t{3};
    // Files are addressed with 32-bit offsets, and so are the rows.
    if (stride > kLimit || height > kLimit / stride)
        return -1;
    const int64_t bytes = stride * height;
    return bytes;
}
