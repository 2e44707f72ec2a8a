// Narrowing a copy to the part that lies inside both pictures, and walking
// its rows. The sprite
// code clips before it copies; this second clip only matters for calls that
// would otherwise read or write outside a picture.
#pragma once

#include <cstddef>
#include <cstdint>

struct CopyBlock {
    int32_t destX;
    int32_t destY;
    int32_t srcX;
    int32_t srcY;
    int32_t width;
    int32_t height;
};

// Shrinks block to the pixels whose source lies in a srcWidth x srcHeight
// picture and whose destination lies in a destWidth x destHeight one. Both
// corners move together, so each remaining pixel still lands where the
// unclipped copy would have put it. False when nothing is left.
bool ClipBlock(CopyBlock& block, int32_t srcWidth, int32_t srcHeight, int32_t destWidth,
               int32_t destHeight);

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
