#include "outline.h"

#include <gtest/gtest.h>

namespace content {
namespace {

TEST(Rasterize, FillsThePixelsWhoseCentresLieInsideClippedToTheMask) {
    const Mask square = Rasterize({{0, 0}, {10, 0}, {10, 10}, {0, 10}}, 12, 12);
    EXPECT_EQ(square.Count(), 100);
    EXPECT_TRUE(square.At(0, 0));
    EXPECT_TRUE(square.At(9, 9));
    EXPECT_FALSE(square.At(10, 9));
    // A right triangle over half of a 20 x 20 box covers about half of it.
    const Mask triangle = Rasterize({{0, 0}, {20, 0}, {0, 20}}, 20, 20);
    EXPECT_NEAR(triangle.Count(), 200, 12);
    EXPECT_TRUE(triangle.At(0, 0));
    EXPECT_FALSE(triangle.At(19, 19));
    // A shape reaching outside is clipped to the mask.
    EXPECT_EQ(Rasterize({{-5, -5}, {30, -5}, {30, 30}, {-5, 30}}, 8, 6).Count(), 48);
}

TEST(PieceOutline, IsTheSameForTheSameArgumentsAndFillsItsBox) {
    for (int page : {1, 4}) {
        const Mask a = PieceMask(page, 3, 110, 95);
        EXPECT_TRUE(a == PieceMask(page, 3, 110, 95));
        EXPECT_FALSE(a == PieceMask(page, 4, 110, 95));
        bool left = false, right = false, top = false, bottom = false;
        for (int i = 0; i < 110; ++i)
            top |= a.At(i, 0), bottom |= a.At(i, 94);
        for (int i = 0; i < 95; ++i)
            left |= a.At(0, i), right |= a.At(109, i);
        EXPECT_TRUE(left && right && top && bottom) << "page " << page;
    }
}

} // namespace
} // namespace content
