// The cursor set with real cursors, as the game's window thread sees them.
#include "image/win32/cursor_loader.h"
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

TEST(CursorSetWin32, LoadsEachNamedCursorIntoItsSlot) {
    CCursorSet set;
    // The test program carries stand-ins told apart by their hot spots.
    LoadCursors(&set, GetModuleHandleA(nullptr));
    const POINT hotSpots[kCursorSlotCount] = {{3, 3}, {11, 5}, {17, 17}};
    for (int32_t slot = 0; slot < kCursorSlotCount; ++slot) {
        ICONINFO info = {};
        ASSERT_TRUE(GetIconInfo(set.GetCursor(slot), &info)) << slot;
        EXPECT_FALSE(info.fIcon);
        EXPECT_EQ(info.xHotspot, static_cast<DWORD>(hotSpots[slot].x)) << slot;
        EXPECT_EQ(info.yHotspot, static_cast<DWORD>(hotSpots[slot].y)) << slot;
        DeleteObject(info.hbmMask);
        if (info.hbmColor != nullptr)
            DeleteObject(info.hbmColor);
    }
}

TEST(CursorSetWin32, CursorsMissingFromTheModuleShowNoPointer) {
    CCursorSet set;
    LoadCursors(&set, GetModuleHandleA("kernel32.dll"));
    for (int32_t slot = 0; slot < kCursorSlotCount; ++slot)
        EXPECT_EQ(set.GetCursor(slot), nullptr) << slot;
    SetCursor(LoadCursorA(nullptr, MAKEINTRESOURCEA(32512))); // IDC_ARROW
    ASSERT_NE(GetCursor(), nullptr);
    set.ApplyCursor();
    EXPECT_EQ(GetCursor(), nullptr);
}

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
