#include "image/dib_clip.h"

#include <climits>
#include <gtest/gtest.h>

namespace {

BlockCopy Block(int64_t destX, int64_t destY, int64_t w, int64_t h, int64_t srcX, int64_t srcY) {
    return BlockCopy{destX, destY, w, h, srcX, srcY};
}

void ExpectBlock(const BlockCopy& b, int64_t destX, int64_t destY, int64_t w, int64_t h,
                 int64_t srcX, int64_t srcY) {
    EXPECT_EQ(b.destX, destX);
    EXPECT_EQ(b.destY, destY);
    EXPECT_EQ(b.width, w);
    EXPECT_EQ(b.height, h);
    EXPECT_EQ(b.srcX, srcX);
    EXPECT_EQ(b.srcY, srcY);
}

} // namespace

TEST(BlockCopyClip, EachSideIsCutByWhicheverPictureEndsFirst) {
    BlockCopy inside = Block(3, 4, 5, 6, 1, 2);
    ASSERT_TRUE(ClipBlockCopy(inside, 20, 20, 10, 10));
    ExpectBlock(inside, 3, 4, 5, 6, 1, 2);
    // Starting before either picture skips the same pixels on both sides.
    BlockCopy early = Block(-3, 2, 10, 4, 0, -1);
    ASSERT_TRUE(ClipBlockCopy(early, 20, 20, 20, 20));
    ExpectBlock(early, 0, 3, 7, 3, 3, 0);
    // The destination allows 5 columns, the source 8; the source 6 rows.
    BlockCopy late = Block(15, 0, 10, 10, 0, 6);
    ASSERT_TRUE(ClipBlockCopy(late, 20, 20, 8, 12));
    ExpectBlock(late, 15, 0, 5, 6, 0, 6);
}

TEST(BlockCopyClip, NothingLeftIsRefused) {
    BlockCopy outside = Block(20, 0, 5, 5, 0, 0);
    EXPECT_FALSE(ClipBlockCopy(outside, 20, 20, 10, 10));
    BlockCopy before = Block(-10, 0, 10, 5, 0, 0);
    EXPECT_FALSE(ClipBlockCopy(before, 20, 20, 10, 10));
    BlockCopy empty = Block(0, 0, 0, 5, 0, 0);
    EXPECT_FALSE(ClipBlockCopy(empty, 20, 20, 10, 10));
    BlockCopy pastSource = Block(0, 0, 5, 5, 10, 0);
    EXPECT_FALSE(ClipBlockCopy(pastSource, 20, 20, 10, 10));
    BlockCopy emptyPicture = Block(0, 0, 5, 5, 0, 0);
    EXPECT_FALSE(ClipBlockCopy(emptyPicture, 20, 20, 0, 0));
}

TEST(BlockCopyClip, ExtremeOffsetsDoNotOverflow) {
    BlockCopy distant = Block(int64_t{INT_MAX} - 2, 0, 32, 32, 0, 0);
    EXPECT_FALSE(ClipBlockCopy(distant, 1024, 768, 32, 32));
    BlockCopy huge = Block(int64_t{INT_MIN}, int64_t{INT_MIN}, int64_t{INT_MAX} * 2 + 10,
                           int64_t{INT_MAX} * 2 + 10, int64_t{INT_MIN}, int64_t{INT_MIN});
    ASSERT_TRUE(ClipBlockCopy(huge, 1024, 768, 32, 32));
    ExpectBlock(huge, 0, 0, 32, 32, 0, 0);
}
