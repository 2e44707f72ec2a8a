// Every page of the generated game can be finished by keyboard alone: Tab to
// the piece, Enter, Right until over its hole, Enter. (That each piece lifts
// and fits with the mouse is shown by Geometry, through the sprite list.)
#include "generated_content.h"

#include "game/catalogue.h"
#include "game/play_aids.h"
#include "sprites/sprite.h"
#include "support/play_session.h"

#include <gtest/gtest.h>

namespace {

class Solvability : public ::testing::TestWithParam<int> {};

TEST_P(Solvability, EveryPieceGoesIntoItsHoleByKeyboardAlone) {
    const int page = GetParam();
    CPlaySession session(content::testing::GeneratedContent());
    ASSERT_TRUE(session.ShowPage(page));
    CAnimView& view = session.View();
    const int32_t pieces = PieceCountOfPage(page);
    for (int32_t k = 0; k < pieces; ++k) {
        SCOPED_TRACE("piece " + std::to_string(FirstPieceOfPage(page) + k));
        for (int32_t tabs = 0; view.Keyboard().SelectedPiece() != k; ++tabs) {
            ASSERT_LT(tabs, pieces);
            view.OnPlayKey(nullptr, PlayKey::kNextPiece);
        }
        // Its ring and its hole's glow are there to be shown.
        EXPECT_TRUE(view.Keyboard().SelectionRing().IsShown());
        view.OnPlayKey(nullptr, PlayKey::kLiftOrDrop);
        ASSERT_TRUE(view.Carry().ByKeyboard());
        view.OnPlayKey(nullptr, PlayKey::kHint);
        EXPECT_TRUE(view.Hint().IsRunning());
        for (int32_t rights = 0; view.Keyboard().TargetHole() != k; ++rights) {
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
