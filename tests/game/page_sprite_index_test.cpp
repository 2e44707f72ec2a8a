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

TEST(PageSpriteIndexTest, EachPageMatchesItsOwnDragPicturesAndHolesOnly) {
    const struct {
        int32_t page, tag;
        bool drag, hole;
    } cases[] = {{1, 659, false, false},  {1, 660, true, false},    {1, 668, true, false},
                 {1, 669, false, false},  {1, 0, false, false},     {1, 219, false, false},
                 {1, 220, false, true},   {1, 228, false, true},    {1, 440, false, false},
                 {1, -1, false, false},   {30, 876, true, false},   {30, 879, true, false},
                 {30, 880, false, false}, {30, 10001, false, false}};
    CPageSpriteIndex index;
    for (const auto& c : cases) {
        index.SetPage(c.page);
        EXPECT_EQ(index.IsDragPicture(c.tag), c.drag) << "page " << c.page << " tag " << c.tag;
        EXPECT_EQ(index.IsHole(c.tag), c.hole) << "page " << c.page << " tag " << c.tag;
    }
    EXPECT_EQ(index.pieceCount, 4);
}
