// Page changes through the document: store, move the page cursor, load.
#include "game/catalogue.h"
#include "game/page_cursor.h"
#include "game/page_furniture.h"
#include "persist/store_locations.h"
#include "sprites/anim_doc.h"
#include "sprites/anim_view.h"
#include "sprites/grid_sprite.h"
#include "sprites/sprite.h"
#include "support/page_folder.h"
#include "support/play_session.h"
#include "support/temp_dir.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <memory>

namespace {

class PageChanges : public ::testing::Test {
protected:
    PageChanges() {
        WritePageFolder(dir.Path().string(), {1, 30});
        std::filesystem::create_directory(dir.Path() / "save");
        session = std::make_unique<CPlaySession>(dir.Path().string());
    }

    int32_t ShownPageNumber() {
        auto* strip = dynamic_cast<CGridSprite*>(session->Document().FindByTag(kPageNumberTag));
        return strip != nullptr ? strip->GetRow() : -1;
    }

    bool SaveFileExists(int32_t page) {
        return std::filesystem::exists(dir.Path() / "save" / g_pageSaveFileNames[page].substr(6));
    }

    ScopedTempDir dir;
    std::unique_ptr<CPlaySession> session;
};

} // namespace

TEST_F(PageChanges, WrapAroundAtBothEndsStoringThePageLeft) {
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

TEST_F(PageChanges, StoringThePageLeavesItOnTheScreenEvenWhenTheStoreFails) {
    ASSERT_TRUE(session->ShowPage(1));
    ASSERT_TRUE(session->PlacePiece(0));
    const CSprite* placed = session->Document().FindByTag(NameIndex(kPlacedKind, 1));
    // Nowhere to write: a plain file where the save folder should be.
    std::filesystem::remove_all(dir.Path() / "save");
    WriteAll((dir.Path() / "save").string(), Bytes{'x'});

    session->Document().StorePage();
    EXPECT_FALSE(SaveFileExists(1));
    EXPECT_EQ(session->Document().FindByTag(NameIndex(kPlacedKind, 1)), placed);
    EXPECT_TRUE(placed->IsVisible());
    EXPECT_EQ(session->View().GetPlacedCount(), 1);
    EXPECT_TRUE(TakeStoreFailureNotice());
    ForgetStoreFailures();
}

TEST_F(PageChanges, APieceMissingFromAWellFormedSaveComesBackWithItsPicture) {
    ASSERT_TRUE(session->ShowPage(1));
    ASSERT_TRUE(session->PlacePiece(0));
    // Piece 2's loose picture and placed piece 1's hole go missing for a while.
    for (int32_t tag : {NameIndex(kLooseKind, 2), NameIndex(kHoleKind, 1)})
        std::filesystem::remove(dir.Path() / "Data" / g_pieceFileNames[tag].substr(6));
    session->Document().ChangePage(kNextPage);
    session->Document().ChangePage(kPreviousPage);
    ASSERT_EQ(session->Document().FindByTag(NameIndex(kLooseKind, 2)), nullptr);

    WritePageFolder(dir.Path().string(), {1});
    session->Document().ChangePage(kNextPage);
    session->Document().ChangePage(kPreviousPage);
    EXPECT_TRUE(session->Piece(kLooseKind, 1)->IsVisible());
    // Piece 1 still sits in its hole, which stays covered.
    EXPECT_FALSE(session->Piece(kHoleKind, 0)->IsVisible());
    EXPECT_TRUE(session->Piece(kPlacedKind, 0)->IsVisible());
    EXPECT_EQ(session->View().GetPlacedCount(), 1);
    for (int32_t k = 1; k < 9; ++k)
        EXPECT_TRUE(session->PlacePiece(k)) << "piece " << k;
    EXPECT_EQ(session->View().GetPlacedCount(), 9);
}
