#include "game/page_cursor.h"

#include <gtest/gtest.h>

namespace {

// The cursor is process-wide: every test starts and ends on page 1.
class PageCursorTest : public ::testing::Test {
protected:
    PageCursorTest() { cursor->GoTo(1); }
    ~PageCursorTest() override { cursor->GoTo(1); }
    CPageCursor* cursor = CPageCursor::Instance();
};

} // namespace

TEST_F(PageCursorTest, NextAndPreviousWrapAround) {
    cursor->Previous();
    EXPECT_EQ(cursor->GetPageIndex(), 30);
    cursor->Next();
    EXPECT_EQ(cursor->GetPageIndex(), 1);
    cursor->Next();
    EXPECT_EQ(cursor->GetPageIndex(), 2);
    ASSERT_TRUE(cursor->GoTo(29));
    cursor->Next();
    EXPECT_EQ(cursor->GetPageIndex(), 30);
    cursor->Next();
    EXPECT_EQ(cursor->GetPageIndex(), 1);
}

TEST_F(PageCursorTest, ThirtyStepsComeBackToTheSamePage) {
    ASSERT_TRUE(cursor->GoTo(17));
    for (int i = 0; i < 30; ++i)
        cursor->Next();
    EXPECT_EQ(cursor->GetPageIndex(), 17);
    for (int i = 0; i < 30; ++i)
        cursor->Previous();
    EXPECT_EQ(cursor->GetPageIndex(), 17);
}

TEST_F(PageCursorTest, GoToRefusesPagesThatDoNotExist) {
    ASSERT_TRUE(cursor->GoTo(12));
    EXPECT_FALSE(cursor->GoTo(0));
    EXPECT_FALSE(cursor->GoTo(31));
    EXPECT_FALSE(cursor->GoTo(-1));
    EXPECT_EQ(cursor->GetPageIndex(), 12);
}
