// The cursor set with real cursors, as the game's window thread sees them
// (the game's own pointers loaded into their slots: see ContentResources).
#include "image/cursor_set.h"

#include <gtest/gtest.h>

namespace {

HCURSOR MakeCursor(int hotX, int hotY) {
    BYTE andMask[32 * 32 / 8];
    BYTE xorMask[32 * 32 / 8] = {};
    memset(andMask, 0xFF, sizeof andMask);
    xorMask[hotY * 4 + hotX / 8] = static_cast<BYTE>(0x80 >> (hotX % 8));
    return CreateCursor(GetModuleHandleA(nullptr), hotX, hotY, 32, 32, andMask, xorMask);
}

} // namespace

TEST(CursorSetWin32, AppliesTheCurrentShapeAndDestroysEachCursorAtTheEnd) {
    const HCURSOR made[kCursorSlotCount] = {MakeCursor(3, 3), MakeCursor(11, 5),
                                            MakeCursor(17, 17)};
    for (HCURSOR cursor : made)
        ASSERT_NE(cursor, nullptr);
    {
        CCursorSet set;
        for (int32_t slot = 0; slot < kCursorSlotCount; ++slot)
            set.StoreCursor(slot, made[slot]);
        set.SetKind(kCursorHand);
        set.ApplyCursor();
        EXPECT_EQ(GetCursor(), made[kCursorHand]);
        set.ApplyArrow();
        EXPECT_EQ(GetCursor(), made[kCursorArrow]);
        set.SetKind(kCursorCarrying);
        set.ApplyCursor();
        EXPECT_EQ(GetCursor(), made[kCursorCarrying]);
        SetCursor(nullptr);
    }
    // Already destroyed by the set: a second destruction fails.
    for (HCURSOR cursor : made)
        EXPECT_FALSE(DestroyCursor(cursor));
}
