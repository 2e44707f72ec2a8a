// Drag and drop's sounds, pointer shapes and mouse capture, read back from
// the headless seam.
#include "game/catalogue.h"
#include "game/sound_effects.h"
#include "image/cursor_set.h"
#include "platform/headless/headless_platform.h"
#include "sprites/sprite.h"
#include "support/play_page_test.h"

#include <cstdint>
#include <functional>
#include <set>
#include <string>
#include <vector>

namespace {

using Calls = std::vector<std::string>;

class HeadlessPageOne : public PlayPageTest {
protected:
    HeadlessPageOne() {
        EXPECT_TRUE(session->ShowPage(1));
        CCursorSet* cursors = GetCursorSet();
        for (int32_t slot = 0; slot < kCursorSlotCount; ++slot)
            cursors->StoreCursor(slot, Handle(slot));
        cursors->SetKind(kCursorArrow);
        headless::TakePlayedSounds();
        headless::TakeShownCursors();
        headless::TakeMouseCalls();
    }

    ~HeadlessPageOne() override {
        // The set keeps made-up handles only for this test.
        for (int32_t slot = 0; slot < kCursorSlotCount; ++slot)
            GetCursorSet()->StoreCursor(slot, nullptr);
        headless::TakeDestroyedCursors();
    }

    static HCURSOR Handle(int32_t slot) { return reinterpret_cast<HCURSOR>(0x100 + slot); }
};

} // namespace

TEST_F(HeadlessPageOne, LiftingCapturesTheMouseAndDroppingReleasesIt) {
    POINT grab;
    ASSERT_TRUE(session->GrabPoint(2, &grab));
    View().OnMouseMove(nullptr, 0, grab.x, grab.y);
    EXPECT_EQ(headless::TakeShownCursors(), std::vector<HCURSOR>{Handle(kCursorHand)});

    View().OnLButtonDown(nullptr, 0, grab.x, grab.y);
    EXPECT_EQ(headless::TakePlayedSounds(), Calls{"PickupWAVE"});
    EXPECT_EQ(headless::TakeShownCursors(), std::vector<HCURSOR>{Handle(kCursorCarrying)});
    EXPECT_EQ(headless::TakeMouseCalls(), Calls{"capture"});

    // Carrying re-applies the carrying shape at every move.
    View().OnMouseMove(nullptr, 0, 20, 20);
    EXPECT_EQ(headless::TakeShownCursors(), std::vector<HCURSOR>{Handle(kCursorCarrying)});

    View().OnLButtonUp(nullptr, 0, 20, 20);
    EXPECT_TRUE(headless::TakePlayedSounds().empty());
    // The arrow waits for the next cursor update.
    EXPECT_TRUE(headless::TakeShownCursors().empty());
    EXPECT_EQ(GetCursorSet()->GetKind(), kCursorArrow);
    const Calls released = headless::TakeMouseCalls();
    EXPECT_EQ(released.back(), "unclip");
    EXPECT_EQ(released[released.size() - 2], "release");

    // Letting go without having lifted anything still frees the mouse.
    View().OnLButtonUp(nullptr, 0, 5, 5);
    EXPECT_EQ(headless::TakeMouseCalls(), (Calls{"release", "unclip"}));
    EXPECT_TRUE(headless::TakePlayedSounds().empty());
}

TEST_F(HeadlessPageOne, ThePlaceSoundBagRunsOnAcrossPages) {
    for (int i = 0; i < kPlaceSoundCount && GetPlaceSoundBag()->SoundsLeft() != kPlaceSoundCount;
         ++i)
        GetSoundEffects()->PlayPlaceSound(nullptr);
    ASSERT_EQ(GetPlaceSoundBag()->SoundsLeft(), kPlaceSoundCount);
    headless::TakePlayedSounds();

    std::vector<std::string> placeSounds;
    auto placeAll = [&](int32_t count) {
        for (int32_t k = 0; k < count; ++k)
            ASSERT_TRUE(session->PlacePiece(k)) << "piece " << k;
        for (const std::string& name : headless::TakePlayedSounds()) {
            if (name.rfind("Place", 0) == 0)
                placeSounds.push_back(name);
        }
    };
    placeAll(9);
    // To page 2 and back: page 1 comes back solved from its save file.
    session->Document().ChangePage(kNextPage);
    session->Document().ChangePage(kPreviousPage);
    EXPECT_EQ(View().GetPlacedCount(), 9);
    View().ClearPage(nullptr);
    placeAll(9);
    session->Document().ChangePage(kSamePage);
    View().ClearPage(nullptr);
    placeAll(3);

    ASSERT_EQ(placeSounds.size(), 21u);
    const std::set<std::string> cycle(placeSounds.begin(), placeSounds.begin() + 20);
    EXPECT_EQ(cycle.size(), 20u);
    EXPECT_EQ(GetPlaceSoundBag()->SoundsLeft(), kPlaceSoundCount - 1);
}

