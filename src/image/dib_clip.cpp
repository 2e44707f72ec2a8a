#include "image/dib_clip.h"

#include <algorithm>

namespace {

// One axis: start positions in source and destination and the length, all
// widened so that extreme arguments cannot overflow.
bool ClipAxis(int32_t& src, int32_t& dest, int32_t& length, int32_t srcSize, int32_t destSize) {
    int64_t s = src;
    int64_t d = dest;
    int64_t n = length;
    const int64_t skip = std::max<int64_t>({0, -s, -d});
    s += skip;
    d += skip;
    n -= skip;
    n = std::min({n, srcSize - s, destSize - d});
    if (n <= 0)
        return false;
    src = static_cast<int32_t>(s);
    dest = static_cast<int32_t>(d);
    length = static_cast<int32_t>(n);
    return true;
}

} // namespace

bool ClipBlock(CopyBlock& block, int32_t srcWidth, int32_t srcHeight, int32_t destWidth,
               int32_t destHeight) {
    return ClipAxis(block.srcX, block.destX, block.width, srcWidth, destWidth) &&
           ClipAxis(block.srcY, block.destY, block.height, srcHeight, destHeight);
}
