// The grown-up corner's additions to a drop, on the catalogue's page 1: the
// generous fits at each boundary, a foreign hole never taking a piece
// whatever the fit, and help when stuck lighting the hole after three misses
// of one piece in a row.
#include "game/play_aids.h"
#include "sprites/anim_doc.h"
#include "sprites/grid_sprite.h"

#include "sprites/page_one_fixture.h"
#include <cstdlib>

namespace {

class FitPageOne : public PageOne {
protected:
    ~FitPageOne() override {
        View().Fit().SetFit(kFitNormal);
        View().Stuck().SetEnabled(false);
    }

    // Drops piece k with its top-left at its hole's top-left plus (dx, dy);
    // true when it went in. A placed piece is taken out again.
    bool DropBeside(int32_t k, int32_t dx, int32_t dy) {
        const CSprite* hole = Piece(kHoleKind, k);
        const bool placed = DropAt(k, hole->GetX() + dx, hole->GetY() + dy);
        if (placed) {
            ExpectPlaced(k);
            View().ClearPage(nullptr);
        }
        ExpectLoose(k);
        return placed;
    }

    // A drop of piece k far from every hole.
    void Miss(int32_t k) { EXPECT_FALSE(DropAt(k, 5, 5)); }
    bool Glowing() const { return session->View().Hint().IsRunning(); }
};

struct Drop {
    int32_t dx, dy;
    bool fits;
};

} // namespace

TEST_F(FitPageOne, EachFitReachesItsDistanceAroundThePerfectPlace) {
    // The perfect place is the hole's top-left plus (10, 9); each fit takes
    // a top-left strictly within its reach of it, each way.
    EXPECT_EQ(CFitRule::ReachOf(kFitNormal), 20);
    EXPECT_EQ(CFitRule::ReachOf(kFitGenerous), 40);
    EXPECT_EQ(CFitRule::ReachOf(kFitVeryGenerous), 60);
    const int32_t k = 2; // piece 3
    for (FitSetting fit : {kFitNormal, kFitGenerous, kFitVeryGenerous}) {
        View().Fit().SetFit(fit);
        const int32_t in = CFitRule::ReachOf(fit) - 1;
        // Just inside and just outside each edge, and inside a corner.
        const Drop drops[] = {{10 + in, 9, true},      {11 + in, 9, false},
                              {10 - in, 9, true},      {9 - in, 9, false},
                              {10, 9 + in, true},      {10, 10 + in, false},
                              {10, 9 - in, true},      {10, 8 - in, false},
                              {10 + in, 9 - in, true}, {10 + 35, 9, fit != kFitNormal}};
        for (const Drop& d : drops)
            EXPECT_EQ(DropBeside(k, d.dx, d.dy), d.fits)
                << "fit " << fit << ", top-left at hole + (" << d.dx << ", " << d.dy << ")";
        EXPECT_EQ(View().GetPlacedCount(), 0);
    }
}

TEST_F(FitPageOne, NoFitLetsAForeignHoleTakeAPiece) {
    for (FitSetting fit : {kFitNormal, kFitGenerous, kFitVeryGenerous}) {
        SCOPED_TRACE(fit);
        View().Fit().SetFit(fit);
        // Piece 3 exactly where piece 5's hole would take piece 5, the
        // pointer over that hole: it goes in only if its own hole is within
        // the fit's reach, and never into piece 5's.
        const CSprite* own = Piece(kHoleKind, 2);
        const CSprite* foreign = Piece(kHoleKind, 4);
        const int32_t x = foreign->GetX() + 10;
        const int32_t y = foreign->GetY() + 9;
        const int32_t reach = CFitRule::ReachOf(fit);
        const bool nearOwn = std::abs(x - (own->GetX() + 10)) < reach &&
                             std::abs(y - (own->GetY() + 9)) < reach && fit != kFitNormal;
        EXPECT_EQ(DropAt(2, x, y), nearOwn);
        ExpectLoose(4);
        View().ClearPage(nullptr);
        // Piece 1 at its own perfect place with the pointer over piece 4's
        // hole: the normal fit refuses, a generous one puts it into its own.
        const CSprite* hole1 = Piece(kHoleKind, 0);
        EXPECT_EQ(DropAt(0, hole1->GetX() + 10, hole1->GetY() + 9), fit != kFitNormal);
        ExpectLoose(3);
        View().ClearPage(nullptr);
        ExpectLoose(0);
    }
}

