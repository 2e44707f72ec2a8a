// Only what holds whatever the pages' layouts turn out to be is checked for
// every page; exact positions are checked for page 1, whose layout is fixed.
#include "game/catalogue.h"

#include <gtest/gtest.h>

namespace {

// Pieces per page as the game's pages are drawn.
constexpr int32_t kExpectedCounts[kPageCount + 1] = {
    0, 9, 9, 9, 8, 8, 12, 6, 8, 7, 4, 7, 9, 8, 4, 7, 6, 5, 11, 8, 11, 9, 7, 6, 5, 4, 5, 9, 7, 8, 4,
};

int32_t ListLength(const SpriteRecord* list) {
    int32_t n = 0;
    while (list[n].nameIndex != kEndOfList && n <= kMostPiecesOnAPage)
        ++n;
    return n;
}

} // namespace

TEST(CatalogueTest, PieceFileNamesFollowKindAndPieceNumber) {
    ASSERT_EQ(g_pieceFileNames.size(), 880u);
    EXPECT_EQ(g_pieceFileNames[0], "\\Data\\b001.dat");
    EXPECT_EQ(g_pieceFileNames[219], "\\Data\\b220.dat");
    EXPECT_EQ(g_pieceFileNames[220], "\\Data\\h001.dat");
    EXPECT_EQ(g_pieceFileNames[226], "\\Data\\h007.dat");
    EXPECT_EQ(g_pieceFileNames[440], "\\Data\\i001.dat");
    EXPECT_EQ(g_pieceFileNames[537], "\\Data\\i098.dat");
    EXPECT_EQ(g_pieceFileNames[660], "\\Data\\o001.dat");
    EXPECT_EQ(g_pieceFileNames[879], "\\Data\\o220.dat");
    EXPECT_EQ(NameIndex(kHoleKind, 7), 226);
    EXPECT_EQ(NameIndex(kDragKind, 220), 879);
}

TEST(CatalogueTest, EveryListOfAPageHoldsItsPiecesInOrderAndEnds) {
    int32_t nextPiece = 1;
    for (int32_t page = 1; page <= kPageCount; ++page) {
        SCOPED_TRACE(page);
        const int32_t count = kExpectedCounts[page];
        EXPECT_EQ(PieceCountOfPage(page), count);
        EXPECT_EQ(FirstPieceOfPage(page), nextPiece);
        for (int32_t kind = 0; kind < kPieceKindCount; ++kind) {
            const SpriteRecord* list = g_pageTable[page][kind];
            ASSERT_EQ(ListLength(list), count) << "kind " << kind;
            for (int32_t n = 0; n < count; ++n)
                EXPECT_EQ(list[n].nameIndex, kind * 220 + nextPiece - 1 + n);
        }
        nextPiece += count;
    }
    EXPECT_EQ(nextPiece, 221);
}

TEST(CatalogueTest, PageSixHasTheMostPiecesAndFourPagesTheFewest) {
    EXPECT_EQ(FirstPieceOfPage(6), 44);
    EXPECT_EQ(PieceCountOfPage(6), 12);
    for (int32_t page : {10, 14, 25, 30})
        EXPECT_EQ(PieceCountOfPage(page), 4) << page;
    EXPECT_EQ(PieceCountOfPage(0), 0);
    EXPECT_EQ(PieceCountOfPage(31), 0);
    EXPECT_EQ(ListLength(g_pageTable[0][kLooseKind]), 0);
}

TEST(CatalogueTest, PiecesMapBackToTheirPages) {
    EXPECT_EQ(PageOfPiece(1), 1);
    EXPECT_EQ(PageOfPiece(9), 1);
    EXPECT_EQ(PageOfPiece(10), 2);
    EXPECT_EQ(PageOfPiece(55), 6);
    EXPECT_EQ(PageOfPiece(56), 7);
    EXPECT_EQ(PageOfPiece(217), 30);
    EXPECT_EQ(PageOfPiece(220), 30);
    EXPECT_EQ(PageOfPiece(0), 0);
    EXPECT_EQ(PageOfPiece(221), 0);
    EXPECT_EQ(PageOfPiece(-3), 0);
}

TEST(CatalogueTest, RecordsShowLooseAndHoleOnlyAndDeriveTheOtherPositions) {
    for (int32_t page = 1; page <= kPageCount; ++page) {
        const PageRecord& record = g_pageTable[page];
        for (int32_t n = 0; n < PieceCountOfPage(page); ++n) {
            SCOPED_TRACE(testing::Message() << "page " << page << " piece " << n);
            for (int32_t kind = 0; kind < kPieceKindCount; ++kind) {
                const SpriteRecord& r = record[kind][n];
                EXPECT_EQ(r.frameRows, 1);
                EXPECT_EQ(r.frameColumns, 1);
                EXPECT_EQ(r.frameRow, 0);
                EXPECT_EQ(r.frameColumn, 0);
                EXPECT_EQ(r.depth, 10);
                EXPECT_EQ(r.visible, kind == kLooseKind || kind == kHoleKind ? 1 : 0);
            }
            const SpriteRecord& loose = record[kLooseKind][n];
            const SpriteRecord& hole = record[kHoleKind][n];
            EXPECT_EQ(record[kPlacedKind][n].x, hole.x);
            EXPECT_EQ(record[kPlacedKind][n].y, hole.y);
            EXPECT_EQ(record[kDragKind][n].x, loose.x + 14);
            EXPECT_EQ(record[kDragKind][n].y, loose.y + 7);
        }
    }
}

TEST(CatalogueTest, PageOneLiesWhereItsPicturesWereDrawn) {
    const PageRecord& page = g_pageTable[1];
    EXPECT_EQ(page[kLooseKind][0].x, 776);
    EXPECT_EQ(page[kLooseKind][0].y, 326);
    EXPECT_EQ(page[kHoleKind][0].x, 299);
    EXPECT_EQ(page[kHoleKind][0].y, 54);
    EXPECT_EQ(page[kPlacedKind][3].x, 322);
    EXPECT_EQ(page[kPlacedKind][3].y, 231);
    EXPECT_EQ(page[kDragKind][6].x, 868);
    EXPECT_EQ(page[kDragKind][6].y, 39);
    EXPECT_EQ(page[kLooseKind][8].x, 30);
    EXPECT_EQ(page[kLooseKind][8].y, 111);
    EXPECT_EQ(page[kHoleKind][8].x, 521);
    EXPECT_EQ(page[kHoleKind][8].y, 477);
}

TEST(CatalogueTest, SaveFileNamesCarryTwoDigitPageNumbers) {
    EXPECT_EQ(g_pageSaveFileNames[1], "\\save\\page01.sav");
    EXPECT_EQ(g_pageSaveFileNames[7], "\\save\\page07.sav");
    EXPECT_EQ(g_pageSaveFileNames[10], "\\save\\page10.sav");
    EXPECT_EQ(g_pageSaveFileNames[30], "\\save\\page30.sav");
    EXPECT_TRUE(g_pageSaveFileNames[0].empty());
}
