// Drag and drop's sounds, pointer shapes and mouse capture, read back from
// the headless seam.
#include "game/catalogue.h"
#include "game/sound_effects.h"
#include "image/cursor_set.h"
#include "platform/headless/headless_platform.h"
#include "sprites/sprite.h"
#include "support/page_folder.h"
#include "support/play_session.h"
#include "support/temp_dir.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <memory>
#include <set>
#include <string>
#include <vector>

namespace {

using Calls = std::vector<std::string>;

bool IsPlaceSound(const std::string& name) {
    return name.rfind("Place", 0) == 0;
}

class HeadlessPageOne : public ::testing::Test {
protected:
    HeadlessPageOne() {
        WritePageFolder(dir.Path().string(), {1, 2});
        std::filesystem::create_directory(dir.Path() / "save");
        session = std::make_unique<CPlaySession>(dir.Path().string());
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

    CAnimView& View() { return session->View(); }

    ScopedTempDir dir;
    std::unique_ptr<CPlaySession> session;
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

TEST_F(HeadlessPageOne, PlacingPlaysAPlaceSoundAndClearingPlaysOnce) {
    EXPECT_TRUE(session->PlacePiece(0));
    const Calls placing = headless::TakePlayedSounds();
    ASSERT_EQ(placing.size(), 2u);
    EXPECT_EQ(placing[0], "PickupWAVE");
    EXPECT_TRUE(IsPlaceSound(placing[1]));

    EXPECT_TRUE(session->PlacePiece(1));
    headless::TakePlayedSounds();
    View().ClearPage(nullptr);
    EXPECT_EQ(headless::TakePlayedSounds(), Calls{"ClearWAVE"});
    View().ClearPage(nullptr);
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
            if (IsPlaceSound(name))
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
