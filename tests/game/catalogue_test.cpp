// What holds whatever the pages' layouts are: the names, the order of the
// lists, how pieces map to pages, and the positions derived from each
// piece's loose and hole places.
#include "game/catalogue.h"

#include <gtest/gtest.h>

namespace {

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

TEST(CatalogueTest, EachPageListsTheNextRunOfPiecesInOrderAndEnds) {
    int32_t nextPiece = 1;
    for (int32_t page = 1; page <= kPageCount; ++page) {
        SCOPED_TRACE(page);
        const int32_t count = PieceCountOfPage(page);
        EXPECT_EQ(FirstPieceOfPage(page), nextPiece);
        EXPECT_EQ(PageOfPiece(nextPiece), page);
        EXPECT_EQ(PageOfPiece(nextPiece + count - 1), page);
        for (int32_t kind = 0; kind < kPieceKindCount; ++kind) {
            const SpriteRecord* list = g_pageTable[page][kind];
            ASSERT_EQ(ListLength(list), count) << "kind " << kind;
            for (int32_t n = 0; n < count; ++n)
                EXPECT_EQ(list[n].nameIndex, kind * 220 + nextPiece - 1 + n);
        }
        nextPiece += count;
    }
    EXPECT_EQ(nextPiece, 221);
    // Outside the pages and the pieces there is nothing.
    EXPECT_EQ(PieceCountOfPage(0), 0);
    EXPECT_EQ(PieceCountOfPage(31), 0);
    EXPECT_EQ(ListLength(g_pageTable[0][kLooseKind]), 0);
    for (int32_t piece : {0, 221, -3})
        EXPECT_EQ(PageOfPiece(piece), 0) << piece;
}

TEST(CatalogueTest, NewPagesShowLooseAndHoleAndDeriveTheOtherPositions) {
    for (int32_t page = 1; page <= kPageCount; ++page) {
        const PageRecord& record = g_pageTable[page];
        for (int32_t n = 0; n < PieceCountOfPage(page); ++n) {
            SCOPED_TRACE(testing::Message() << "page " << page << " piece " << n);
            const SpriteRecord& loose = record[kLooseKind][n];
            const SpriteRecord& hole = record[kHoleKind][n];
            const SpriteRecord& placed = record[kPlacedKind][n];
            const SpriteRecord& drag = record[kDragKind][n];
            // Only the loose piece and its empty hole show on a new page.
            EXPECT_TRUE(loose.visible && hole.visible && !placed.visible && !drag.visible);
            EXPECT_EQ(placed.x, hole.x);
            EXPECT_EQ(placed.y, hole.y);
            EXPECT_EQ(drag.x, loose.x + 14);
            EXPECT_EQ(drag.y, loose.y + 7);
        }
    }
}

TEST(CatalogueTest, SaveFileNamesCarryTwoDigitPageNumbers) {
    EXPECT_EQ(g_pageSaveFileNames[1], "\\save\\page01.sav");
    EXPECT_EQ(g_pageSaveFileNames[7], "\\save\\page07.sav");
    EXPECT_EQ(g_pageSaveFileNames[10], "\\save\\page10.sav");
    EXPECT_EQ(g_pageSaveFileNames[30], "\\save\\page30.sav");
    EXPECT_TRUE(g_pageSaveFileNames[0].empty());
}
