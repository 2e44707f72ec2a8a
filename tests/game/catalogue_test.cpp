// What holds whatever the pages' layouts are: the order of the lists, how
// pieces map to pages and what a new page shows. The content tool's tests
// check the positions against the pictures.
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
            for (int32_t n = 0; n < count; ++n) {
                EXPECT_EQ(list[n].nameIndex, TagOf(kind, nextPiece + n));
                // Only the loose piece and its empty hole show on a new page.
                EXPECT_EQ(list[n].visible != 0, kind == kLooseKind || kind == kHoleKind);
            }
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

TEST(CatalogueTest, TagsNameTheKindAndThePieceBothWays) {
    // kind x 220 + piece - 1, kinds loose 0, hole 1, placed 2, drag 3.
    EXPECT_EQ(TagOf(kLooseKind, 1), 0);
    EXPECT_EQ(TagOf(kHoleKind, 1), 220);
    EXPECT_EQ(TagOf(kPlacedKind, 12), 451);
    EXPECT_EQ(TagOf(kDragKind, 220), 879);
    for (int32_t tag : {0, 219, 220, 451, 879}) {
        SCOPED_TRACE(tag);
        EXPECT_EQ(TagOf(KindOf(tag), PieceOf(tag)), tag);
    }
    EXPECT_EQ(PieceOf(451), 12);
    EXPECT_EQ(KindOf(451), kPlacedKind);
    EXPECT_EQ(KindOf(879), kDragKind);
}
