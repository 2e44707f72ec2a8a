#include "game/commands.h"
#include "game/page_furniture.h"

#include <gtest/gtest.h>
#include <string>

TEST(PageFurnitureTest, ButtonsStandAlongTheBottomWithTheirCommandTags) {
    const struct {
        int32_t x, tag, columns;
        const char* picture;
    } buttons[kButtonCount] = {
        {20, 10001, 1, "\\data\\m0002.dat"},    {88, 10002, 1, "\\data\\m0003.dat"},
        {399, 10003, 1, "\\data\\m0004.dat"},   {565, 10004, 1, "\\data\\m0005.dat"},
        {876, 10005, 1, "\\data\\m0006.dat"},   {156, ID_SOUND, 3, "\\data\\m0039.dat"},
        {808, ID_BOOK, 1, "\\data\\m0038.dat"},
    };
    for (int32_t i = 0; i < kButtonCount; ++i) {
        SCOPED_TRACE(i);
        const SpriteRecord& r = g_buttonRecords[i];
        EXPECT_EQ(r.frameRows, 2);
        EXPECT_EQ(r.frameColumns, buttons[i].columns);
        EXPECT_EQ(r.frameRow, 0);
        EXPECT_EQ(r.frameColumn, 0);
        EXPECT_EQ(r.x, buttons[i].x);
        EXPECT_EQ(r.y, 693);
        EXPECT_EQ(r.depth, 10);
        EXPECT_EQ(r.visible, 1);
        EXPECT_EQ(r.nameIndex, buttons[i].tag);
        EXPECT_EQ(GameButtonOfTag(buttons[i].tag), i);
        EXPECT_EQ(std::string(g_buttonPicturePaths[i]), buttons[i].picture);
    }
    EXPECT_EQ(GameButtonOfTag(kPageNumberTag), -1);
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