TEST_F(HeadlessPageOne, AClickKeepsThePieceLiftedUntilTheNextPressDropsIt) {
    POINT grab;
    ASSERT_TRUE(session->GrabPoint(2, &grab));
    View().OnLButtonDown(nullptr, 0, grab.x, grab.y);
    // Up 5 pixels from where it went down: a click.
    View().OnLButtonUp(nullptr, 0, grab.x + 3, grab.y - 4);
    ASSERT_TRUE(View().Carry().Clicked());
    // Still captured, so that the piece follows the pointer everywhere.
    EXPECT_EQ(headless::TakeMouseCalls(), Calls{"capture"});
    headless::TakeShownCursors();

    const CSprite* hole = session->Piece(kHoleKind, 2);
    POINT drop;
    session->CarryTo(hole->GetX() + kFitOffsetX, hole->GetY() + kFitOffsetY, &drop);
    EXPECT_EQ(headless::TakeShownCursors(), std::vector<HCURSOR>{Handle(kCursorCarrying)});
    View().OnLButtonDown(nullptr, 0, drop.x, drop.y);
    EXPECT_FALSE(View().IsDragging());
    EXPECT_EQ(View().GetPlacedCount(), 1);
    EXPECT_EQ(headless::TakeMouseCalls(), (Calls{"release", "unclip"}));
    // The second press's own release changes nothing.
    View().OnLButtonUp(nullptr, 0, drop.x, drop.y);
    EXPECT_FALSE(View().IsDragging());
    EXPECT_EQ(View().GetPlacedCount(), 1);
}

TEST_F(HeadlessPageOne, SixPixelsMakeADragAndTheRightButtonOrBackspaceSendAPieceHome) {
    POINT grab;
    ASSERT_TRUE(session->GrabPoint(3, &grab));
    const CSprite* loose = session->Piece(kLooseKind, 3);
    // The last is as far as coordinates go, as a damaged save file can put
    // a piece there.
    for (const POINT up : {POINT{grab.x + 6, grab.y}, POINT{grab.x, grab.y - 6},
                           POINT{grab.x + 4, grab.y + 5}, POINT{INT32_MIN, INT32_MIN}}) {
        View().OnLButtonDown(nullptr, 0, grab.x, grab.y);
        View().OnLButtonUp(nullptr, 0, up.x, up.y);
        EXPECT_FALSE(View().IsDragging()) << up.x << ", " << up.y;
        EXPECT_TRUE(loose->IsVisible());
    }
    headless::TakeMouseCalls();

    // Carried after a click, held down, or by keyboard: each goes home.
    const std::vector<std::function<void()>> sendHome = {
        [&] { View().OnRButtonDown(nullptr, 0, 500, 400); },
        [&] { View().OnPlayKey(nullptr, PlayKey::kSendHome); },
    };
    for (bool click : {true, false}) {
        for (const auto& route : sendHome) {
            View().OnLButtonDown(nullptr, 0, grab.x, grab.y);
            if (click)
                View().OnLButtonUp(nullptr, 0, grab.x, grab.y);
            View().OnMouseMove(nullptr, 0, 500, 400);
            route();
            EXPECT_FALSE(View().IsDragging());
            EXPECT_TRUE(loose->IsVisible());
            EXPECT_EQ(headless::TakeMouseCalls(), (Calls{"capture", "release", "unclip"}));
            // A held button's release afterwards drops nothing.
            View().OnLButtonUp(nullptr, 0, 500, 400);
            headless::TakeMouseCalls();
        }
    }
    EXPECT_EQ(View().GetPlacedCount(), 0);
    EXPECT_EQ(headless::TakePlayedSounds(), Calls(8, "PickupWAVE"));
}
