// Page 1 of the catalogue over small made-up pictures, shown and ready for
// drag and drop, with the steps the drag and drop tests share: lift a piece,
// drop it with its top-left at a given place, check a piece's sprites.
#pragma once

#include "game/catalogue.h"
#include "image/cursor_set.h"
#include "sprites/anim_view.h"
#include "sprites/sprite.h"
#include "support/play_page_test.h"

// Pieces 1 and 2 get tall drag pictures, so that the pointer is far below
// the carried sprite's top-left: over piece 4's hole for piece 1, over no
// hole at all for piece 2.
inline PageArt TallDragPictures() {
    PageArt art;
    art.dragSizes[1] = PictureSize{120, 400};
    art.dragSizes[2] = PictureSize{120, 400};
    return art;
}

class PageOne : public PlayPageTest {
protected:
    PageOne() : PlayPageTest({1}, TallDragPictures()) {}

    void SetUp() override {
        GetCursorSet()->SetKind(kCursorArrow);
        ASSERT_TRUE(session->ShowPage(1));
    }

    // Lifts piece k at its grab point; false when nothing was lifted.
    bool Lift(int32_t k) {
        POINT grab;
        if (!session->GrabPoint(k, &grab))
            return false;
        View().OnLButtonDown(nullptr, 0, grab.x, grab.y);
        return View().IsDragging();
    }

    // Lifts piece k, carries it so its top-left lies at (left, top) and lets
    // go there. True when it went into its hole.
    bool DropAt(int32_t k, int32_t left, int32_t top) {
        EXPECT_TRUE(Lift(k));
        POINT pointer;
        session->CarryTo(left, top, &pointer);
        const int32_t before = View().GetPlacedCount();
        View().OnLButtonUp(nullptr, 0, pointer.x, pointer.y);
        EXPECT_FALSE(View().IsDragging());
        return View().GetPlacedCount() == before + 1;
    }

    void ExpectLoose(int32_t k) { ExpectPiece(k, false); }
    void ExpectPlaced(int32_t k) { ExpectPiece(k, true); }

    // Loose or placed, and either way the drag picture hidden at home beside
    // the loose piece.
    void ExpectPiece(int32_t k, bool placed) {
        SCOPED_TRACE(testing::Message() << "piece " << k);
        const CSprite* loose = Piece(kLooseKind, k);
        const CSprite* hole = Piece(kHoleKind, k);
        const CSprite* inHole = Piece(kPlacedKind, k);
        const CSprite* drag = Piece(kDragKind, k);
        // A page loaded again may have lost a sprite.
        ASSERT_TRUE(loose && hole && inHole && drag);
        EXPECT_EQ(loose->IsVisible(), !placed);
        EXPECT_EQ(hole->IsVisible(), !placed);
        EXPECT_EQ(inHole->IsVisible(), placed);
        EXPECT_TRUE(drag->IsHidden());
        EXPECT_EQ(drag->GetX(), loose->GetX() + kDragRestOffsetX);
        EXPECT_EQ(drag->GetY(), loose->GetY() + kDragRestOffsetY);
    }
};
