// A finished page's reward, played headless: which placement sets it off,
// how long the sparkle lasts, and what a clear or a page change does to it.
#include "game/catalogue.h"
#include "game/page_furniture.h"
#include "game/page_sprite_index.h"
#include "platform/headless/headless_platform.h"
#include "sprites/sprite.h"
#include "support/play_page_test.h"

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

namespace {

constexpr uint32_t kStart = 50000;
// Copies to a window are recorded only for a window; none is ever shown.
const HWND kWindow = reinterpret_cast<HWND>(0x5150);

class CelebrationTest : public PlayPageTest {
protected:
    CelebrationTest() {
        headless::SetClock(kStart);
        EXPECT_TRUE(session->ShowPage(1));
        Flush();
    }

    // Places the page's pieces from..to-1, in order.
    void Place(int32_t from, int32_t to) {
        for (int32_t k = from; k < to; ++k)
            ASSERT_TRUE(session->PlacePiece(k)) << k;
    }
    int32_t Pieces() const { return PieceCountOfPage(1); }

    bool Fanfared() {
        const std::vector<std::string> sounds = headless::TakePlayedSounds();
        return std::count(sounds.begin(), sounds.end(), "FanfareWAVE") == 1;
    }
    bool StarShown() const {
        const CSprite* star = session->Document().FindByTag(kFinishedStarTag);
        return star != nullptr && star->IsVisible();
    }
    // The sparkles on the page, and how many of them show.
    int32_t Sparkles(bool visibleOnly = false) {
        int32_t count = 0;
        CSpriteList& sprites = session->Document().Sprites();
        for (CSprite* s = sprites.First(); s != nullptr; s = sprites.Next())
            count += s->GetTag() == kSparkleTag && (!visibleOnly || s->IsVisible());
        return count;
    }
    // The view's tick at a moment of the game's clock; how many copies to
    // the window it made.
    size_t TickAt(uint32_t milliseconds) {
        headless::SetClock(kStart + milliseconds);
        View().Tick(kWindow);
        return headless::TakeWindowCopies().size();
    }
    void Flush() {
        View().Tick(kWindow);
        headless::TakeWindowCopies();
        headless::TakePlayedSounds();
    }
};

} // namespace

TEST_F(CelebrationTest, OnlyThePlacementThatFinishesThePageSparklesForTwoSeconds) {
    // The fanfare and the star are what the end-to-end test watches.
    Place(0, Pieces() - 1);
    EXPECT_EQ(Sparkles(), 0);
    Place(Pieces() - 1, Pieces());
    EXPECT_GT(Sparkles(), 0);
    EXPECT_GT(TickAt(20), 0u);
    EXPECT_GT(TickAt(700), 0u);
    EXPECT_GT(Sparkles(true), 0);
    // Input stays live: the finished page still answers the mouse.
    View().OnLButtonDown(nullptr, 0, 1, 1);
    View().OnLButtonUp(nullptr, 0, 1, 1);

    TickAt(1999);
    EXPECT_GT(Sparkles(), 0);
    EXPECT_GT(TickAt(2000), 0u) << "the last sparkles are wiped off";
    EXPECT_EQ(Sparkles(), 0);
    EXPECT_TRUE(StarShown());
    // Over: the ticks find nothing to draw.
    EXPECT_EQ(TickAt(2010), 0u);
    EXPECT_EQ(TickAt(5000), 0u);
}

TEST_F(CelebrationTest, ClearingTakesTheStarAndTheSparkleAwayAndFinishingAgainCelebrates) {
    Place(0, Pieces());
    TickAt(300);
    Flush();
    View().ClearPage(nullptr);
    EXPECT_FALSE(StarShown());
    EXPECT_EQ(Sparkles(), 0);
    EXPECT_GT(TickAt(400), 0u) << "the cleared page is drawn";
    EXPECT_EQ(TickAt(2500), 0u);

    Place(0, Pieces());
    EXPECT_TRUE(Fanfared());
    EXPECT_TRUE(StarShown());
}

TEST_F(CelebrationTest, APageChangeDuringTheSparkleLeavesNothingBehind) {
    Place(0, Pieces());
    EXPECT_TRUE(Fanfared());
    TickAt(500);
    ASSERT_TRUE(session->ShowPage(2));
    EXPECT_EQ(Sparkles(), 0);
    TickAt(900);
    EXPECT_EQ(TickAt(1500), 0u);
    EXPECT_EQ(TickAt(2500), 0u);
    EXPECT_FALSE(Fanfared());
}

TEST_F(CelebrationTest, ADamagedSavesCountAndFarFlungPiecesFinishThePageSafely) {
    // What a damaged save file can restore: placed pieces at both ends of
    // the coordinate range, and the largest count there is.
    Place(0, Pieces() - 1);
    const CPageSpriteIndex& page = *session->Document().GetPageSprites();
    session->Document().FindByTag(page.firstPlaced)->MoveTo(-2147483000, -2147483000);
    session->Document().FindByTag(page.firstPlaced + 1)->MoveTo(2147483000, 2147483000);
    View().SetPlacedCount(INT32_MAX);

    // Placed, though the count cannot go up.
    EXPECT_FALSE(session->PlacePiece(Pieces() - 1));
    EXPECT_TRUE(session->Document().FindByTag(page.firstPlaced + Pieces() - 1)->IsVisible());
    EXPECT_EQ(View().GetPlacedCount(), INT32_MAX);
    EXPECT_TRUE(Fanfared());
    EXPECT_GT(Sparkles(), 0);
    TickAt(700);
    EXPECT_GT(Sparkles(true), 0);
}
