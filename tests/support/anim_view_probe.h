// What tests read of the views that the game itself never asks for: the
// dirty rectangles waiting for the next flush, and the carried sprite and
// the grab offset, which say where a carried piece hangs under the pointer.
#pragma once

#include "sprites/anim_view.h"

#include <cstdint>
#include <deque>

class CAnimViewProbe {
public:
    // Most recent first.
    static const std::deque<RECT>& DirtyRects(const CAnimViewBase& view) { return view.dirtyRects; }
    static CSprite* DraggedSprite(const CAnimView& view) { return view.draggedSprite; }
    static int32_t GrabOffsetX(const CAnimView& view) { return view.grabOffsetX; }
    static int32_t GrabOffsetY(const CAnimView& view) { return view.grabOffsetY; }
};
