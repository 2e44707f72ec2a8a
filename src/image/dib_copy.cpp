// CDIBImage::CopyTo and CopyMirroredTo: block copies between 24-bit pictures
// with an optional colour key, run for every sprite on every redraw. Keyed
// copies from a picture reuse the runs of non-key pixels found on the first
// copy; without them, rows are compared sixteen pixels at a time. Mirrored
// copies read a mirror image of the picture, made on the first of them, the
// same way.
#include "image/dib_clip.h"
#include "image/dib_image.h"
#include "image/keyed_row.h"
#include "image/opaque_runs.h"
#include "image/run_moves.h"

#include <cstddef>
#include <cstring>

bool CDIBImage::BeginCopy(CDIBImage* dest, BlockCopy& block, RowWalk& walk) const {
    if (dest == nullptr || pixels == nullptr || dest->pixels == nullptr)
        return false;
    if (!ClipBlockCopy(block, dest->GetWidth(), dest->GetHeight(), GetWidth(), GetHeight()))
        return false;
    dest->PixelsChanged();
    // Clipped, every field fits in 32 bits.
    const int32_t rows = static_cast<int32_t>(block.height);
    const int32_t bottom = static_cast<int32_t>(block.srcY) + rows - 1;
    walk = RowWalk{RowAddress(bottom),
                   dest->RowAddress(static_cast<int32_t>(block.destY) + rows - 1) + 3 * block.destX,
                   DibStride(GetWidth()),
                   DibStride(dest->GetWidth()),
                   GetHeight() - 1 - bottom,
                   rows};
    return true;
}

void CDIBImage::CopyTo(CDIBImage* dest, int32_t destX, int32_t destY, int32_t blockWidth,
                       int32_t blockHeight, int32_t srcX, int32_t srcY, uint32_t key) const {
    BlockCopy block{destX, destY, blockWidth, blockHeight, srcX, srcY};
    RowWalk walk;
    if (!BeginCopy(dest, block, walk))
        return;
    const size_t rowBytes = 3 * static_cast<size_t>(block.width);
    if (key == kNoColourKey && dest->pixels == pixels) {
        // memmove: a picture copied onto itself must not read what it wrote.
        for (int32_t row = 0; row < walk.rows; ++row, walk.Next())
            std::memmove(walk.destRow, walk.srcRow + 3 * block.srcX, rowBytes);
        return;
    }
    if (key == kNoColourKey) {
        MoveRows(walk.srcRow + 3 * block.srcX, walk.srcStride, walk.destRow, walk.destStride,
                 walk.rows, static_cast<uint32_t>(rowBytes));
        return;
    }
    if (dest->pixels == pixels) {
        // Within one picture, only the pixel-by-pixel order gives the
        // documented result where the blocks overlap.
        for (int32_t row = 0; row < walk.rows; ++row, walk.Next())
            CopyKeyedRowScalar(walk.srcRow + 3 * block.srcX, 3, walk.destRow, block.width, key);
        return;
    }
    const CKeyedRowCopier compare(key);
    if (const COpaqueRuns* found = RunsFor(key)) {
        found->Copy({walk.storedRow, walk.rows, walk.srcRow, walk.srcStride, walk.destRow,
                     walk.destStride, static_cast<uint32_t>(block.srcX),
                     static_cast<uint32_t>(block.width)},
                    compare);
        return;
    }
    for (int32_t row = 0; row < walk.rows; ++row, walk.Next())
        compare.CopyRow(walk.srcRow + 3 * block.srcX, walk.destRow, block.width);
}

void CDIBImage::CopyMirroredTo(CDIBImage* dest, int32_t destX, int32_t destY, int32_t blockWidth,
                               int32_t blockHeight, int32_t srcX, int32_t srcY,
                               uint32_t key) const {
    // Read from the kept mirror image, destination column destX + i takes
    // the mirror's column srcX + i, which is this picture's column
    // GetWidth() - 1 - (srcX + i): a forward copy, with its runs and blocks.
    // Within one picture, only the pixel-by-pixel order gives the documented
    // result where the blocks overlap.
    if (dest != nullptr && dest->pixels != pixels) {
        if (const CDIBImage* mirror = Mirrored()) {
            mirror->CopyTo(dest, destX, destY, blockWidth, blockHeight, srcX, srcY, key);
            return;
        }
    }
    BlockCopy block{destX, destY, blockWidth, blockHeight, srcX, srcY};
    RowWalk walk;
    if (!BeginCopy(dest, block, walk))
        return;
    // The source column of destination pixel 0.
    const int32_t last = GetWidth() - 1 - block.srcX;
    for (int32_t row = 0; row < walk.rows; ++row, walk.Next())
        CopyKeyedRowScalar(walk.srcRow + 3 * last, -3, walk.destRow, block.width, key);
}
