// Drag and drop on the catalogue's page 1, over small made-up pictures:
// lifting, carrying, the fit rule, returning, clearing, and page changes in
// the middle of a drag.
#include "game/catalogue.h"
#include "game/page_sprite_index.h"
#include "image/cursor_set.h"
#include "sprites/anim_doc.h"
#include "sprites/anim_view.h"
#include "sprites/sprite.h"
#include "support/anim_view_probe.h"
#include "support/play_page_test.h"

namespace {

// Pieces 1 and 2 get tall drag pictures, so that the pointer is far below
// the carried sprite's top-left: over piece 4's hole for piece 1, over no
// hole at all for piece 2.
PageArt TallDragPictures() {
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

} // namespace

TEST_F(PageOne, OnlyOpaquePixelsOfALoosePieceLiftIt) {
    const CSprite* drag = Piece(kDragKind, 2);
    const int32_t x = drag->GetX();
    const int32_t y = drag->GetY();
    // Inside the transparent quarter, on the left and top edges, and on the
    // loose picture where its drag picture does not reach.
    for (const POINT p :
         {POINT{x + 5, y + 5}, POINT{x, y + 35}, POINT{x + 40, y}, POINT{x - 10, y + 10}}) {
        View().OnLButtonDown(nullptr, 0, p.x, p.y);
        EXPECT_FALSE(View().IsDragging()) << p.x << ", " << p.y;
        EXPECT_EQ(CPageSpriteIndex::Instance()->draggedPiece, -1);
        ExpectLoose(2);
    }
    // One pixel in from both edges is the shape itself.
    View().OnLButtonDown(nullptr, 0, x + 1, y + 35);
    ASSERT_TRUE(View().IsDragging());
    EXPECT_EQ(CAnimViewProbe::DraggedSprite(View()), drag);
    EXPECT_TRUE(Piece(kLooseKind, 2)->IsHidden());
    EXPECT_TRUE(drag->IsVisible());
    // Centred on the pointer, above everything, buttons and strip included.
    EXPECT_EQ(drag->GetX(), x + 1 - 40);
    EXPECT_EQ(drag->GetY(), y + 35 - 35);
    EXPECT_EQ(CAnimViewProbe::GrabOffsetX(View()), 40);
    EXPECT_EQ(CAnimViewProbe::GrabOffsetY(View()), 35);
    EXPECT_EQ(session->Document().Sprites().FromTop(0), drag);

    // A second press while carrying changes nothing.
    View().OnLButtonDown(nullptr, 0, 500, 500);
    EXPECT_EQ(CAnimViewProbe::DraggedSprite(View()), drag);
    View().OnMouseMove(nullptr, 0, 300, 200);
    EXPECT_EQ(drag->GetX(), 260);
    EXPECT_EQ(drag->GetY(), 165);
    View().OnLButtonUp(nullptr, 0, 300, 200);
    ExpectLoose(2);
}

TEST_F(PageOne, TheFitRuleReachesNineteenPixelsAroundItsCentre) {
    const int32_t k = 2; // piece 3, hole at (607, 67)
    const int32_t hx = Piece(kHoleKind, k)->GetX();
    const int32_t hy = Piece(kHoleKind, k)->GetY();
    struct Drop {
        int32_t dx, dy;
        bool fits;
    };
    for (const Drop d :
         {Drop{10, 9, true}, Drop{-9, 9, true}, Drop{-10, 9, false}, Drop{29, 9, true},
          Drop{30, 9, false}, Drop{10, -10, true}, Drop{10, -11, false}, Drop{10, 28, true},
          Drop{10, 29, false}, Drop{-9, -10, true}, Drop{-10, -10, false}}) {
        const bool placed = DropAt(k, hx + d.dx, hy + d.dy);
        EXPECT_EQ(placed, d.fits) << "top-left at hole + (" << d.dx << ", " << d.dy << ")";
        if (placed) {
            ExpectPlaced(k);
            EXPECT_EQ(View().GetPlacedCount(), 1);
            View().ClearPage(nullptr);
        }
        ExpectLoose(k);
        EXPECT_EQ(View().GetPlacedCount(), 0);
    }
}

TEST_F(PageOne, OnlyThePiecesOwnHoleUnderThePointerTakesIt) {
    // Piece 1's position fits its hole, but the pointer is over piece 4's.
    const CSprite* hole1 = Piece(kHoleKind, 0);
    EXPECT_FALSE(DropAt(0, hole1->GetX() + 10, hole1->GetY() + 9));
    ExpectLoose(0);
    ExpectLoose(3);
    // Piece 2's position fits too, but the pointer is over no hole at all.
    const CSprite* hole2 = Piece(kHoleKind, 1);
    EXPECT_FALSE(DropAt(1, hole2->GetX() + 10, hole2->GetY() + 9));
    ExpectLoose(1);
    // Piece 3 lies exactly where piece 5's hole would take piece 5, the
    // pointer over that hole: another piece's hole never takes it.
    const CSprite* hole5 = Piece(kHoleKind, 4);
    EXPECT_FALSE(DropAt(2, hole5->GetX() + 10, hole5->GetY() + 9));
    ExpectLoose(2);
    ExpectLoose(4);
    EXPECT_EQ(View().GetPlacedCount(), 0);
}

TEST_F(PageOne, PlacedPiecesAreCountedAndClearPutsEveryPieceBack) {
    for (int32_t k : {2, 4, 8})
        EXPECT_TRUE(session->PlacePiece(k));
    EXPECT_EQ(View().GetPlacedCount(), 3);
    for (int32_t k : {2, 4, 8})
        ExpectPlaced(k);
    ExpectLoose(0);

    // A placed piece cannot be lifted again from where it lay.
    const CSprite* drag = Piece(kDragKind, 4);
    View().OnLButtonDown(nullptr, 0, drag->GetX() + 40, drag->GetY() + 35);
    EXPECT_FALSE(View().IsDragging());
    EXPECT_EQ(CPageSpriteIndex::Instance()->draggedPiece, -1);

    View().ClearPage(nullptr);
    EXPECT_EQ(View().GetPlacedCount(), 0);
    for (int32_t k = 0; k < 9; ++k)
        ExpectLoose(k);
}

TEST_F(PageOne, TheCursorShowsWhatCanBeLifted) {
    const CSprite* drag = Piece(kDragKind, 2);
    const POINT over{drag->GetX() + 40, drag->GetY() + 35};
    EXPECT_TRUE(session->PlacePiece(2));
    EXPECT_EQ(GetCursorSet()->GetKind(), kCursorArrow);
    // Over a placed piece's resting drag picture the shape stays as it was.
    View().OnMouseMove(nullptr, 0, over.x, over.y);
    EXPECT_EQ(GetCursorSet()->GetKind(), kCursorArrow);
    View().OnMouseMove(nullptr, 0, Piece(kDragKind, 5)->GetX() + 40,
                       Piece(kDragKind, 5)->GetY() + 35);
    EXPECT_EQ(GetCursorSet()->GetKind(), kCursorHand);
    View().OnMouseMove(nullptr, 0, over.x, over.y);
    EXPECT_EQ(GetCursorSet()->GetKind(), kCursorHand);
}

TEST_F(PageOne, APageChangeWhileCarryingPutsThePieceBackFirst) {
    ASSERT_TRUE(Lift(2));
    View().OnMouseMove(nullptr, 0, 400, 300);
    session->Document().ChangePage(kSamePage);
    EXPECT_FALSE(View().IsDragging());
    EXPECT_EQ(CAnimViewProbe::DraggedSprite(View()), nullptr);
    // The pointer moving on and letting go touch nothing that was freed.
    View().OnMouseMove(nullptr, 0, 410, 310);
    View().OnLButtonUp(nullptr, 0, 410, 310);
    for (int32_t k = 0; k < 9; ++k)
        ExpectLoose(k);
    // The stored page holds the piece where it lay, so it can be lifted.
    ASSERT_TRUE(Lift(2));
    View().OnLButtonUp(nullptr, 0, 0, 0);
}

TEST_F(PageOne, ALoadWhileCarryingEndsTheDrag) {
    ASSERT_TRUE(Lift(2));
    session->ShowPage(1);
    EXPECT_FALSE(View().IsDragging());
    EXPECT_EQ(GetCursorSet()->GetKind(), kCursorArrow);
    View().OnMouseMove(nullptr, 0, 410, 310);
    ExpectLoose(2);
}
