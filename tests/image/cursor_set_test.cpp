// Through the headless seam, which records the pointer shapes shown and the
// cursors destroyed. The handles are tokens; nothing looks behind them.
#include "image/cursor_set.h"
#include "platform/headless/headless_platform.h"

#include <gtest/gtest.h>
#include <vector>

namespace {

HCURSOR Token(uintptr_t n) {
    return reinterpret_cast<HCURSOR>(n);
}

class CursorSetTest : public ::testing::Test {
protected:
    CursorSetTest() {
        headless::TakeShownCursors();
        headless::TakeDestroyedCursors();
    }
};

} // namespace

TEST_F(CursorSetTest, KindSelectsTheShapeAppliedAndKindsOutsideTheSlotsAreIgnored) {
    CCursorSet set;
    // Before loading, the arrow slot shows no shape.
    EXPECT_EQ(set.GetKind(), kCursorArrow);
    set.ApplyCursor();
    EXPECT_EQ(headless::TakeShownCursors(), std::vector<HCURSOR>{nullptr});
    for (int32_t slot = 0; slot < kCursorSlotCount; ++slot)
        set.StoreCursor(slot, Token(0x100 + slot));
    set.SetKind(kCursorHand);
    set.SetKind(3);
    set.SetKind(-1);
    EXPECT_EQ(set.GetKind(), kCursorHand);
    set.ApplyCursor();
    set.SetKind(kCursorCarrying);
    set.ApplyCursor();
    // Over a button the arrow shows whatever the kind; the kind stays.
    set.ApplyArrow();
    set.ApplyCursor();
    set.SetKind(kCursorArrow);
    set.ApplyCursor();
    EXPECT_EQ(headless::TakeShownCursors(),
              (std::vector<HCURSOR>{Token(0x101), Token(0x102), Token(0x100), Token(0x102),
                                    Token(0x100)}));
}

TEST_F(CursorSetTest, EachCursorIsDestroyedOnceWithTheSet) {
    {
        CCursorSet set;
        set.StoreCursor(kCursorArrow, Token(0x100));
        set.StoreCursor(kCursorHand, Token(0x101));
        // Slot 2 failed to load: nothing to destroy there.
        set.StoreCursor(kCursorCarrying, nullptr);
        // Storing the same cursor again does not let go of it.
        set.StoreCursor(kCursorHand, Token(0x101));
        EXPECT_TRUE(headless::TakeDestroyedCursors().empty());
        // A replaced cursor is released at once rather than leaked.
        set.StoreCursor(kCursorArrow, Token(0x200));
        EXPECT_EQ(headless::TakeDestroyedCursors(), std::vector<HCURSOR>{Token(0x100)});
    }
    EXPECT_EQ(headless::TakeDestroyedCursors(), (std::vector<HCURSOR>{Token(0x101), Token(0x200)}));
}
