#include "game/page_furniture.h"

#include <gtest/gtest.h>
#include <string>

TEST(PageFurnitureTest, ButtonsStandAlongTheBottomWithTheirCommandTags) {
    const int32_t xs[kButtonCount] = {20, 88, 399, 565, 876};
    for (int32_t i = 0; i < kButtonCount; ++i) {
        SCOPED_TRACE(i);
        const SpriteRecord& r = g_buttonRecords[i];
        EXPECT_EQ(r.frameRows, 2);
        EXPECT_EQ(r.frameColumns, 1);
        EXPECT_EQ(r.frameRow, 0);
        EXPECT_EQ(r.frameColumn, 0);
        EXPECT_EQ(r.x, xs[i]);
        EXPECT_EQ(r.y, 693);
        EXPECT_EQ(r.depth, 10);
        EXPECT_EQ(r.visible, 1);
        EXPECT_EQ(r.nameIndex, 10001 + i);
        EXPECT_EQ(std::string(g_buttonPicturePaths[i]),
                  "\\data\\m000" + std::to_string(i + 2) + ".dat");
    }
}

TEST(PageFurnitureTest, PageNumberStripHasARowPerPage) {
    EXPECT_EQ(g_pageNumberRecord.frameRows, 31);
    EXPECT_EQ(g_pageNumberRecord.frameColumns, 1);
    EXPECT_EQ(g_pageNumberRecord.x, 459);
    EXPECT_EQ(g_pageNumberRecord.y, 704);
    EXPECT_EQ(g_pageNumberRecord.depth, 10);
    EXPECT_EQ(g_pageNumberRecord.visible, 1);
    EXPECT_EQ(g_pageNumberRecord.nameIndex, kPageNumberTag);
    EXPECT_EQ(std::string(kPageNumberPicturePath), "\\data\\m0010.dat");
    EXPECT_EQ(std::string(kPageBackgroundPath), "\\data\\m0011.dat");
}
