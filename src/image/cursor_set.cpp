#include "image/cursor_set.h"
#include "platform/mouse.h"

const char* const g_cursorResourceNames[kCursorSlotCount] = {"ArrowCursor", "HandCursor",
                                                             "HandCursor2"};

CCursorEntry::~CCursorEntry() {
    Set(nullptr);
}

void CCursorEntry::Set(HCURSOR cursor) {
    if (handle != nullptr && handle != cursor)
        platform::DestroyCursorShape(handle);
    handle = cursor;
}

CCursorSet* GetCursorSet() {
    static CCursorSet set;
    return &set;
}

void CCursorSet::StoreCursor(int32_t slot, HCURSOR cursor) {
    if (IsSlot(slot))
        cursors[slot].Set(cursor);
}

HCURSOR CCursorSet::GetCursor(int32_t slot) const {
    return IsSlot(slot) ? cursors[slot].Get() : nullptr;
}

void CCursorSet::SetKind(int32_t slot) {
    // kind indexes the slots; an out-of-range value would read past them.
    if (IsSlot(slot))
        kind = slot;
}

void CCursorSet::ApplyCursor() const {
    platform::ShowCursorShape(cursors[kind].Get());
}

void CCursorSet::ApplyArrow() const {
    platform::ShowCursorShape(cursors[kCursorArrow].Get());
}
