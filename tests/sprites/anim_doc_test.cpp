// Page changes through the document: store, move the page cursor, load.
#include "game/catalogue.h"
#include "game/page_cursor.h"
#include "game/page_furniture.h"
#include "sprites/anim_doc.h"
#include "sprites/anim_view.h"
#include "sprites/grid_sprite.h"
#include "support/play_page_test.h"

namespace {

class PageChanges : public PlayPageTest {
protected:
    PageChanges() : PlayPageTest({1, 30}) {}

    int32_t ShownPageNumber() {
        auto* strip = dynamic_cast<CGridSprite*>(session->Document().FindByTag(kPageNumberTag));
        return strip != nullptr ? strip->GetRow() : -1;
    }

    bool SaveFileExists(int32_t page) {
        return std::filesystem::exists(dir.Path() / "save" / g_pageSaveFileNames[page].substr(6));
    }
};

} // namespace

TEST_F(PageChanges, WrapAroundAtBothEndsStoringThePageLeft) {
    EXPECT_FALSE(session->ShowPage(31));
    EXPECT_FALSE(session->ShowPage(0));
    ASSERT_TRUE(session->ShowPage(30));
    session->Document().ChangePage(kNextPage);
    EXPECT_EQ(CPageCursor::Instance()->GetPageIndex(), 1);
    EXPECT_EQ(ShownPageNumber(), 1);
    EXPECT_TRUE(SaveFileExists(30));
    EXPECT_EQ(session->Document().Sprites().Count(), 9u * 4 + kFurnitureCount);

    session->Document().ChangePage(kPreviousPage);
    EXPECT_EQ(CPageCursor::Instance()->GetPageIndex(), 30);
    EXPECT_EQ(ShownPageNumber(), 30);
    EXPECT_TRUE(SaveFileExists(1));
    EXPECT_EQ(session->Document().Sprites().Count(), 4u * 4 + kFurnitureCount);

    std::filesystem::remove(dir.Path() / "save" / "page30.sav");
    session->Document().ChangePage(kSamePage);
    EXPECT_EQ(CPageCursor::Instance()->GetPageIndex(), 30);
    EXPECT_TRUE(SaveFileExists(30));
}

TEST_F(PageChanges, ABackgroundThatCannotBeReadKeepsTheOldOneButNotTheOldPage) {
    ASSERT_TRUE(session->ShowPage(1));
    EXPECT_TRUE(session->PlacePiece(0));
    const CDIBImage* background = session->Document().GetBackground();
    std::filesystem::remove(dir.Path() / "Data" / "m0011.dat");
    session->View().Flush(nullptr);

    session->Document().ChangePage(kPreviousPage);
    EXPECT_EQ(session->Document().GetBackground(), background);
    // Page 30's sprites only: none of page 1's is left underneath.
    EXPECT_EQ(session->Document().Sprites().Count(), 4u * 4 + kFurnitureCount);
    EXPECT_EQ(session->Document().FindByTag(NameIndex(kLooseKind, 1)), nullptr);
    EXPECT_EQ(session->View().GetPlacedCount(), 0);
    RECT whole;
    session->View().GetBounds(&whole);
    ASSERT_FALSE(session->View().DirtyRects().empty());
    const RECT oldest = session->View().DirtyRects().back();
    EXPECT_EQ(oldest.right, whole.right);
    EXPECT_EQ(oldest.bottom, whole.bottom);
}
