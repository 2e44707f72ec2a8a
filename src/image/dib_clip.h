// Narrowing a block copy to the part that lies inside both pictures, and
// walking its rows. The sprites clip against what they draw before they copy;
// the copy clips again, so that no call reads or writes outside a picture
// whatever a sprite's position, size or cell.
#pragma once

#include <cstddef>
#include <cstdint>

// A width x height block read at (srcX, srcY) of one picture and written at
// (destX, destY) of another. 64-bit so that offsets computed from extreme
// positions cannot overflow before they are clipped.
struct BlockCopy {
    int64_t destX;
    int64_t destY;
    int64_t width;
    int64_t height;
    int64_t srcX;
    int64_t srcY;
};

// Shrinks the block to the pixels whose destination lies in a destWidth x
// destHeight picture and whose source lies in a srcWidth x srcHeight one.
// Both corners move together, so each remaining pixel still lands where the
// unclipped copy would have put it; every field then fits in 32 bits. False
// when nothing is left to copy.
bool ClipBlockCopy(BlockCopy& block, int32_t destWidth, int32_t destHeight, int32_t srcWidth,
                   int32_t srcHeight);

// The rows of one clipped copy, walked from the bottom row of the block
// (lowest in memory) upwards.
struct RowWalk {
    const uint8_t* srcRow; // pixel 0 of the source row
    uint8_t* destRow;      // first destination pixel of the block
    ptrdiff_t srcStride;
    ptrdiff_t destStride;
    int32_t storedRow; // source row number as stored, 0 at the bottom
    int32_t rows;

    void Next() {
        srcRow += srcStride;
        destRow += destStride;
        ++storedRow;
    }
};
