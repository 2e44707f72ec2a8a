// Rectangle arithmetic for drawing: intersections, and cutting a block copy
// down so that it never reads or writes outside either picture whatever a
// sprite's position, size or cell.
#pragma once

#include "platform/win_types.h"

#include <cstdint>

// Nothing inside: right <= left or bottom <= top.
bool RectIsEmpty(const RECT& r);
// The common part of a and b; empty (as RectIsEmpty says) when they do not
// overlap.
RECT RectIntersection(const RECT& a, const RECT& b);
// A value clamped into the 32-bit range, for edges computed in 64 bits.
int32_t SaturateToInt32(int64_t value);

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

// Shrinks the block to the part that lies inside both the destination
// (destWidth x destHeight) and the source (srcWidth x srcHeight); every field
// then fits in 32 bits. False when nothing is left to copy.
bool ClipBlockCopy(BlockCopy& block, int32_t destWidth, int32_t destHeight, int32_t srcWidth,
                   int32_t srcHeight);
