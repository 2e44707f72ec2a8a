// What tests read of the view's drag and drop that the game itself never
// asks for: the carried sprite and the grab offset, the designed fields that
// say where a carried piece hangs under the pointer.
#pragma once

#include "sprites/anim_view.h"

#include <cstdint>

class CAnimViewProbe {
public:
    static CSprite* DraggedSprite(const CAnimView& view) { return view.draggedSprite; }
    static int32_t GrabOffsetX(const CAnimView& view) { return view.grabOffsetX; }
    static int32_t GrabOffsetY(const CAnimView& view) { return view.grabOffsetY; }
};
