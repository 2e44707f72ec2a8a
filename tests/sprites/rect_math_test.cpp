#include "sprites/rect_math.h"
#include "sprites/sprite_test_support.h"

#include <climits>
#include <gtest/gtest.h>

TEST(RectMath, IntersectionAndEmptiness) {
    EXPECT_EQ(RectIntersection(Rect(0, 0, 10, 10), Rect(5, -5, 20, 5)), Rect(5, 0, 10, 5));
    EXPECT_FALSE(RectIsEmpty(Rect(0, 0, 1, 1)));
    EXPECT_TRUE(RectIsEmpty(RectIntersection(Rect(0, 0, 10, 10), Rect(10, 0, 20, 10))));
    EXPECT_TRUE(RectIsEmpty(RectIntersection(Rect(0, 0, 10, 10), Rect(0, 11, 10, 20))));
    EXPECT_TRUE(RectIsEmpty(Rect(5, 5, 5, 9)));
    EXPECT_EQ(SaturateToInt32(int64_t{INT_MAX} + 10), INT_MAX);
    EXPECT_EQ(SaturateToInt32(int64_t{INT_MIN} - 10), INT_MIN);
    EXPECT_EQ(SaturateToInt32(-7), -7);
}
