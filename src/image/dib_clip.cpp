#include "image/dib_clip.h"

#include <algorithm>

namespace {

// One axis: first skip what lies before either picture's start, then cut
// what runs past either picture's end.
bool ClipAxis(int64_t& dest, int64_t& src, int64_t& length, int64_t destLimit, int64_t srcLimit) {
    const int64_t skip = std::max({int64_t{0}, -dest, -src});
    dest += skip;
    src += skip;
    length = std::min({length - skip, destLimit - dest, srcLimit - src});
    return length > 0;
}

} // namespace

bool ClipBlockCopy(BlockCopy& block, int32_t destWidth, int32_t destHeight, int32_t srcWidth,
                   int32_t srcHeight) {
    return ClipAxis(block.destX, block.srcX, block.width, destWidth, srcWidth) &&
           ClipAxis(block.destY, block.srcY, block.height, destHeight, srcHeight);
}
