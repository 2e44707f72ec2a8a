// CDIBImage::CopyTo and CopyMirroredTo: block copies between 24-bit pictures
// with an optional colour key, run for every sprite on every redraw.
#include "image/dib_clip.h"
#include "image/dib_image.h"

#include <cstddef>
#include <cstring>

namespace {

uint32_t ColourAt(const uint8_t* pixel) {
    return static_cast<uint32_t>(pixel[0]) << 16 | static_cast<uint32_t>(pixel[1]) << 8 | pixel[2];
}

// step is +3 for a plain copy and -3 for a mirrored one.
void CopyKeyedRow(const uint8_t* src, int step, uint8_t* dest, int32_t width, uint32_t key) {
    for (int32_t i = 0; i < width; ++i, src += step, dest += 3) {
        if (ColourAt(src) != key) {
            dest[0] = src[0];
            dest[1] = src[1];
            dest[2] = src[2];
        }
    }
}

} // namespace

void CDIBImage::CopyTo(CDIBImage* dest, int32_t destX, int32_t destY, int32_t blockWidth,
                       int32_t blockHeight, int32_t srcX, int32_t srcY, uint32_t key) const {
    if (dest == nullptr || pixels == nullptr || dest->pixels == nullptr)
        return;
    CopyBlock block{destX, destY, srcX, srcY, blockWidth, blockHeight};
    if (!ClipBlock(block, GetWidth(), GetHeight(), dest->GetWidth(), dest->GetHeight()))
        return;
    const ptrdiff_t srcStride = DibStride(GetWidth());
    const ptrdiff_t destStride = DibStride(dest->GetWidth());
    // Bottom row of the block first: it lies lowest in memory.
    const uint8_t* srcRow = PixelAddress(block.srcX, block.srcY + block.height - 1);
    uint8_t* destRow = dest->PixelAddress(block.destX, block.destY + block.height - 1);
    for (int32_t row = 0; row < block.height; ++row, srcRow += srcStride, destRow += destStride) {
        if (key == kNoColourKey)
            std::memmove(destRow, srcRow, 3 * static_cast<size_t>(block.width));
        else
            CopyKeyedRow(srcRow, 3, destRow, block.width, key);
    }
}

void CDIBImage::CopyMirroredTo(CDIBImage* dest, int32_t destX, int32_t destY, int32_t blockWidth,
                               int32_t blockHeight, int32_t srcX, int32_t srcY,
                               uint32_t key) const {
    if (dest == nullptr || pixels == nullptr || dest->pixels == nullptr)
        return;
    CopyBlock block{destX, destY, srcX, srcY, blockWidth, blockHeight};
    if (!ClipBlock(block, GetWidth(), GetHeight(), dest->GetWidth(), dest->GetHeight()))
        return;
    const ptrdiff_t srcStride = DibStride(GetWidth());
    const ptrdiff_t destStride = DibStride(dest->GetWidth());
    const uint8_t* srcRow = MirroredPixelAddress(block.srcX, block.srcY + block.height - 1);
    uint8_t* destRow = dest->PixelAddress(block.destX, block.destY + block.height - 1);
    for (int32_t row = 0; row < block.height; ++row, srcRow += srcStride, destRow += destStride)
        CopyKeyedRow(srcRow, -3, destRow, block.width, key);
}
