// Every page of the generated game can be finished by hand: driven through
// the game's own view (press on the loose piece, carry, let go over the hole),
// each of the 220 pieces lifts and goes into its own hole. And by keyboard
// alone: Tab to the piece, Enter, Right until over its hole, Enter.
#include "generated_content.h"

#include "game/catalogue.h"
#include "game/play_aids.h"
#include "sprites/sprite.h"
#include "support/play_session.h"

#include <gtest/gtest.h>

namespace {

class Solvability : public ::testing::TestWithParam<int> {};

TEST_P(Solvability, EveryPieceGoesIntoItsHoleThroughTheView) {
    const int page = GetParam();
    CPlaySession session(content::testing::GeneratedContent());
    ASSERT_TRUE(session.ShowPage(page));
    const int32_t pieces = PieceCountOfPage(page);
    for (int32_t k = 0; k < pieces; ++k) {
        SCOPED_TRACE("piece " + std::to_string(FirstPieceOfPage(page) + k));
        ASSERT_TRUE(session.PlacePiece(k));
        EXPECT_EQ(session.View().GetPlacedCount(), k + 1);
        ASSERT_TRUE(session.Piece(kPlacedKind, k) && session.Piece(kLooseKind, k) &&
                    session.Piece(kHoleKind, k));
        EXPECT_TRUE(session.Piece(kPlacedKind, k)->IsVisible());
        EXPECT_FALSE(session.Piece(kLooseKind, k)->IsVisible());
        EXPECT_FALSE(session.Piece(kHoleKind, k)->IsVisible());
    }
}

TEST_P(Solvability, EveryPieceGoesIntoItsHoleByKeyboardAlone) {
    const int page = GetParam();
    CPlaySession session(content::testing::GeneratedContent());
    ASSERT_TRUE(session.ShowPage(page));
    CAnimView& view = session.View();
    const int32_t pieces = PieceCountOfPage(page);
    for (int32_t k = 0; k < pieces; ++k) {
        SCOPED_TRACE("piece " + std::to_string(FirstPieceOfPage(page) + k));
        for (int32_t tabs = 0; view.GetSelectedPiece() != k; ++tabs) {
            ASSERT_LT(tabs, pieces);
            view.OnPlayKey(nullptr, PlayKey::kNextPiece);
        }
        // Its ring and its hole's glow are there to be shown.
        EXPECT_TRUE(view.SelectionRing().IsShown());
        view.OnPlayKey(nullptr, PlayKey::kLiftOrDrop);
        ASSERT_TRUE(view.IsCarriedByKeyboard());
        view.OnPlayKey(nullptr, PlayKey::kHint);
        EXPECT_TRUE(view.Hint().IsRunning());
        for (int32_t rights = 0; view.GetTargetHole() != k; ++rights) {
            ASSERT_LT(rights, pieces);
            view.OnPlayKey(nullptr, PlayKey::kNextHole);
        }
        view.OnPlayKey(nullptr, PlayKey::kLiftOrDrop);
        EXPECT_EQ(view.GetPlacedCount(), k + 1);
        EXPECT_TRUE(session.Piece(kPlacedKind, k)->IsVisible());
    }
}

INSTANTIATE_TEST_SUITE_P(AllPages, Solvability, ::testing::Range(1, 31));

} // namespace