TEST_F(FitPageOne, AnAlreadyFilledHoleTakesNothingMore) {
    View().Fit().SetFit(kFitVeryGenerous);
    CSprite* hole = Piece(kHoleKind, 2);
    CSprite* drag = Piece(kDragKind, 2);
    const int32_t restX = drag->GetX();
    const int32_t restY = drag->GetY();
    drag->MoveTo(hole->GetX() + 30, hole->GetY() + 9);
    EXPECT_TRUE(View().Fit().Forgives(hole, drag));
    hole->Hide();
    EXPECT_FALSE(View().Fit().Forgives(hole, drag));
    hole->Show();
    EXPECT_FALSE(View().Fit().Forgives(nullptr, drag));
    drag->MoveTo(restX, restY);
}

TEST_F(FitPageOne, ThreeMissesInARowLightTheHoleWhenHelpIsOn) {
    Miss(2);
    Miss(2);
    Miss(2);
    EXPECT_FALSE(Glowing()) << "help is off by default";

    View().Stuck().SetEnabled(true);
    Miss(2);
    Miss(2);
    EXPECT_FALSE(Glowing());
    Miss(2);
    ASSERT_TRUE(Glowing());
    const CSprite* glow = View().Hint().Overlay().Sprite();
    EXPECT_EQ(glow->GetX(), Piece(kHoleKind, 2)->GetX() + kFitOffsetX - kAidMargin);
    EXPECT_EQ(glow->GetY(), Piece(kHoleKind, 2)->GetY() + kFitOffsetY - kAidMargin);
    EXPECT_EQ(View().Stuck().Misses(), 0) << "the count starts again";
}

TEST_F(FitPageOne, ThePlacementANewPieceAndANewPageStartTheCountAgain) {
    View().Stuck().SetEnabled(true);
    // A placement between the misses.
    Miss(2);
    Miss(2);
    EXPECT_TRUE(DropBeside(2, 10, 9));
    Miss(2);
    Miss(2);
    EXPECT_FALSE(Glowing());
    // Another piece dropped between them.
    Miss(4);
    Miss(2);
    Miss(2);
    EXPECT_FALSE(Glowing());
    EXPECT_EQ(View().Stuck().Misses(), 2);
    // A new page.
    ASSERT_TRUE(session->ShowPage(1));
    EXPECT_EQ(View().Stuck().Misses(), 0);
    Miss(2);
    EXPECT_FALSE(Glowing());
    Miss(2);
    Miss(2);
    EXPECT_TRUE(Glowing());
}

TEST(StuckHelpTest, CountsOnePiecesMissesInARow) {
    CStuckHelp help;
    help.SetEnabled(true);
    EXPECT_FALSE(help.Dropped(1, false));
    EXPECT_FALSE(help.Dropped(1, false));
    EXPECT_TRUE(help.Dropped(1, false));
    EXPECT_FALSE(help.Dropped(1, false));
    EXPECT_FALSE(help.Dropped(1, false));
    EXPECT_FALSE(help.Dropped(1, true));
    EXPECT_FALSE(help.Dropped(1, false));
    EXPECT_FALSE(help.Dropped(1, false));
    EXPECT_FALSE(help.Dropped(0, false));
    EXPECT_EQ(help.Misses(), 1);
    help.Forget();
    EXPECT_EQ(help.Misses(), 0);
}
