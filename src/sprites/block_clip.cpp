#include "sprites/block_clip.h"

#include <algorithm>
#include <limits>

namespace {

// One axis of ClipBlockCopy: first skip what lies before either picture's
// start, then cut what runs past either picture's end.
bool ClipAxis(int64_t& dest, int64_t& src, int64_t& length, int64_t destLimit, int64_t srcLimit) {
    const int64_t skip = std::max({int64_t{0}, -dest, -src});
    dest += skip;
    src += skip;
    length = std::min({length - skip, destLimit - dest, srcLimit - src});
    return length > 0;
}

} // namespace

bool RectIsEmpty(const RECT& r) {
    return r.right <= r.left || r.bottom <= r.top;
}

RECT RectIntersection(const RECT& a, const RECT& b) {
    RECT r;
    r.left = std::max(a.left, b.left);
    r.top = std::max(a.top, b.top);
    r.right = std::min(a.right, b.right);
    r.bottom = std::min(a.bottom, b.bottom);
    return r;
}

int32_t SaturateToInt32(int64_t value) {
    return static_cast<int32_t>(std::clamp<int64_t>(value, std::numeric_limits<int32_t>::min(),
                                                    std::numeric_limits<int32_t>::max()));
}

bool ClipBlockCopy(BlockCopy& block, int32_t destWidth, int32_t destHeight, int32_t srcWidth,
                   int32_t srcHeight) {
    return ClipAxis(block.destX, block.srcX, block.width, destWidth, srcWidth) &&
           ClipAxis(block.destY, block.srcY, block.height, destHeight, srcHeight);
}
