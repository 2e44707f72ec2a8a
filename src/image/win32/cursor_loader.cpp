#include "image/win32/cursor_loader.h"

void LoadCursors(CCursorSet* set, HINSTANCE module) {
    for (int32_t slot = 0; slot < kCursorSlotCount; ++slot) {
        HANDLE image = LoadImageA(module, g_cursorResourceNames[slot], IMAGE_CURSOR, 0, 0, 0);
        set->StoreCursor(slot, static_cast<HCURSOR>(image));
    }
}
