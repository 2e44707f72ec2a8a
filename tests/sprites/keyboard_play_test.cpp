// Keyboard play on the catalogue's page 1, over made-up pictures: choosing
// pieces in reading order, carrying one from hole to hole, dropping it, and
// the hint's glow.
#include "game/catalogue.h"
#include "game/play_aids.h"
#include "platform/headless/headless_platform.h"
#include "sprites/grid_sprite.h"
#include "sprites/sprite.h"
#include "support/anim_view_probe.h"
#include "support/play_page_test.h"

#include <functional>
#include <string>
#include <vector>

namespace {

using Calls = std::vector<std::string>;

HWND const kWindow = reinterpret_cast<HWND>(0x5150);

// Page 1's pieces (positions within the page) by their loose pictures' and
// by their holes' top, then left edges.
const std::vector<int32_t> kLooseOrder = {1, 6, 8, 2, 7, 4, 0, 3, 5};
const std::vector<int32_t> kHoleOrder = {0, 2, 1, 4, 3, 6, 5, 8, 7};

class KeyboardPageOne : public PlayPageTest {
protected:
    KeyboardPageOne() {
        EXPECT_TRUE(session->ShowPage(1));
        headless::SetClock(1000);
        headless::TakePlayedSounds();
        headless::TakeMouseCalls();
    }

    void Press(PlayKey key, int32_t times = 1) {
        for (int32_t i = 0; i < times; ++i)
            View().OnPlayKey(nullptr, key);
    }
    // Tab until piece k is chosen, Enter, Right until over its hole (or the
    // given one), Enter.
    void PlaceByKeyboard(int32_t k, int32_t hole = -1) {
        for (int32_t tabs = 0; View().Keyboard().SelectedPiece() != k; ++tabs) {
            ASSERT_LT(tabs, 12) << "piece " << k << " is never chosen";
            Press(PlayKey::kNextPiece);
        }
        Press(PlayKey::kLiftOrDrop);
        for (int32_t rights = 0; View().Keyboard().TargetHole() != (hole < 0 ? k : hole);
             ++rights) {
            ASSERT_LT(rights, 12) << "hole " << k << " is never reached";
            Press(PlayKey::kNextHole);
        }
        Press(PlayKey::kLiftOrDrop);
    }
    bool IsLoose(int32_t k) { return Piece(kLooseKind, k)->IsVisible(); }
    bool IsPlaced(int32_t k) { return Piece(kPlacedKind, k)->IsVisible(); }
    const CGridSprite* Glow() { return View().Hint().Overlay().Sprite(); }
};

} // namespace

TEST_F(KeyboardPageOne, TabVisitsTheLoosePiecesInReadingOrderAndWrapsRound) {
    EXPECT_EQ(View().Keyboard().SelectedPiece(), -1);
    std::vector<int32_t> visited;
    for (size_t i = 0; i <= kLooseOrder.size(); ++i) {
        Press(PlayKey::kNextPiece);
        visited.push_back(View().Keyboard().SelectedPiece());
    }
    std::vector<int32_t> expected = kLooseOrder;
    expected.push_back(kLooseOrder.front());
    EXPECT_EQ(visited, expected);
    Press(PlayKey::kPreviousPiece);
    EXPECT_EQ(View().Keyboard().SelectedPiece(), kLooseOrder.back());
    EXPECT_TRUE(View().Keyboard().SelectionRing().IsShown());

    // A new page starts with nothing chosen.
    session->Document().ChangePage(kSamePage);
    EXPECT_EQ(View().Keyboard().SelectedPiece(), -1);
    EXPECT_EQ(session->Document().FindByTag(kSelectionRingTag), nullptr);
    Press(PlayKey::kPreviousPiece);
    EXPECT_EQ(View().Keyboard().SelectedPiece(), kLooseOrder.back());
}

TEST_F(KeyboardPageOne, EnterLiftsTheChosenPieceOverTheOpenHolesInReadingOrder) {
    Press(PlayKey::kLiftOrDrop); // chooses first
    EXPECT_FALSE(View().IsDragging());
    Press(PlayKey::kLiftOrDrop);
    const int32_t k = kLooseOrder.front();
    ASSERT_TRUE(View().Carry().ByKeyboard());
    EXPECT_EQ(headless::TakePlayedSounds(), Calls{"PickupWAVE"});
    EXPECT_TRUE(headless::TakeMouseCalls().empty());
    EXPECT_FALSE(IsLoose(k));
    EXPECT_FALSE(View().Keyboard().SelectionRing().IsShown());

    std::vector<int32_t> visited = {View().Keyboard().TargetHole()};
    for (size_t i = 0; i < kHoleOrder.size(); ++i) {
        Press(i % 2 == 0 ? PlayKey::kNextHole : PlayKey::kNextPiece);
        visited.push_back(View().Keyboard().TargetHole());
        // Shown where a perfect drop would put it, whatever the mouse does.
        View().OnMouseMove(nullptr, 0, 5, 5);
        const CSprite* hole = Piece(kHoleKind, View().Keyboard().TargetHole());
        EXPECT_EQ(CAnimViewProbe::DraggedSprite(View())->GetX(), hole->GetX() + kFitOffsetX);
        EXPECT_EQ(CAnimViewProbe::DraggedSprite(View())->GetY(), hole->GetY() + kFitOffsetY);
    }
    std::vector<int32_t> expected = kHoleOrder;
    expected.push_back(kHoleOrder.front());
    EXPECT_EQ(visited, expected);
    Press(PlayKey::kPreviousHole);
    EXPECT_EQ(View().Keyboard().TargetHole(), kHoleOrder.back());
    Press(PlayKey::kPreviousPiece);
    EXPECT_EQ(View().Keyboard().TargetHole(), kHoleOrder[kHoleOrder.size() - 2]);
    // Letting go of the mouse button does not drop it.
    View().OnLButtonUp(nullptr, 0, 5, 5);
    EXPECT_TRUE(View().Carry().ByKeyboard());
}

