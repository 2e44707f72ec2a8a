#include "game/page_sprite_index.h"

#include <climits>
#include <gtest/gtest.h>

TEST(PageSpriteIndexTest, BeforeAnyPageAndOnUnknownPagesNoTagMatches) {
    CPageSpriteIndex index;
    const auto expectNoMatch = [&index](int32_t page) {
        for (int32_t tag : {0, 1, 220, 660, 879, 10001, INT_MAX, -2, -1}) {
            EXPECT_FALSE(index.IsDragPicture(tag)) << "page " << page << " tag " << tag;
            EXPECT_FALSE(index.IsHole(tag)) << "page " << page << " tag " << tag;
        }
    };
    expectNoMatch(-1);
    for (int32_t page : {0, 31, -5}) {
        index.SetPage(page);
        EXPECT_EQ(index.pieceCount, 0) << page;
        expectNoMatch(page);
    }
}

TEST(PageSpriteIndexTest, PageOneFindsItsNineDragPicturesAndTheHoleRange) {
    CPageSpriteIndex index;
    index.SetPage(1);
    EXPECT_EQ(index.firstLoose, 0);
    EXPECT_EQ(index.firstHole, 220);
    EXPECT_EQ(index.firstPlaced, 440);
    EXPECT_EQ(index.firstDrag, 660);
    EXPECT_EQ(index.pieceCount, 9);

    EXPECT_FALSE(index.IsDragPicture(659));
    EXPECT_TRUE(index.IsDragPicture(660));
    EXPECT_TRUE(index.IsDragPicture(668));
    EXPECT_FALSE(index.IsDragPicture(669));
    EXPECT_FALSE(index.IsDragPicture(0));

    EXPECT_FALSE(index.IsHole(219));
    EXPECT_TRUE(index.IsHole(220));
    EXPECT_TRUE(index.IsHole(228));
    EXPECT_FALSE(index.IsHole(440));
    EXPECT_FALSE(index.IsHole(-1));
}

TEST(PageSpriteIndexTest, LastPageEndsAtTheLastNameIndex) {
    CPageSpriteIndex index;
    index.SetPage(30);
    EXPECT_EQ(index.firstDrag, 876);
    EXPECT_EQ(index.pieceCount, 4);
    EXPECT_TRUE(index.IsDragPicture(879));
    EXPECT_FALSE(index.IsDragPicture(880));
    EXPECT_FALSE(index.IsDragPicture(10001));
}

TEST(PageSpriteIndexTest, ComparesAsUnsignedNumbers) {
    // A signed comparison would let -1 <= 3 < 8 match; unsigned, the all-bits
    // first value lies above every other tag.
    CPageSpriteIndex index;
    index.pieceCount = 9;
    EXPECT_FALSE(index.IsDragPicture(3));
    EXPECT_FALSE(index.IsDragPicture(-1));
    index.firstPlaced = 440;
    EXPECT_FALSE(index.IsHole(5));
    EXPECT_FALSE(index.IsHole(-1));
    // And a negative tag is a huge number, above any page's range.
    index.SetPage(2);
    EXPECT_FALSE(index.IsDragPicture(-660));
    EXPECT_FALSE(index.IsHole(-220));
}
