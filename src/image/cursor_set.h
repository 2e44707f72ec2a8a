// The three mouse-pointer shapes of the game and which one is current.
#pragma once

#include "platform/win_types.h"

#include <cstdint>

// One loaded cursor, owned: destroyed with the entry.
class CCursorEntry {
public:
    CCursorEntry() = default;
    virtual ~CCursorEntry();

    HCURSOR Get() const { return handle; }
    // Takes ownership of cursor; a cursor held before is destroyed.
    void Set(HCURSOR cursor);

    CCursorEntry(const CCursorEntry&) = delete;
    CCursorEntry& operator=(const CCursorEntry&) = delete;

private:
    HCURSOR handle = nullptr;
};

// Slots of the cursor set.
constexpr int32_t kCursorArrow = 0;    // normally; always over the picture buttons
constexpr int32_t kCursorHand = 1;     // over a piece that can be picked up
constexpr int32_t kCursorCarrying = 2; // while a piece is carried
constexpr int32_t kCursorSlotCount = 3;

// The resource names the controller loads into slots 0, 1 and 2.
extern const char* const g_cursorResourceNames[kCursorSlotCount];

class CCursorSet {
public:
    CCursorSet() = default;
    virtual ~CCursorSet() = default;

    // Called once by the controller with each cursor it loaded (null when the
    // load failed); the set owns them from then on.
    void StoreCursor(int32_t slot, HCURSOR cursor);
    HCURSOR GetCursor(int32_t slot) const;

    // Makes slot the current shape; anything but 0, 1 or 2 is ignored.
    void SetKind(int32_t slot);
    int32_t GetKind() const { return kind; }

    // Shows the current shape (none while its cursor is null). Called from
    // the main window's WM_SETCURSOR and right after SetKind in drag and drop.
    void ApplyCursor() const;
    // Shows the arrow whatever the current shape is: the buttons' WM_SETCURSOR.
    void ApplyArrow() const;

    CCursorSet(const CCursorSet&) = delete;
    CCursorSet& operator=(const CCursorSet&) = delete;

private:
    static bool IsSlot(int32_t slot) { return slot >= 0 && slot < kCursorSlotCount; }

    CCursorEntry cursors[kCursorSlotCount];
    int32_t kind = kCursorArrow;
};

// The process-wide cursor set, made on first use and destroyed, with its
// cursors, at exit.
CCursorSet* GetCursorSet();