TEST_F(KeyboardPageOne, ItsOwnHoleTakesItAForeignOneSendsItHomeAndAFinishedPageHasNoChoice) {
    // Into a foreign hole: home again, still chosen, nothing placed.
    PlaceByKeyboard(6, 2);
    EXPECT_TRUE(IsLoose(6));
    EXPECT_EQ(View().Keyboard().SelectedPiece(), 6);
    EXPECT_TRUE(View().Keyboard().SelectionRing().IsShown());
    EXPECT_EQ(View().GetPlacedCount(), 0);
    EXPECT_EQ(headless::TakePlayedSounds(), Calls{"PickupWAVE"});

    PlaceByKeyboard(6);
    EXPECT_TRUE(IsPlaced(6));
    EXPECT_EQ(View().GetPlacedCount(), 1);
    EXPECT_EQ(headless::TakePlayedSounds().size(), 2u);
    for (int32_t k : kLooseOrder)
        if (IsLoose(k))
            PlaceByKeyboard(k);
    EXPECT_EQ(View().GetPlacedCount(), 9);
    EXPECT_EQ(View().Keyboard().SelectedPiece(), -1);
    EXPECT_EQ(session->Document().FindByTag(kSelectionRingTag), nullptr);
    Press(PlayKey::kNextPiece);
    Press(PlayKey::kLiftOrDrop);
    EXPECT_FALSE(View().IsDragging());
}

TEST_F(KeyboardPageOne, EveryRouteHomeEndsAKeyboardCarry) {
    const std::vector<std::function<void()>> routes = {
        [&] { Press(PlayKey::kSendHome); },
        [&] { View().OnRButtonDown(nullptr, 0, 0, 0); },
        [&] { View().ClearPage(nullptr); }, // even with nothing placed
        [&] { View().CancelDrag(nullptr); },
        [&] { session->Document().ChangePage(kSamePage); },
        [&] { session->Document().ChangePage(kNextPage); },
    };
    for (size_t route = 0; route < routes.size(); ++route) {
        session->ShowPage(1);
        Press(PlayKey::kNextPiece);
        Press(PlayKey::kLiftOrDrop);
        Press(PlayKey::kNextHole, 3);
        ASSERT_TRUE(View().Carry().ByKeyboard());
        routes[route]();
        EXPECT_FALSE(View().IsDragging()) << "route " << route;
        EXPECT_EQ(View().Keyboard().TargetHole(), -1) << "route " << route;
        // The page as stored holds the piece where it lay.
        session->ShowPage(1);
        EXPECT_TRUE(IsLoose(kLooseOrder.front())) << "route " << route;
        EXPECT_TRUE(Piece(kDragKind, kLooseOrder.front())->IsHidden()) << "route " << route;
    }
}

TEST_F(KeyboardPageOne, AHintGlowsRoundTheCarriedPiecesHoleForTwoSecondsAndThenStops) {
    POINT grab;
    ASSERT_TRUE(session->GrabPoint(4, &grab));
    View().OnLButtonDown(nullptr, 0, grab.x, grab.y);
    View().OnMouseMove(nullptr, 0, 400, 300);
    Press(PlayKey::kHint);
    ASSERT_NE(Glow(), nullptr);
    EXPECT_EQ(session->Document().Sprites().FromTop(0), Glow());

    // The pulse: up through the frames and down again, at the tick.
    std::vector<int32_t> frames;
    for (uint32_t t = 1000; t < 1800; t += 100) {
        headless::SetClock(t);
        View().Tick(kWindow);
        frames.push_back(Glow()->GetRow());
    }
    EXPECT_EQ(frames, (std::vector<int32_t>{0, 1, 2, 1, 0, 1, 2, 1}));
    headless::SetClock(2999);
    View().Tick(kWindow);
    ASSERT_NE(Glow(), nullptr);
    headless::SetClock(3000);
    View().Tick(kWindow);
    EXPECT_FALSE(View().Hint().IsRunning());
    EXPECT_EQ(session->Document().FindByTag(kHintGlowTag), nullptr);

    // A hint never places a piece; the carried one is still in the hand.
    EXPECT_TRUE(View().IsDragging());
    EXPECT_EQ(View().GetPlacedCount(), 0);
}

TEST_F(KeyboardPageOne, HWithNothingCarriedChoosesTheNextPieceAndLightsItsHole) {
    Press(PlayKey::kHint);
    EXPECT_EQ(View().Keyboard().SelectedPiece(), kLooseOrder[0]);
    ASSERT_NE(Glow(), nullptr);
    EXPECT_EQ(Glow()->GetX(), Piece(kHoleKind, kLooseOrder[0])->GetX() + kFitOffsetX - kAidMargin);
    Press(PlayKey::kHint);
    EXPECT_EQ(View().Keyboard().SelectedPiece(), kLooseOrder[1]);
    EXPECT_EQ(Glow()->GetX(), Piece(kHoleKind, kLooseOrder[1])->GetX() + kFitOffsetX - kAidMargin);
    EXPECT_EQ(Glow()->GetRow(), 0);
    EXPECT_FALSE(View().IsDragging());
    EXPECT_EQ(View().GetPlacedCount(), 0);
}
